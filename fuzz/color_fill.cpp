// Fuzz target: a colour specification read from a component stream (its image data with
// crop and filter settings, its gradient colours, the properties of older versions), then
// painted as a screen fill, a printer fill and a sample.
#include "core/error.h"
#include "core/canvas/memory_canvas.h"
#include "core/stream/component_stream.h"
#include "graphics/color/color_fill.h"
#include "graphics/color/color_fill_wrapper.h"
#include "graphics/graphics_classes.h"
#include "graphics/picture/picture_limits.h"

#include <QGuiApplication>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    RegisterGraphicsClasses();
    SetMaxPicturePixels(qint64(1) << 16); // small pictures keep each run fast
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size)
{
    TColorSpecWrapper wrapper;
    try {
        ReadComponentBytes(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)), wrapper);
    } catch (const EAppError&) {
        return 0;
    }
    const TColorSpec& spec = *wrapper.ColorSpec();
    for (bool printer : {false, true}) {
        QImage image(24, 24, QImage::Format_RGB32);
        image.fill(Qt::white);
        TMemoryCanvas canvas(image);
        canvas.SetPrinterCanvas(printer);
        try {
            spec.Fill(canvas, TRect(-3, 2, 21, 30), printer);
            spec.DrawSample(canvas, TRect(0, 0, 24, 24));
        } catch (const EAppError&) {
            // a picture too large to draw
        }
    }
    return 0;
}
