#pragma once
// Object types for exercising documents: a filled rectangle, a date field and a background
// picture, each registered for streams.
#include "core/model/document_facts.h"
#include "core/face/face_info.h"
#include "core/model/rect_object.h"

#include <vector>

class TTestBox : public TLORectBase {
    LR_CLASS(TTestBox, TLORectBase)
public:
    TTestBox() = default;
    explicit TTestBox(TRect rect) { SetBoundsRect(rect); }
    int Colour() const { return colour_; }
    void SetColour(int colour) { colour_ = colour; }
    void Paint(TCanvas& canvas) override;
    // The colours of the boxes painted so far, in order (for telling which faces were drawn).
    static std::vector<int>& PaintedColours();
    void Resize(int width, int height) override { SetBoundsRect({Left(), Top(), Left() + width, Top() + height}); }
    void DrawOutline(TCanvas&) override {}

private:
    int colour_ = 0xFF0000;
};

class TTestDate : public TTestBox, public IDocumentDateObject {
    LR_CLASS(TTestDate, TTestBox)
public:
    TTestDate() = default;
    int Flag() const { return static_cast<int>(flag_); }
    void SetFlag(int flag) { flag_ = static_cast<TDateUpdateFlag>(flag); }
    TDateUpdateFlag UpdateFlag() const override { return flag_; }
    void SetDate(const QDateTime& date) override { date_ = date; }
    QDateTime Date() const { return date_; }

private:
    TDateUpdateFlag flag_ = TDateUpdateFlag::dufNo;
    QDateTime date_;
};

class TTestBackground : public TTestBox, public IBackgroundImageObject {
    LR_CLASS(TTestBackground, TTestBox)
public:
    TTestBackground() = default;
    bool Empty() const { return empty_; }
    void SetEmpty(bool empty) { empty_ = empty; }
    bool IsEmptyBackground() const override { return empty_; }
    void SetFace(const TFaceInfo& face, int width, int height) override
    {
        face_ = face;
        faceSize_ = QSize(width, height);
    }
    std::unique_ptr<TDrawObject> CurrentKind() const override { return nullptr; }
    QSize FaceSize() const { return faceSize_; }

private:
    bool empty_ = true;
    TFaceInfo face_;
    QSize faceSize_;
};

void RegisterDocumentTestObjects();
