#include "graphics/color/color_rgb.h"
#include "graphics/image_data/effects.h"

#include <algorithm>
#include <cmath>

namespace {

// An angle in degrees brought into [0, 360).
long double WrapDegrees(long double h)
{
    if (h < 0)
        h += 360;
    if (h >= 360)
        h -= 360;
    return h;
}

// One channel of an HSL colour from its two mixing values at hue h.
long double HslChannel(long double m1, long double m2, long double h)
{
    h = WrapDegrees(h);
    if (h < 60)
        return m1 + (m2 - m1) * h / 60;
    if (h < 180)
        return m2;
    if (h < 240)
        return m1 + (m2 - m1) * (240 - h) / 60;
    return m1;
}

std::uint8_t ToByte(long double value)
{
    return std::uint8_t(std::clamp<long double>(std::trunc(value * 255), 0, 255));
}

} // namespace

std::array<std::array<std::uint8_t, 3>, 256> TGREffectMonoTone::BuildTable(TColor color)
{
    const int rgb = ColorToRGB(color);
    const long double r = RedOf(rgb) / 255.0L;
    const long double g = GreenOf(rgb) / 255.0L;
    const long double b = BlueOf(rgb) / 255.0L;
    const long double max = std::max({r, g, b});
    const long double min = std::min({r, g, b});
    const long double lightness = (max + min) / 2;
    long double hue = 0;
    long double saturation = 0;
    if (max != min) {
        const long double d = max - min;
        saturation = lightness <= 0.5L ? d / (max + min) : d / (2 - max - min);
        if (r == max)
            hue = (g - b) / d;
        else if (g == max)
            hue = (b - r) / d + 2;
        else
            hue = (r - g) / d + 4;
        hue = WrapDegrees(hue * 60);
    }

    std::array<std::array<std::uint8_t, 3>, 256> table{};
    for (int j = 0; j < 256; ++j) {
        const long double l = j / 255.0L;
        if (saturation == 0) {
            table[j].fill(ToByte(l));
            continue;
        }
        const long double m2 = l <= 0.5L ? l * (1 + saturation) : l + saturation - l * saturation;
        const long double m1 = 2 * l - m2;
        table[j] = {ToByte(HslChannel(m1, m2, hue + 120)), ToByte(HslChannel(m1, m2, hue)),
                    ToByte(HslChannel(m1, m2, hue - 120))};
    }
    return table;
}

void TGREffectMonoTone::Execute(const QImage& source, const QRect& rect, QImage& out)
{
    const int bpp = EffectPixelBytes(source);
    StartProgress(SweepSteps(rect.height()) + 1);
    const auto table = BuildTable(color_);
    StepProgress();
    for (int y = 0; y < rect.height(); ++y) {
        const std::uint8_t* from = source.constScanLine(rect.top() + y) + std::size_t(rect.left()) * bpp;
        std::uint8_t* to = out.scanLine(y);
        for (int x = 0; x < rect.width(); ++x, from += bpp, to += bpp) {
            const auto& shade = table[(29 * from[0] + 150 * from[1] + 77 * from[2]) >> 8];
            to[0] = shade[2];
            to[1] = shade[1];
            to[2] = shade[0];
        }
        if (IsProgressRow(y))
            StepProgress();
    }
    EndProgress();
}
