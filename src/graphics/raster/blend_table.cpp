#include "graphics/raster/blend_table.h"

#include "core/canvas/units.h"

#include <algorithm>
#include <array>

namespace {

constexpr int kColumns = 511; // differences -255 .. +255

using TBlendTable = std::array<std::array<std::uint8_t, kColumns>, 256>;

const TBlendTable& Table()
{
    static const TBlendTable table = [] {
        TBlendTable rows{};
        for (int a = 0; a < 256; ++a)
            for (int d = -255; d <= 255; ++d)
                rows[a][d + 255] = static_cast<std::uint8_t>(a * d / 255); // C++ division truncates toward zero
        return rows;
    }();
    return table;
}

} // namespace

const std::uint8_t* BlendTableRow(int alpha)
{
    return Table()[std::clamp(alpha, 0, 255)].data() + 255;
}

int RatioAlpha(int alpha, int ratio)
{
    return std::min(255, MulDiv(alpha, std::clamp(ratio, 0, 100), 100));
}
