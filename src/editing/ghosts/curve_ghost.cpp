#include "editing/ghosts/curve_ghost.h"

#include "core/model/draw_object.h"
#include "core/model/object_interfaces.h"
#include "editing/ghosts/geometry.h"
#include "editing/ghosts/rect_ghost.h"
#include "editing/site/edit_context.h"
#include "editing/site/edit_site.h"

#include <algorithm>

namespace {

constexpr double kMinCircleRadius = 50;
constexpr double kMinArcRadius = 1;
constexpr double kMaxArcRadius = 7999;
// A half turn would close the arc into a full circle and wrap it: stay just below.
constexpr double kMaxHalfAngle = std::numbers::pi - 0.01;

TArcPoints ArcOf(const IDOCurve& curve)
{
    return {curve.StartPoint(), curve.EndPoint(), curve.BulgePoint()};
}

void SetArc(IDOCurve& curve, const TArcPoints& arc)
{
    curve.SetStartPoint(arc.Start);
    curve.SetEndPoint(arc.End);
    curve.SetBulgePoint(arc.Bulge);
}

QPoint RoundedPoint(QPointF point)
{
    return {RoundAway(point.x()), RoundAway(point.y())};
}

long long SignedArea(const TArcPoints& arc)
{
    const long long ax = arc.Bulge.x() - arc.Start.x(), ay = arc.Bulge.y() - arc.Start.y();
    const long long bx = arc.End.x() - arc.Start.x(), by = arc.End.y() - arc.Start.y();
    return ax * by - ay * bx;
}

// Half the length of the arc: from its circle when the radius is sensible, else half the
// chord.
double HalfArcLength(const TArcPoints& arc)
{
    const QPointF a = arc.Start, b = arc.Bulge, c = arc.End;
    const double halfChord = Length(c - a) / 2;
    const double d = 2 * (a.x() * (b.y() - c.y()) + b.x() * (c.y() - a.y()) + c.x() * (a.y() - b.y()));
    if (d == 0)
        return halfChord;
    const double aa = QPointF::dotProduct(a, a), bb = QPointF::dotProduct(b, b), cc = QPointF::dotProduct(c, c);
    const QPointF centre((aa * (b.y() - c.y()) + bb * (c.y() - a.y()) + cc * (a.y() - b.y())) / d,
                         (aa * (c.x() - b.x()) + bb * (a.x() - c.x()) + cc * (b.x() - a.x())) / d);
    const double radius = Length(a - centre);
    if (radius <= kMinArcRadius || radius >= kMaxArcRadius)
        return halfChord;
    // The span is the angle from start to end through the bulge.
    const double toStart = AngleOf(a - centre);
    double span = NormalizedAngle(AngleOf(c - centre) - toStart);
    const double toBulge = NormalizedAngle(AngleOf(b - centre) - toStart);
    const bool bulgeBetween = span >= 0 ? (toBulge >= 0 && toBulge <= span) : (toBulge <= 0 && toBulge >= span);
    if (!bulgeBetween)
        span = span >= 0 ? span - 2 * std::numbers::pi : span + 2 * std::numbers::pi;
    return radius * std::abs(span) / 2;
}

} // namespace

bool IsStraightArc(const TArcPoints& arc)
{
    return SignedArea(arc) == 0;
}

TCurveGhost::TCurveGhost(TDrawObject& target, int handleIndex, QString caption)
    : TUniversalGhost(target, handleIndex, std::move(caption))
{
}

TArcPoints TCurveGhost::TargetArc() const
{
    const auto* curve = dynamic_cast<const IDOCurve*>(Target());
    return curve ? ArcOf(*curve) : TArcPoints{};
}

void TCurveGhost::Begin(QPoint start)
{
    TUniversalGhost::Begin(start);
    if (auto* curve = dynamic_cast<IDOCurve*>(&Copy()))
        curve->BeginEdit();
}

