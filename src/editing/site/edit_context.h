#pragma once
// Everything the editing of one application shares between its draw sites: the undo list,
// the ghost list of the current drag, the move options, the designers and the snapping
// rule. The context answers the model's designer requests while it lives.
#include "core/model/designer_registry.h"
#include "editing/actions/action_list.h"
#include "editing/designers/designer_list.h"
#include "editing/ghosts/ghost_list.h"
#include "editing/site/move_options.h"
#include "editing/site/shift_state.h"

#include <functional>

class IClipboard;
class TEditSite;

class TEditContext : public IDesignerRegistry {
public:
    // Registers the ghost designers and installs the context as the model's designer
    // registry.
    TEditContext();
    TEditContext(const TEditContext&) = delete;
    TEditContext& operator=(const TEditContext&) = delete;
    virtual ~TEditContext();

    TActionList& Actions() { return actions_; }
    TGhostList& Ghosts() { return ghosts_; }
    TMoveOptions& MoveOptions() { return moveOptions_; }
    TDODesignerList& Designers() { return designers_; }
    // The clipboard of copy and paste: the system clipboard unless another is set.
    IClipboard& Clipboard() const;
    void SetClipboard(IClipboard* clipboard) { clipboard_ = clipboard; }

    // The snapping rule of the editor: the offset that brings a logical point onto the
    // grid or a guide of the site, per axis kNoSnap when there is nothing to snap to.
    using SnapRule = std::function<TSnapOffset(TEditSite& site, QPoint logical, TShiftState shift)>;
    void SetSnapRule(SnapRule rule) { snapRule_ = std::move(rule); }
    TSnapOffset SnapOffset(TEditSite& site, QPoint logical) const;

    // IDesignerRegistry
    void CreatePivots(TDrawObject& object) override;
    void AddGhost(TDrawObject& object, int handleIndex) override;
    void AddSimpleMoveGhost(TDrawObject& object) override;
    bool Edit(TDrawObject& object) override;

private:
    TActionList actions_;
    TGhostList ghosts_{actions_};
    TMoveOptions moveOptions_;
    TDODesignerList designers_;
    SnapRule snapRule_;
    IClipboard* clipboard_ = nullptr;
};
