#pragma once
// Drawing the arc through three points (start, intermediate, end) as line segments: a
// parabola when the arc is nearly flat or huge, else segments every 2 degrees; and the arc
// drawn with a wide pen as a closed outline to be filled.
#include <QPoint>
#include <QPolygon>

class TCanvas;

// The arc's polyline from p through m to r.
QPolygon ArcPolyline(QPoint p, QPoint m, QPoint r);

// The closed outline of the arc drawn with a pen of the given width: the outer edge forward,
// the inner edge backward.
QPolygon ThickArcOutline(QPoint p, QPoint m, QPoint r, int penWidth);

// ArcPolyline drawn with the canvas's pen, in logical units.
void DrawArc3(TCanvas& canvas, QPoint p, QPoint m, QPoint r);

// ThickArcOutline filled with the canvas's brush and no pen, in logical units.
void DrawThickArc3(TCanvas& canvas, QPoint p, QPoint m, QPoint r, int penWidth);
