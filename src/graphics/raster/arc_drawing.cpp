#include "graphics/raster/arc_drawing.h"

#include "core/canvas/canvas.h"
#include "core/canvas/units.h"
#include "graphics/raster/arc.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double kTwoPi = 2 * std::numbers::pi;
constexpr double kThinStep = 0.034906585; // 2 degrees
constexpr int kParabolaSegments = 8;

// Arcs this flat (or this large) are drawn as the parabola through the three points.
bool DrawnAsParabola(const TArcRecord& arc, int sagitta)
{
    return std::abs(sagitta) <= 20 || arc.Radius > 7999;
}

// B(t) = p + t (4m - 3p - r) + 2 t^2 (p + r - 2m), so that B(0) = p, B(1/2) = m, B(1) = r.
QPolygon Parabola(QPoint p, QPoint m, QPoint r)
{
    QPolygon points;
    for (int j = 0; j <= kParabolaSegments; ++j) {
        const double t = double(j) / kParabolaSegments;
        const double x =
            p.x() + t * (4.0 * m.x() - 3.0 * p.x() - r.x()) + 2 * t * t * (double(p.x()) + r.x() - 2.0 * m.x());
        const double y =
            p.y() + t * (4.0 * m.y() - 3.0 * p.y() - r.y()) + 2 * t * t * (double(p.y()) + r.y() - 2.0 * m.y());
        points << QPoint(RoundHalfAway(x), RoundHalfAway(y));
    }
    return points;
}

// The end angle unwrapped so that it lies at or after the start angle.
double UnwrappedEnd(const TArcRecord& arc)
{
    return arc.EndAngle < arc.StartAngle ? arc.EndAngle + kTwoPi : arc.EndAngle;
}

// Points along the arc at the radius from angle a to angle b in steps (either direction),
// the last one exactly at b.
void AddArcEdge(QPolygon& points, const TArcRecord& arc, double radius, double a, double b, double step)
{
    if (b >= a)
        for (double angle = a; angle < b; angle += step)
            points << PointOnArc(arc, angle, radius);
    else
        for (double angle = a; angle > b; angle -= step)
            points << PointOnArc(arc, angle, radius);
    points << PointOnArc(arc, b, radius);
}

} // namespace

QPolygon ArcPolyline(QPoint p, QPoint m, QPoint r)
{
    const TArcRecord arc = ArcFrom3(p, m, r);
    if (DrawnAsParabola(arc, Sagitta(p, m, r)))
        return Parabola(p, m, r);
    QPolygon points;
    const double end = UnwrappedEnd(arc);
    for (double angle = arc.StartAngle; angle < end; angle += kThinStep)
        points << PointOnArc(arc, angle, arc.Radius);
    points << r;
    return points;
}

QPolygon ThickArcOutline(QPoint p, QPoint m, QPoint r, int penWidth)
{
    const int half = std::max(1, (penWidth + 1) / 2);
    const TArcRecord arc = ArcFrom3(p, m, r);
    QPolygon outline;
    if (!DrawnAsParabola(arc, Sagitta(p, m, r))) {
        const double step = kTwoPi / (arc.Radius >= 500 ? 90 : 60);
        const double end = UnwrappedEnd(arc);
        // An inner edge beyond the centre would turn the outline inside out.
        const double inner = std::max(0, arc.Radius + half - penWidth);
        AddArcEdge(outline, arc, arc.Radius + half, arc.StartAngle, end, step);
        AddArcEdge(outline, arc, inner, end, arc.StartAngle, step);
        return outline;
    }

    // The parabola's points offset perpendicular by half + 0.5 on both sides; an interior
    // point takes the rounded mean of the offsets of its two segments.
    const QPolygon spine = Parabola(p, m, r);
    const int n = int(spine.size());
    std::vector<QPointF> segmentOffsets;
    for (int i = 0; i + 1 < n; ++i) {
        const double dx = spine[i + 1].x() - spine[i].x();
        const double dy = spine[i + 1].y() - spine[i].y();
        const double length = std::hypot(dx, dy);
        segmentOffsets.push_back(length > 0 ? QPointF(-dy, dx) * ((half + 0.5) / length) : QPointF());
    }
    std::vector<QPoint> offsets(n);
    for (int i = 0; i < n; ++i) {
        const QPointF offset = i == 0       ? segmentOffsets.front()
                               : i == n - 1 ? segmentOffsets.back()
                                            : (segmentOffsets[i - 1] + segmentOffsets[i]) / 2;
        offsets[i] = QPoint(RoundHalfAway(offset.x()), RoundHalfAway(offset.y()));
    }
    for (int i = 0; i < n; ++i)
        outline << spine[i] + offsets[i];
    for (int i = n - 1; i >= 0; --i)
        outline << spine[i] - offsets[i];
    return outline;
}

void DrawArc3(TCanvas& canvas, QPoint p, QPoint m, QPoint r)
{
    canvas.Painter().drawPolyline(ArcPolyline(p, m, r));
}

void DrawThickArc3(TCanvas& canvas, QPoint p, QPoint m, QPoint r, int penWidth)
{
    QPainter& painter = canvas.Painter();
    const QPen pen = painter.pen();
    painter.setPen(Qt::NoPen);
    painter.drawPolygon(ThickArcOutline(p, m, r, penWidth), Qt::WindingFill);
    painter.setPen(pen);
}
