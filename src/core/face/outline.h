#pragma once
// Closed outlines on a rectangle (rectangle, ellipse, rounded rectangle, barrel), as paths
// to draw and as regions to clip and hit-test. Coordinates are whatever units the caller
// works in: logical units, or device pixels after conversion.
#include "core/canvas/rect.h"

#include <QPainterPath>
#include <QRegion>
#include <QSize>

enum class TOutlineKind {
    Rectangle,
    Ellipse,
    RoundRect, // corner ellipse of a given size
    Barrel,    // the part of the circle on the longer side that lies inside the rectangle
};

// The outline as a closed path; corner is the corner ellipse's size for RoundRect.
QPainterPath OutlinePath(TOutlineKind kind, const TRect& rect, QSize corner = {});

// The area inside the outline as a region of whole units (right and bottom edges
// excluded, as for a rectangle).
QRegion OutlineRegion(TOutlineKind kind, const TRect& rect, QSize corner = {});

// The barrel outline of a rectangle: two circular arcs joined by straight edges along the
// two longer sides (zero-length edges for a square, which gives a circle).
QPainterPath BarrelPath(const TRect& rect);

// Appends to the path (whose current point is p) the circular arc from p through m to r,
// ending exactly at r; collinear points give the two straight segments.
void AppendArcThrough(QPainterPath& path, QPointF p, QPointF m, QPointF r);
