#pragma once
// Undo actions over the objects of a draw site: full snapshots of a changed object,
// objects added or deleted (kept alive by the action while they are off the site), and
// z-order changes. Every object reference is watched: an action whose object was freed
// meanwhile does nothing.
#include "editing/actions/action_list.h"
#include "editing/actions/watched_ref.h"
#include "editing/actions/z_order.h"

#include <QByteArray>
#include <memory>

class TDrawObject;
class TDrawSiteModel;

// What an edit command records for each object it touches.
enum TDSAUndoType { atNone = 0, atDelete = 1, atAdd = 2, atChange = 3, atLayer = 4 };

class TDOChangeAction : public TActionBase {
public:
    // Snapshots the target before the change.
    explicit TDOChangeAction(TDrawObject& target);
    ~TDOChangeAction() override;

    TDrawObject* Target() const { return target_.Get(); }
    bool TargetChanged() const { return changed_; }
    // Puts the target back as it was when the action was created (a failed edit).
    void RestoreBefore();
    // After the change: when the target is still on a site and it changed (or force),
    // takes the after-snapshot and pushes the action; otherwise the action is dropped.
    static void Finish(std::unique_ptr<TDOChangeAction> action, TActionList& list, bool force = false);

    void Redo() override;
    void Undo() override;

private:
    void TakeOver(const TDrawObject& snapshot);

    TWatchedRef<TDrawObject> target_;
    std::unique_ptr<TDrawObject> before_;
    std::unique_ptr<TDrawObject> after_;
    bool changed_ = false;
};

// Shared by add and delete: the object, its site, the site's z-order when the action was
// made, and the object itself while it is off the site.
class TDOPresenceAction : public TActionBase {
public:
    ~TDOPresenceAction() override;
    TDrawObject* Target() const { return target_.Get(); }
    bool OwnsTarget() const { return owned_ != nullptr; }

protected:
    TDOPresenceAction(TDrawObject& target, TDrawSiteModel& site);
    // Back on the site, selected, in its saved place.
    void PutBack();
    // Off the site, kept by the action.
    void TakeAway();
    void Own(std::unique_ptr<TDrawObject> object) { owned_ = std::move(object); }

private:
    TWatchedRef<TDrawObject> target_;
    TWatchedRef<TDrawSiteModel> site_;
    TZOrder order_;
    std::unique_ptr<TDrawObject> owned_;
};

class TDOAddAction : public TDOPresenceAction {
public:
    // After the object was added to the site.
    TDOAddAction(TDrawObject& target, TDrawSiteModel& site);
    void Redo() override { PutBack(); }
    void Undo() override { TakeAway(); }
};

class TDODelAction : public TDOPresenceAction {
public:
    // Made while the object is still on the site (its place is saved); the object is handed
    // over with Adopt once the delete step has taken it off.
    TDODelAction(TDrawObject& target, TDrawSiteModel& site);
    void Adopt(std::unique_ptr<TDrawObject> removed) { Own(std::move(removed)); }
    void Redo() override { TakeAway(); }
    void Undo() override { PutBack(); }
};

class TDOLayerAction : public TActionBase {
public:
    // Saves the order before the change.
    explicit TDOLayerAction(TDrawSiteModel& site);
    // Saves the order and the selection after the change and pushes the action, only when
    // the order changed.
    static void Finish(std::unique_ptr<TDOLayerAction> action, TActionList& list);

    void Redo() override { Apply(after_); }
    void Undo() override { Apply(before_); }

private:
    void Apply(const TZOrder& order);

    TWatchedRef<TDrawSiteModel> site_;
    std::vector<std::unique_ptr<TWatchedRef<TDrawObject>>> watched_;
    TZOrder before_;
    TZOrder after_;
    std::vector<TDrawObject*> selection_;
};
