#include "graphics/picture/bmp_writer.h"

#include <QtEndian>
#include <cstring>

namespace {

constexpr int kFileHeaderSize = 14;
constexpr int kInfoHeaderSize = 40;
constexpr quint32 kBitFields = 3;

void Put16(uchar* at, quint16 value)
{
    qToLittleEndian(value, at);
}

void Put32(uchar* at, quint32 value)
{
    qToLittleEndian(value, at);
}

// Writes one row of the image in the file's layout.
void WriteRow(const QImage& image, int y, TPixelFormat format, uchar* target)
{
    const uchar* source = image.constScanLine(y);
    const int width = image.width();
    switch (format) {
    case TPixelFormat::pf1bit:
        memcpy(target, source, size_t((width + 7) / 8));
        break;
    case TPixelFormat::pf4bit:
        for (int x = 0; x < width; ++x)
            target[x / 2] |= (x & 1) ? (source[x] & 0x0F) : uchar(source[x] << 4);
        break;
    case TPixelFormat::pf8bit:
        memcpy(target, source, size_t(width));
        break;
    case TPixelFormat::pf15bit:
    case TPixelFormat::pf16bit:
        memcpy(target, source, size_t(width) * 2);
        break;
    case TPixelFormat::pf24bit:
        memcpy(target, source, size_t(width) * 3);
        break;
    case TPixelFormat::pf32bit:
        memcpy(target, source, size_t(width) * 4);
        break;
    }
}

QList<QRgb> ColorTableOf(const QImage& image, TPixelFormat format)
{
    if (BitsPerPixel(format) > 8)
        return {};
    if (image.format() == QImage::Format_Grayscale8) {
        QList<QRgb> grey;
        for (int i = 0; i < 256; ++i)
            grey.append(qRgb(i, i, i));
        return grey;
    }
    return image.colorTable();
}

} // namespace

QByteArray WriteBmp(const QImage& source, TPixelFormat format)
{
    const QImage image = ConvertToPixelFormat(source, format);
    const int bits = BitsPerPixel(format);
    const QList<QRgb> table = ColorTableOf(image, format);
    const bool bitFields = format == TPixelFormat::pf16bit;
    const qint64 stride = (qint64(image.width()) * bits + 31) / 32 * 4;
    const qint64 pixelBytes = stride * image.height();
    const qint64 offBits = kFileHeaderSize + kInfoHeaderSize + (bitFields ? 12 : 0) + 4 * qint64(table.size());

    QByteArray file(offBits + pixelBytes, '\0');
    auto* bytes = reinterpret_cast<uchar*>(file.data());
    bytes[0] = 'B';
    bytes[1] = 'M';
    Put32(bytes + 2, quint32(file.size()));
    Put32(bytes + 10, quint32(offBits));
    uchar* header = bytes + kFileHeaderSize;
    Put32(header, kInfoHeaderSize);
    Put32(header + 4, quint32(image.width()));
    Put32(header + 8, quint32(image.height()));
    Put16(header + 12, 1);
    Put16(header + 14, quint16(bits));
    Put32(header + 16, bitFields ? kBitFields : 0);
    Put32(header + 20, quint32(pixelBytes));
    Put32(header + 24, quint32(image.dotsPerMeterX()));
    Put32(header + 28, quint32(image.dotsPerMeterY()));
    Put32(header + 32, quint32(table.size()));
    uchar* next = header + kInfoHeaderSize;
    if (bitFields) {
        Put32(next, 0xF800);
        Put32(next + 4, 0x07E0);
        Put32(next + 8, 0x001F);
        next += 12;
    }
    for (QRgb colour : table) {
        next[0] = uchar(qBlue(colour));
        next[1] = uchar(qGreen(colour));
        next[2] = uchar(qRed(colour));
        next += 4;
    }
    for (int y = 0; y < image.height(); ++y)
        WriteRow(image, y, format, bytes + offBits + stride * (image.height() - 1 - y));
    return file;
}
