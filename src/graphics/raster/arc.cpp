#include "graphics/raster/arc.h"

#include "core/canvas/units.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double kTwoPi = 2 * std::numbers::pi;
constexpr double kCollinear = 0.1;
constexpr int kMaxBulge = 4000;

double NormalizedAngle(double angle)
{
    angle = std::fmod(angle, kTwoPi);
    if (angle < 0)
        angle += kTwoPi;
    return angle >= kTwoPi ? 0.0 : angle;
}

double AngleOf(QPoint p, int cx, int cy)
{
    return NormalizedAngle(std::atan2(double(p.y() - cy), double(p.x() - cx)));
}

// Twice the signed area of the triangle (p, q, r): (q - p) x (r - p).
double Cross(QPointF p, QPointF q, QPointF r)
{
    return (q.x() - p.x()) * (r.y() - p.y()) - (q.y() - p.y()) * (r.x() - p.x());
}

} // namespace

QPoint PointOnArc(const TArcRecord& arc, double angle, double radius)
{
    return {arc.CenterX + RoundHalfAway(radius * std::cos(angle)),
            arc.CenterY + RoundHalfAway(radius * std::sin(angle))};
}

TCircle Circumcentre(QPoint p, QPoint q, QPoint r)
{
    const double d = 2.0 * Cross(p, q, r);
    TCircle circle;
    if (std::abs(d) < kCollinear) {
        circle.Centre = QPointF(p + q + r) / 3.0;
    } else {
        const double p2 = double(p.x()) * p.x() + double(p.y()) * p.y();
        const double q2 = double(q.x()) * q.x() + double(q.y()) * q.y();
        const double r2 = double(r.x()) * r.x() + double(r.y()) * r.y();
        circle.Centre = {(p2 * (q.y() - r.y()) + q2 * (r.y() - p.y()) + r2 * (p.y() - q.y())) / d,
                         (p2 * (r.x() - q.x()) + q2 * (p.x() - r.x()) + r2 * (q.x() - p.x())) / d};
    }
    circle.Radius = std::hypot(circle.Centre.x() - q.x(), circle.Centre.y() - q.y());
    return circle;
}

TArcRecord ArcFrom3(QPoint p, QPoint m, QPoint r)
{
    const TCircle circle = Circumcentre(p, m, r);
    TArcRecord arc;
    arc.Radius = RoundHalfAway(circle.Radius);
    if (arc.Radius < 1)
        return {};
    arc.CenterX = RoundHalfAway(circle.Centre.x());
    arc.CenterY = RoundHalfAway(circle.Centre.y());
    arc.StartAngle = AngleOf(p, arc.CenterX, arc.CenterY);
    arc.EndAngle = AngleOf(r, arc.CenterX, arc.CenterY);
    return arc;
}

TArcPoints ArcPoints(const TArcRecord& arc)
{
    double middle = (arc.StartAngle + arc.EndAngle) / 2;
    if (arc.StartAngle > arc.EndAngle)
        middle = NormalizedAngle(middle + std::numbers::pi);
    return {PointOnArc(arc, arc.StartAngle, arc.Radius), PointOnArc(arc, arc.EndAngle, arc.Radius),
            PointOnArc(arc, middle, arc.Radius)};
}

TRect ArcBounds(const TArcRecord& arc)
{
    const TArcPoints points = ArcPoints(arc);
    TRect bounds(std::min(points.Start.x(), points.End.x()), std::min(points.Start.y(), points.End.y()),
                 std::max(points.Start.x(), points.End.x()), std::max(points.Start.y(), points.End.y()));
    const auto quadrant = [](double angle) { return std::clamp(int(angle / (std::numbers::pi / 2)), 0, 3); };
    const int first = quadrant(arc.StartAngle);
    const int last = quadrant(arc.EndAngle);
    // Boundaries crossed going clockwise from the start quadrant to the end quadrant; all
    // four when the arc wraps round within one quadrant.
    int crossings = (last - first + 4) % 4;
    if (crossings == 0 && arc.EndAngle < arc.StartAngle)
        crossings = 4;
    for (int i = 1; i <= crossings; ++i) {
        switch ((first + i) % 4) {
        case 0: bounds.Right = arc.CenterX + arc.Radius; break;
        case 1: bounds.Bottom = arc.CenterY + arc.Radius; break;
        case 2: bounds.Left = arc.CenterX - arc.Radius; break;
        case 3: bounds.Top = arc.CenterY - arc.Radius; break;
        }
    }
    return bounds;
}

int Orientation(QPoint p, QPoint q, QPoint r)
{
    // Differences take 33 bits, their products 66.
    const __int128 a = __int128(std::int64_t(q.x()) - p.x()) * (std::int64_t(r.y()) - p.y());
    const __int128 b = __int128(std::int64_t(q.y()) - p.y()) * (std::int64_t(r.x()) - p.x());
    return a > b ? -1 : a < b ? 1 : 0;
}

int Sagitta(QPoint p, QPoint m, QPoint r)
{
    if (std::abs(2.0 * Cross(p, m, r)) < kCollinear)
        return 0;
    const TCircle circle = Circumcentre(p, m, r);
    const QPointF middle = QPointF(p + r) / 2.0;
    double h = circle.Radius - std::hypot(middle.x() - circle.Centre.x(), middle.y() - circle.Centre.y());
    if (h < -1)
        return 0;
    const double centreSide = Cross(p, r, circle.Centre);
    const double bulgeSide = Cross(p, r, m);
    if ((centreSide > 0 && bulgeSide > 0) || (centreSide < 0 && bulgeSide < 0))
        h = 2 * circle.Radius - h; // the major arc
    if (Orientation(p, r, m) < 0)
        h = -h;
    return int(h);
}

QPoint BulgePoint(QPoint p, QPoint r, int bulge)
{
    const double b = std::clamp(bulge, -kMaxBulge, kMaxBulge);
    const double dx = r.x() - p.x();
    const double dy = r.y() - p.y();
    const double d = std::hypot(dx, dy);
    if (d < 0.1)
        return p;
    return {int(p.x() + dx / 2 + dy * b / d), int(p.y() + dy / 2 - dx * b / d)};
}

bool ArcFromChord(QPoint p, QPoint r, int bulge, TArcRecord& arc)
{
    const double dx = r.x() - p.x();
    const double dy = r.y() - p.y();
    const double chord = std::hypot(dx, dy);
    const QPointF middle = QPointF(p + r) / 2.0;
    QPointF centre = middle;
    int radius;
    if (bulge != 0) {
        if (chord < 0.9)
            return false;
        const double height = std::abs(bulge);
        radius = int(chord * chord / (8 * height) + height / 2);
        // Away from the bulge's side by the distance of the centre from the chord.
        const double shift = (radius - height) / chord * (bulge > 0 ? 1 : -1);
        centre += QPointF(-dy * shift, dx * shift);
    } else {
        radius = int(chord / 2);
    }
    TArcRecord result;
    result.CenterX = RoundHalfAway(centre.x());
    result.CenterY = RoundHalfAway(centre.y());
    result.Radius = radius;
    result.StartAngle = AngleOf(p, result.CenterX, result.CenterY);
    result.EndAngle = AngleOf(r, result.CenterX, result.CenterY);
    if (bulge < 0)
        std::swap(result.StartAngle, result.EndAngle);
    arc = result;
    return true;
}
