#include "editing/commands/ds_command.h"

#include "core/model/draw_object.h"
#include "editing/site/edit_context.h"
#include "editing/site/edit_site.h"

#include <QRegularExpression>
#include <algorithm>

namespace {

bool InheritsFrom(const TDrawObject& object, const QString& className)
{
    for (const TClassInfo* info = &object.ClassInfo(); info; info = info->Parent())
        if (className.compare(QLatin1String(info->Name()), Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

} // namespace

QString StripAccelerator(const QString& caption)
{
    QString text = caption;
    text.remove(QRegularExpression(QStringLiteral("\\(&.\\)")));
    text.remove(QLatin1Char('&'));
    return text.trimmed();
}

QString TDrawSiteCommand::GroupCaption() const
{
    return ActionString.isEmpty() ? StripAccelerator(Caption) : ActionString;
}

void TDrawSiteCommand::MakeList(TEditSite& site)
{
    targets_ = site.GetObjects(SelectedOnly);
    if (!TargetClassName.isEmpty()) {
        for (int index = static_cast<int>(targets_.size()) - 1; index >= 0; --index) {
            if (InheritsFrom(*targets_[index], TargetClassName))
                continue;
            if (TargetClassOnly) {
                targets_.clear();
                break;
            }
            targets_.erase(targets_.begin() + index);
        }
    }
    Filter(site, targets_);
}

bool TDrawSiteCommand::Enabled(TEditSite& site)
{
    MakeList(site);
    if (SelectedOnly && !MultiSelect)
        return targets_.size() == 1;
    return !targets_.empty();
}

std::unique_ptr<TDrawObject> TDrawSiteCommand::RemoveObject(TEditSite& site, TDrawObject& object)
{
    object.Changed();
    return site.RemoveObject(&object);
}

void TDrawSiteCommand::RecordStep(TEditSite& site, TDrawObject& object)
{
    TActionList& actions = site.Context().Actions();
    switch (ActionType) {
    case atDelete: {
        auto action = std::make_unique<TDODelAction>(object, site);
        action->SetCaption(GroupCaption());
        // The step runs first; the action takes the object only once it is off the site.
        std::unique_ptr<TDrawObject> removed = RemoveObject(site, object);
        action->Adopt(std::move(removed));
        actions.Push(std::move(action));
        break;
    }
    case atAdd: {
        EachObject(site, object);
        auto action = std::make_unique<TDOAddAction>(object, site);
        action->SetCaption(GroupCaption());
        actions.Push(std::move(action));
        break;
    }
    case atChange: {
        auto action = std::make_unique<TDOChangeAction>(object);
        action->SetCaption(GroupCaption());
        EachObject(site, object);
        TDOChangeAction::Finish(std::move(action), actions);
        break;
    }
    case atNone:
    case atLayer:
        EachObject(site, object);
        break;
    }
}

void TDrawSiteCommand::Execute(TEditSite& site)
{
    site.AbandonGhosts();
    if (!Runnable() || !Enabled(site))
        return;
    TActionList& actions = site.Context().Actions();
    TActionGroupScope group(actions, GroupCaption());
    ExecuteFirst(site);
    if (!HasSteps())
        return;
    // One z-order snapshot for the whole execution of a layer command.
    std::unique_ptr<TDOLayerAction> layer;
    if (ActionType == atLayer) {
        layer = std::make_unique<TDOLayerAction>(site);
        layer->SetCaption(GroupCaption());
    }
    const std::vector<TDrawObject*> targets = targets_;
    if (FromFront) {
        for (TDrawObject* object : targets)
            RecordStep(site, *object);
    } else {
        for (auto it = targets.rbegin(); it != targets.rend(); ++it)
            RecordStep(site, **it);
    }
    if (layer)
        TDOLayerAction::Finish(std::move(layer), actions);
}

void TDSOperation::Filter(TEditSite&, std::vector<TDrawObject*>&)
{
    if (OnMakeList)
        OnMakeList(*this);
}

void TDSOperation::ExecuteFirst(TEditSite&)
{
    if (OnExecute)
        OnExecute(*this);
}

void TDSOperation::EachObject(TEditSite&, TDrawObject& object)
{
    OnEachObject(*this, object);
}