TArcPoints TCurveGhost::MovedEnd(const TArcPoints& arc, bool start, QPoint point, bool alone)
{
    TArcPoints moved = arc;
    QPoint& own = start ? moved.Start : moved.End;
    QPoint& other = start ? moved.End : moved.Start;
    const QPoint delta = point - own;
    own = point;
    if (alone)
        return moved;
    const QPointF chord = arc.End - arc.Start;
    const double length = Length(chord);
    if (length == 0) {
        other = (start ? arc.End : arc.Start) + delta;
        return moved;
    }
    const QPointF u = chord / length;
    const double along = QPointF::dotProduct(QPointF(delta), u);
    other = (start ? arc.End : arc.Start) + RoundedPoint(QPointF(delta) - 2 * along * u);
    return moved;
}

TArcPoints TCurveGhost::MovedBulge(const TArcPoints& arc, QPoint point, int limit)
{
    TArcPoints moved = arc;
    moved.Bulge = point;
    const QPointF chord = arc.End - arc.Start;
    const double length = Length(chord);
    if (length == 0)
        return moved;
    const QPointF normal(-chord.y() / length, chord.x() / length);
    const double distance = QPointF::dotProduct(QPointF(point - arc.Start), normal);
    if (std::abs(distance) > limit)
        moved.Bulge = RoundedPoint(QPointF(point) - (distance - std::copysign(double(limit), distance)) * normal);
    return moved;
}

TArcPoints TCurveGhost::CircularBulge(const TArcPoints& arc, QPoint centre, QPoint mouse)
{
    const double h = std::max(Length(mouse - centre), kMinCircleRadius);
    const double half = std::min(HalfArcLength(arc) / h, kMaxHalfAngle);
    const double angle = AngleOf(mouse - centre);
    const auto onCircle = [&](double a) { return RoundedPoint(QPointF(centre) + h * QPointF(std::cos(a), std::sin(a))); };
    return {onCircle(angle - half), onCircle(angle + half), mouse};
}

void TCurveGhost::Move(TShiftState shift, QPoint delta)
{
    auto* copy = dynamic_cast<IDOCurve*>(&Copy());
    if (!copy || !Target())
        return;
    const TArcPoints arc = TargetArc();
    TArcPoints moved = arc;
    const int handle = HandleIndex();
    if (handle == 10 || handle == 11) {
        const bool start = handle == 10;
        QPoint point = (start ? arc.Start : arc.End) + delta;
        if (!delta.isNull())
            point = Snapped(point);
        moved = MovedEnd(arc, start, point, Creating() || (shift & ssShift));
    } else if (handle == 12) {
        // Shift with Alt toggles the circular mode, Alt alone switches it off.
        bool circular = Site().Context().MoveOptions().CircumMove;
        if ((shift & ssAlt) && (shift & ssShift))
            circular = !circular;
        else if (shift & ssAlt)
            circular = false;
        if (circular) {
            moved = CircularBulge(arc, RectCenter(Clamp()), StartPoint() + delta);
        } else {
            QPoint point = arc.Bulge + delta;
            if (!delta.isNull())
                point = Snapped(point);
            moved = MovedBulge(arc, point, std::min(RectWidth(Clamp()), RectHeight(Clamp())));
        }
    }
    SetArc(*copy, moved);
}

void TCurveGhost::Commit(TShiftState shift)
{
    if (auto* curve = dynamic_cast<IDOCurve*>(&Copy()))
        curve->EndEdit();
    TUniversalGhost::Commit(shift);
}

void TCurveCreateGhost::Place(QPoint start)
{
    const QPoint point = Snapped(start);
    for (auto* curve : {dynamic_cast<IDOCurve*>(&Created()), dynamic_cast<IDOCurve*>(&Copy())})
        if (curve) {
            curve->SetStartPoint(point);
            curve->SetEndPoint(point);
        }
}

void TCurveCreateGhost::Finishing()
{
    if (auto* curve = dynamic_cast<IDOCurve*>(&Copy()))
        curve->EndEdit();
}
