#include "graphics/image_data/box_blur.h"
#include "graphics/image_data/effects.h"

#include <algorithm>
#include <cmath>

void TGREffectUnsharpMask::Execute(const QImage& source, const QRect& rect, QImage& out)
{
    const int bpp = EffectPixelBytes(source);
    StartProgress(SweepSteps(rect.height()) + 1);
    // Strengths round half to even; a strength below one half sharpens nothing.
    const double rounded = std::nearbyint(std::clamp<double>(strength_, 0, kMaxBlurPasses));
    const int passes = std::isnan(rounded) ? 0 : int(rounded);
    if (passes > 0)
        BoxBlur(source, rect, passes, out, {});
    else
        out = source.copy(rect);
    StepProgress();
    for (int y = 0; y < rect.height(); ++y) {
        const std::uint8_t* from = source.constScanLine(rect.top() + y) + std::size_t(rect.left()) * bpp;
        std::uint8_t* to = out.scanLine(y);
        for (int x = 0; x < rect.width(); ++x, from += bpp, to += bpp) {
            for (int c = 0; c < 3; ++c)
                to[c] = std::uint8_t(std::clamp(2 * from[c] - to[c], 0, 255));
            if (bpp == 4)
                to[3] = 0xFF;
        }
        if (IsProgressRow(y))
            StepProgress();
    }
    EndProgress();
}
