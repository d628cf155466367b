#include "objects/groups/group_classes.h"

#include "core/stream/class_registry.h"
#include "objects/groups/group_object.h"

void RegisterGroupClasses()
{
    RegisterClass(TDOGroup::StaticClassInfo());
}
