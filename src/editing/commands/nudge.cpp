#include "editing/commands/nudge.h"

#include "core/model/draw_object.h"
#include "core/model/object_interfaces.h"
#include "editing/commands/ds_command.h"

#include <algorithm>

bool NudgeObjects(TEditSite& site, QPoint offset)
{
    if (offset.isNull())
        return false;
    TDSOperation operation;
    operation.ActionType = atChange;
    operation.ActionString = QStringLiteral("移動");
    operation.OnMakeList = [](TDSOperation& op) {
        std::vector<TDrawObject*>& targets = op.TargetList();
        targets.erase(std::remove_if(targets.begin(), targets.end(),
                                     [](TDrawObject* o) { return !o->Movable() || !dynamic_cast<IDOEncloseBounds*>(o); }),
                      targets.end());
    };
    bool moved = false;
    operation.OnEachObject = [&](TDSOperation&, TDrawObject& object) {
        dynamic_cast<IDOEncloseBounds&>(object).MoveBy(offset.x(), offset.y());
        moved = true;
    };
    operation.Execute(site);
    return moved;
}
