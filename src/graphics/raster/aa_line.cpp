#include "graphics/raster/aa_line.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace {

constexpr double kMaxExtent = 1024.0;
constexpr int kOne = 65536; // 1.0 in 16.16

// Entry j: the perpendicular distance covered by one step along the minor axis of a line of
// slope j / 1024, in 16.16: 65536 / sqrt(1 + (j / 1024)^2), rounded.
const std::array<int, 1025>& SlopeTable()
{
    static const std::array<int, 1025> table = [] {
        std::array<int, 1025> entries{};
        for (int j = 0; j <= 1024; ++j)
            entries[j] = int(std::lround(kOne / std::sqrt(1.0 + (j / 1024.0) * (j / 1024.0))));
        return entries;
    }();
    return table;
}

// The share of a disk of radius r beyond a chord at signed distance x from its centre.
double ShareBeyondChord(double x, double r)
{
    if (x <= -r)
        return 1.0;
    if (x >= r)
        return 0.0;
    return 0.5 - (x * std::sqrt(r * r - x * x) + r * r * std::asin(x / r)) / (std::numbers::pi * r * r);
}

// The walk of one line from (x0, y0) to (x1, y1): for every pixel of the major axis the
// centre pixel and its neighbours along the minor axis while their distance stays below the
// end of the profile. Only pixels whose major coordinate lies inside bounds (when given) are
// walked: the state of any step follows in closed form from the incremental rules (the
// minor offset after i steps is floor((2 minor i + major - 1) / (2 major)), and each step
// adds the integer v, less u on a minor step), so starting late gives the same values.
template <class Plotter>
void WalkLine(const auto& profile, int x0, int y0, int x1, int y1, const QRect& bounds, Plotter&& plot)
{
    if (x0 > x1) {
        std::swap(x0, x1);
        std::swap(y0, y1);
    }
    const std::int64_t dx = std::int64_t(x1) - x0;
    const std::int64_t dy = std::int64_t(y1) - y0;
    const std::int64_t ady = dy < 0 ? -dy : dy;
    if (dx == 0 && dy == 0) {
        plot(x0, y0, profile.At(0));
        return;
    }
    const int ySign = dy < 0 ? -1 : 1;
    const bool xMajor = dx >= ady;
    const std::int64_t major = xMajor ? dx : ady;
    const std::int64_t minor = xMajor ? ady : dx;
    // Steps along the major and the minor axis.
    const int majorX = xMajor ? 1 : 0, majorY = xMajor ? 0 : ySign;
    const int minorX = xMajor ? 0 : 1, minorY = xMajor ? ySign : 0;

    const int slope = int((minor << 16) / major); // 0 .. 65536
    const int u = SlopeTable()[slope >> 6];
    const int v = int((std::int64_t(slope) * u + kOne / 2) >> 16);
    const int limit = profile.Limit;

    std::int64_t first = 0, last = major;
    if (!bounds.isNull()) {
        if (xMajor) {
            first = std::max<std::int64_t>(first, std::int64_t(bounds.left()) - x0);
            last = std::min<std::int64_t>(last, std::int64_t(bounds.right()) - x0);
        } else if (ySign > 0) {
            first = std::max<std::int64_t>(first, std::int64_t(bounds.top()) - y0);
            last = std::min<std::int64_t>(last, std::int64_t(bounds.bottom()) - y0);
        } else {
            first = std::max<std::int64_t>(first, std::int64_t(y0) - bounds.bottom());
            last = std::min<std::int64_t>(last, std::int64_t(y0) - bounds.top());
        }
        if (first > last)
            return;
    }

    // e: signed perpendicular distance from the pixel centre to the ideal line, positive when
    // the line lies on the minor step's side.
    // 2 minor first needs up to 66 bits for lines across the whole coordinate range.
    const std::int64_t q = std::int64_t((__int128(2) * minor * first + major - 1) / (__int128(2) * major));
    std::int64_t e = first * v - q * u;
    std::int64_t error =
        std::int64_t(__int128(2) * minor - major + __int128(2) * minor * first - __int128(2) * major * q);
    std::int64_t x = x0 + first * majorX + q * minorX;
    std::int64_t y = y0 + first * majorY + q * minorY;
    for (std::int64_t i = first; i <= last; ++i) {
        // Rounding of v makes e drift by at most half a unit per step; the clamp only keeps
        // absurdly long lines within integer range.
        const int centre = int(std::clamp<std::int64_t>(e, -(limit + 2 * u), limit + 2 * u));
        plot(int(x), int(y), profile.At(centre));
        int k = 1;
        for (int distance = u - centre; distance < limit; distance += u, ++k)
            plot(int(x + k * minorX), int(y + k * minorY), profile.At(distance));
        k = 1;
        for (int distance = u + centre; distance < limit; distance += u, ++k)
            plot(int(x - k * minorX), int(y - k * minorY), profile.At(distance));
        if (error > 0) {
            x += minorX;
            y += minorY;
            error -= 2 * major;
            e += v - u;
        } else {
            e += v;
        }
        error += 2 * minor;
        x += majorX;
        y += majorY;
    }
}

} // namespace

