#pragma once
// What the shape and line objects share: outlines widened by a geometric pen, clipping a
// canvas to a logical outline (so that a colour specification fills the object's bounds
// through it), the one-pixel hit test and the logical size of screen pixels.
#include "core/canvas/rect.h"

#include <QPainterPath>
#include <functional>

class QPainter;
class TCanvas;
class TDrawObject;

// The area a geometric pen of the width covers when it draws the path (winding fill).
QPainterPath WidenPath(const QPainterPath& path, int width, Qt::PenCapStyle cap, Qt::PenJoinStyle join);

// The smallest integer rectangle holding the path (Right and Bottom exclusive).
TRect PathBounds(const QPainterPath& path);

// Makes the logical path (taken with its fill rule) the canvas's clip, intersected with the
// clip it has.
void IntersectClipPath(TCanvas& canvas, const QPainterPath& logicalPath);

// True when drawing onto a one-pixel bitmap placed at the logical point (one logical unit
// per pixel, no smoothing) turns its pixel black.
bool HitsPixel(QPoint logical, const std::function<void(QPainter& painter)>& draw);

// The logical size of the given number of screen pixels of the object's draw site, at least
// 1; the fallback when the object is not on a draw site.
int ScreenPixelsInUnits(const TDrawObject& object, int pixels, int fallback);

// True while the object paints itself on its own draw site's screen (not onto a foreign
// canvas for export, preview or printing).
bool IsOwnScreenPaint(const TDrawObject& object);

// Fills the path with full coverage on an alpha map mapped to logical units.
void FillMask(TCanvas& mask, const QPainterPath& logicalPath);
