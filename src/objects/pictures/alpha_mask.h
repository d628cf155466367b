#pragma once
// TLOAlphaMask: a shade figure, a soft-edged shape painted in a colour specification. The
// shape is a greyscale picture (white covered, black uncovered) that becomes the coverage of
// the blended paint, softened by ShadeSize and turned by Angle; the colour specification
// fills the bounds.
#include "core/model/object_interfaces.h"
#include "core/model/rect_object.h"
#include "graphics/color/color_interfaces.h"

#include <QImage>
#include <memory>

class TColorSpec;
class TPictureEx;

// The largest extra blur radius and margin of a shade figure, in picture pixels.
inline constexpr int kMaxShadeSize = 255;

class TLOAlphaMask : public TLORectBase, public IBlendable, public IDOFillColor, public IDORotate {
    LR_CLASS(TLOAlphaMask, TLORectBase)
public:
    TLOAlphaMask();
    ~TLOAlphaMask() override;

    // --- published ----------------------------------------------------------------------
    int Angle() const override { return angle_; }
    void SetAngle(int angle) override;
    TColorSpec* FillColorSpec() { return fillColor_.get(); }
    const TColorSpec* FillColorSpec() const { return fillColor_.get(); }
    TPictureEx* Picture() { return picture_.get(); }
    const TPictureEx* Picture() const { return picture_.get(); }
    // Limited to 0 .. kMaxShadeSize: a stream may hold any value.
    int ShadeSize() const { return shadeSize_; }
    void SetShadeSize(int size);

    // --- IBlendable / IDOFillColor ------------------------------------------------------
    void SetBlendShade(bool shade) override { TLabelObject::SetBlendShade(shade); }
    bool BlendShade() const override { return TLabelObject::BlendShade(); }
    void SetBlendRatio(int ratio) override { TLabelObject::SetBlendRatio(ratio); }
    int BlendRatio() const override { return TLabelObject::BlendRatio(); }
    const TColorSpec& FillColor() const override { return *fillColor_; }
    void SetFillColor(const TColorSpec& color) override;
    bool NoFill() const override { return false; }
    void SetNoFill(bool) override {}

    // --- geometry -----------------------------------------------------------------------
    bool HitTest(QPoint logical) const override;
    TRect GetBounds() const override;
    void DrawOutline(TCanvas& canvas) override;
    void Resize(int width, int height) override;
    void SetBoundsRect(const TRect& rect) override;
    // The picture's natural size (300 x 200 without one); an object on a draw site keeps
    // its extent and fits that size into it.
    void FitSizeToShade();

    // --- painting -----------------------------------------------------------------------
    void Paint(TCanvas& canvas) override;
    bool NeedsBlendedPaint() const override;
    void PaintMask(TCanvas& mask) override;
    // The coverage before it is stretched into the bounds: the picture's grey levels with a
    // margin of ShadeSize, blurred by it, turned by Angle. Null without a picture.
    const QImage& Coverage() const;

    void Notify(TObject* sender, const TNotifyId& id) override;
    void AssignTo(TPersistent& target) const override;

private:
    void Recompute();

    int angle_ = 0;
    std::unique_ptr<TColorSpec> fillColor_;
    std::unique_ptr<TPictureEx> picture_;
    int shadeSize_ = 0;
    mutable QImage coverage_;
};
