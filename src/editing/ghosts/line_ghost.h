#pragma once
// Dragging an end point of a line (0 start, 1 end); with Shift the line snaps to
// horizontal or vertical. And placing a new line by dragging its end point.
#include "editing/ghosts/create_ghost.h"
#include "editing/ghosts/universal_ghost.h"

class TLineGhost : public TUniversalGhost {
public:
    TLineGhost(TDrawObject& target, int handleIndex, QString caption = caption::LineEdit);

    void Move(TShiftState shift, QPoint delta) override;

    // The moved end point: horizontal when |dy| < |dx| from the other end, else vertical.
    static QPoint Constrained(QPoint moved, QPoint other);
};

class TLineCreateGhost : public TCreateGhost<TLineGhost> {
public:
    explicit TLineCreateGhost(std::unique_ptr<TDrawObject> object) : TCreateGhost(std::move(object), 1) {}

protected:
    void Place(QPoint start) override;
};
