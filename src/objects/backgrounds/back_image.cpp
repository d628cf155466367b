#include "objects/backgrounds/back_image.h"

#include "core/canvas/canvas.h"
#include "graphics/color/color_fill.h"
#include "graphics/image_data/clip_filter.h"
#include "graphics/image_data/image_data.h"
#include "graphics/picture/graphic.h"
#include "graphics/picture/picture_ex.h"
#include "objects/backgrounds/wash.h"

LR_DEFINE_CLASS(TLOBackImage, TLORectBase, LR_CREATABLE(TLOBackImage),
    prop::Object("FillColor", &Self::FillColor, &Self::FillColor),
    prop::Object("FrameColor", &Self::FrameColor, &Self::FrameColor),
    prop::Integer("FrameWidth", &Self::FrameWidth, &Self::SetFrameWidth).Default(0),
    prop::Object("BlendColor", &Self::BlendColor, &Self::BlendColor),
    prop::Object("BlendPicture", &Self::BlendPicture, &Self::BlendPicture),
    prop::Object("Image", &Self::Image, &Self::Image).NotStored(),
    prop::Boolean("EllipseClip", &Self::EllipseClip, &Self::SetEllipseClip).NotStored(),
    prop::Boolean("CenterClip", &Self::CenterClip, &Self::SetCenterClip).NotStored(),
    prop::Integer("CenterRadius", &Self::CenterRadius, &Self::SetCenterRadius).NotStored())

TLOBackImage::TLOBackImage()
    : fillColor_(std::make_unique<TColorSpec>()), frameColor_(std::make_unique<TColorSpec>()),
      blendColor_(std::make_unique<TColorSpec>()), blendPicture_(std::make_unique<TPictureEx>())
{
    SetLayerGroup(kBackgroundLayerGroup);
    for (IBroadcasterAccess* part : std::initializer_list<IBroadcasterAccess*>{
             fillColor_.get(), frameColor_.get(), blendColor_.get(), blendPicture_.get()})
        Listener().Attach(&part->Broadcaster());
}

TLOBackImage::~TLOBackImage()
{
    Listener().DetachAll();
}

void TLOBackImage::SetFrameWidth(int width)
{
    if (width == frameWidth_)
        return;
    frameWidth_ = width;
    Changed();
    Invalidate();
}

TPictureEx* TLOBackImage::Image()
{
    fillColor_->SetKind(cskBitmap);
    return fillColor_->ImageData()->Picture();
}

const TPictureEx* TLOBackImage::Image() const
{
    return fillColor_->ImageData()->Picture();
}

void TLOBackImage::SetFaceInfo(const TFaceInfo& info)
{
    if (info == face_)
        return;
    face_ = info;
    Invalidate();
}

bool TLOBackImage::IsBlankBackground() const
{
    const TGraphic* wash = blendPicture_->Graphic();
    return frameWidth_ == 0 && fillColor_->Kind() == cskSolid && fillColor_->Color() == clWhite &&
           (!wash || wash->Empty());
}

void TLOBackImage::ClearBackground()
{
    TUpdateBracket bracket(Notifier());
    SetFrameWidth(0);
    fillColor_->Notify().BeginUpdate();
    fillColor_->SetKind(cskSolid);
    fillColor_->SetColor(clWhite);
    fillColor_->Notify().EndUpdate();
    blendPicture_->SetGraphic(nullptr);
}

TRect TLOBackImage::FillRect() const
{
    const TRect rect = BoundsRect();
    if (fillColor_->Kind() != cskBitmap || fillColor_->Tile())
        return rect;
    const TImageData& data = *fillColor_->ImageData();
    const TRect clip = data.ClipFilter()->EffectiveRect(data.Picture()->Width(), data.Picture()->Height());
    // A crop without area has no proportions to keep: the picture fills the rectangle.
    if (clip.IsEmpty())
        return rect;
    return CoverRect(TRect(0, 0, RectWidth(clip), RectHeight(clip)), rect);
}

void TLOBackImage::SetFace(const TFaceInfo& face, int width, int height)
{
    SetFaceInfo(face);
    Resize(width, height);
}

void TLOBackImage::Resize(int width, int height)
{
    SetBoundsRect({Left(), Top(), Left() + width, Top() + height});
}

void TLOBackImage::DrawOutline(TCanvas& canvas)
{
    const TRect rect = BoundsRect();
    canvas.Painter().drawRect(QRect(rect.Left, rect.Top, RectWidth(rect), RectHeight(rect)));
}

void TLOBackImage::Notify(TObject* sender, const TNotifyId& id)
{
    if (id != notify::ObjectChanged)
        return;
    if (sender == fillColor_.get() || sender == frameColor_.get() || sender == blendColor_.get() ||
        sender == blendPicture_.get()) {
        Changed();
        Invalidate();
    }
}

void TLOBackImage::Paint(TCanvas& canvas)
{
    // The face's outline placed on the object's rectangle.
    TFaceInfo face = face_;
    const TRect rect = BoundsRect();
    const TRect outer = face.OuterRect();
    face.SetOuterRect(outer.Translated(rect.Left - outer.Left, rect.Top - outer.Top));
    const TRect fill = FillRect();

    {
        TCanvasSaver saver(canvas, true);
        const auto intersectClip = [&canvas](const QRegion& region) {
            canvas.SetClipRegion(canvas.HasClip() ? canvas.ClipRegion().intersected(region) : region);
        };
        intersectClip(face.CreateRegion(&canvas, false));
        if (frameWidth_ != 0) {
            frameColor_->Fill(canvas, rect);
            // The outline moved inwards by the band's width; a band as wide as half the face
            // or more leaves no inside at all (a smaller outline would turn inside out).
            TFaceInfo inner = face;
            inner.SetFaceMargin(face.FaceMargin() - frameWidth_);
            intersectClip(inner.OuterRect().IsEmpty() ? QRegion() : inner.CreateRegion(&canvas, false));
        }
        if (!canvas.ClipRegion().isEmpty()) {
            const QImage map = WashMap(*blendPicture_);
            if (map.isNull())
                fillColor_->Fill(canvas, fill);
            else
                PaintWash(canvas, fill, *fillColor_, *blendColor_, map, BlendRatio());
        }
    }

    TCanvasSaver saver(canvas);
    // A disc's centre hole always stays white, band or not.
    canvas.Painter().setPen(Qt::NoPen);
    canvas.Painter().setBrush(Qt::white);
    face.DrawHole(canvas);
}

void TLOBackImage::AssignTo(TPersistent& target) const
{
    TLORectBase::AssignTo(target);
    auto* background = dynamic_cast<TLOBackImage*>(&target);
    if (!background)
        return;
    background->fillColor_->Assign(*fillColor_);
    background->frameColor_->Assign(*frameColor_);
    background->SetFrameWidth(frameWidth_);
    background->blendColor_->Assign(*blendColor_);
    background->blendPicture_->Assign(*blendPicture_);
    background->SetFaceInfo(face_);
}
