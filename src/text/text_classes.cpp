#include "text/text_classes.h"

#include "core/stream/class_registry.h"
#include "text/object/shade_text.h"

void RegisterTextClasses()
{
    RegisterClass(TLOText::StaticClassInfo());
}
