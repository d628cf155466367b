#pragma once
// Small label object types for exercising the object model.
#include "core/canvas/canvas.h"
#include "core/error.h"
#include "core/model/rect_object.h"

// A rectangle object filled with one colour; it can be told to fail while painting.
class TSampleRect : public TLORectBase {
    LR_CLASS(TSampleRect, TLORectBase)
public:
    TSampleRect() = default;
    explicit TSampleRect(TRect rect, QColor color = Qt::black) : color_(color) { SetBoundsRect(rect); }

    void Paint(TCanvas& canvas) override
    {
        ++paints;
        if (failPaint)
            throw EAppError(QStringLiteral("paint failed"));
        canvas.Painter().fillRect(BoundsRect().ToQRect(), color_);
    }
    void Resize(int width, int height) override { SetBoundsRect({Left(), Top(), Left() + width, Top() + height}); }
    void DrawOutline(TCanvas&) override {}

    int paints = 0;
    bool failPaint = false;

private:
    QColor color_ = Qt::black;
};

// A sample object that answers IBlendable, so that the blended paint decision applies.
class TSampleBlendable : public TSampleRect, public IBlendable {
    LR_CLASS(TSampleBlendable, TSampleRect)
public:
    using TSampleRect::TSampleRect;
    TSampleBlendable() = default;
    void SetBlendShade(bool shade) override { TLabelObject::SetBlendShade(shade); }
    bool BlendShade() const override { return TLabelObject::BlendShade(); }
    void SetBlendRatio(int ratio) override { TLabelObject::SetBlendRatio(ratio); }
    int BlendRatio() const override { return TLabelObject::BlendRatio(); }
};
