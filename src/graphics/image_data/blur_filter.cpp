#include "graphics/image_data/effect_filters.h"
#include "graphics/image_data/effects.h"

LR_DEFINE_CLASS(TBlurFilter, TGREFilter, LR_CREATABLE(TBlurFilter),
    prop::Integer("BlurCount", &Self::BlurCount, &Self::SetBlurCount).Default(0))

std::unique_ptr<TGREffector> TBlurFilter::CreateEffector() const
{
    if (blurCount_ > 0)
        return std::make_unique<TGREffectBlur>(blurCount_);
    if (blurCount_ < 0)
        return std::make_unique<TGREffectUnsharpMask>(-double(blurCount_));
    return nullptr;
}
