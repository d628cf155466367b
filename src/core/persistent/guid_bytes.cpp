#include "core/persistent/guid_bytes.h"

#include <cstdint>

QByteArray GuidBytes(const QUuid& guid)
{
    QByteArray bytes(kGuidSize, '\0');
    for (int i = 0; i < 4; ++i)
        bytes[i] = static_cast<char>(guid.data1 >> (8 * i));
    for (int i = 0; i < 2; ++i) {
        bytes[4 + i] = static_cast<char>(guid.data2 >> (8 * i));
        bytes[6 + i] = static_cast<char>(guid.data3 >> (8 * i));
    }
    for (int i = 0; i < 8; ++i)
        bytes[8 + i] = static_cast<char>(guid.data4[i]);
    return bytes;
}

QUuid GuidFromBytes(const char* data)
{
    const auto byte = [&](int i) { return static_cast<std::uint8_t>(data[i]); };
    return QUuid(byte(0) | byte(1) << 8 | byte(2) << 16 | static_cast<std::uint32_t>(byte(3)) << 24,
                 static_cast<std::uint16_t>(byte(4) | byte(5) << 8), static_cast<std::uint16_t>(byte(6) | byte(7) << 8),
                 byte(8), byte(9), byte(10), byte(11), byte(12), byte(13), byte(14), byte(15));
}
