#include "objects/pictures/rotated_rect.h"

#include "core/canvas/canvas.h"
#include "core/canvas/units.h"

#include <algorithm>

QPolygon RotatedCorners(const TRect& rect, int angle)
{
    const QPoint centre = RectCenter(rect);
    QPolygon corners;
    for (const QPoint corner : {QPoint(rect.Left, rect.Top), QPoint(rect.Right, rect.Top),
                                QPoint(rect.Right, rect.Bottom), QPoint(rect.Left, rect.Bottom)})
        corners << (angle == 0 ? corner : RotatePoint(corner, angle, centre));
    return corners;
}

TRect RotatedBounds(const TRect& rect, int angle)
{
    if (angle == 0)
        return rect;
    const QRect box = RotatedCorners(rect, angle).boundingRect();
    return {box.left(), box.top(), box.right(), box.bottom()};
}

bool HitRotatedRect(const TRect& rect, int angle, QPoint logical)
{
    return RotatedCorners(rect, angle).containsPoint(logical, Qt::OddEvenFill);
}

void DrawRotatedOutline(TCanvas& canvas, const TRect& rect, int angle)
{
    QPainter& painter = canvas.Painter();
    painter.save();
    painter.setBrush(Qt::NoBrush);
    painter.drawPolygon(RotatedCorners(rect, angle));
    painter.restore();
}

TRect ResizeRotatedRect(const TRect& rect, int angle, int width, int height)
{
    int newWidth = width;
    int newHeight = height;
    if (angle != 0) {
        const TRect bounds = RotatedBounds(rect, angle);
        if (RectWidth(bounds) > 0)
            newWidth = MulDiv(RectWidth(rect), width, RectWidth(bounds));
        if (RectHeight(bounds) > 0)
            newHeight = MulDiv(RectHeight(rect), height, RectHeight(bounds));
    }
    return {rect.Left, rect.Top, rect.Left + std::max(0, newWidth), rect.Top + std::max(0, newHeight)};
}

TRect FitNaturalSize(const TRect& rect, QSize natural, bool placed)
{
    const TRect naturalRect{rect.Left, rect.Top, rect.Left + natural.width(), rect.Top + natural.height()};
    if (!placed)
        return naturalRect;
    const int side = std::max(RectWidth(rect), RectHeight(rect));
    const TRect square = CenterRectAt(TRect{0, 0, side, side}, RectCenter(rect));
    return FitRect(naturalRect, square);
}
