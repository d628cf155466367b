#include "graphics/color/color_fill_wrapper.h"

#include "graphics/color/color_fill.h"

LR_DEFINE_CLASS(TColorSpecWrapper, TComponent, LR_CREATABLE(TColorSpecWrapper),
    prop::Object("ColorSpec", &Self::ColorSpec, &Self::ColorSpec))

TColorSpecWrapper::TColorSpecWrapper() : spec_(std::make_unique<TColorSpec>())
{
}

TColorSpecWrapper::~TColorSpecWrapper() = default;
