#pragma once
// Commands over the objects of a draw site: the target list, the enabled rule, and the
// execution that records undo per object by action type, all of one execution in one undo
// group (captioned by the action string, else by the caption without its accelerator).
#include "editing/actions/object_actions.h"

#include <QString>
#include <functional>
#include <memory>
#include <vector>

class TDrawObject;
class TEditSite;

class TDrawSiteCommand {
public:
    TDrawSiteCommand() = default;
    TDrawSiteCommand(const TDrawSiteCommand&) = delete;
    TDrawSiteCommand& operator=(const TDrawSiteCommand&) = delete;
    virtual ~TDrawSiteCommand() = default;

    bool MultiSelect = true;
    bool SelectedOnly = true;
    bool FromFront = false;
    QString TargetClassName;
    bool TargetClassOnly = false;
    TDSAUndoType ActionType = atNone;
    QString ActionString;
    QString Caption;

    const std::vector<TDrawObject*>& Targets() const { return targets_; }
    void MakeList(TEditSite& site);
    virtual bool Enabled(TEditSite& site);
    // Abandons any drag first; does nothing when not enabled. A failing step drops its
    // pending record, the group is closed and the error passes on.
    virtual void Execute(TEditSite& site);
    // The undo group's caption: the action string, else the caption without "(&X)".
    QString GroupCaption() const;

protected:
    // The command's own filter of the target list.
    virtual void Filter(TEditSite&, std::vector<TDrawObject*>&) {}
    virtual void ExecuteFirst(TEditSite&) {}
    virtual void EachObject(TEditSite&, TDrawObject&) {}
    // The step of a delete: takes the object off the site and hands it over.
    virtual std::unique_ptr<TDrawObject> RemoveObject(TEditSite& site, TDrawObject& object);
    virtual bool HasSteps() const { return true; }
    virtual bool Runnable() const { return true; }

    std::vector<TDrawObject*> targets_;

private:
    void RecordStep(TEditSite& site, TDrawObject& object);
};

// A command defined by events instead of a subclass; it runs only when one of its
// execution events is set.
class TDSOperation : public TDrawSiteCommand {
public:
    std::function<void(TDSOperation&)> OnExecute;
    std::function<void(TDSOperation&)> OnMakeList;
    std::function<void(TDSOperation&, TDrawObject&)> OnEachObject;

    // The target list, for OnMakeList to edit.
    std::vector<TDrawObject*>& TargetList() { return targets_; }

protected:
    bool Runnable() const override { return OnExecute || OnEachObject; }
    void Filter(TEditSite&, std::vector<TDrawObject*>&) override;
    void ExecuteFirst(TEditSite&) override;
    void EachObject(TEditSite&, TDrawObject& object) override;
    bool HasSteps() const override { return bool(OnEachObject); }
};

// The caption without its accelerator: "前面に移動(&W)" -> "前面に移動".
QString StripAccelerator(const QString& caption);
