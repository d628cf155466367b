#include "editing/actions/z_order.h"

#include "core/model/draw_object.h"
#include "core/model/draw_site_model.h"

#include <algorithm>

TZOrder ZOrder(const TDrawSiteModel& site)
{
    TZOrder order = site.Objects();
    std::reverse(order.begin(), order.end());
    return order;
}

bool ApplyZOrder(TDrawSiteModel& site, const TZOrder& order)
{
    const std::vector<TDrawObject*> current = site.Objects();
    // Back to front: the saved objects still present, then the unknown ones.
    std::vector<TDrawObject*> wanted;
    for (auto it = order.rbegin(); it != order.rend(); ++it)
        if (std::find(current.begin(), current.end(), *it) != current.end()
            && std::find(wanted.begin(), wanted.end(), *it) == wanted.end())
            wanted.push_back(*it);
    for (TDrawObject* object : current)
        if (std::find(wanted.begin(), wanted.end(), object) == wanted.end())
            wanted.push_back(object);
    std::stable_sort(wanted.begin(), wanted.end(),
                     [](const TDrawObject* a, const TDrawObject* b) { return a->LayerGroup() < b->LayerGroup(); });
    if (wanted == current)
        return false;
    for (int index = 0; index < static_cast<int>(wanted.size()); ++index)
        site.MoveObject(wanted[index], index);
    return true;
}
