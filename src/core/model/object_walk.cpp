#include "core/model/object_walk.h"

#include "core/model/draw_object.h"

void ForEachObjectDeep(const std::vector<TDrawObject*>& objects, const std::function<void(TDrawObject&)>& visit)
{
    for (TDrawObject* object : objects) {
        if (!object)
            continue;
        visit(*object);
        if (const auto* container = dynamic_cast<const IObjectContainer*>(object))
            ForEachObjectDeep(container->Members(), visit);
    }
}
