#pragma once
// Where painting lands on a canvas in device pixels, for fills that work on pixels directly.
#include "core/canvas/rect.h"

#include <QRect>

class QPainter;
class TCanvas;

// The logical rectangle mapped through the painter's transform, normalised; coordinates
// beyond +-2^29 pixels are held there, so that neither the mapping of a damaged rectangle
// nor its width overflows.
QRect DeviceRectOf(const QPainter& painter, const TRect& rect);

// The device pixels that can show: the clip's bounds, or the whole device without a clip
// (empty when neither is known).
QRect VisibleDeviceArea(const TCanvas& canvas);
