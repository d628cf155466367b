#include "objects/backgrounds/back_image_2004.h"

#include "graphics/color/color_fill.h"

LR_DEFINE_CLASS(TLOBackImage2004, TLOBackImage, LR_CREATABLE(TLOBackImage2004),
    prop::Object("FillBackImage", &Self::FillBackImage, &Self::FillBackImage),
    prop::Object("FrameBackImage", &Self::FrameBackImage, &Self::FrameBackImage))

TLOBackImage2004::TLOBackImage2004()
    : fillBackImage_(std::make_unique<TBackImagePicture>(*FillColor()->ImageData(), this)),
      frameBackImage_(std::make_unique<TBackImagePicture>(*FrameColor()->ImageData(), this))
{
}

TLOBackImage2004::~TLOBackImage2004() = default;

std::unique_ptr<TDrawObject> TLOBackImage2004::CurrentKind() const
{
    auto plain = std::make_unique<TLOBackImage>();
    plain->Assign(*this);
    return plain;
}

void TLOBackImage2004::Loaded()
{
    TLOBackImage::Loaded();
    fillBackImage_->AdoptTransformed();
    frameBackImage_->AdoptTransformed();
}

void TLOBackImage2004::AssignTo(TPersistent& target) const
{
    TLOBackImage::AssignTo(target);
    if (auto* background = dynamic_cast<TLOBackImage2004*>(&target)) {
        background->fillBackImage_->Assign(*fillBackImage_);
        background->frameBackImage_->Assign(*frameBackImage_);
    }
}
