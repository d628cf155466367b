#include "editing/commands/group_commands.h"

#include "editing/commands/standard_commands.h"
#include "editing/site/edit_context.h"
#include "editing/site/edit_site.h"
#include "objects/groups/group_object.h"
#include "objects/groups/object_copy.h"

TDSOGrouping::TDSOGrouping()
{
    Caption = QStringLiteral("グループ化(&G)");
}

void TDSOGrouping::Filter(TEditSite&, std::vector<TDrawObject*>& targets)
{
    // One object alone makes no group.
    if (targets.size() == 1)
        targets.clear();
}

void TDSOGrouping::ExecuteFirst(TEditSite& site)
{
    auto group = std::make_unique<TDOGroup>();
    // The targets run front-most first; the back-most becomes the first member.
    for (auto it = targets_.rbegin(); it != targets_.rend(); ++it)
        group->AddMember(CopyDrawObject(**it))->SetSelected(false);
    group->MembersChanged();
    group->SetCursor(kHandPointCursor);
    TDrawObject* added = site.AddObject(std::move(group));
    auto action = std::make_unique<TDOAddAction>(*added, site);
    action->SetCaption(GroupCaption());
    site.Context().Actions().Push(std::move(action));
    TDSAClear clear;
    clear.Execute(site);
    added->SetSelected(true);
}

TDSOUnGrouping::TDSOUnGrouping()
{
    Caption = QStringLiteral("グループ化解除(&N)");
    TargetClassName = QStringLiteral("TDOGroup");
}

void TDSOUnGrouping::EachObject(TEditSite& site, TDrawObject& object)
{
    auto* group = dynamic_cast<TDOGroup*>(&object);
    if (!group)
        return;
    TActionList& actions = site.Context().Actions();
    for (TDrawObject* member : group->Members()) {
        std::unique_ptr<TDrawObject> copy = CopyDrawObject(*member);
        copy->SetSelected(true);
        TDrawObject* added = site.AddObject(std::move(copy));
        auto action = std::make_unique<TDOAddAction>(*added, site);
        action->SetCaption(GroupCaption());
        actions.Push(std::move(action));
    }
    auto removal = std::make_unique<TDODelAction>(*group, site);
    removal->SetCaption(GroupCaption());
    group->Changed();
    removal->Adopt(site.RemoveObject(group));
    actions.Push(std::move(removal));
}
