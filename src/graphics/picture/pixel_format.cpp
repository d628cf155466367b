#include "graphics/picture/pixel_format.h"

namespace {

// The sixteen colours of the standard 16-colour palette, used when a picture is reduced to
// 4 bits per pixel.
const QList<QRgb>& StandardPalette16()
{
    static const QList<QRgb> palette{
        qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
        qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(128, 128, 128),
        qRgb(192, 192, 192), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
        qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255)};
    return palette;
}

constexpr Qt::ImageConversionFlags kPaletteConversion = Qt::ThresholdDither | Qt::AvoidDither;

// An indexed image whose colour table has exactly `entries` colours (missing ones black).
QImage WithTableSize(QImage image, int entries)
{
    QList<QRgb> table = image.colorTable();
    table.resize(entries, qRgb(0, 0, 0));
    image.setColorTable(table);
    return image;
}

} // namespace

TPixelFormat PixelFormatOf(const QImage& image)
{
    switch (image.format()) {
    case QImage::Format_Mono:
        return TPixelFormat::pf1bit;
    case QImage::Format_Indexed8:
    case QImage::Format_Grayscale8:
        return TPixelFormat::pf8bit;
    case QImage::Format_RGB555:
        return TPixelFormat::pf15bit;
    case QImage::Format_RGB16:
        return TPixelFormat::pf16bit;
    case QImage::Format_RGB32:
        return TPixelFormat::pf32bit;
    default:
        return TPixelFormat::pf24bit;
    }
}

int BitsPerPixel(TPixelFormat format)
{
    switch (format) {
    case TPixelFormat::pf1bit:
        return 1;
    case TPixelFormat::pf4bit:
        return 4;
    case TPixelFormat::pf8bit:
        return 8;
    case TPixelFormat::pf15bit:
    case TPixelFormat::pf16bit:
        return 16;
    case TPixelFormat::pf24bit:
        return 24;
    case TPixelFormat::pf32bit:
        return 32;
    }
    return 24;
}

QImage ConvertToPixelFormat(const QImage& image, TPixelFormat format)
{
    switch (format) {
    case TPixelFormat::pf1bit:
        return WithTableSize(image.convertToFormat(QImage::Format_Mono, kPaletteConversion), 2);
    case TPixelFormat::pf4bit:
        if (image.format() == QImage::Format_Indexed8 && image.colorCount() <= 16)
            return WithTableSize(image, 16);
        return image.convertToFormat(QImage::Format_Indexed8, StandardPalette16(), kPaletteConversion);
    case TPixelFormat::pf8bit:
        if (image.format() == QImage::Format_Grayscale8)
            return image;
        return WithTableSize(image.convertToFormat(QImage::Format_Indexed8, kPaletteConversion), 256);
    case TPixelFormat::pf15bit:
        return image.convertToFormat(QImage::Format_RGB555);
    case TPixelFormat::pf16bit:
        return image.convertToFormat(QImage::Format_RGB16);
    case TPixelFormat::pf24bit:
        return image.convertToFormat(QImage::Format_BGR888);
    case TPixelFormat::pf32bit:
        return image.convertToFormat(QImage::Format_RGB32);
    }
    return image;
}
