#include "objects/pictures/image_object.h"

#include "core/canvas/canvas.h"
#include "core/canvas/units.h"
#include "graphics/image_data/image_data.h"
#include "graphics/picture/graphic.h"
#include "graphics/picture/picture_ex.h"
#include "graphics/picture/safety_bitmap.h"
#include "objects/pictures/rotated_rect.h"

#include <QScopedValueRollback>

const TTypeInfo ImageSourceType{
    "TImageSource", {{isFile, "isFile"}, {isOnePoint, "isOnePoint"}, {isTwain, "isTwain"}, {isPlugin, "isPlugin"}}};

LR_DEFINE_CLASS(TLOImage, TLORectBase, LR_CREATABLE(TLOImage),
    prop::Object("ImageData", &Self::ImageData, &Self::ImageData),
    prop::Object("FramePicture", &Self::FramePicture, &Self::FramePicture),
    prop::Boolean("AlphaFrame", &Self::AlphaFrame, &Self::SetAlphaFrame).Default(false),
    prop::Integer("Angle", &Self::Angle, &Self::SetAngle).Default(0),
    prop::Enumeration("ImageSource", &Self::ImageSource, &Self::SetImageSource, ImageSourceType).Default(isFile),
    prop::Object("Picture", &Self::Picture, &Self::Picture).NotStored())

namespace {

bool HasGraphic(const TPictureEx& picture)
{
    const TGraphic* graphic = picture.Graphic();
    return graphic && !graphic->Empty();
}

// The processed picture's own coverage (255 shows): its transparency mask, or the alpha of
// an image that carries one; null when the image data makes nothing transparent.
QImage PictureCover(const TImageData& data, const TPictureEx& processed, const QImage& pixels)
{
    if (data.TransparentColor() == clNone)
        return {};
    if (const auto* bitmap = dynamic_cast<const TSafetyBitmap*>(processed.Graphic()); bitmap && bitmap->Transparent()) {
        QImage cover = bitmap->Mask().convertToFormat(QImage::Format_Grayscale8);
        cover.invertPixels();
        return cover;
    }
    if (pixels.hasAlphaChannel()) {
        QImage cover(pixels.size(), QImage::Format_Grayscale8);
        const QImage argb = pixels.convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < argb.height(); ++y) {
            const auto* pixel = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
            uchar* level = cover.scanLine(y);
            for (int x = 0; x < argb.width(); ++x)
                level[x] = qAlpha(pixel[x]) >= 128 ? 255 : 0;
        }
        return cover;
    }
    return {};
}

} // namespace

TLOImage::TLOImage() : imageData_(std::make_unique<TImageData>()), frame_(std::make_unique<TPictureEx>())
{
    Listener().Attach(&imageData_->Notify());
    Listener().Attach(&frame_->Notify());
}

TLOImage::~TLOImage()
{
    Listener().DetachAll();
}

void TLOImage::SetAlphaFrame(bool alphaFrame)
{
    if (alphaFrame == alphaFrame_)
        return;
    alphaFrame_ = alphaFrame;
    DropComposite();
    Changed();
    Invalidate();
}

void TLOImage::SetAngle(int angle)
{
    if (angle == angle_)
        return;
    angle_ = angle;
    DropComposite();
    Changed();
    Invalidate();
}

void TLOImage::SetImageSource(TImageSource source)
{
    if (source == imageSource_)
        return;
    imageSource_ = source;
    Changed();
}

TPictureEx* TLOImage::Picture()
{
    if (IsLoading())
        pictureTouched_ = true;
    return imageData_->Picture();
}

const TPictureEx* TLOImage::Picture() const
{
    return imageData_->Picture();
}

bool TLOImage::HitTest(QPoint logical) const
{
    return HitRotatedRect(BoundsRect(), angle_, logical);
}

TRect TLOImage::GetBounds() const
{
    return RotatedBounds(BoundsRect(), angle_);
}

void TLOImage::DrawOutline(TCanvas& canvas)
{
    DrawRotatedOutline(canvas, BoundsRect(), angle_);
}

void TLOImage::Resize(int width, int height)
{
    SetBoundsRect(ResizeRotatedRect(BoundsRect(), angle_, width, height));
}

void TLOImage::SetBoundsRect(const TRect& rect)
{
    const TRect normal = NormalizeRect(rect);
    if (RectWidth(normal) != Width() || RectHeight(normal) != Height())
        DropComposite();
    TLORectBase::SetBoundsRect(rect);
}

