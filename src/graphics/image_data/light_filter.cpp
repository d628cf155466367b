#include "graphics/image_data/effect_filters.h"
#include "graphics/image_data/effects.h"

LR_DEFINE_CLASS(TLightFilter, TGREFilter, LR_CREATABLE(TLightFilter),
    prop::Integer("Brightness", &Self::Brightness, &Self::SetBrightness).Default(0),
    prop::Integer("Contrast", &Self::Contrast, &Self::SetContrast).Default(0))

std::unique_ptr<TGREffector> TLightFilter::CreateEffector() const
{
    if (brightness_ == 0 && contrast_ == 0)
        return nullptr;
    return std::make_unique<TGREffectBrightnessContrast>(brightness_, contrast_);
}
