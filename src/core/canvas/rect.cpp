#include "core/canvas/rect.h"

#include "core/canvas/units.h"

#include <algorithm>
#include <cmath>
#include <numbers>

TRect NormalizeRect(const TRect& r)
{
    return {std::min(r.Left, r.Right), std::min(r.Top, r.Bottom), std::max(r.Left, r.Right), std::max(r.Top, r.Bottom)};
}

QPoint RectCenter(const TRect& r)
{
    // Summed in 64 bits: the mean of two integers always fits, their sum may not.
    return {static_cast<int>((qint64(r.Left) + r.Right) / 2), static_cast<int>((qint64(r.Top) + r.Bottom) / 2)};
}

TRect CenterRectAt(const TRect& r, QPoint centre)
{
    const QPoint current = RectCenter(r);
    return r.Translated(centre.x() - current.x(), centre.y() - current.y());
}

TRect FitSize(const TRect& r, int maxWidth, int maxHeight)
{
    const int width = RectWidth(r);
    const int height = RectHeight(r);
    int w = MulDiv(width, maxHeight, height);
    int h = maxHeight;
    if (w > maxWidth) {
        w = maxWidth;
        h = MulDiv(height, maxWidth, width);
    }
    return {r.Left, r.Top, r.Left + w, r.Top + h};
}

TRect CoverSize(const TRect& r, int minWidth, int minHeight)
{
    const int width = RectWidth(r);
    const int height = RectHeight(r);
    int w = MulDiv(minHeight, width, height);
    int h = minHeight;
    if (w < minWidth) {
        w = minWidth;
        h = MulDiv(minWidth, height, width);
    }
    return {r.Left, r.Top, r.Left + w, r.Top + h};
}

TRect FitRect(const TRect& r, const TRect& frame)
{
    return CenterRectAt(FitSize(r, RectWidth(frame), RectHeight(frame)), RectCenter(frame));
}

TRect CoverRect(const TRect& r, const TRect& frame)
{
    return CenterRectAt(CoverSize(r, RectWidth(frame), RectHeight(frame)), RectCenter(frame));
}

TRect IntersectRect(const TRect& a, const TRect& b)
{
    const TRect result{std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right),
                       std::min(a.Bottom, b.Bottom)};
    return result.IsEmpty() ? TRect{} : result;
}

TRect UnionRect(const TRect& a, const TRect& b)
{
    if (a.IsEmpty())
        return b;
    if (b.IsEmpty())
        return a;
    return {std::min(a.Left, b.Left), std::min(a.Top, b.Top), std::max(a.Right, b.Right), std::max(a.Bottom, b.Bottom)};
}

bool RectInside(const TRect& inner, const TRect& outer)
{
    return IntersectRect(inner, outer) == inner;
}

QPoint ClampPoint(QPoint p, const TRect& r)
{
    return {std::clamp(p.x(), r.Left, std::max(r.Left, r.Right)), std::clamp(p.y(), r.Top, std::max(r.Top, r.Bottom))};
}

QPoint RotatePoint(QPoint p, int angle, QPoint centre)
{
    const long double radians = angle * std::numbers::pi_v<long double> / 180.0L;
    const long double c = std::cos(radians);
    const long double s = std::sin(radians);
    const long double dx = p.x() - centre.x();
    const long double dy = p.y() - centre.y();
    return {RoundHalfAway(dx * c - dy * s) + centre.x(), RoundHalfAway(dx * s + dy * c) + centre.y()};
}
