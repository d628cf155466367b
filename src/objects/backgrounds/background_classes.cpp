#include "objects/backgrounds/background_classes.h"

#include "core/stream/class_registry.h"
#include "objects/backgrounds/arranged_image.h"
#include "objects/backgrounds/back_image_2004.h"

void RegisterBackgroundClasses()
{
    RegisterClass(TLOBackImage::StaticClassInfo());
    RegisterClass(TLOBackImage2004::StaticClassInfo());
    RegisterClass(TLOArrangedImage::StaticClassInfo());
}
