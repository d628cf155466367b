#include "objects/backgrounds/ring_sector_warp.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <numbers>

namespace {

constexpr double kDegree = std::numbers::pi / 180.0;

} // namespace

void RingSectorWarp(QImage& colour, QImage& mask, const QImage& picture, const TRingSector& sector, bool transform,
                    bool reverse)
{
    const QImage source = picture.convertToFormat(QImage::Format_BGR888);
    if (source.isNull() || colour.format() != QImage::Format_BGR888 || mask.depth() != 8 ||
        mask.size() != colour.size() || !(sector.Outer > sector.Inner) || !(sector.Angle > 0))
        return;
    const int sw = source.width(), sh = source.height();
    const double thickness = sector.Outer - sector.Inner;
    const double half = sector.Angle / 2 * kDegree;
    const double direction = sector.Direction * kDegree;
    const double cosD = std::cos(direction), sinD = std::sin(direction);

    const int left = std::max(0, int(std::floor(sector.Centre.x() - sector.Outer)));
    const int right = std::min(colour.width(), int(std::ceil(sector.Centre.x() + sector.Outer)) + 1);
    const int top = std::max(0, int(std::floor(sector.Centre.y() - sector.Outer)));
    const int bottom = std::min(colour.height(), int(std::ceil(sector.Centre.y() + sector.Outer)) + 1);
    for (int y = top; y < bottom; ++y) {
        uchar* out = colour.scanLine(y);
        uchar* covered = mask.scanLine(y);
        const double dy = y + 0.5 - sector.Centre.y();
        for (int x = left; x < right; ++x) {
            const double dx = x + 0.5 - sector.Centre.x();
            // The pixel in the sector's own frame: u to the right, v upwards (outwards).
            const double u = dx * cosD + dy * sinD;
            const double v = dx * sinD - dy * cosD;
            const double r = std::hypot(u, v);
            if (r < sector.Inner || r >= sector.Outer)
                continue;
            const double phi = std::atan2(u, v); // 0 straight out, clockwise positive
            if (phi < -half || phi >= half)
                continue;
            double column, row;
            if (transform) {
                column = (phi + half) / (2 * half) * sw;
                row = (sector.Outer - r) / thickness * sh;
            } else {
                // Upright above the centre at its own size, its top on the outer radius.
                column = u + sw / 2.0;
                row = (sector.Outer - v) / thickness * sh;
            }
            if (reverse)
                row = sh - row;
            const int sx = std::clamp(int(column), 0, sw - 1);
            const int sy = std::clamp(int(row), 0, sh - 1);
            if (!transform && (column < 0 || column >= sw || row < 0 || row >= sh))
                continue;
            std::memcpy(out + 3 * x, source.constScanLine(sy) + 3 * sx, 3);
            covered[x] = 255;
        }
    }
}
