// The linear and box gradients: both measure each cell along the angle's direction in 16.16
// fixed point; the box also measures across it.
#include "graphics/color/grad_fill.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numbers>

namespace {

constexpr std::int64_t kHalf = 33554432; // 2^25: half the grid's span in 16.16

// The terms of one angle: theta = (360 - angle) degrees, s = sin theta, c = cos theta,
// k = max(|s|, |c|), A = s k 2^25, B = c k 2^25, in extended precision; then the per-cell
// steps trunc(2A/127), trunc(2B/127).
struct TLinearTerms {
    long double A;
    long double B;
    std::int64_t StepA;
    std::int64_t StepB;

    explicit TLinearTerms(int angle)
    {
        const long double theta = (360.0L - angle) * (std::numbers::pi_v<long double> / 180);
        const long double s = std::sin(theta);
        const long double c = std::cos(theta);
        const long double k = std::max(std::fabs(s), std::fabs(c));
        A = s * k * kHalf;
        B = c * k * kHalf;
        StepA = std::int64_t(std::trunc(2 * A / 127));
        StepB = std::int64_t(std::trunc(2 * B / 127));
    }

    // The position of cell (x, y) along the direction, 0 ... 2^26 across the square.
    std::int64_t Along(int x, int y) const
    {
        return x * StepA + y * StepB - std::int64_t(std::trunc(B)) - std::int64_t(std::trunc(A - kHalf));
    }
};

} // namespace

void TGradFillAngled::BuildMap()
{
    const TLinearTerms terms(angle_);
    for (int y = 0; y < kGradMapSize; ++y)
        for (int x = 0; x < kGradMapSize; ++x) {
            const std::int64_t v = terms.Along(x, y);
            SetIndex(x, y, v < 0 ? 0 : int(std::min<std::int64_t>(v >> 16, kGradPaletteSize - 1)));
        }
}

void TGradFillDiamond::BuildMap()
{
    const TLinearTerms terms(angle_);
    const std::int64_t acrossOrigin =
        std::int64_t(std::trunc(terms.A)) - std::int64_t(std::trunc(terms.B - kHalf));
    const std::int64_t acrossStepY = std::int64_t(std::trunc(-2 * terms.A / 127));
    for (int y = 0; y < kGradMapSize; ++y)
        for (int x = 0; x < kGradMapSize; ++x) {
            const std::int64_t u = terms.Along(x, y);
            const std::int64_t w = acrossOrigin + x * terms.StepB + y * acrossStepY;
            const std::int64_t distance = std::max(std::llabs(2 * u - 2 * kHalf), std::llabs(2 * w - 2 * kHalf));
            SetIndex(x, y, int(std::min<std::int64_t>(distance / 65536, kGradPaletteSize - 1)));
        }
}
