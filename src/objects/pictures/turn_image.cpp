#include "objects/pictures/turn_image.h"

#include "graphics/raster/map_rect_to_quad.h"

QImage TurnImage(const QImage& image, QSize size, int angle, TColor background)
{
    QImage turned;
    MapRectToQuad(turned, image, image.rect(), TurnedRectCorners(size, angle), background);
    return turned;
}
