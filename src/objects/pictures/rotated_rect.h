#pragma once
// Geometry shared by objects drawn as a rectangle turned about its centre (pictures and
// shade figures): the turned corners, their bounding box, hit testing, the outline, resizing
// by the bounding box and fitting a picture's natural size into the object.
#include "core/canvas/rect.h"

#include <QPolygon>
#include <QSize>

class TCanvas;

// The four corners of the rectangle (top-left, top-right, bottom-right, bottom-left) turned
// by whole degrees about its centre, clockwise on the page.
QPolygon RotatedCorners(const TRect& rect, int angle);
// The bounding box of the turned corners.
TRect RotatedBounds(const TRect& rect, int angle);
// True when the point lies inside the turned corners (alternate fill rule).
bool HitRotatedRect(const TRect& rect, int angle, QPoint logical);
// The turned rectangle as a closed outline in the canvas's pen.
void DrawRotatedOutline(TCanvas& canvas, const TRect& rect, int angle);
// The rectangle resized so that its bounding box gets the requested size: unturned, width
// and height are set directly; turned, they are scaled by requested / current bounding size.
// Left and top stay.
TRect ResizeRotatedRect(const TRect& rect, int angle, int width, int height);
// The rectangle an object takes for a picture of that natural logical size: unplaced, the
// natural size at the object's top-left; placed, the natural size fitted (aspect kept) into
// the square of side max(width, height) centred on the object.
TRect FitNaturalSize(const TRect& rect, QSize natural, bool placed);
