// Fuzz target: a JAN barcode, QR code or contact QR code object read from a component
// stream (its QRData and ProfileGuid blocks, its typed fields rebuilt into a payload), then
// painted unturned and at its stored angle.
#include "core/canvas/memory_canvas.h"
#include "core/error.h"
#include "core/model/rect_object.h"
#include "core/stream/component_stream.h"
#include "graphics/graphics_classes.h"
#include "graphics/picture/picture_limits.h"
#include "objects/codes/code_classes.h"

#include <QGuiApplication>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    RegisterGraphicsClasses();
    RegisterCodeClasses();
    SetMaxPicturePixels(qint64(1) << 16); // small pictures keep each run fast
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size)
{
    std::unique_ptr<TComponent> component;
    try {
        component = ReadComponentBytes(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    } catch (const EAppError&) {
        return 0;
    }
    auto* object = dynamic_cast<TLORectBase*>(component.get());
    if (!object)
        return 0;
    QImage image(48, 48, QImage::Format_RGB32);
    image.fill(Qt::white);
    TMemoryCanvas canvas(image);
    canvas.SetMapMode(TMapMode::Anisotropic);
    // The whole object in view, however large.
    const TRect bounds = object->GetBounds();
    canvas.SetWindowOrg(bounds.TopLeft());
    canvas.SetWindowExt({std::max(1, RectWidth(bounds)), std::max(1, RectHeight(bounds))});
    canvas.SetViewportExt({48, 48});
    object->PaintTo(canvas);
    return 0;
}
