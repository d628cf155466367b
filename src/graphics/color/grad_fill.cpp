#include "graphics/color/grad_fill.h"

#include <algorithm>
#include <cmath>

void TGradFill::SetColors(const TColor* colors, int count)
{
    count_ = std::max(count, 0);
    colors_.assign(colors, colors + count_);
    colors_.push_back(count_ > 0 ? colors[0] : clBlack);
}

void TGradFill::BuildPalette()
{
    SpreadPalette(count_);
}

void TGradFill::SpreadPalette(int n)
{
    if (n <= 0)
        return;
    const auto channel = [](TColor color, int shift) { return (color >> shift) & 0xFF; };
    for (int a = 0; a < kGradPaletteSize; ++a) {
        const long double p = (long double)(reverse_ ? kGradPaletteSize - 1 - a : a) * (n - 1) / kGradPaletteSize;
        const int i = int(p);
        const long double f = p - i;
        const TColor from = colors_[std::size_t(i)];
        const TColor to = colors_[std::size_t(i) + 1]; // i < n - 1 unless n is 1: the spare slot
        for (int c = 0; c < 3; ++c) {
            const int start = channel(from, 8 * c);
            const int value = start + int(std::trunc(f * (channel(to, 8 * c) - start)));
            palette_[std::size_t(a)][std::size_t(c)] = std::uint8_t(std::clamp(value, 0, 255));
        }
    }
}

void TGradFill::RenderMap(QImage& image)
{
    BuildMap();
    BuildPalette();
    if (image.size() != QSize(kGradMapSize, kGradMapSize) || image.format() != QImage::Format_BGR888)
        image = QImage(kGradMapSize, kGradMapSize, QImage::Format_BGR888);
    for (int y = 0; y < kGradMapSize; ++y) {
        std::uint8_t* row = image.scanLine(y);
        for (int x = 0; x < kGradMapSize; ++x, row += 3) {
            const TPaletteEntry& colour = palette_[MapIndex(x, y)];
            row[0] = colour[2];
            row[1] = colour[1];
            row[2] = colour[0];
        }
    }
}
