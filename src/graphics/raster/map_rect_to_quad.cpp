#include "graphics/raster/map_rect_to_quad.h"

#include "core/canvas/rect.h"
#include "graphics/raster/result_image.h"
#include "graphics/raster/scan_polygon.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstring>

namespace {

// Fixed-point positions and steps are kept within this range so that a span of any length
// stays inside 64 bits.
constexpr double kFixedLimit = double(std::int64_t(1) << 40);

bool IsMappableDepth(int depth)
{
    return depth == 8 || depth == 16 || depth == 24 || depth == 32;
}

void FillBackground(QImage& image, TColor color)
{
    QColor background = ToQColor(color);
    if (!background.isValid())
        background = Qt::black;
    if (image.format() != QImage::Format_Indexed8) {
        image.fill(background);
        return;
    }
    const QList<QRgb> palette = image.colorTable();
    int best = 0;
    int bestDistance = INT_MAX;
    for (int i = 0; i < palette.size(); ++i) {
        const int dr = qRed(palette[i]) - background.red();
        const int dg = qGreen(palette[i]) - background.green();
        const int db = qBlue(palette[i]) - background.blue();
        const int distance = dr * dr + dg * dg + db * db;
        if (distance < bestDistance) {
            best = i;
            bestDistance = distance;
        }
    }
    image.fill(uint(best));
}

std::int64_t ToFixed(double value)
{
    return std::llround(std::clamp(value * 65536.0, -kFixedLimit, kFixedLimit));
}

// Copies count pixels of Bytes bytes, sampling the source at (u, v) in 16.16 and stepping by
// (du, dv). Samples are kept inside the source; a span whose ends lie inside skips the checks.
template <int Bytes>
void CopySpan(std::uint8_t* target, const QImage& source, std::int64_t u, std::int64_t v, std::int64_t du,
              std::int64_t dv, int count)
{
    const std::int64_t width = source.width(), height = source.height();
    const std::uint8_t* bits = source.constBits();
    const qsizetype stride = source.bytesPerLine();
    const std::int64_t uEnd = u + du * (count - 1);
    const std::int64_t vEnd = v + dv * (count - 1);
    const auto inside = [](std::int64_t p, std::int64_t limit) { return p >= 0 && (p >> 16) < limit; };
    if (inside(u, width) && inside(uEnd, width) && inside(v, height) && inside(vEnd, height)) {
        for (int i = 0; i < count; ++i, u += du, v += dv)
            std::memcpy(target + i * Bytes, bits + (v >> 16) * stride + (u >> 16) * Bytes, Bytes);
        return;
    }
    for (int i = 0; i < count; ++i, u += du, v += dv) {
        const std::int64_t x = std::clamp<std::int64_t>(u >> 16, 0, width - 1);
        const std::int64_t y = std::clamp<std::int64_t>(v >> 16, 0, height - 1);
        std::memcpy(target + i * Bytes, bits + y * stride + x * Bytes, Bytes);
    }
}

} // namespace

QPoint MapRectToQuad(QImage& destination, const QImage& source, const QRect& sourceRect,
                     const std::array<QPointF, 4>& corners, TColor background)
{
    if (source.isNull() || !IsMappableDepth(source.depth()))
        return {};
    double left = corners[0].x(), right = left, top = corners[0].y(), bottom = top;
    for (const QPointF& c : corners) {
        if (!std::isfinite(c.x()) || !std::isfinite(c.y()))
            return {};
        left = std::min(left, c.x());
        right = std::max(right, c.x());
        top = std::min(top, c.y());
        bottom = std::max(bottom, c.y());
    }
    left = std::floor(left);
    top = std::floor(top);
    const double width = std::ceil(right) - left;
    const double height = std::ceil(bottom) - top;
    if (width < 1 || height < 1 || width > INT_MAX || height > INT_MAX || left < INT_MIN || top < INT_MIN)
        return {};
    QImage out = ResultImage(destination, source, QSize(int(width), int(height)), source.format());
    if (out.isNull())
        return {}; // no memory for a new image: the destination is untouched
    out.setColorTable(source.colorTable());
    out.setDotsPerMeterX(source.dotsPerMeterX());
    out.setDotsPerMeterY(source.dotsPerMeterY());
    FillBackground(out, background);

    const QRectF rect(sourceRect);
    const QPointF uv[4] = {rect.topLeft(), rect.topRight(), rect.bottomRight(), rect.bottomLeft()};
    TScanVertex vertices[4];
    for (int i = 0; i < 4; ++i) {
        vertices[i].X = corners[i].x() - left;
        vertices[i].Y = corners[i].y() - top;
        vertices[i].Attribute[0] = uv[i].x();
        vertices[i].Attribute[1] = uv[i].y();
    }
    const int bytes = source.depth() / 8;
    std::uint8_t* bits = out.bits();
    const qsizetype stride = out.bytesPerLine();
    const TSpanCallback copy = [&](int row, int first, int last, const double* attributes, const double* steps) {
        std::int64_t u = ToFixed(attributes[0]);
        if (u < 0)
            u = 1;
        const std::int64_t v = ToFixed(attributes[1]);
        const std::int64_t du = ToFixed(steps[0]);
        const std::int64_t dv = ToFixed(steps[1]);
        std::uint8_t* target = bits + row * stride + first * bytes;
        const int count = last - first + 1;
        switch (bytes) {
        case 1: CopySpan<1>(target, source, u, v, du, dv, count); break;
        case 2: CopySpan<2>(target, source, u, v, du, dv, count); break;
        case 3: CopySpan<3>(target, source, u, v, du, dv, count); break;
        default: CopySpan<4>(target, source, u, v, du, dv, count); break;
        }
    };
    ScanPolygon(vertices, 4, kScanAttribute0 | kScanAttribute1, TRect(0, 0, out.width(), out.height()), copy);
    destination = std::move(out);
    return {int(left), int(top)};
}

std::array<QPointF, 4> TurnedRectCorners(QSize size, int angle)
{
    const QPoint origin(0, 0);
    return {
        QPointF(RotatePoint({0, 0}, angle, origin)),
        QPointF(RotatePoint({size.width(), 0}, angle, origin)),
        QPointF(RotatePoint({size.width(), size.height()}, angle, origin)),
        QPointF(RotatePoint({0, size.height()}, angle, origin)),
    };
}

void RotateBitmap(const QImage& source, QImage& destination, int angle, TColor background, QSize size)
{
    MapRectToQuad(destination, source, QRect(QPoint(0, 0), size), TurnedRectCorners(size, angle), background);
}

void RotateBitmap(const QImage& source, const QImage& mask, QImage& destination, QImage& destinationMask, int angle,
                  TColor background, QSize size)
{
    RotateBitmap(source, destination, angle, background, size);
    RotateBitmap(mask.convertToFormat(QImage::Format_BGR888), destinationMask, angle, clWhite, size);
}
