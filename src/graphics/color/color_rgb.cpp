#include "graphics/color/color_rgb.h"

int ColorToRGB(TColor color)
{
    if (color >= 0)
        return color & 0xFFFFFF;
    const QColor resolved = ToQColor(color);
    return resolved.red() | resolved.green() << 8 | resolved.blue() << 16;
}
