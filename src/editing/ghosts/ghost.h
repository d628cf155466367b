#pragma once
// Ghosts: the feedback of one drag. While the mouse moves, each ghost works on a private
// state (for object ghosts, a working copy of the object) and draws it as an outline; only
// when the mouse is released does it write its result back.
#include "core/canvas/rect.h"
#include "editing/site/shift_state.h"

#include <QString>

class TCanvas;
class TEditSite;

class TGhost {
public:
    TGhost() = default;
    TGhost(const TGhost&) = delete;
    TGhost& operator=(const TGhost&) = delete;
    virtual ~TGhost() = default;

    virtual void Begin(QPoint start) = 0;
    // Draws the feedback on a canvas mapped to logical units.
    virtual void Draw(TCanvas& canvas) = 0;
    virtual void Move(TShiftState shift, QPoint delta) = 0;
    virtual void Commit(TShiftState shift) = 0;
    // The undo caption of the step a commit with these modifiers makes (empty: none).
    virtual QString Caption(TShiftState) const { return {}; }
    // True when the object the ghost works on was freed during the drag.
    virtual bool Lost() const { return false; }

    const TRect& Clamp() const { return clamp_; }
    TEditSite& Site() const { return *site_; }
    void Attach(TEditSite& site, const TRect& clamp)
    {
        site_ = &site;
        clamp_ = clamp;
    }

private:
    TRect clamp_;
    TEditSite* site_ = nullptr;
};
