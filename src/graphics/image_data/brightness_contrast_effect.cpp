#include "graphics/image_data/effects.h"

#include <algorithm>
#include <cmath>

std::array<std::uint8_t, 256> TGREffectBrightnessContrast::BuildTable(int brightness, int contrast)
{
    const long double b = std::clamp<long double>(brightness / 100.0L, -1, 1);
    const long double c = std::clamp<long double>(contrast / 100.0L, -1, 1);
    std::array<std::uint8_t, 256> table{};
    for (int j = 0; j < 256; ++j) {
        const long double v = b + j / 255.0L;
        const long double e = v - 0.5L;
        long double f;
        if (c < 0)
            f = e * (c + 1) + 0.5L;
        else if (c < 1)
            f = e / (1 - c) + 0.5L;
        else
            f = v >= 0.5L ? 1 : 0;
        table[j] = std::uint8_t(std::clamp<long double>(std::trunc(f * 255 + 0.5L), 0, 255));
    }
    return table;
}

void TGREffectBrightnessContrast::Execute(const QImage& source, const QRect& rect, QImage& out)
{
    const int bpp = EffectPixelBytes(source);
    StartProgress(SweepSteps(rect.height()) + 1);
    const auto table = BuildTable(brightness_, contrast_);
    StepProgress();
    for (int y = 0; y < rect.height(); ++y) {
        const std::uint8_t* from = source.constScanLine(rect.top() + y) + std::size_t(rect.left()) * bpp;
        std::uint8_t* to = out.scanLine(y);
        if (bpp == 3) {
            for (int i = 0; i < rect.width() * 3; ++i)
                to[i] = table[from[i]];
        } else {
            for (int x = 0; x < rect.width(); ++x, from += 4, to += 4) {
                to[0] = table[from[0]];
                to[1] = table[from[1]];
                to[2] = table[from[2]];
            }
        }
        if (IsProgressRow(y))
            StepProgress();
    }
    EndProgress();
}
