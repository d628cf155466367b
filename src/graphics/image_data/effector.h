#pragma once
// Effects: small objects that map a rectangle of a 24- or 32-bit source bitmap into a new
// bitmap of the rectangle's size and the source's format. 24-bit pixels are B, G, R bytes
// (Format_BGR888); 32-bit pixels are B, G, R and an unused fourth byte (Format_RGB32), which
// the effects do not compute: it keeps the value a new bitmap of the format holds, 0xFF.
#include "core/canvas/rect.h"

#include <QImage>

class IProgressSink;

class TGREffector {
public:
    TGREffector() = default;
    TGREffector(const TGREffector&) = delete;
    TGREffector& operator=(const TGREffector&) = delete;
    virtual ~TGREffector() = default;

    // The source bitmap and the rectangle of it to work on.
    void SetSource(const QImage* source, const TRect& rect);
    // The bitmap that receives the result.
    void SetDestination(QImage* destination) { destination_ = destination; }
    // An optional receiver of progress (none by default).
    void SetProgress(IProgressSink* progress) { progress_ = progress; }

    // Does nothing unless the source is 24 or 32 bits per pixel and the rectangle lies inside
    // it and is not empty; otherwise sizes the destination to the rectangle, with the source's
    // format, and fills it.
    void Run();

protected:
    // Fills out (the rectangle's size and the source's format, new: only the unused byte of
    // 32-bit pixels is set) from the source rectangle, writing every colour byte.
    virtual void Execute(const QImage& source, const QRect& rect, QImage& out) = 0;

    // Progress: the steps announced first, then one step, then the end; all do nothing
    // without a receiver.
    void StartProgress(int steps);
    void StepProgress();
    void EndProgress();
    // Whether the row is one on which progress steps (rows 0, 64, 128, ...).
    static bool IsProgressRow(int row) { return row % 64 == 0; }
    // (rows div 64) + 1: the steps of one sweep over the rows.
    static int SweepSteps(int rows) { return rows / 64 + 1; }

private:
    const QImage* source_ = nullptr;
    TRect rect_;
    QImage* destination_ = nullptr;
    IProgressSink* progress_ = nullptr;
};

// Bytes per pixel of the formats the effects work on: 3 or 4, 0 for any other format.
int EffectPixelBytes(const QImage& image);
