#include "objects/pictures/turn_image.h"

#include "core/canvas/rect.h"
#include "graphics/raster/map_rect_to_quad.h"

#include <array>

QImage TurnImage(const QImage& image, QSize size, int angle, TColor background)
{
    const QPoint origin(0, 0);
    const std::array<QPointF, 4> corners = {
        QPointF(RotatePoint({0, 0}, angle, origin)),
        QPointF(RotatePoint({size.width(), 0}, angle, origin)),
        QPointF(RotatePoint({size.width(), size.height()}, angle, origin)),
        QPointF(RotatePoint({0, size.height()}, angle, origin)),
    };
    QImage turned;
    MapRectToQuad(turned, image, image.rect(), corners, background);
    return turned;
}
