#include "graphics/image_data/effect_filters.h"
#include "graphics/image_data/effects.h"

LR_DEFINE_CLASS(TMonotoneFilter, TGREFilter, LR_CREATABLE(TMonotoneFilter),
    prop::Integer("RefColor", &Self::RefColor, &Self::SetRefColor, &ColorType).Default(clNone))

std::unique_ptr<TGREffector> TMonotoneFilter::CreateEffector() const
{
    if (refColor_ == clNone)
        return nullptr;
    return std::make_unique<TGREffectMonoTone>(refColor_);
}
