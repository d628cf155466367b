// Fuzzes the Shift-JIS codec: any bytes decode to at most one character per byte; the
// decoded text, when every byte sequence was a character, encodes and decodes back to
// itself; and encoding arbitrary text (the input read as UTF-16) either succeeds and
// decodes back, or names the characters that have no Shift-JIS form.
#include "platform/shift_jis.h"

#include <cstdint>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QString text = DecodeShiftJIS(bytes);
    if (text.size() > bytes.size())
        __builtin_trap();
    if (!text.contains(QChar(0xFFFD))) {
        const std::optional<QByteArray> encoded = EncodeShiftJIS(text);
        if (!encoded || DecodeShiftJIS(*encoded) != text || !FitsShiftJIS(text))
            __builtin_trap();
    }

    QString units(static_cast<qsizetype>(size / 2), Qt::Uninitialized);
    std::memcpy(units.data(), data, size / 2 * 2);
    QString unmappable;
    const std::optional<QByteArray> encoded = EncodeShiftJIS(units, &unmappable);
    if (encoded.has_value() != FitsShiftJIS(units) || encoded.has_value() != unmappable.isEmpty())
        __builtin_trap();
    if (encoded && DecodeShiftJIS(*encoded).size() != units.size())
        __builtin_trap();
    return 0;
}
