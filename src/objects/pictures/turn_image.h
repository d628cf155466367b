#pragma once
// Turning a whole bitmap as pictures and shade figures do: the image is mapped onto the
// rectangle (0, 0, size) turned about (0, 0) by whole degrees, clockwise on the page, into a
// bitmap as large as its bounding box; uncovered pixels take the background colour.
#include "core/persistent/color_type.h"

#include <QImage>
#include <QSize>

QImage TurnImage(const QImage& image, QSize size, int angle, TColor background);
