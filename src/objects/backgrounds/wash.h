#pragma once
// The wash of a background: a second paint blended over the fill through a greyscale map
// stretched over the fill's rectangle, at a strength in percent. Only the part of the fill
// inside the canvas's clip box (and 5 pixels around it) is made, in three off-screen images:
// the wash paint, the map and the fill.
#include "core/canvas/rect.h"

#include <QImage>

class TCanvas;
class TColorSpec;
class TPictureEx;

// The picture's pixels as an 8-bit grey map (0 black .. 255 white): grey pictures keep
// their levels, colour ones are converted by their luminance (0.299 R + 0.587 G + 0.114 B).
// Null for an empty picture.
QImage WashMap(const TPictureEx& picture);

// Paints fill into the logical rectangle with wash blended over it through the map (any
// size; it is stretched over the rectangle) with ratio percent. Nothing for a null map.
void PaintWash(TCanvas& canvas, const TRect& fillRect, const TColorSpec& fill, const TColorSpec& wash,
               const QImage& map, int ratio);
