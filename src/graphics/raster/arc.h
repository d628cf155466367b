#pragma once
// Circular arcs described by three points or by a chord and a bulge height, in integer page
// coordinates (y grows downwards). Results are rounded half away from zero unless stated.
#include "core/canvas/rect.h"

#include <QPoint>
#include <QPointF>

// An arc of a circle: angles in radians within [0, 2 pi), measured as atan2(y - cy, x - cx),
// so that growing angles run clockwise on the page. The arc runs from StartAngle to EndAngle
// in that direction.
struct TArcRecord {
    int CenterX = 0;
    int CenterY = 0;
    int Radius = 0;
    double StartAngle = 0;
    double EndAngle = 0;

    friend bool operator==(const TArcRecord&, const TArcRecord&) = default;
};

struct TCircle {
    QPointF Centre;
    double Radius = 0;
};

// (cx + round(radius cos a), cy + round(radius sin a)).
QPoint PointOnArc(const TArcRecord& arc, double angle, double radius);

// The circle through three points. Collinear points (doubled cross product below 0.1) give
// their average as centre and its distance to q as radius.
TCircle Circumcentre(QPoint p, QPoint q, QPoint r);

// The arc from p through m to r: radius and centre rounded, start angle from p, end angle
// from r. A radius below 1 gives an all-zero record.
TArcRecord ArcFrom3(QPoint p, QPoint m, QPoint r);

struct TArcPoints {
    QPoint Start;
    QPoint End;
    QPoint Middle; // at the angle halfway along the arc
};
TArcPoints ArcPoints(const TArcRecord& arc);

// The rectangle spanned by the arc's end points, reaching cx +- radius and cy +- radius for
// each quadrant boundary the arc crosses. Right and Bottom are the largest coordinates.
TRect ArcBounds(const TArcRecord& arc);

// With a = (q.x - p.x)(r.y - p.y) and b = (q.y - p.y)(r.x - p.x): -1 when a > b (p, q, r turn
// clockwise on the page), 0 when they are collinear, +1 when a < b.
int Orientation(QPoint p, QPoint q, QPoint r);

// The signed bulge height of the arc through p, m and r over the chord pr, truncated: the
// height of the major arc when m lies on the centre's side, negative when (p, r, m) turns
// the negative way, 0 for collinear points.
int Sagitta(QPoint p, QPoint m, QPoint r);

// The chord's midpoint moved perpendicular by the bulge (clamped to -4000 .. 4000), toward
// the left of p -> r on the page for positive bulges; p itself for a chord shorter than 0.1.
QPoint BulgePoint(QPoint p, QPoint r, int bulge);

// The arc over the chord p -> r bulging by the given height (on BulgePoint's side). Returns
// false, leaving the record alone, when the chord is shorter than 0.9 with a non-zero bulge.
bool ArcFromChord(QPoint p, QPoint r, int bulge, TArcRecord& arc);
