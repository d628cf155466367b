#include "objects/groups/group_classes.h"

#include "core/stream/class_registry.h"
#include "objects/dates/date_object.h"
#include "objects/deco/deco_string.h"
#include "objects/groups/group_object.h"

void RegisterGroupClasses()
{
    RegisterClass(TDOGroup::StaticClassInfo());
    RegisterClass(TLODate::StaticClassInfo());
    RegisterClass(TLODecoString::StaticClassInfo());
}
