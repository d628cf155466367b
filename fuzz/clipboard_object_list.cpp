// Fuzzes the reader of object lists from the clipboard, which any program can fill: the
// count against the bytes that remain, and each object through the component reader.
#include "core/error.h"
#include "core/face/face_object.h"
#include "core/stream/class_registry.h"
#include "editing/clipboard/object_list.h"

#include <QGuiApplication>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    RegisterClass(TLOFace::StaticClassInfo());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    try {
        ReadObjectListBytes(bytes);
    } catch (const EAppError&) {
    }
    return 0;
}
