#include "graphics/image_data/image_data.h"

#include "core/canvas/units.h"
#include "graphics/image_data/clip_filter.h"
#include "graphics/image_data/effect_filters.h"
#include "graphics/picture/encoded_image.h"
#include "graphics/picture/picture_ex.h"
#include "graphics/picture/safety_bitmap.h"
#include "graphics/picture/safety_jpeg_image.h"

#include <algorithm>

LR_DEFINE_CLASS(TImageData, TPersistent, LR_CREATABLE(TImageData),
    prop::Object("Picture", &Self::Picture, &Self::Picture),
    prop::Object("ClipFilter", &Self::ClipFilter, &Self::ClipFilter),
    prop::Object("BlurFilter", &Self::BlurFilter, &Self::BlurFilter),
    prop::Object("LightFilter", &Self::LightFilter, &Self::LightFilter),
    prop::Object("MonotoneFilter", &Self::MonotoneFilter, &Self::MonotoneFilter),
    prop::Integer("TransparentColor", &Self::TransparentColor, &Self::SetTransparentColor, &ColorType).Default(clNone))

TImageData::TImageData()
    : picture_(std::make_unique<TPictureEx>()), clip_(std::make_unique<TClipFilter>()),
      blur_(std::make_unique<TBlurFilter>()), light_(std::make_unique<TLightFilter>()),
      monotone_(std::make_unique<TMonotoneFilter>()),
      listener_([this](TObject* sender, const TNotifyId& id) {
          if (id == notify::ObjectChanged)
              SourceChanged(sender);
      })
{
    listener_.Attach(&picture_->Notify());
    listener_.Attach(&clip_->Notify());
    listener_.Attach(&blur_->Notify());
    listener_.Attach(&light_->Notify());
    listener_.Attach(&monotone_->Notify());
}

TImageData::~TImageData()
{
    listener_.DetachAll();
}

void TImageData::SetTransparentColor(TColor color)
{
    if (color == transparentColor_)
        return;
    transparentColor_ = color;
    Invalidate();
}

bool TImageData::Empty() const
{
    const TGraphic* graphic = picture_->Graphic();
    return (!graphic || graphic->Empty()) && !picture_->Linked();
}

bool TImageData::TransparencyInEffect() const
{
    const TGraphic* graphic = picture_->Graphic();
    return transparentColor_ != clNone &&
           (dynamic_cast<const TSafetyBitmap*>(graphic) || dynamic_cast<const TPngImage*>(graphic) ||
            dynamic_cast<const TSafetyJPEGImage*>(graphic));
}

void TImageData::ResetClip(int aspectWidth, int aspectHeight)
{
    const int width = picture_->Width();
    const int height = picture_->Height();
    if (aspectWidth <= 0 || aspectHeight <= 0 || width <= 0 || height <= 0) {
        clip_->SetClipRect(TRect(0, 0, width, height));
        return;
    }
    int clipWidth = width;
    int clipHeight = MulDiv(width, aspectHeight, aspectWidth);
    if (clipHeight < 0 || clipHeight > height) {
        clipHeight = height;
        clipWidth = std::clamp(MulDiv(height, aspectWidth, aspectHeight), 0, width);
    }
    const int left = (width - clipWidth) / 2;
    const int top = (height - clipHeight) / 2;
    clip_->SetClipRect(TRect(left, top, left + clipWidth, top + clipHeight));
}

void TImageData::SourceChanged(TObject* sender)
{
    if (sender == picture_.get()) {
        PictureChanged();
        return;
    }
    TUpdateBracket bracket(notify_);
    if (sender == clip_.get() && clip_->ClipRect().IsEmpty())
        ResetClip();
    Invalidate();
}

void TImageData::PictureChanged()
{
    TUpdateBracket bracket(notify_);
    const int width = picture_->Width();
    const int height = picture_->Height();
    const bool resized = width != lastWidth_ && height != lastHeight_;
    lastWidth_ = width;
    lastHeight_ = height;
    if (resized) {
        ResetClip();
        notify_.Notify(this, notify::ImageSizeChanged);
    }
    notify_.Notify(this, notify::ImagePictureChanged);
    Invalidate();
}

void TImageData::Invalidate()
{
    processed_.reset();
    notify_.Changed();
}

const TPictureEx& TImageData::ProcessedPicture() const
{
    if (!processed_)
        Process();
    return *processed_;
}

void TImageData::Process() const
{
    const TGraphic* source = picture_->Graphic();
    if (!source || source->Empty()) {
        processed_ = std::make_unique<TPictureEx>();
        return;
    }
    auto work = std::make_unique<TPictureEx>();
    work->Assign(*picture_);
    const auto apply = [&work](const TImageFilter& filter) {
        auto result = std::make_unique<TPictureEx>();
        TRect part;
        filter.Apply(*work, *result, part);
        work = std::move(result);
    };

    const bool transparent = TransparencyInEffect();
    clip_->SetBackground(transparent, transparent ? transparentColor_ : clWhite);
    apply(*clip_);

    // Filters never change which pixels are transparent: the mask of the cropped picture is
    // put back on the result.
    QImage mask;
    if (auto* bitmap = dynamic_cast<TSafetyBitmap*>(work->Graphic()); bitmap && transparent) {
        bitmap->SetTransparentColor(transparentColor_);
        bitmap->SetTransparent(true);
        mask = bitmap->Mask();
    }
    for (const TGREFilter* filter : {static_cast<const TGREFilter*>(blur_.get()),
                                     static_cast<const TGREFilter*>(monotone_.get()),
                                     static_cast<const TGREFilter*>(light_.get())})
        if (filter->CanApply(*work) && filter->IsActive(*work))
            apply(*filter);
    if (auto* bitmap = dynamic_cast<TSafetyBitmap*>(work->Graphic()); bitmap && !mask.isNull()) {
        bitmap->SetTransparentColor(transparentColor_);
        bitmap->SetTransparent(true);
        bitmap->SetMask(mask);
    }
    processed_ = std::move(work);
}

void TImageData::Assign(const TPersistent& source)
{
    if (!dynamic_cast<const TImageData*>(&source)) {
        inherited::Assign(source);
        return;
    }
    TUpdateBracket bracket(notify_);
    AssignPublishedProperties(source, *this);
}
