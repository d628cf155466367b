#pragma once
// Blenders mix a colour bitmap into a destination bitmap pixel by pixel, weighted by an
// 8-bit alpha map and, for TGRBlendAlphaMapRatio, an overall ratio in percent. Each blender
// is made for one operation: filled, executed and dropped. Every mismatch (pixel formats,
// an alpha rectangle outside its map, rectangles of different sizes, no overlap) makes
// Execute do nothing.
#include "core/persistent/object.h"

#include <QImage>
#include <QRect>

class IProgressSink;

class TGRBlender : public TObject {
public:
    // The bitmap receiving the result (24 or 32 bits per pixel) and where the source lands on
    // it, in its pixels. The bitmap is written in place; it may be the image a painter is
    // drawing on.
    void SetDestination(QImage* destination, const QRect& rect);
    // The colour bitmap (same pixel format as the destination) and the part of it to use.
    void SetSource(const QImage* source, const QRect& rect);
    void SetProgress(IProgressSink* progress) { progress_ = progress; }

    // True when source and destination share one pixel format of 24 or 32 bits per pixel
    // with one byte per channel.
    virtual bool CanBlend() const;
    virtual void Execute() = 0;

protected:
    QImage* destination_ = nullptr;
    QRect destinationRect_;
    const QImage* source_ = nullptr;
    QRect sourceRect_;
    IProgressSink* progress_ = nullptr;
};

class TGRBlendAlphaMap : public TGRBlender {
public:
    // The 8-bit alpha map and the part of it to use; that part must lie wholly inside the map.
    void SetAlphaMap(const QImage* alphaMap, const QRect& rect);

    bool CanBlend() const override;
    void Execute() override;

protected:
    // The ratio in percent the map values are scaled by (100: the values as they are).
    virtual int EffectiveRatio() const { return 100; }

private:
    const QImage* alphaMap_ = nullptr;
    QRect alphaRect_;
};

class TGRBlendAlphaMapRatio : public TGRBlendAlphaMap {
public:
    // Opacity in percent; values outside 0..100 act as the nearest bound.
    void SetRatio(int ratio) { ratio_ = ratio; }
    int Ratio() const { return ratio_; }

protected:
    int EffectiveRatio() const override { return ratio_; }

private:
    int ratio_ = 100;
};
