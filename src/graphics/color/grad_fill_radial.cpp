// The radial and angular gradients: both measure each cell from the centre of the grid
// (63.5, 63.5) in 1/4096 of a cell or of a radian. Neither measure depends on the colours
// or the angle, so each is computed once.
#include "core/canvas/units.h"
#include "graphics/color/grad_fill.h"

#include <cmath>
#include <numbers>

namespace {

constexpr long double kCentre = 63.5L;
constexpr int kPi = 12868;      // pi in 1/4096 radian
constexpr int kTwoPi = 25736;   // 2 pi
constexpr int kUnitsPerRadian = 4096;

using TCellTable = std::array<int, kGradMapSize * kGradMapSize>;

// The radial indices: d = round(hypot(x - 63.5, y - 63.5) x 4096); 0 at d <= 0, 1023 from the
// radius on, else MulDiv(d, 1024, radius) (1024 counting as 1023).
const TCellTable& CircleIndices()
{
    static const TCellTable table = [] {
        TCellTable cells{};
        for (int y = 0; y < kGradMapSize; ++y)
            for (int x = 0; x < kGradMapSize; ++x) {
                const long long d = std::llround(std::hypot(x - kCentre, y - kCentre) * kUnitsPerRadian);
                int index = 0;
                if (d >= TGradFillCircle::kRadius)
                    index = kGradPaletteSize - 1;
                else if (d > 0)
                    index = std::min(MulDiv(int(d), kGradPaletteSize, TGradFillCircle::kRadius), kGradPaletteSize - 1);
                cells[std::size_t(y) * kGradMapSize + std::size_t(x)] = index;
            }
        return cells;
    }();
    return table;
}

// The direction of each cell from the centre: round(atan2(x - 63.5, y - 63.5) x 4096), 0
// pointing down, pi/2 right, -pi/2 left, +-pi up.
const TCellTable& CellDirections()
{
    static const TCellTable table = [] {
        TCellTable cells{};
        for (int y = 0; y < kGradMapSize; ++y)
            for (int x = 0; x < kGradMapSize; ++x)
                cells[std::size_t(y) * kGradMapSize + std::size_t(x)] =
                    int(std::llround(std::atan2(x - kCentre, y - kCentre) * kUnitsPerRadian));
        return cells;
    }();
    return table;
}

} // namespace

void TGradFillCircle::BuildMap()
{
    const TCellTable& indices = CircleIndices();
    for (int y = 0; y < kGradMapSize; ++y)
        for (int x = 0; x < kGradMapSize; ++x)
            SetIndex(x, y, indices[std::size_t(y) * kGradMapSize + std::size_t(x)]);
}

TGradFillCone::TGradFillCone(int angle)
    : startAngle_(int(std::llround(angle * (std::numbers::pi_v<long double> / 180) * kUnitsPerRadian) % kTwoPi))
{
}

void TGradFillCone::BuildPalette()
{
    SpreadPalette(ColorCount() + 1);
}

void TGradFillCone::BuildMap()
{
    const TCellTable& directions = CellDirections();
    for (int y = 0; y < kGradMapSize; ++y)
        for (int x = 0; x < kGradMapSize; ++x) {
            int n = directions[std::size_t(y) * kGradMapSize + std::size_t(x)] + startAngle_;
            while (n < -kPi)
                n += kTwoPi;
            while (n > kPi)
                n -= kTwoPi;
            int index;
            if (n <= -kPi)
                index = 0;
            else if (n >= kPi)
                index = kGradPaletteSize - 1;
            else
                index = std::min(MulDiv(n + kPi, kGradPaletteSize, kTwoPi), kGradPaletteSize - 1);
            SetIndex(x, y, index);
        }
}
