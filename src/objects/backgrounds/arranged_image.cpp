#include "objects/backgrounds/arranged_image.h"

#include "core/notify.h"
#include "graphics/image_data/image_data.h"
#include "graphics/picture/picture_ex.h"
#include "graphics/picture/safety_bitmap.h"

#include <algorithm>

const TTypeInfo ArrangeStyleType{"TArrangeStyle",
                                 {{asNone, "asNone"},
                                  {asCirCircum, "asCirCircum"},
                                  {asCirContinue, "asCirContinue"},
                                  {asCirDoughnut, "asCirDoughnut"},
                                  {asCirCircle, "asCirCircle"},
                                  {asRectTile, "asRectTile"},
                                  {asRectRandom, "asRectRandom"},
                                  {asFixed, "asFixed"}}};

LR_DEFINE_CLASS(TLOArrangedImage, TLOImage, LR_CREATABLE(TLOArrangedImage),
    prop::Integer("BaseWidth", &Self::BaseWidth, &Self::SetBaseWidth),
    prop::Integer("BaseHeight", &Self::BaseHeight, &Self::SetBaseHeight),
    prop::Enumeration("ArrangeStyle", &Self::ArrangeStyle, &Self::SetArrangeStyle, ArrangeStyleType),
    prop::Boolean("Transform", &Self::Transform, &Self::SetTransform),
    prop::Boolean("Rotate", &Self::Rotate, &Self::SetRotate),
    prop::Boolean("Reverse", &Self::Reverse, &Self::SetReverse),
    prop::Boolean("TileRepeat", &Self::TileRepeat, &Self::SetTileRepeat))

namespace {

void SetPictureImage(TPictureEx& picture, const QImage& image)
{
    auto bitmap = std::make_unique<TSafetyBitmap>();
    bitmap->SetImage(image);
    picture.SetGraphic(std::move(bitmap));
}

} // namespace

template <class T>
void TLOArrangedImage::Store(T& field, T value)
{
    if (field == value)
        return;
    field = value;
    Changed();
}

void TLOArrangedImage::SetBaseWidth(int width) { Store(baseWidth_, width); }
void TLOArrangedImage::SetBaseHeight(int height) { Store(baseHeight_, height); }
void TLOArrangedImage::SetArrangeStyle(TArrangeStyle style) { Store(style_, style); }
void TLOArrangedImage::SetTransform(bool transform) { Store(transform_, transform); }
void TLOArrangedImage::SetRotate(bool rotate) { Store(rotate_, rotate); }
void TLOArrangedImage::SetReverse(bool reverse) { Store(reverse_, reverse); }
void TLOArrangedImage::SetTileRepeat(bool tileRepeat) { Store(tileRepeat_, tileRepeat); }

QSize TLOArrangedImage::CanvasSize() const
{
    if (baseWidth_ <= 0 || baseHeight_ <= 0)
        return {};
    const int side = std::min(ArrangeCanvasSide(baseWidth_, baseHeight_), kMaxArrangeCanvasSide);
    return side > 0 ? QSize(side, side) : QSize();
}

void TLOArrangedImage::ComposeArrangement(const IArrangePictures& pictures, const std::vector<TLayoutSlot>& fixedSlots,
                                          IProgressSink* progress, const TRandomSource& random)
{
    const QSize canvas = CanvasSize();
    if (style_ == asNone || canvas.isEmpty())
        return;
    TArrangeSettings settings;
    settings.Style = style_;
    settings.Transform = transform_;
    settings.Rotate = rotate_;
    settings.Reverse = reverse_;
    settings.TileRepeat = tileRepeat_;
    settings.Slots = fixedSlots;
    const TArrangement result = ::ComposeArrangement(settings, canvas, pictures, random, progress);
    if (result.Colour.isNull() || result.Mask.isNull())
        return;
    TUpdateBracket bracket(Notifier());
    SetPictureImage(*ImageData()->Picture(), result.Colour);
    SetPictureImage(*FramePicture(), result.Mask);
    SetAlphaFrame(true);
    Changed();
    Invalidate();
}

void TLOArrangedImage::AssignTo(TPersistent& target) const
{
    TLOImage::AssignTo(target);
    auto* image = dynamic_cast<TLOArrangedImage*>(&target);
    if (!image)
        return;
    image->SetBaseWidth(baseWidth_);
    image->SetBaseHeight(baseHeight_);
    image->SetArrangeStyle(style_);
    image->SetTransform(transform_);
    image->SetRotate(rotate_);
    image->SetReverse(reverse_);
    image->SetTileRepeat(tileRepeat_);
}
