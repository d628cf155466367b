#pragma once
// TLORect: a rectangle, optionally with rounded corners, and TLOCircle: the ellipse inscribed
// in its rectangle. Both have a frame band of a given width centred on the outline and an
// optional interior, each painted by its own colour specification through a clip made
// from the outline, and both turn about their centre.
#include "core/model/object_interfaces.h"
#include "core/model/rect_object.h"
#include "graphics/color/color_interfaces.h"
#include "graphics/raster/stroke.h"
#include "text/rotator.h"

#include <QPainterPath>
#include <memory>

class TColorSpec;

class TLORect : public TLORectBase, public IBlendable, public IDORotate, public IDOLineColor, public IDOFillColor {
    LR_CLASS(TLORect, TLORectBase)
public:
    TLORect();
    ~TLORect() override;

    // --- published, in stream order ----------------------------------------------------
    int FrameWidth() const { return frameWidth_; }
    void SetFrameWidth(int width);
    TColorSpec* FrameColorSpec() { return frameColor_.get(); }
    const TColorSpec* FrameColorSpec() const { return frameColor_.get(); }
    TColorSpec* FillColorSpec() { return fillColor_.get(); }
    const TColorSpec* FillColorSpec() const { return fillColor_.get(); }
    bool FillInside() const { return fillInside_; }
    void SetFillInside(bool fill);
    int Angle() const override { return angle_; }
    void SetAngle(int angle) override;
    bool RoundRect() const { return roundRect_; }
    void SetRoundRect(bool round);

    // The outline in logical units, turned about the centre (built on demand).
    const TStroke& Outline() const;
    const QPainterPath& OutlinePath() const;

    // --- label object ----------------------------------------------------------------------
    void Paint(TCanvas& canvas) override;
    void PaintMask(TCanvas& mask) override;
    bool HitTest(QPoint logical) const override;
    // The outline widened by the frame band (square ends, mitred corners).
    TRect GetBounds() const override;
    // Unturned: the rectangle takes the size less the frame width; turned: its sides scale
    // with the bounding box.
    void Resize(int width, int height) override;
    void DrawOutline(TCanvas& canvas) override;
    void SetBoundsRect(const TRect& rect) override;
    void Notify(TObject* sender, const TNotifyId& id) override;

    // IBlendable
    void SetBlendShade(bool shade) override { TLabelObject::SetBlendShade(shade); }
    bool BlendShade() const override { return TLabelObject::BlendShade(); }
    void SetBlendRatio(int ratio) override { TLabelObject::SetBlendRatio(ratio); }
    int BlendRatio() const override { return TLabelObject::BlendRatio(); }
    // IDOLineColor: the frame; IDOFillColor: the interior (no fill = not FillInside).
    const TColorSpec& LineColor() const override { return *frameColor_; }
    void SetLineColor(const TColorSpec& color) override;
    const TColorSpec& FillColor() const override { return *fillColor_; }
    void SetFillColor(const TColorSpec& color) override;
    bool NoFill() const override { return !fillInside_; }
    void SetNoFill(bool noFill) override { SetFillInside(!noFill); }

    void DefineProperties(TFiler& filer) override;
    void AssignTo(TPersistent& target) const override;

protected:
    // The outline before turning, in logical units.
    virtual void BuildOutline(TStroke& stroke) const;
    // The frame band painted with the given effective width.
    virtual QPainterPath FrameBand(int width) const;
    // True when the interior shows: a fill inside a frame thinner than both sides.
    bool InteriorShows() const;
    void DropOutline();

private:
    void PropertyChanged();

    int frameWidth_ = 10;
    std::unique_ptr<TColorSpec> frameColor_;
    std::unique_ptr<TColorSpec> fillColor_;
    bool fillInside_ = false;
    int angle_ = 0;
    bool roundRect_ = false;
    TRotator rotator_;
    mutable std::unique_ptr<TStroke> outline_;
    mutable QPainterPath outlinePath_;
};

class TLOCircle : public TLORect {
    LR_CLASS(TLOCircle, TLORect)
public:
    TLOCircle() = default;

protected:
    void BuildOutline(TStroke& stroke) const override;
    QPainterPath FrameBand(int width) const override;
};
