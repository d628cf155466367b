#include "editing/ghosts/line_ghost.h"

#include "core/model/draw_object.h"
#include "core/model/object_interfaces.h"
#include "editing/ghosts/rect_ghost.h"
#include "editing/site/edit_site.h"

#include <cstdlib>

TLineGhost::TLineGhost(TDrawObject& target, int handleIndex, QString caption)
    : TUniversalGhost(target, handleIndex, std::move(caption))
{
}

QPoint TLineGhost::Constrained(QPoint moved, QPoint other)
{
    const QPoint d = moved - other;
    if (std::abs(d.y()) < std::abs(d.x()))
        return {moved.x(), other.y()};
    return {other.x(), moved.y()};
}

void TLineGhost::Move(TShiftState shift, QPoint delta)
{
    const auto* target = dynamic_cast<const IDOLine*>(Target());
    auto* copy = dynamic_cast<IDOLine*>(&Copy());
    if (!target || !copy)
        return;
    const bool start = HandleIndex() == 0;
    QPoint point = (start ? target->StartPoint() : target->EndPoint()) + delta;
    if (!delta.isNull())
        point = Snapped(point);
    const QPoint other = start ? target->EndPoint() : target->StartPoint();
    if (shift & ssShift)
        point = Constrained(point, other);
    if (start) {
        copy->SetStartPoint(point);
        copy->SetEndPoint(other);
    } else {
        copy->SetStartPoint(other);
        copy->SetEndPoint(point);
    }
}

void TLineCreateGhost::Place(QPoint start)
{
    const QPoint point = Snapped(start);
    for (auto* line : {dynamic_cast<IDOLine*>(&Created()), dynamic_cast<IDOLine*>(&Copy())})
        if (line) {
            line->SetStartPoint(point);
            line->SetEndPoint(point);
        }
}
