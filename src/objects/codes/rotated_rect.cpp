#include "objects/codes/rotated_rect.h"

#include "core/canvas/canvas.h"
#include "core/canvas/units.h"
#include "text/rotator.h"

#include <cmath>
#include <cstdint>
#include <numbers>

QTransform RotationAbout(const TRect& rect, int angle)
{
    const double cx = (rect.Left + rect.Right) / 2.0;
    const double cy = (rect.Top + rect.Bottom) / 2.0;
    QTransform transform;
    transform.translate(cx, cy);
    transform.rotate(NormalizeAngle(angle));
    transform.translate(-cx, -cy);
    return transform;
}

QPoint RotationCentre(const TRect& rect)
{
    return QPoint(static_cast<int>((std::int64_t(rect.Left) + rect.Right) / 2),
                  static_cast<int>((std::int64_t(rect.Top) + rect.Bottom) / 2));
}

QPolygonF RotatedRectPolygon(const TRect& rect, int angle)
{
    const QPolygonF corners({QPointF(rect.Left, rect.Top), QPointF(rect.Right, rect.Top),
                             QPointF(rect.Right, rect.Bottom), QPointF(rect.Left, rect.Bottom)});
    return RotationAbout(rect, angle).map(corners);
}

bool RotatedRectContains(const TRect& rect, int angle, QPoint point)
{
    if (NormalizeAngle(angle) == 0)
        return rect.Contains(point);
    return RotatedRectPolygon(rect, angle).containsPoint(QPointF(point), Qt::WindingFill);
}

TRect RotatedRectBounds(const TRect& rect, int angle)
{
    if (NormalizeAngle(angle) == 0)
        return rect;
    // Snap away the floating-point noise of exact quarter turns before rounding outwards.
    const QRectF box = RotatedRectPolygon(rect, angle).boundingRect();
    auto low = [](double v) { return static_cast<int>(std::floor(v + 1e-6)); };
    auto high = [](double v) { return static_cast<int>(std::ceil(v - 1e-6)); };
    return {low(box.left()), low(box.top()), high(box.right()), high(box.bottom())};
}

void DrawRotatedRectOutline(TCanvas& canvas, const TRect& rect, int angle)
{
    QPainter& painter = canvas.Painter();
    painter.save();
    painter.setBrush(Qt::NoBrush);
    painter.drawPolygon(RotatedRectPolygon(rect, angle));
    painter.restore();
}

TRect RotatedResize(const TRect& rect, int angle, int width, int height)
{
    const int turn = NormalizeAngle(angle);
    if (turn == 0)
        return {rect.Left, rect.Top, rect.Left + width, rect.Top + height};
    const TRect bounds = RotatedRectBounds(rect, turn);
    const int boundsWidth = std::max(1, RectWidth(bounds));
    const int boundsHeight = std::max(1, RectHeight(bounds));
    const double radians = turn * std::numbers::pi / 180;
    // A side that lies mostly across its own axis follows the other axis's ratio.
    const bool across = std::abs(std::sin(radians)) > std::abs(std::cos(radians));
    const int newWidth = across ? MulDiv(RectWidth(rect), height, boundsHeight) : MulDiv(RectWidth(rect), width, boundsWidth);
    const int newHeight =
        across ? MulDiv(RectHeight(rect), width, boundsWidth) : MulDiv(RectHeight(rect), height, boundsHeight);
    return {rect.Left, rect.Top, rect.Left + std::max(0, newWidth), rect.Top + std::max(0, newHeight)};
}
