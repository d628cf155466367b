#pragma once
// Moving whole objects: free, only horizontally or vertically, turning along with the
// centre's travel about the face centre, on a circle or diameter about the face centre,
// in steps; with Ctrl the drag leaves the target in place and drops a copy.
#include "editing/ghosts/universal_ghost.h"
#include "editing/site/move_options.h"

class IDOEncloseBounds;
class IDORotate;

class TMoveGhost : public TUniversalGhost {
public:
    explicit TMoveGhost(TDrawObject& target);

    void Draw(TCanvas& canvas) override;
    void Move(TShiftState shift, QPoint delta) override;
    void Commit(TShiftState shift) override;
    QString Caption(TShiftState shift) const override;

    // The options of the editing context as the modifiers change them: Alt alone switches
    // the circular, parallel and rotating moves off; Shift with Alt toggles the circular
    // move; Shift alone toggles the steps in circular mode and the parallel move otherwise.
    static TMoveOptions EffectiveOptions(TMoveOptions options, TShiftState shift);

protected:
    virtual TMoveOptions Options(TShiftState shift) const;
    virtual bool CopiesWithCtrl() const { return true; }

private:
    // The interfaces of target and copy, looked up once: a drag frame of many objects
    // would otherwise spend most of its time in cross casts.
    TRect TargetBounds(const TDrawObject& target) const;
    TRect CopyBounds() const;

    TShiftState lastShift_ = 0;
    IDOEncloseBounds* targetBounds_ = nullptr;
    IDOEncloseBounds* copyBounds_ = nullptr;
    IDORotate* targetRotate_ = nullptr;
    IDORotate* copyRotate_ = nullptr;
};

// A move with every option off and no drag copy.
class TSimpleMoveGhost : public TMoveGhost {
public:
    using TMoveGhost::TMoveGhost;

protected:
    TMoveOptions Options(TShiftState) const override { return {}; }
    bool CopiesWithCtrl() const override { return false; }
};
