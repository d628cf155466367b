#include "platform/shift_jis.h"

#include <iconv.h>

#include <array>
#include <cstring>
#include <memory>
#include <mutex>
#include <stdexcept>

namespace {

constexpr char16_t kInvalid = 0xFFFD;

bool IsLeadByte(unsigned char b)
{
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

bool IsTrailByte(unsigned char b)
{
    return b >= 0x40 && b <= 0xFC && b != 0x7F;
}

// The conversion tables, built once from the C library's CP932 converter, which follows
// the code page (including its preferred codes where several codes share a character).
struct Tables {
    std::array<char16_t, 65536> decode{}; // code (one byte, or lead << 8 | trail) -> UTF-16
    std::array<std::uint16_t, 65536> encode{}; // UTF-16 -> code, 0 = none (U+0000 is code 0)
};

class Converter {
public:
    Converter(const char* to, const char* from) : handle_(iconv_open(to, from))
    {
        if (handle_ == reinterpret_cast<iconv_t>(-1))
            throw std::runtime_error("CP932 conversion is not available");
    }
    ~Converter() { iconv_close(handle_); }

    // Converts one character's bytes; returns the output length, or -1.
    int Convert(const char* input, size_t inputLength, char* output, size_t outputSize)
    {
        iconv(handle_, nullptr, nullptr, nullptr, nullptr);
        char* in = const_cast<char*>(input);
        char* out = output;
        size_t inLeft = inputLength;
        size_t outLeft = outputSize;
        if (iconv(handle_, &in, &inLeft, &out, &outLeft) == static_cast<size_t>(-1) || inLeft != 0)
            return -1;
        return static_cast<int>(outputSize - outLeft);
    }

private:
    iconv_t handle_;
};

std::unique_ptr<Tables> BuildTables()
{
    auto tables = std::make_unique<Tables>();
    tables->decode.fill(kInvalid);
    Converter toUnicode("UTF-16LE", "CP932");
    Converter fromUnicode("CP932", "UTF-16LE");

    const auto decodeOne = [&](std::uint16_t code, const char* bytes, size_t length) {
        char out[8];
        if (toUnicode.Convert(bytes, length, out, sizeof out) == 2) {
            char16_t unit;
            std::memcpy(&unit, out, 2);
            tables->decode[code] = unit;
        }
    };
    for (int b = 0; b < 256; ++b) {
        if (IsLeadByte(static_cast<unsigned char>(b)))
            continue;
        const char byte = static_cast<char>(b);
        decodeOne(static_cast<std::uint16_t>(b), &byte, 1);
    }
    // Single bytes the code page maps outside the C library's table.
    tables->decode[0x80] = 0x0080;
    tables->decode[0xA0] = 0xF8F0;
    tables->decode[0xFD] = 0xF8F1;
    tables->decode[0xFE] = 0xF8F2;
    tables->decode[0xFF] = 0xF8F3;
    for (int lead = 0x81; lead <= 0xFC; ++lead) {
        if (!IsLeadByte(static_cast<unsigned char>(lead)))
            continue;
        for (int trail = 0x40; trail <= 0xFC; ++trail) {
            if (!IsTrailByte(static_cast<unsigned char>(trail)))
                continue;
            const char bytes[2] = {static_cast<char>(lead), static_cast<char>(trail)};
            decodeOne(static_cast<std::uint16_t>(lead << 8 | trail), bytes, 2);
        }
    }

    // Encoding: every character the code page decodes to, at the code the code page
    // prefers for it.
    for (int code = 0; code < 65536; ++code) {
        const char16_t unit = tables->decode[code];
        if (unit == kInvalid || tables->encode[unit] != 0 || unit == 0)
            continue;
        char out[4];
        const int length = fromUnicode.Convert(reinterpret_cast<const char*>(&unit), 2, out, sizeof out);
        std::uint16_t preferred = static_cast<std::uint16_t>(code);
        if (length == 1)
            preferred = static_cast<unsigned char>(out[0]);
        else if (length == 2)
            preferred = static_cast<std::uint16_t>(static_cast<unsigned char>(out[0]) << 8 | static_cast<unsigned char>(out[1]));
        // Keep only codes that decode back to the same character.
        tables->encode[unit] = tables->decode[preferred] == unit ? preferred : static_cast<std::uint16_t>(code);
    }
    // Characters that input methods produce for glyphs the code page holds under other
    // code points.
    const std::pair<char16_t, std::uint16_t> alternatives[] = {
        {0x301C, 0x8160}, {0x2016, 0x8161}, {0x2212, 0x817C}, {0x00A2, 0x8191},
        {0x00A3, 0x8192}, {0x00AC, 0x81CA}, {0x2014, 0x815C},
    };
    for (const auto& [unit, code] : alternatives)
        tables->encode[unit] = code;
    return tables;
}

const Tables& GetTables()
{
    static std::once_flag once;
    static std::unique_ptr<Tables> tables;
    std::call_once(once, [] { tables = BuildTables(); });
    return *tables;
}

} // namespace

QString DecodeShiftJIS(QByteArrayView bytes)
{
    const Tables& tables = GetTables();
    QString text;
    text.reserve(bytes.size());
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
    const qsizetype size = bytes.size();
    for (qsizetype i = 0; i < size; ++i) {
        const unsigned char b = data[i];
        if (!IsLeadByte(b)) {
            text.append(QChar(tables.decode[b]));
            continue;
        }
        if (i + 1 < size && IsTrailByte(data[i + 1])) {
            text.append(QChar(tables.decode[static_cast<std::uint16_t>(b << 8 | data[i + 1])]));
            ++i;
        } else {
            text.append(QChar(kInvalid));
        }
    }
    return text;
}

std::optional<QByteArray> EncodeShiftJIS(QStringView text, QString* unmappable)
{
    const Tables& tables = GetTables();
    QByteArray bytes;
    bytes.reserve(text.size() * 2);
    bool complete = true;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i].unicode();
        const std::uint16_t code = tables.encode[unit];
        if (code == 0 && unit != 0) {
            complete = false;
            // Report whole characters: a surrogate pair stays together.
            const qsizetype length = text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate() ? 2 : 1;
            const QStringView character = text.mid(i, length);
            if (unmappable && !unmappable->contains(character))
                unmappable->append(character);
            i += length - 1;
            continue;
        }
        if (code > 0xFF)
            bytes.append(static_cast<char>(code >> 8));
        bytes.append(static_cast<char>(code & 0xFF));
    }
    if (!complete)
        return std::nullopt;
    return bytes;
}

bool FitsShiftJIS(QStringView text)
{
    const Tables& tables = GetTables();
    for (const QChar ch : text)
        if (tables.encode[ch.unicode()] == 0 && ch.unicode() != 0)
            return false;
    return true;
}
