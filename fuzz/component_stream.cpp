// Fuzzes the component stream reader: resource header, component records, every value
// kind, sub-object paths, children and the object reader's creation by class name.
#include "core/model/draw_site_model.h"
#include "core/error.h"
#include "core/stream/class_registry.h"
#include "core/stream/component_stream.h"

#include <QBuffer>
#include <QGuiApplication>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    RegisterClass(TDrawSiteModel::StaticClassInfo());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const auto attempt = [&](auto read) {
        QBuffer buffer;
        buffer.setData(bytes);
        buffer.open(QIODevice::ReadOnly);
        try {
            read(buffer);
        } catch (const EAppError&) {
        }
    };
    attempt([](QBuffer& buffer) { ReadComponent(buffer); });
    attempt([](QBuffer& buffer) {
        TDrawSiteModel site;
        ReadComponentRes(buffer, site);
    });
    attempt([](QBuffer& buffer) { ReadObject(buffer); });
    return 0;
}
