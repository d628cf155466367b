#pragma once
// Resizing a rectangle object by one of its eight handles (0-2 left column top to bottom,
// 3-4 top and bottom middle, 5-7 right column), in the object's own axes when it is
// turned, with a minimum size and an optional aspect lock; and placing a new rectangle
// object by dragging its bottom-right corner.
#include "editing/ghosts/create_ghost.h"
#include "editing/ghosts/universal_ghost.h"

class TRectGhost : public TUniversalGhost {
public:
    TRectGhost(TDrawObject& target, int handleIndex, QString caption = caption::Resize);

    void Move(TShiftState shift, QPoint delta) override;

    // The rectangle that a drag of the handle by delta gives (before clamping and before a
    // turned object is re-centred), for a target rectangle with an angle and keep-aspect
    // flag; the snapped delta is the caller's.
    static TRect Resized(const TRect& target, int handle, QPoint delta, bool keepAspect, TShiftState shift);
    // The handle's point on a rectangle (not turned).
    static QPoint HandlePoint(const TRect& rect, int handle);

protected:
    // The target's rectangle, angle and keep-aspect flag.
    virtual TRect TargetRect() const;
};

class TRectCreateGhost : public TCreateGhost<TRectGhost> {
public:
    explicit TRectCreateGhost(std::unique_ptr<TDrawObject> object) : TCreateGhost(std::move(object), 7) {}

protected:
    TRect TargetRect() const override { return {start_.x(), start_.y(), start_.x(), start_.y()}; }
    void Place(QPoint start) override;

private:
    QPoint start_;
};

// Turning an object by its rotation handle; with Shift in steps of 45 degrees.
class TRotateGhost : public TUniversalGhost {
public:
    explicit TRotateGhost(TDrawObject& target) : TUniversalGhost(target, 8, caption::Rotate) {}

    void Move(TShiftState shift, QPoint delta) override;

    // The new angle for a drag from start by delta about the centre.
    static int TurnedAngle(int angle, QPoint centre, QPoint start, QPoint delta, TShiftState shift);
};
