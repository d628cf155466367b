#include "editing/designers/designer_list.h"

template <class Ask>
bool TDODesignerList::FirstHandled(Ask ask)
{
    for (auto it = designers_.rbegin(); it != designers_.rend(); ++it)
        if (ask(**it))
            return true;
    return false;
}

bool TDODesignerList::CreatePivots(TEditSite& site, TDrawObject& object)
{
    return FirstHandled([&](TDODesigner& designer) { return designer.CreatePivots(site, object); });
}

bool TDODesignerList::AddGhost(TEditSite& site, TDrawObject& object, int handleIndex)
{
    return FirstHandled([&](TDODesigner& designer) { return designer.AddGhost(site, object, handleIndex); });
}

bool TDODesignerList::AddCreateGhost(TEditSite& site, std::unique_ptr<TDrawObject>& object)
{
    return FirstHandled([&](TDODesigner& designer) { return object && designer.AddCreateGhost(site, object); });
}

bool TDODesignerList::CreateObject(TEditSite& site, const QString& className)
{
    return FirstHandled([&](TDODesigner& designer) { return designer.CreateObject(site, className); });
}

TEditOutcome TDODesignerList::Edit(TDrawObject& object)
{
    TEditOutcome outcome = TEditOutcome::NotMine;
    FirstHandled([&](TDODesigner& designer) {
        outcome = designer.Edit(object);
        return outcome != TEditOutcome::NotMine;
    });
    return outcome;
}
