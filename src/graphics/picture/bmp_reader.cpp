#include "graphics/picture/bmp_reader.h"

#include "graphics/picture/byte_view.h"
#include "graphics/picture/picture_limits.h"
#include "graphics/picture/picture_messages.h"

#include <bit>
#include <cstring>

namespace {

constexpr quint16 kBitmapSignature = 0x4D42; // "BM"
constexpr qint64 kFileHeaderSize = 14;
constexpr qint64 kCoreHeaderSize = 12;
constexpr qint64 kInfoHeaderSize = 40;

enum Compression : quint32 { BI_RGB = 0, BI_RLE8 = 1, BI_RLE4 = 2, BI_BITFIELDS = 3, BI_ALPHABITFIELDS = 6 };

struct Masks {
    quint32 Red = 0;
    quint32 Green = 0;
    quint32 Blue = 0;
    friend bool operator==(const Masks&, const Masks&) = default;
};

constexpr Masks kMasks555{0x7C00, 0x03E0, 0x001F};
constexpr Masks kMasks565{0xF800, 0x07E0, 0x001F};
constexpr Masks kMasks888{0x00FF0000, 0x0000FF00, 0x000000FF};

// Everything the header says about the pixels.
struct Layout {
    qint64 Width = 0;
    qint64 Height = 0; // rows, always positive
    bool TopDown = false;
    int Bits = 0;
    quint32 Compression = BI_RGB;
    Masks ChannelMasks;
    QList<QRgb> ColorTable;
    qint64 DataStart = 0;
    qint64 DataSize = 0;
    qint64 Stride = 0;
    int XPelsPerMeter = 0;
    int YPelsPerMeter = 0;
};

// One colour channel of a bit-field layout, scaled to 8 bits with rounding.
class Channel {
public:
    Channel(quint32 mask, const TByteView& view)
    {
        if (mask == 0)
            return;
        shift_ = std::countr_zero(mask);
        max_ = mask >> shift_;
        if ((max_ & (max_ + 1)) != 0) // the bits of a channel must be contiguous
            view.Fail();
        mask_ = mask;
    }
    uchar Value(quint32 pixel) const
    {
        if (max_ == 0)
            return 0;
        const quint64 raw = (pixel & mask_) >> shift_;
        return static_cast<uchar>((raw * 255 + max_ / 2) / max_);
    }

private:
    quint32 mask_ = 0;
    int shift_ = 0;
    quint64 max_ = 0;
};

bool IsHeaderSize(qint64 size)
{
    return size == kCoreHeaderSize || size == kInfoHeaderSize || size == 52 || size == 56 || size == 108 || size == 124;
}

bool BitsFit(int bits, quint32 compression, bool core)
{
    switch (compression) {
    case BI_RGB:
        return bits == 1 || bits == 4 || bits == 8 || bits == 24 || (!core && (bits == 16 || bits == 32));
    case BI_RLE8:
        return bits == 8;
    case BI_RLE4:
        return bits == 4;
    case BI_BITFIELDS:
    case BI_ALPHABITFIELDS:
        return bits == 16 || bits == 32;
    default:
        return false;
    }
}

Layout ReadLayout(const TByteView& view)
{
    if (view.Size() < kFileHeaderSize + 4 || view.U16(0) != kBitmapSignature)
        view.Fail();
    Layout layout;
    const qint64 offBits = view.U32(10);
    const qint64 headerSize = view.U32(14);
    if (!IsHeaderSize(headerSize))
        view.Fail();
    const bool core = headerSize == kCoreHeaderSize;
    qint64 signedHeight = 0;
    qint64 colorsUsed = 0;
    qint64 sizeImage = 0;
    if (core) {
        layout.Width = view.U16(18);
        signedHeight = view.U16(20);
        layout.Bits = view.U16(24);
    } else {
        layout.Width = view.I32(18);
        signedHeight = view.I32(22);
        layout.Bits = view.U16(28);
        layout.Compression = view.U32(30);
        sizeImage = view.U32(34);
        layout.XPelsPerMeter = view.I32(38);
        layout.YPelsPerMeter = view.I32(42);
        colorsUsed = view.U32(46);
    }
    if (!BitsFit(layout.Bits, layout.Compression, core))
        view.Fail();
    layout.TopDown = signedHeight < 0;
    layout.Height = signedHeight < 0 ? -signedHeight : signedHeight;
    const bool rle = layout.Compression == BI_RLE8 || layout.Compression == BI_RLE4;
    if ((rle && layout.TopDown) || !PictureSizeAllowed(layout.Width, layout.Height))
        view.Fail();

    qint64 tableStart = kFileHeaderSize + headerSize;
    if (layout.Compression == BI_BITFIELDS || layout.Compression == BI_ALPHABITFIELDS) {
        const qint64 maskStart = headerSize > kInfoHeaderSize ? kFileHeaderSize + kInfoHeaderSize : tableStart;
        layout.ChannelMasks = {view.U32(maskStart), view.U32(maskStart + 4), view.U32(maskStart + 8)};
        if (headerSize == kInfoHeaderSize)
            tableStart += layout.Compression == BI_ALPHABITFIELDS ? 16 : 12;
    } else if (layout.Bits == 16) {
        layout.ChannelMasks = kMasks555;
    } else if (layout.Bits == 32) {
        layout.ChannelMasks = kMasks888;
    }

    // The colour table holds the used-colour count, or the full palette below 16 bits.
    const qint64 maxColors = qint64(1) << std::min(layout.Bits, 8);
    const qint64 tableEntries = colorsUsed != 0 ? colorsUsed : (layout.Bits <= 8 ? maxColors : 0);
    if (tableEntries > 65536)
        view.Fail();
    const qint64 entrySize = core ? 3 : 4;
    if (layout.Bits <= 8) {
        const qint64 entries = std::min(tableEntries, maxColors);
        const uchar* table = view.At(tableStart, entries * entrySize);
        for (qint64 i = 0; i < entries; ++i) {
            const uchar* entry = table + i * entrySize;
            layout.ColorTable.append(qRgb(entry[2], entry[1], entry[0]));
        }
        layout.ColorTable.resize(maxColors, qRgb(0, 0, 0));
    }

    layout.DataStart = offBits != 0 ? offBits : tableStart + tableEntries * entrySize;
    if (!view.Has(layout.DataStart, 0))
        view.Fail();
    const qint64 available = view.Size() - layout.DataStart;
    layout.Stride = (layout.Width * layout.Bits + 31) / 32 * 4;
    if (rle) {
        layout.DataSize = sizeImage != 0 && sizeImage < available ? sizeImage : available;
    } else {
        layout.DataSize = layout.Stride * layout.Height;
        if (layout.DataSize > available)
            view.Fail();
    }
    return layout;
}

QImage NewImage(const Layout& layout, QImage::Format format, const TByteView& view)
{
    QImage image(int(layout.Width), int(layout.Height), format);
    if (image.isNull())
        view.Fail();
    if (!layout.ColorTable.isEmpty())
        image.setColorTable(layout.ColorTable);
    if (layout.XPelsPerMeter > 0 && layout.YPelsPerMeter > 0) {
        image.setDotsPerMeterX(layout.XPelsPerMeter);
        image.setDotsPerMeterY(layout.YPelsPerMeter);
    }
    return image;
}

// The image row that a row of the file fills.
int TargetRow(const Layout& layout, qint64 fileRow)
{
    return int(layout.TopDown ? fileRow : layout.Height - 1 - fileRow);
}

// Rows whose bytes are the image's own pixel layout: copied as they are.
QImage CopyRows(const Layout& layout, QImage::Format format, qint64 rowBytes, const TByteView& view)
{
    QImage image = NewImage(layout, format, view);
    const uchar* data = view.At(layout.DataStart, layout.DataSize);
    for (qint64 row = 0; row < layout.Height; ++row)
        memcpy(image.scanLine(TargetRow(layout, row)), data + row * layout.Stride, size_t(rowBytes));
    return image;
}

QImage Unpack4(const Layout& layout, const TByteView& view)
{
    QImage image = NewImage(layout, QImage::Format_Indexed8, view);
    const uchar* data = view.At(layout.DataStart, layout.DataSize);
    for (qint64 row = 0; row < layout.Height; ++row) {
        const uchar* source = data + row * layout.Stride;
        uchar* target = image.scanLine(TargetRow(layout, row));
        for (qint64 x = 0; x < layout.Width; ++x)
            target[x] = (x & 1) ? (source[x / 2] & 0x0F) : (source[x / 2] >> 4);
    }
    return image;
}

QImage Read32(const Layout& layout, const TByteView& view)
{
    QImage image = NewImage(layout, QImage::Format_RGB32, view);
    const uchar* data = view.At(layout.DataStart, layout.DataSize);
    for (qint64 row = 0; row < layout.Height; ++row) {
        const uchar* source = data + row * layout.Stride;
        auto* target = reinterpret_cast<QRgb*>(image.scanLine(TargetRow(layout, row)));
        for (qint64 x = 0; x < layout.Width; ++x)
            target[x] = 0xFF000000u | (qFromLittleEndian<quint32>(source + 4 * x) & 0x00FFFFFFu);
    }
    return image;
}

// Any other bit-field layout, converted to 24 bits.
QImage ReadBitFields(const Layout& layout, const TByteView& view)
{
    QImage image = NewImage(layout, QImage::Format_BGR888, view);
    const Channel red(layout.ChannelMasks.Red, view);
    const Channel green(layout.ChannelMasks.Green, view);
    const Channel blue(layout.ChannelMasks.Blue, view);
    const int bytes = layout.Bits / 8;
    const uchar* data = view.At(layout.DataStart, layout.DataSize);
    for (qint64 row = 0; row < layout.Height; ++row) {
        const uchar* source = data + row * layout.Stride;
        uchar* target = image.scanLine(TargetRow(layout, row));
        for (qint64 x = 0; x < layout.Width; ++x) {
            const quint32 pixel = bytes == 2 ? qFromLittleEndian<quint16>(source + 2 * x)
                                             : qFromLittleEndian<quint32>(source + 4 * x);
            target[3 * x] = blue.Value(pixel);
            target[3 * x + 1] = green.Value(pixel);
            target[3 * x + 2] = red.Value(pixel);
        }
    }
    return image;
}

// Run-length encoded 8- or 4-bit pixels. Pixels the codes skip keep index 0; runs past the
// right edge are cut; decoding ends at the end-of-bitmap code, after the last row or when
// the data runs out.
QImage DecodeRle(const Layout& layout, const TByteView& view)
{
    QImage image = NewImage(layout, QImage::Format_Indexed8, view);
    image.fill(0);
    const bool fourBit = layout.Compression == BI_RLE4;
    const uchar* data = view.At(layout.DataStart, layout.DataSize);
    const qint64 end = layout.DataSize;
    qint64 pos = 0;
    qint64 x = 0;
    qint64 y = 0; // counted from the bottom row
    uchar* line = image.scanLine(int(layout.Height - 1));
    auto put = [&](uchar index) {
        if (x < layout.Width)
            line[x] = index;
        ++x;
    };
    auto nextRows = [&](qint64 rows) {
        y += rows;
        if (y < layout.Height)
            line = image.scanLine(int(layout.Height - 1 - y));
    };
    while (pos + 2 <= end && y < layout.Height) {
        const int count = data[pos];
        const uchar code = data[pos + 1];
        pos += 2;
        if (count > 0) {
            const int run = int(std::min<qint64>(count, std::max<qint64>(layout.Width - x, 0)));
            for (int i = 0; i < run; ++i)
                put(fourBit ? ((i & 1) ? (code & 0x0F) : (code >> 4)) : code);
            x += count - run;
            continue;
        }
        if (code == 0) { // end of line
            x = 0;
            nextRows(1);
        } else if (code == 1) { // end of bitmap
            break;
        } else if (code == 2) { // delta
            if (pos + 2 > end)
                break;
            x += data[pos];
            const int rows = data[pos + 1];
            pos += 2;
            if (rows > 0)
                nextRows(rows);
        } else { // absolute run of `code` pixels, padded to a 16-bit boundary
            const qint64 bytes = fourBit ? (code + 1) / 2 : code;
            if (pos + bytes > end)
                break;
            for (int i = 0; i < code; ++i)
                put(fourBit ? ((i & 1) ? (data[pos + i / 2] & 0x0F) : (data[pos + i / 2] >> 4)) : data[pos + i]);
            pos += (bytes + 1) & ~qint64(1);
        }
    }
    return image;
}

} // namespace

