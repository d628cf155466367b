#pragma once
// Editing an arc by its handles: 10 start, 11 end (the other end mirrors the move along
// the chord unless Shift holds it), 12 bulge (plain, or laid on a circle about the face
// centre in circular move mode). And placing a new arc by dragging its end point.
#include "editing/ghosts/create_ghost.h"
#include "editing/ghosts/universal_ghost.h"
#include "editing/site/move_options.h"

class IDOCurve;

struct TArcPoints {
    QPoint Start;
    QPoint End;
    QPoint Bulge;
    friend bool operator==(const TArcPoints&, const TArcPoints&) = default;
};

class TCurveGhost : public TUniversalGhost {
public:
    TCurveGhost(TDrawObject& target, int handleIndex, QString caption = caption::LineEdit);

    void Begin(QPoint start) override;
    void Move(TShiftState shift, QPoint delta) override;
    void Commit(TShiftState shift) override;

    // An end point moved to point (snapped already): with Shift or when creating only that
    // point moves, otherwise the other end moves by the delta mirrored along the chord.
    static TArcPoints MovedEnd(const TArcPoints& arc, bool start, QPoint point, bool alone);
    // The bulge moved to point (snapped already), its distance from the chord at most limit.
    static TArcPoints MovedBulge(const TArcPoints& arc, QPoint point, int limit);
    // The arc laid on the circle about centre through the mouse point, keeping half its arc
    // length; the half-angle stays below a half turn.
    static TArcPoints CircularBulge(const TArcPoints& arc, QPoint centre, QPoint mouse);

protected:
    virtual bool Creating() const { return false; }
    TArcPoints TargetArc() const;
};

class TCurveCreateGhost : public TCreateGhost<TCurveGhost> {
public:
    explicit TCurveCreateGhost(std::unique_ptr<TDrawObject> object) : TCreateGhost(std::move(object), 11) {}

protected:
    bool Creating() const override { return true; }
    void Place(QPoint start) override;
    void Finishing() override;
};

// True when start, bulge and end lie on one line (zero signed area).
bool IsStraightArc(const TArcPoints& arc);
