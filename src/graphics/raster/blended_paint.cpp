#include "graphics/raster/blended_paint.h"

#include "core/model/draw_object.h"
#include "core/canvas/offscreen.h"
#include "graphics/raster/blendable_format.h"
#include "graphics/raster/blender.h"

#include <QRegion>

namespace {

// Blends the colour image into the image of the area's rectangles, one blender per rectangle;
// all three bitmaps are placed in the target's device pixels.
void BlendArea(QImage& target, const QImage& colour, QPoint colourOrigin, const QImage& alpha, QPoint alphaOrigin,
               const QRegion& area, int ratio)
{
    for (const QRect& rect : area) {
        TGRBlendAlphaMapRatio blender;
        blender.SetDestination(&target, rect);
        blender.SetSource(&colour, rect.translated(-colourOrigin));
        blender.SetAlphaMap(&alpha, rect.translated(-alphaOrigin));
        blender.SetRatio(ratio);
        blender.Execute();
    }
}

} // namespace

bool PaintBlended(TDrawObject& object, TCanvas& canvas, int ratio)
{
    QImage* target = canvas.ReadableImage();
    if (!target)
        return false;

    // The alpha map and the colour image cover the same device rectangle: the object's bounds
    // within the clip box and its margin.
    const TRect bounds = object.GetBounds();
    const auto mask = CreateOffscreen(canvas, bounds, QImage::Format_Grayscale8, kOffscreenInflate, false);
    if (!mask)
        return true; // nothing of the object is visible
    object.PaintMask(mask->Canvas()); // on a map cleared to 0 (transparent)
    ResetToPixels(mask->Canvas());
    const QPoint alphaOrigin = mask->DeviceRect().topLeft();
    const QImage alpha = mask->TakeImage();

    QImage colour = object.RenderImage(canvas);
    if (colour.isNull())
        return true;
    const QPoint colourOrigin = OffscreenDeviceRect(canvas, bounds, kOffscreenInflate).topLeft();

    // Only pixels inside the canvas's clip region change, as with a plain paint.
    QRegion area = canvas.HasClip() ? canvas.ClipRegion() : QRegion(target->rect());
    area &= QRect(alphaOrigin, alpha.size())
                .intersected(QRect(colourOrigin, colour.size()))
                .intersected(target->rect());
    if (area.isEmpty())
        return true;

    if (IsBlendableFormat(target->format())) {
        if (colour.format() != target->format())
            colour.convertTo(target->format());
        BlendArea(*target, colour, colourOrigin, alpha, alphaOrigin, area, ratio);
        return true;
    }

    // Other surfaces: blend a 24-bit copy of the area and draw it back.
    const QRect box = area.boundingRect();
    QImage work = target->copy(box).convertToFormat(QImage::Format_BGR888);
    colour.convertTo(QImage::Format_BGR888);
    BlendArea(work, colour, colourOrigin - box.topLeft(), alpha, alphaOrigin - box.topLeft(),
              area.translated(-box.topLeft()), ratio);
    QPainter& painter = canvas.Painter();
    painter.save();
    painter.resetTransform();
    painter.setClipRegion(area, Qt::IntersectClip);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(box.topLeft(), work);
    painter.restore();
    return true;
}

void InstallBlendedPaint()
{
    TDrawObject::SetBlendedPainter(&PaintBlended);
}