void TAALineRec::SetHalfWidth(double w)
{
    halfWidth_ = std::clamp(w, 0.0, kMaxExtent);
    rebuild_ = true;
}

void TAALineRec::SetFilterRadius(double r)
{
    filterRadius_ = std::clamp(r, 0.0, kMaxExtent);
    rebuild_ = true;
}

void TAALineRec::SetIntensity(double k)
{
    intensity_ = std::max(0.0, k);
    rebuild_ = true;
}

int TAALineRec::Profile(double distance, double halfWidth, double filterRadius, double intensity)
{
    const double share = ShareBeyondChord(distance - halfWidth, filterRadius) -
                         ShareBeyondChord(distance + halfWidth, filterRadius);
    return std::clamp(int(std::floor(255.0 * intensity * share + 0.5)), 0, 255);
}

void TAALineRec::Rebuild()
{
    const double extent = halfWidth_ + filterRadius_;
    TProfile profile;
    // At least 64 samples per pixel of distance, and finer for profiles shorter than a pixel.
    profile.Shift = extent > 0 ? std::clamp(10 + int(std::floor(std::log2(extent))), 0, 10) : 10;
    profile.Limit = int(std::lround(extent * kOne)) & ~((1 << profile.Shift) - 1);
    const int samples = profile.Limit >> profile.Shift;
    profile.Values.assign(samples + 2, 0);
    for (int i = 0; i < samples; ++i)
        profile.Values[i] =
            std::uint8_t(Profile(double(i << profile.Shift) / kOne, halfWidth_, filterRadius_, intensity_));

    // The dot reaches one pixel past the last whole-pixel distance below the profile's end.
    const int m = std::max(1, int(std::ceil(extent)));
    const int side = 2 * m + 1;
    profile.DotRadius = m;
    profile.Dot.assign(side * side, 0);
    for (int j = -m; j <= m; ++j)
        for (int i = -m; i <= m; ++i) {
            double distance = std::hypot(double(i), double(j));
            if (i != 0 && j != 0 && distance > m - 1)
                continue;
            profile.Dot[(j + m) * side + (i + m)] =
                std::uint8_t(Profile(distance, halfWidth_, filterRadius_, intensity_));
        }
    profile_ = std::move(profile);
    rebuild_ = false;
}

const TAALineRec::TProfile& TAALineRec::Tables()
{
    if (rebuild_)
        Rebuild();
    return profile_;
}

int TAALineRec::Coverage(int distance)
{
    return Tables().At(distance);
}

void TAALineRec::Walk(int x0, int y0, int x1, int y1)
{
    WalkLine(Tables(), x0, y0, x1, y1, QRect(), [this](int x, int y, int value) { Plot(x, y, value); });
}

void TAALineRec::Line(int x0, int y0, int x1, int y1)
{
    Walk(x0, y0, x1, y1);
    position_ = {x1, y1};
}

void TAALineRec::LineTo(int x, int y)
{
    Line(position_.x(), position_.y(), x, y);
}

void TAALineRec::Dot(int x, int y)
{
    const TProfile& profile = Tables();
    const int m = profile.DotRadius;
    const int side = 2 * m + 1;
    for (int j = -m; j <= m; ++j)
        for (int i = -m; i <= m; ++i)
            if (const int value = profile.Dot[(j + m) * side + (i + m)])
                Plot(x + i, y + j, value);
}

void TAALineAlphaMap::Plot(int x, int y, int value)
{
    if (!map_ || unsigned(x) >= unsigned(map_->width()) || unsigned(y) >= unsigned(map_->height()))
        return;
    std::uint8_t& pixel = map_->scanLine(y)[x];
    pixel = std::max<std::uint8_t>(pixel, std::uint8_t(value));
}

void TAALineAlphaMap::Walk(int x0, int y0, int x1, int y1)
{
    if (!map_)
        return;
    const int width = map_->width();
    const int height = map_->height();
    std::uint8_t* bits = map_->bits();
    const qsizetype stride = map_->bytesPerLine();
    WalkLine(Tables(), x0, y0, x1, y1, map_->rect(), [=](int x, int y, int value) {
        if (unsigned(x) < unsigned(width) && unsigned(y) < unsigned(height)) {
            std::uint8_t& pixel = bits[y * stride + x];
            if (pixel < value)
                pixel = std::uint8_t(value);
        }
    });
}
