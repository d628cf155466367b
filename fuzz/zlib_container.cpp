// Fuzz target: the container header test and expansion through streams and in memory, and
// a compression round trip of the input.
#include "core/error.h"
#include "graphics/picture/zlib_container.h"

#include <QBuffer>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    QBuffer source;
    source.setData(bytes);
    source.open(QIODevice::ReadOnly);
    quint32 length = 0;
    const bool container = IsZlibContainer(source, &length);
    if (!container && source.pos() != 0)
        __builtin_trap();
    if (container) {
        try {
            QByteArray expanded;
            QBuffer destination(&expanded);
            destination.open(QIODevice::WriteOnly);
            ExpandContainer(source, destination, length);
            if (expanded.size() != qsizetype(length))
                __builtin_trap();
        } catch (const EAppError&) {
        }
    }
    try {
        ExpandContainerBytes(bytes, 1 << 20, QStringLiteral("bad"));
    } catch (const EAppError&) {
    }
    const TCompressionLevel level = TCompressionLevel(size % 4);
    if (ExpandContainerBytes(CompressToContainer(bytes, level), size, QStringLiteral("bad")) != bytes)
        __builtin_trap();
    return 0;
}
