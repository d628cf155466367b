#pragma once
// Mapping a rectangle of a bitmap onto a quadrilateral (nearest neighbour, 16.16 fixed
// point), and the rotation of bitmaps by any angle built on it.
#include "core/persistent/color_type.h"

#include <QImage>
#include <QPointF>
#include <array>

// Corners in the order of the source rectangle's top-left, top-right, bottom-right and
// bottom-left. The destination takes the source's pixel format (and palette), is sized to
// the corners' bounding box, filled with the background colour (the nearest palette entry
// for indexed bitmaps; black for clNone), and the rectangle is mapped onto the quadrilateral shifted so that
// the box starts at (0, 0). Returns the box's top-left corner. Sources of 8, 16, 24 and 32
// bits per pixel only: for others, and for a box without area, nothing happens.
QPoint MapRectToQuad(QImage& destination, const QImage& source, const QRect& sourceRect,
                     const std::array<QPointF, 4>& corners, TColor background);

// The corners of the rectangle (0, 0, size) turned about (0, 0) by whole degrees (clockwise on
// the page), in the corner order MapRectToQuad takes.
std::array<QPointF, 4> TurnedRectCorners(QSize size, int angle);
// The rectangle (0, 0, size) of the source rotated about (0, 0) by whole degrees
// (clockwise on the page), into a bitmap as large as the rotated rectangle's bounding box,
// the uncovered corners in the background colour.
void RotateBitmap(const QImage& source, QImage& destination, int angle, TColor background, QSize size);

// A bitmap with its transparency mask (white where transparent) rotated as one: the mask is
// rotated as a 24-bit bitmap with white around it, so uncovered corners are transparent.
void RotateBitmap(const QImage& source, const QImage& mask, QImage& destination, QImage& destinationMask, int angle,
                  TColor background, QSize size);
