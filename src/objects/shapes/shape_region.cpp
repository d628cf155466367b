#include "objects/shapes/shape_region.h"

#include "core/canvas/canvas.h"
#include "core/model/draw_object.h"
#include "core/model/draw_site_model.h"

#include <QImage>
#include <QPainterPathStroker>
#include <algorithm>
#include <cmath>

QPainterPath WidenPath(const QPainterPath& path, int width, Qt::PenCapStyle cap, Qt::PenJoinStyle join)
{
    QPainterPathStroker stroker;
    stroker.setWidth(std::max(width, 1));
    stroker.setCapStyle(cap);
    stroker.setJoinStyle(join);
    stroker.setMiterLimit(10);
    QPainterPath widened = stroker.createStroke(path);
    widened.setFillRule(Qt::WindingFill);
    return widened;
}

TRect PathBounds(const QPainterPath& path)
{
    const QRectF box = path.boundingRect();
    if (path.isEmpty())
        return {};
    return {int(std::floor(box.left())), int(std::floor(box.top())), int(std::ceil(box.right())),
            int(std::ceil(box.bottom()))};
}

void IntersectClipPath(TCanvas& canvas, const QPainterPath& logicalPath)
{
    const QPolygon device = logicalPath.toFillPolygon(canvas.Mapping()).toPolygon();
    const QRegion area(device, logicalPath.fillRule());
    canvas.SetClipRegion(canvas.HasClip() ? canvas.ClipRegion().intersected(area) : area);
}

bool HitsPixel(QPoint logical, const std::function<void(QPainter& painter)>& draw)
{
    QImage pixel(1, 1, QImage::Format_RGB32);
    pixel.fill(Qt::white);
    {
        QPainter painter(&pixel);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.translate(-logical.x(), -logical.y());
        draw(painter);
    }
    return (pixel.pixel(0, 0) & 0xFFFFFF) == 0;
}

int ScreenPixelsInUnits(const TDrawObject& object, int pixels, int fallback)
{
    const TDrawSiteModel* site = object.Site();
    if (!site)
        return fallback;
    const int units = site->DevToLog(QPoint(pixels, 0)).x() - site->DevToLog(QPoint(0, 0)).x();
    return std::max(units, 1);
}

bool IsOwnScreenPaint(const TDrawObject& object)
{
    return object.IsOnDrawSite() && !object.IsPaintingCopy();
}

void FillMask(TCanvas& mask, const QPainterPath& logicalPath)
{
    mask.Painter().fillPath(logicalPath, QColor(255, 255, 255));
}
