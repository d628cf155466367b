#include "objects/qr/qr_data.h"

#include <algorithm>
#include <cassert>

namespace {

constexpr int ModeIndicator(TQRMode mode)
{
    switch (mode) {
    case TQRMode::Numeric:
        return 1;
    case TQRMode::Alphanumeric:
        return 2;
    case TQRMode::Byte:
        return 4;
    }
    return 0;
}

constexpr int BaseCountBits(TQRMode mode)
{
    switch (mode) {
    case TQRMode::Numeric:
        return 10;
    case TQRMode::Alphanumeric:
        return 9;
    case TQRMode::Byte:
        return 8;
    }
    return 0;
}

// Appends bit fields, most significant bit first, to a zero-filled byte buffer.
class TBitWriter {
public:
    explicit TBitWriter(std::vector<std::uint8_t>& bytes) : bytes_(bytes) {}

    void Append(std::uint32_t value, int width)
    {
        while (width > 0) {
            const int free = 8 - (position_ & 7);
            const int take = std::min(free, width);
            const std::uint32_t chunk = (value >> (width - take)) & ((1u << take) - 1);
            bytes_[static_cast<std::size_t>(position_ >> 3)] |= static_cast<std::uint8_t>(chunk << (free - take));
            position_ += take;
            width -= take;
        }
    }

    // Leaves zero bits (the buffer is zero-filled).
    void Skip(int width) { position_ += width; }
    int Position() const { return position_; }

private:
    std::vector<std::uint8_t>& bytes_;
    int position_ = 0;
};

} // namespace

TQRMode SelectEncodeMode(QByteArrayView payload)
{
    if (payload.isEmpty())
        return TQRMode::Byte;
    TQRMode mode = TQRMode::Numeric;
    for (const char c : payload) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= '0' && byte <= '9')
            continue;
        if (byte > '_' || QRAlphanumericValue(byte) < 0)
            return TQRMode::Byte;
        mode = TQRMode::Alphanumeric;
    }
    return mode;
}

bool IsAllDigits(QByteArrayView payload)
{
    return std::all_of(payload.begin(), payload.end(), [](char c) { return c >= '0' && c <= '9'; });
}

int QRSegmentBits(TQRMode mode, int length)
{
    const int header = 4 + BaseCountBits(mode);
    switch (mode) {
    case TQRMode::Numeric: {
        static constexpr int kTailBits[] = {0, 4, 7};
        return header + 10 * (length / 3) + kTailBits[length % 3];
    }
    case TQRMode::Alphanumeric:
        return header + 11 * (length / 2) + 6 * (length % 2);
    case TQRMode::Byte:
        return header + 8 * length;
    }
    return header;
}

int QRCountExtraBits(TQRMode mode, int version)
{
    if (version < 10)
        return 0;
    if (mode == TQRMode::Byte)
        return 8;
    return version < 27 ? 2 : 4;
}

bool QRSegmentFits(TQRMode mode, int length, int version, TQRLevel level)
{
    // The count must also be representable in its field.
    const int countBits = BaseCountBits(mode) + QRCountExtraBits(mode, version);
    return length < (1 << countBits) &&
           QRSegmentBits(mode, length) + QRCountExtraBits(mode, version) <= QRDataCapacityBits(version, level);
}

int SelectQRVersion(TQRMode mode, int length, TQRLevel level)
{
    for (int version = kQRMinVersion; version <= kQRMaxVersion; ++version)
        if (QRSegmentFits(mode, length, version, level))
            return version;
    return 0;
}

std::vector<std::uint8_t> QRDataCodewords(QByteArrayView payload, TQRMode mode, int version, TQRLevel level)
{
    const int length = static_cast<int>(payload.size());
    assert(QRSegmentFits(mode, length, version, level));
    const int capacityBits = QRDataCapacityBits(version, level);
    std::vector<std::uint8_t> codewords(static_cast<std::size_t>(capacityBits / 8), 0);
    TBitWriter bits(codewords);

    bits.Append(static_cast<std::uint32_t>(ModeIndicator(mode)), 4);
    bits.Append(static_cast<std::uint32_t>(length), BaseCountBits(mode) + QRCountExtraBits(mode, version));
    const auto* data = reinterpret_cast<const unsigned char*>(payload.data());
    switch (mode) {
    case TQRMode::Numeric: {
        int i = 0;
        for (; i + 3 <= length; i += 3)
            bits.Append(static_cast<std::uint32_t>((data[i] - '0') * 100 + (data[i + 1] - '0') * 10 + (data[i + 2] - '0')), 10);
        if (length - i == 2)
            bits.Append(static_cast<std::uint32_t>((data[i] - '0') * 10 + (data[i + 1] - '0')), 7);
        else if (length - i == 1)
            bits.Append(static_cast<std::uint32_t>(data[i] - '0'), 4);
        break;
    }
    case TQRMode::Alphanumeric: {
        const auto value = [](unsigned char byte) { return static_cast<std::uint32_t>(std::max(QRAlphanumericValue(byte), 0)); };
        int i = 0;
        for (; i + 2 <= length; i += 2)
            bits.Append(45 * value(data[i]) + value(data[i + 1]), 11);
        if (i < length)
            bits.Append(value(data[i]), 6);
        break;
    }
    case TQRMode::Byte:
        for (int i = 0; i < length; ++i)
            bits.Append(data[i], 8);
        break;
    }

    // Terminator (shortened when fewer than 4 bits are left), then zero bits to the byte
    // boundary; the pad codewords 236 and 17 fill the remaining bytes.
    bits.Skip(std::min(4, capacityBits - bits.Position()));
    std::size_t next = static_cast<std::size_t>((bits.Position() + 7) / 8);
    for (bool first = true; next < codewords.size(); ++next, first = !first)
        codewords[next] = first ? 236 : 17;
    return codewords;
}
