#include "graphics/raster/blended_paint.h"

#include "core/model/draw_object.h"
#include "core/canvas/offscreen.h"
#include "core/canvas/units.h"
#include "graphics/raster/blendable_format.h"
#include "graphics/raster/blender.h"

#include <QPainter>
#include <QRegion>
#include <algorithm>

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

// Colour times coverage times ratio as one image with an alpha channel, drawn over the
// canvas in its device pixels within the clip region.
void DrawComposed(TCanvas& canvas, const QImage& colour, QPoint colourOrigin, const QImage& alpha, QPoint alphaOrigin,
                  int ratio)
{
    const QRect box = QRect(alphaOrigin, alpha.size()).intersected(QRect(colourOrigin, colour.size()));
    if (box.isEmpty())
        return;
    const int clamped = std::clamp(ratio, 0, 100);
    QImage composed = colour.copy(box.translated(-colourOrigin)).convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < box.height(); ++y) {
        auto* pixel = reinterpret_cast<QRgb*>(composed.scanLine(y));
        const uchar* level = alpha.constScanLine(y + box.top() - alphaOrigin.y()) + (box.left() - alphaOrigin.x());
        for (int x = 0; x < box.width(); ++x) {
            const int a = std::min(255, MulDiv(level[x], clamped, 100));
            pixel[x] = (pixel[x] & RGB_MASK) | (QRgb(a) << 24);
        }
    }
    QPainter& painter = canvas.Painter();
    painter.save();
    painter.resetTransform();
    if (canvas.HasClip())
        painter.setClipRegion(canvas.ClipRegion(), Qt::IntersectClip);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    // PDF output would otherwise store the image as JPEG, which blurs the composed pixels.
    painter.setRenderHint(QPainter::LosslessImageRendering);
    // Inset by a quarter pixel on every side: renderers that take the pixels whose centres
    // lie inside and renderers that round the edges outwards then both place the image one
    // to one on its pixels, even after the page's points have rounded the position a little.
    painter.drawImage(QRectF(box.left() + 0.25, box.top() + 0.25, box.width() - 0.5, box.height() - 0.5), composed);
    painter.restore();
}

} // namespace

bool PaintBlended(TDrawObject& object, TCanvas& canvas, int ratio)
{
    QImage* target = canvas.ReadableImage();

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
    if (!target) {
        DrawComposed(canvas, colour, colourOrigin, alpha, alphaOrigin, ratio);
        return true;
    }

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
