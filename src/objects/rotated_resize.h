#pragma once
// Resizing a turned object by the ratio of its requested to its current bounding box.
#include <QSize>

// The object's own size scaled by requested / current bounding size (multiply, then divide
// with rounding). When the object is turned more than 45 degrees away from its axes
// (|sin| > |cos|), its width lies along the box's height and its height along the box's
// width, so the two ratios change places. A bounding side of 0 leaves that side as it is;
// no side comes out negative.
QSize ScaleTurnedSize(QSize size, int angle, QSize requestedBounds, QSize currentBounds);
