#include "objects/backgrounds/wash.h"

#include "core/canvas/canvas.h"
#include "core/canvas/offscreen.h"
#include "graphics/color/color_fill.h"
#include "graphics/picture/graphic.h"
#include "graphics/picture/picture_ex.h"
#include "graphics/raster/blender.h"
#include "graphics/raster/resample.h"

QImage WashMap(const TPictureEx& picture)
{
    const TGraphic* graphic = picture.Graphic();
    if (!graphic || graphic->Empty())
        return {};
    const QImage pixels = FlattenOnWhite(graphic->ToImage());
    if (pixels.format() == QImage::Format_Grayscale8)
        return pixels;
    if (pixels.format() == QImage::Format_Indexed8 && pixels.isGrayscale()) {
        // Indexed grey maps: the palette gives the level of each index.
        QImage grey(pixels.size(), QImage::Format_Grayscale8);
        const QList<QRgb> table = pixels.colorTable();
        for (int y = 0; y < pixels.height(); ++y) {
            const uchar* in = pixels.constScanLine(y);
            uchar* out = grey.scanLine(y);
            for (int x = 0; x < pixels.width(); ++x)
                out[x] = in[x] < table.size() ? uchar(qRed(table[in[x]])) : 0;
        }
        return grey;
    }
    const QImage rgb = pixels.convertToFormat(QImage::Format_RGB32);
    QImage grey(rgb.size(), QImage::Format_Grayscale8);
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        uchar* out = grey.scanLine(y);
        for (int x = 0; x < rgb.width(); ++x)
            out[x] = uchar((qRed(in[x]) * 299 + qGreen(in[x]) * 587 + qBlue(in[x]) * 114 + 500) / 1000);
    }
    return grey;
}

void PaintWash(TCanvas& canvas, const TRect& fillRect, const TColorSpec& fill, const TColorSpec& wash,
               const QImage& map, int ratio)
{
    if (map.isNull())
        return;
    auto washImage = CreateOffscreen(canvas, fillRect, QImage::Format_BGR888, kOffscreenInflate, false);
    auto fillImage = CreateOffscreen(canvas, fillRect, QImage::Format_BGR888, kOffscreenInflate, false);
    if (!washImage || !fillImage)
        return;
    const QRect area = fillImage->DeviceRect();
    // On white, as the plain paint of a patterned fill shows the white face beneath.
    for (TOffscreen* image : {washImage.get(), fillImage.get()}) {
        QPainter& painter = image->Canvas().Painter();
        painter.save();
        painter.resetTransform();
        painter.fillRect(QRect(QPoint(0, 0), area.size()), Qt::white);
        painter.restore();
    }
    wash.Fill(washImage->Canvas(), fillRect);
    fill.Fill(fillImage->Canvas(), fillRect);

    // The map stretched over the whole fill rectangle, of which only the visible window is
    // made: bands of one page then meet without seams.
    const QPoint a = canvas.LogicalToDevice(fillRect.TopLeft());
    const QPoint b = canvas.LogicalToDevice(fillRect.BottomRight());
    const QRect whole = TRect(a.x(), a.y(), b.x(), b.y()).ToQRect().normalized();
    QImage alpha;
    ResampleWindow(alpha, map, whole.size(), area.translated(-whole.topLeft()), TResampleFilter::Linear);
    if (alpha.size() != area.size())
        return;

    const QImage washPixels = washImage->TakeImage();
    QImage result = fillImage->TakeImage();
    TGRBlendAlphaMapRatio blender;
    blender.SetDestination(&result, result.rect());
    blender.SetSource(&washPixels, washPixels.rect());
    blender.SetAlphaMap(&alpha, alpha.rect());
    blender.SetRatio(ratio);
    blender.Execute();

    TCanvasSaver saver(canvas, true);
    ResetToPixels(canvas);
    canvas.Painter().drawImage(area.topLeft(), result);
}
