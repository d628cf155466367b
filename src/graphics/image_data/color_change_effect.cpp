#include "graphics/color/color_rgb.h"
#include "graphics/image_data/effects.h"

#include <cstring>

void TGREffectColorChange::Execute(const QImage& source, const QRect& rect, QImage& out)
{
    const int bpp = EffectPixelBytes(source);
    const int find = ColorToRGB(find_);
    const int put = ColorToRGB(put_);
    // The colours as the pixels hold them: B, G, R bytes; as a 32-bit pixel 0xFFRRGGBB, the
    // fourth byte at its unused value, so that a pixel whose fourth byte carries anything
    // else does not match.
    const std::uint8_t findBytes[3] = {BlueOf(find), GreenOf(find), RedOf(find)};
    const std::uint8_t putBytes[3] = {BlueOf(put), GreenOf(put), RedOf(put)};
    const std::uint32_t findPixel = 0xFF000000u | std::uint32_t(RedOf(find)) << 16 | GreenOf(find) << 8 | BlueOf(find);
    const std::uint32_t putPixel = 0xFF000000u | std::uint32_t(RedOf(put)) << 16 | GreenOf(put) << 8 | BlueOf(put);
    StartProgress(SweepSteps(rect.height()));
    for (int y = 0; y < rect.height(); ++y) {
        const std::uint8_t* from = source.constScanLine(rect.top() + y) + std::size_t(rect.left()) * bpp;
        std::uint8_t* to = out.scanLine(y);
        for (int x = 0; x < rect.width(); ++x, from += bpp, to += bpp) {
            if (bpp == 3) {
                std::memcpy(to, std::memcmp(from, findBytes, 3) == 0 ? putBytes : from, 3);
                continue;
            }
            std::uint32_t pixel;
            std::memcpy(&pixel, from, 4);
            if (pixel == findPixel)
                std::memcpy(to, &putPixel, 4);
            else
                std::memcpy(to, from, 3);
        }
        if (IsProgressRow(y))
            StepProgress();
    }
    EndProgress();
}