TDecodedBitmap ReadBmp(const QByteArray& file)
{
    const TByteView view(file, picturemsg::InvalidBitmap());
    const Layout layout = ReadLayout(view);
    switch (layout.Bits) {
    case 1:
        return {CopyRows(layout, QImage::Format_Mono, (layout.Width + 7) / 8, view), TPixelFormat::pf1bit};
    case 4:
        return {layout.Compression == BI_RLE4 ? DecodeRle(layout, view) : Unpack4(layout, view), TPixelFormat::pf4bit};
    case 8:
        return {layout.Compression == BI_RLE8 ? DecodeRle(layout, view)
                                              : CopyRows(layout, QImage::Format_Indexed8, layout.Width, view),
                TPixelFormat::pf8bit};
    case 16:
        if (layout.ChannelMasks == kMasks555)
            return {CopyRows(layout, QImage::Format_RGB555, layout.Width * 2, view), TPixelFormat::pf15bit};
        if (layout.ChannelMasks == kMasks565)
            return {CopyRows(layout, QImage::Format_RGB16, layout.Width * 2, view), TPixelFormat::pf16bit};
        break;
    case 24:
        return {CopyRows(layout, QImage::Format_BGR888, layout.Width * 3, view), TPixelFormat::pf24bit};
    case 32:
        if (layout.ChannelMasks == kMasks888)
            return {Read32(layout, view), TPixelFormat::pf32bit};
        break;
    }
    return {ReadBitFields(layout, view), TPixelFormat::pf24bit};
}

QByteArray WithBitmapFileHeader(const QByteArray& dib)
{
    QByteArray file("BM");
    file.append(12, '\0');
    file.append(dib);
    return file;
}
