// Fuzz target: the resource file parser, searching for ordinal and string ids (the last
// search walks every record).
#include "graphics/picture/resource_file.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    static const TResourceId types[] = {TResourceId::FromType(QStringLiteral("RT_BITMAP")),
                                        TResourceId::FromType(QStringLiteral("JPEG"))};
    static const TResourceId names[] = {TResourceId::FromName(QStringLiteral("#1")),
                                        TResourceId::FromName(QStringLiteral("LOGO")),
                                        TResourceId::FromName(QStringLiteral("no such resource"))};
    for (const TResourceId& type : types)
        for (const TResourceId& name : names)
            if (const auto found = FindResource(bytes, type, name); found && found->size() > bytes.size())
                __builtin_trap();
    return 0;
}
