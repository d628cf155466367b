#include "core/face/outline.h"

#include <cmath>
#include <numbers>

namespace {

constexpr double kPi = std::numbers::pi;

// Cross products below this treat three points as collinear.
constexpr double kCollinear = 1e-9;

// The angle normalised to [0, 2 pi).
double Normalised(double angle)
{
    angle = std::fmod(angle, 2 * kPi);
    return angle < 0 ? angle + 2 * kPi : angle;
}

QPointF OnCircle(QPointF centre, double radius, double angle)
{
    return centre + QPointF(radius * std::cos(angle), radius * std::sin(angle));
}

QRectF Float(const TRect& rect)
{
    return QRectF(rect.Left, rect.Top, RectWidth(rect), RectHeight(rect));
}

} // namespace

void AppendArcThrough(QPainterPath& path, QPointF p, QPointF m, QPointF r)
{
    // Centre of the circle through the three points.
    const double ax = p.x(), ay = p.y(), bx = m.x(), by = m.y(), cx = r.x(), cy = r.y();
    const double d = 2 * (ax * (by - cy) + bx * (cy - ay) + cx * (ay - by));
    const double scale = std::max({std::abs(ax), std::abs(ay), std::abs(bx), std::abs(by), std::abs(cx), std::abs(cy), 1.0});
    if (std::abs(d) <= kCollinear * scale * scale) {
        path.lineTo(m);
        path.lineTo(r);
        return;
    }
    const double a2 = ax * ax + ay * ay, b2 = bx * bx + by * by, c2 = cx * cx + cy * cy;
    const QPointF centre((a2 * (by - cy) + b2 * (cy - ay) + c2 * (ay - by)) / d,
                         (a2 * (cx - bx) + b2 * (ax - cx) + c2 * (bx - ax)) / d);
    const double radius = std::hypot(ax - centre.x(), ay - centre.y());

    // Sweep from p to r in the direction that passes m.
    const double start = std::atan2(ay - centre.y(), ax - centre.x());
    const double toEnd = Normalised(std::atan2(cy - centre.y(), cx - centre.x()) - start);
    const double toMiddle = Normalised(std::atan2(by - centre.y(), bx - centre.x()) - start);
    const double sweep = toMiddle <= toEnd ? toEnd : toEnd - 2 * kPi;

    // Cubic segments of at most a quarter turn each.
    const int segments = std::max(1, static_cast<int>(std::ceil(std::abs(sweep) / (kPi / 2) - 1e-9)));
    const double step = sweep / segments;
    const double k = 4.0 / 3.0 * std::tan(step / 4) * radius;
    double from = start;
    for (int i = 0; i < segments; ++i) {
        const double to = from + step;
        const QPointF a = OnCircle(centre, radius, from);
        const QPointF b = i + 1 == segments ? r : OnCircle(centre, radius, to);
        const QPointF c1 = a + QPointF(-std::sin(from), std::cos(from)) * k;
        const QPointF c2 = OnCircle(centre, radius, to) - QPointF(-std::sin(to), std::cos(to)) * k;
        path.cubicTo(c1, c2, b);
        from = to;
    }
}

QPainterPath BarrelPath(const TRect& rect)
{
    const double left = rect.Left, top = rect.Top, right = rect.Right, bottom = rect.Bottom;
    const double w = right - left;
    const double h = bottom - top;
    const double f = std::sqrt(std::abs((h / 2) * (h / 2) - (w / 2) * (w / 2)));
    // std::nearbyint rounds halves to even under the default rounding mode.
    QPainterPath path;
    if (h < w) {
        const double cx = (left + right) / 2;
        const double x1 = std::nearbyint(cx - f);
        const double x2 = std::nearbyint(cx + f);
        const double cy = std::nearbyint((top + bottom) / 2);
        path.moveTo(x1, bottom);
        AppendArcThrough(path, {x1, bottom}, {left, cy}, {x1, top});
        path.lineTo(x2, top);
        AppendArcThrough(path, {x2, top}, {right, cy}, {x2, bottom});
    } else {
        const double cy = (top + bottom) / 2;
        const double y1 = std::nearbyint(cy - f);
        const double y2 = std::nearbyint(cy + f);
        const double cx = std::nearbyint((left + right) / 2);
        path.moveTo(left, y1);
        AppendArcThrough(path, {left, y1}, {cx, top}, {right, y1});
        path.lineTo(right, y2);
        AppendArcThrough(path, {right, y2}, {cx, bottom}, {left, y2});
    }
    path.closeSubpath();
    return path;
}

QPainterPath OutlinePath(TOutlineKind kind, const TRect& rect, QSize corner)
{
    QPainterPath path;
    switch (kind) {
    case TOutlineKind::Rectangle:
        path.addRect(Float(rect));
        break;
    case TOutlineKind::Ellipse:
        path.addEllipse(Float(rect));
        break;
    case TOutlineKind::RoundRect:
        path.addRoundedRect(Float(rect), corner.width() / 2.0, corner.height() / 2.0);
        break;
    case TOutlineKind::Barrel:
        path = BarrelPath(rect);
        break;
    }
    return path;
}

QRegion OutlineRegion(TOutlineKind kind, const TRect& rect, QSize corner)
{
    const TRect normal = NormalizeRect(rect);
    if (normal.IsEmpty())
        return {};
    if (kind == TOutlineKind::Rectangle)
        return QRegion(normal.ToQRect());
    return QRegion(OutlinePath(kind, normal, corner).toFillPolygon().toPolygon(), Qt::WindingFill);
}
