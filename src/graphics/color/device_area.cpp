#include "graphics/color/device_area.h"

#include "core/canvas/canvas.h"
#include "core/canvas/units.h"

#include <algorithm>

namespace {

constexpr qreal kFarthest = 1 << 29;

QPoint Held(const QPointF& point)
{
    return {RoundHalfAway(std::clamp(point.x(), -kFarthest, kFarthest)),
            RoundHalfAway(std::clamp(point.y(), -kFarthest, kFarthest))};
}

} // namespace

QRect DeviceRectOf(const QPainter& painter, const TRect& rect)
{
    const QTransform transform = painter.worldTransform();
    const QPoint a = Held(transform.map(QPointF(rect.Left, rect.Top)));
    const QPoint b = Held(transform.map(QPointF(rect.Right, rect.Bottom)));
    return TRect(a.x(), a.y(), b.x(), b.y()).ToQRect().normalized();
}

QRect VisibleDeviceArea(const TCanvas& canvas)
{
    if (canvas.HasClip())
        return canvas.ClipRegion().boundingRect();
    if (const QPaintDevice* device = canvas.Device())
        return QRect(0, 0, device->width(), device->height());
    return {};
}
