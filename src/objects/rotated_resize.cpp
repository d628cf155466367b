#include "objects/rotated_resize.h"

#include "core/canvas/units.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

int Scaled(int value, int requested, int current)
{
    if (current == 0)
        return value;
    return std::max(0, MulDiv(value, requested, current));
}

} // namespace

QSize ScaleTurnedSize(QSize size, int angle, QSize requestedBounds, QSize currentBounds)
{
    const double radians = angle * std::numbers::pi / 180.0;
    const bool across = std::abs(std::sin(radians)) > std::abs(std::cos(radians));
    if (across)
        return {Scaled(size.width(), requestedBounds.height(), currentBounds.height()),
                Scaled(size.height(), requestedBounds.width(), currentBounds.width())};
    return {Scaled(size.width(), requestedBounds.width(), currentBounds.width()),
            Scaled(size.height(), requestedBounds.height(), currentBounds.height())};
}
