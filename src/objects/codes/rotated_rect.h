#pragma once
// The geometry that rectangle objects turned about their centre share: the turn itself as
// a transform in exact (unrounded) logical coordinates, the turned outline, its hit test
// and bounds, and resizing by the requested bounding size.
#include "core/canvas/rect.h"

#include <QPolygonF>
#include <QTransform>

class TCanvas;

// Turns logical points by angle degrees (clockwise on the page) about the exact centre of
// the rectangle.
QTransform RotationAbout(const TRect& rect, int angle);

// The centre the turn is about, rounded down to whole units (summed in 64 bits, so that
// no stored rectangle overflows).
QPoint RotationCentre(const TRect& rect);

// The rectangle's four corners turned about its centre, clockwise from the top-left.
QPolygonF RotatedRectPolygon(const TRect& rect, int angle);

// Whether the point lies inside the turned rectangle (winding rule).
bool RotatedRectContains(const TRect& rect, int angle, QPoint point);

// The smallest integer rectangle that holds the turned rectangle (equal to the rectangle
// when the angle is a multiple of 360).
TRect RotatedRectBounds(const TRect& rect, int angle);

// The turned rectangle as a closed outline with the canvas's pen and no fill.
void DrawRotatedRectOutline(TCanvas& canvas, const TRect& rect, int angle);

// The rectangle resized so that its turned bounds take the requested size: unturned, the
// size itself; turned, width and height scaled by the ratios of requested to current
// bounding size, each ratio applied to the side that lies mostly along its axis (so a
// quarter turn scales the width by the height ratio). Left and Top are kept.
TRect RotatedResize(const TRect& rect, int angle, int width, int height);
