#include "objects/pictures/alpha_mask.h"

#include "core/canvas/canvas.h"
#include "core/canvas/units.h"
#include "graphics/color/color_fill.h"
#include "graphics/picture/graphic.h"
#include "graphics/picture/picture_ex.h"
#include "graphics/raster/gaussian_blur.h"
#include "graphics/raster/resample.h"
#include "objects/pictures/rotated_rect.h"
#include "objects/pictures/turn_image.h"

#include <QPainter>
#include <algorithm>

LR_DEFINE_CLASS(TLOAlphaMask, TLORectBase, LR_CREATABLE(TLOAlphaMask),
    prop::Integer("Angle", &Self::Angle, &Self::SetAngle).Default(0),
    prop::Object("FillColor", &Self::FillColorSpec, &Self::FillColorSpec),
    prop::Object("Picture", &Self::Picture, &Self::Picture),
    prop::Integer("ShadeSize", &Self::ShadeSize, &Self::SetShadeSize).Default(0))

namespace {

// A turned coverage is first stretched to the object's aspect; its longer side is kept
// within this many pixels.
constexpr int kMaxTurnedSide = 2048;

bool HasGraphic(const TPictureEx& picture)
{
    const TGraphic* graphic = picture.Graphic();
    return graphic && !graphic->Empty();
}

QSize TurnTarget(QSize objectSize)
{
    const int width = std::max(1, objectSize.width());
    const int height = std::max(1, objectSize.height());
    const int longer = std::max(width, height);
    if (longer <= kMaxTurnedSide)
        return {width, height};
    return {std::max(1, MulDiv(width, kMaxTurnedSide, longer)), std::max(1, MulDiv(height, kMaxTurnedSide, longer))};
}

} // namespace

TLOAlphaMask::TLOAlphaMask() : fillColor_(std::make_unique<TColorSpec>()), picture_(std::make_unique<TPictureEx>())
{
    Listener().Attach(&fillColor_->Notify());
    Listener().Attach(&picture_->Notify());
}

TLOAlphaMask::~TLOAlphaMask()
{
    Listener().DetachAll();
}

void TLOAlphaMask::SetAngle(int angle)
{
    if (angle == angle_)
        return;
    angle_ = angle;
    Recompute();
}

void TLOAlphaMask::SetShadeSize(int size)
{
    size = std::clamp(size, 0, kMaxShadeSize);
    if (size == shadeSize_)
        return;
    shadeSize_ = size;
    Recompute();
}

void TLOAlphaMask::SetFillColor(const TColorSpec& color)
{
    fillColor_->Assign(color);
}

bool TLOAlphaMask::HitTest(QPoint logical) const
{
    return HitRotatedRect(BoundsRect(), angle_, logical);
}

TRect TLOAlphaMask::GetBounds() const
{
    return RotatedBounds(BoundsRect(), angle_);
}

void TLOAlphaMask::DrawOutline(TCanvas& canvas)
{
    DrawRotatedOutline(canvas, BoundsRect(), angle_);
}

void TLOAlphaMask::Resize(int width, int height)
{
    SetBoundsRect(ResizeRotatedRect(BoundsRect(), angle_, width, height));
}

void TLOAlphaMask::SetBoundsRect(const TRect& rect)
{
    const TRect normal = NormalizeRect(rect);
    if (angle_ != 0 && (RectWidth(normal) != Width() || RectHeight(normal) != Height()))
        coverage_ = {};
    TLORectBase::SetBoundsRect(rect);
}

void TLOAlphaMask::FitSizeToShade()
{
    const QSize natural =
        HasGraphic(*picture_) ? NaturalLogicalSize(QSize(picture_->Width(), picture_->Height())) : QSize(300, 200);
    SetBoundsRect(FitNaturalSize(BoundsRect(), natural, IsOnDrawSite()));
}

void TLOAlphaMask::Paint(TCanvas& canvas)
{
    fillColor_->Fill(canvas, GetBounds());
}

bool TLOAlphaMask::NeedsBlendedPaint() const
{
    return BlendRatio() != 100 || HasGraphic(*picture_) || BlendShade();
}

void TLOAlphaMask::PaintMask(TCanvas& mask)
{
    if (Coverage().isNull())
        return;
    // Coverage is stretched smoothly, so that soft edges stay soft at any size.
    mask.Painter().save();
    mask.Painter().setRenderHint(QPainter::SmoothPixmapTransform);
    DrawImageStretched(mask, GetBounds(), coverage_);
    mask.Painter().restore();
}

const QImage& TLOAlphaMask::Coverage() const
{
    if (!coverage_.isNull() || !HasGraphic(*picture_))
        return coverage_;
    const QImage shape = FlattenOnWhite(picture_->Graphic()->ToImage()).convertToFormat(QImage::Format_Grayscale8);
    QImage coverage(shape.width() + 2 * shadeSize_, shape.height() + 2 * shadeSize_, QImage::Format_Grayscale8);
    coverage.fill(0);
    for (int y = 0; y < shape.height(); ++y)
        std::copy_n(shape.constScanLine(y), shape.width(), coverage.scanLine(y + shadeSize_) + shadeSize_);
    if (shadeSize_ != 0)
        GaussianBlur(coverage, coverage.rect(), shadeSize_, shadeSize_);
    if (angle_ != 0) {
        // Stretched to the object's aspect first, so that the shape turns undistorted.
        QImage stretched(TurnTarget(QSize(Width(), Height())), QImage::Format_Grayscale8);
        Resample(stretched, coverage, TResampleFilter::Linear);
        coverage = TurnImage(stretched, stretched.size(), angle_, clBlack);
    }
    coverage_ = coverage;
    return coverage_;
}

void TLOAlphaMask::Recompute()
{
    coverage_ = {};
    Changed();
    Invalidate();
}

void TLOAlphaMask::Notify(TObject* sender, const TNotifyId& id)
{
    TLORectBase::Notify(sender, id);
    if (id == notify::ObjectChanged && (sender == fillColor_.get() || sender == picture_.get()))
        Recompute();
}

void TLOAlphaMask::AssignTo(TPersistent& target) const
{
    TLORectBase::AssignTo(target);
    auto* mask = dynamic_cast<TLOAlphaMask*>(&target);
    if (!mask)
        return;
    mask->picture_->Assign(*picture_);
    mask->fillColor_->Assign(*fillColor_);
    mask->SetAngle(angle_);
    mask->SetShadeSize(shadeSize_);
}
