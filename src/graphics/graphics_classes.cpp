#include "graphics/graphics_classes.h"

#include "core/stream/class_registry.h"
#include "graphics/color/color_fill.h"
#include "graphics/color/color_fill_history.h"
#include "graphics/color/color_fill_wrapper.h"
#include "graphics/color/gradation_colors.h"
#include "graphics/image_data/clip_filter.h"
#include "graphics/image_data/effect_filters.h"
#include "graphics/image_data/image_data.h"
#include "graphics/picture/picture_ex.h"

void RegisterGraphicsClasses()
{
    for (const TClassInfo* info : {&TPictureEx::StaticClassInfo(), &TImageData::StaticClassInfo(),
                                   &TClipFilter::StaticClassInfo(), &TBlurFilter::StaticClassInfo(),
                                   &TLightFilter::StaticClassInfo(), &TMonotoneFilter::StaticClassInfo(),
                                   &TGradationColors::StaticClassInfo(), &TColorSpec::StaticClassInfo(),
                                   &TColorSpecWrapper::StaticClassInfo(), &TColorSpecHistory::StaticClassInfo()})
        RegisterClass(*info);
}