void TLOImage::FitSizeToPicture()
{
    const TPictureEx& processed = imageData_->ProcessedPicture();
    const QSize natural = NaturalLogicalSize(QSize(processed.Width(), processed.Height()));
    SetBoundsRect(FitNaturalSize(BoundsRect(), natural, IsOnDrawSite()));
}

bool TLOImage::DrawsDirectly() const
{
    return angle_ == 0 && !HasGraphic(*frame_);
}

void TLOImage::Paint(TCanvas& canvas)
{
    if (imageData_->Empty())
        return;
    if (DrawsDirectly()) {
        const TPictureEx& processed = imageData_->ProcessedPicture();
        if (const TGraphic* graphic = processed.Graphic())
            graphic->Draw(canvas, BoundsRect());
        return;
    }
    if (Composite().Empty())
        return;
    if (masked_.isNull())
        masked_ = composite_.Masked();
    DrawImageStretched(canvas, GetBounds(), masked_);
}

bool TLOImage::NeedsBlendedPaint() const
{
    return !imageData_->Empty() &&
           (BlendRatio() != 100 || BlendShade() || (HasGraphic(*frame_) && alphaFrame_));
}

void TLOImage::PaintMask(TCanvas& mask)
{
    if (imageData_->Empty())
        return;
    QPainter& painter = mask.Painter();
    if (DrawsDirectly() && imageData_->TransparentColor() == clNone) {
        const TRect rect = BoundsRect();
        painter.fillRect(QRect(rect.Left, rect.Top, RectWidth(rect), RectHeight(rect)), Qt::white);
        return;
    }
    if (Composite().Empty())
        return;
    if (coverage_.isNull())
        coverage_ = composite_.Coverage();
    // Coverage is stretched smoothly, so that soft edges stay soft at any size.
    mask.Painter().save();
    mask.Painter().setRenderHint(QPainter::SmoothPixmapTransform);
    DrawImageStretched(mask, GetBounds(), coverage_);
    mask.Painter().restore();
}

const TImageComposite& TLOImage::Composite() const
{
    if (!composite_.Empty() || imageData_->Empty())
        return composite_;
    const QScopedValueRollback<bool> building(building_, true);
    const TPictureEx& processed = imageData_->ProcessedPicture();
    const TGraphic* graphic = processed.Graphic();
    if (!graphic || graphic->Empty())
        return composite_;
    TCompositeSource source;
    source.Picture = graphic->ToImage();
    source.PictureCover = PictureCover(*imageData_, processed, source.Picture);
    if (HasGraphic(*frame_))
        source.Frame = frame_->Graphic()->ToImage();
    source.AlphaFrame = alphaFrame_;
    source.Angle = angle_;
    source.ObjectSize = QSize(Width(), Height());
    composite_ = BuildImageComposite(source);
    return composite_;
}

void TLOImage::DropComposite()
{
    composite_ = {};
    masked_ = {};
    coverage_ = {};
}

void TLOImage::Notify(TObject* sender, const TNotifyId& id)
{
    TLORectBase::Notify(sender, id);
    if (id != notify::ObjectChanged || building_)
        return;
    if (sender != imageData_.get() && sender != frame_.get())
        return;
    // Also inside an update bracket (every assignment, so every undo): a stale composite
    // would keep showing the previous picture or frame.
    DropComposite();
    Changed();
    Invalidate();
}

void TLOImage::Loaded()
{
    TLORectBase::Loaded();
    if (pictureTouched_ && imageSource_ == isOnePoint)
        imageData_->SetTransparentColor(kOnePointTransparentColor);
    pictureTouched_ = false;
}

void TLOImage::AssignTo(TPersistent& target) const
{
    TLORectBase::AssignTo(target);
    auto* image = dynamic_cast<TLOImage*>(&target);
    if (!image)
        return;
    image->imageData_->Assign(*imageData_);
    image->SetAngle(angle_);
    image->SetImageSource(imageSource_);
    image->frame_->Assign(*frame_);
    image->SetAlphaFrame(alphaFrame_);
}

void TLOImage::SetPastedPicture(const QImage& image)
{
    auto bitmap = std::make_unique<TSafetyBitmap>();
    bitmap->SetImage(image);
    imageData_->Picture()->SetGraphic(std::move(bitmap));
    FitSizeToPicture();
}
