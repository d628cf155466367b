#include "editing/actions/object_actions.h"

#include "core/model/draw_object.h"
#include "core/model/draw_site_model.h"
#include "editing/actions/object_clone.h"

#include <algorithm>

namespace {
constexpr std::uint8_t kUndoRedo = TActionBase::CanUndoFlag | TActionBase::CanRedoFlag;
} // namespace

// --- change ------------------------------------------------------------------------------

TDOChangeAction::TDOChangeAction(TDrawObject& target)
    : target_(&target, [this] { changed_ = true; }), before_(CloneObject(target)), after_(CloneObject(target))
{
    SetFlags(kUndoRedo);
}

TDOChangeAction::~TDOChangeAction() = default;

void TDOChangeAction::TakeOver(const TDrawObject& snapshot)
{
    TDrawObject* target = target_.Get();
    if (!target)
        return;
    target->Assign(snapshot);
    target->SetSelected(true);
}

void TDOChangeAction::RestoreBefore()
{
    if (TDrawObject* target = target_.Get())
        target->Assign(*before_);
}

void TDOChangeAction::Finish(std::unique_ptr<TDOChangeAction> action, TActionList& list, bool force)
{
    TDrawObject* target = action->target_.Get();
    if (!target || !target->Site() || !(action->changed_ || force))
        return;
    action->after_ = CloneObject(*target);
    list.Push(std::move(action));
}

void TDOChangeAction::Redo()
{
    TakeOver(*after_);
}

void TDOChangeAction::Undo()
{
    TakeOver(*before_);
}

// --- add and delete -------------------------------------------------------------------------

TDOPresenceAction::TDOPresenceAction(TDrawObject& target, TDrawSiteModel& site)
    : target_(&target), site_(&site), order_(ZOrder(site))
{
    SetFlags(kUndoRedo);
}

TDOPresenceAction::~TDOPresenceAction()
{
    // Forget the object before freeing it, so that its closing notice finds no reference.
    target_.Reset(nullptr);
    owned_.reset();
}

void TDOPresenceAction::PutBack()
{
    TDrawSiteModel* site = site_.Get();
    if (!owned_ || !site)
        return;
    TDrawObject* object = site->AddObject(std::move(owned_));
    object->SetSelected(true);
    ApplyZOrder(*site, order_);
}

void TDOPresenceAction::TakeAway()
{
    TDrawSiteModel* site = site_.Get();
    TDrawObject* object = target_.Get();
    if (owned_ || !site || !object || object->Site() != site)
        return;
    object->Changed();
    owned_ = site->RemoveObject(object);
}

TDOAddAction::TDOAddAction(TDrawObject& target, TDrawSiteModel& site) : TDOPresenceAction(target, site) {}

TDODelAction::TDODelAction(TDrawObject& target, TDrawSiteModel& site) : TDOPresenceAction(target, site) {}

// --- layer -------------------------------------------------------------------------------

TDOLayerAction::TDOLayerAction(TDrawSiteModel& site) : site_(&site), before_(ZOrder(site))
{
    SetFlags(kUndoRedo);
    for (TDrawObject* object : before_)
        watched_.push_back(std::make_unique<TWatchedRef<TDrawObject>>(object));
}

void TDOLayerAction::Finish(std::unique_ptr<TDOLayerAction> action, TActionList& list)
{
    TDrawSiteModel* site = action->site_.Get();
    if (!site)
        return;
    action->after_ = ZOrder(*site);
    if (action->after_ == action->before_)
        return;
    for (TDrawObject* object : action->after_)
        if (object->Selected())
            action->selection_.push_back(object);
    list.Push(std::move(action));
}

void TDOLayerAction::Apply(const TZOrder& order)
{
    TDrawSiteModel* site = site_.Get();
    if (!site)
        return;
    // Only the objects that are still alive take part.
    const auto alive = [this](TDrawObject* object) {
        return std::any_of(watched_.begin(), watched_.end(),
                           [object](const auto& ref) { return ref->Get() == object; });
    };
    TZOrder living;
    std::copy_if(order.begin(), order.end(), std::back_inserter(living), alive);
    ApplyZOrder(*site, living);
    for (TDrawObject* object : selection_)
        if (alive(object) && object->Site() == site)
            object->SetSelected(true);
}
