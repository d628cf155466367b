#include "core/model/designer_registry.h"

#include <utility>

namespace {
IDesignerRegistry* installed = nullptr;
}

IDesignerRegistry* DesignerRegistry()
{
    return installed;
}

IDesignerRegistry* SetDesignerRegistry(IDesignerRegistry* registry)
{
    return std::exchange(installed, registry);
}
