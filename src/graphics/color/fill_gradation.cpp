#include "graphics/color/fill_gradation.h"

#include "core/canvas/canvas.h"
#include "graphics/color/device_area.h"
#include "graphics/color/grad_fill.h"
#include "graphics/picture/graphic.h"
#include "graphics/raster/resample.h"

namespace {

// Above this many pixels a printer's gradient is not resampled in memory but stretched
// smoothly by the device (a huge rectangle on a high-resolution page).
constexpr qint64 kMaxResampledPixels = qint64(4096) * 4096;

// The map resampled to the rectangle's device size, only its visible part, drawn unscaled.
// A canvas turned or sheared by its painter stretches the map smoothly instead.
void DrawResampled(TCanvas& canvas, const TRect& rect, const QImage& map)
{
    QPainter& painter = canvas.Painter();
    const QRect device = DeviceRectOf(painter, rect);
    const QRect area = VisibleDeviceArea(canvas);
    const QRect visible = area.isEmpty() ? device : device.intersected(area);
    if (visible.isEmpty())
        return;
    if (painter.worldTransform().type() > QTransform::TxScale ||
        qint64(visible.width()) * visible.height() > kMaxResampledPixels) {
        painter.save();
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        DrawImageStretched(canvas, rect, map);
        painter.restore();
        return;
    }
    // On a 32-bit surface the map is resampled in 32 bits, so that drawing the result is a
    // plain copy rather than a conversion of every pixel; the channels come out the same.
    const QImage* surface = canvas.ReadableImage();
    const QImage source = surface && surface->depth() == 32 ? map.convertToFormat(QImage::Format_RGB32) : map;
    thread_local QImage scratch;
    ResampleWindow(scratch, source, device.size(), visible.translated(-device.topLeft()), TResampleFilter::Linear);
    painter.save();
    painter.resetTransform();
    painter.drawImage(visible.topLeft(), scratch);
    painter.restore();
}

} // namespace

int NormalizeGradAngle(int angle)
{
    if (angle < 0) {
        angle %= 360;
        return angle < 0 ? angle + 360 : angle;
    }
    if (angle > 360)
        return (angle - 1) % 360 + 1;
    return angle;
}

std::unique_ptr<TGradFill> CreateGradFill(rgGradationKind kind, int angle)
{
    angle = NormalizeGradAngle(angle);
    std::unique_ptr<TGradFill> fill;
    switch (kind) {
    case rgkBoxToRim:
    case rgkBoxToCenter:
        fill = std::make_unique<TGradFillDiamond>(angle);
        break;
    case rgkCircleToRim:
    case rgkCircleToCenter:
        fill = std::make_unique<TGradFillCircle>();
        break;
    case rgkConeClockwise:
    case rgkConeCounterClockwise:
        fill = std::make_unique<TGradFillCone>(angle);
        break;
    case rgkSimple:
    default:
        fill = std::make_unique<TGradFillAngled>(angle);
        break;
    }
    fill->SetReverse(kind == rgkBoxToRim || kind == rgkCircleToRim || kind == rgkConeClockwise);
    return fill;
}

void FillGradation(TCanvas& canvas, const TRect& rect, const TColor* colors, int count, bool invert, int angle,
                   rgGradationKind kind)
{
    if (count < 1 || rect.Left == rect.Right || rect.Top == rect.Bottom)
        return;
    thread_local QImage map;
    const std::unique_ptr<TGradFill> fill = CreateGradFill(kind, angle);
    fill->SetColors(colors, count);
    fill->RenderMap(map);

    QPainter& painter = canvas.Painter();
    const QPainter::CompositionMode mode = painter.compositionMode();
    painter.setCompositionMode(invert ? QPainter::RasterOp_SourceXorDestination : QPainter::CompositionMode_SourceOver);
    if (IsPrinterCanvas(canvas))
        DrawResampled(canvas, NormalizeRect(rect), map);
    else
        DrawImageStretched(canvas, rect, map);
    painter.setCompositionMode(mode);
}
