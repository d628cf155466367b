#pragma once
// Reading Windows BMP files: core (12-byte) and info headers (40 bytes and the longer
// versions that begin with it), colour tables, bit-field masks, 1, 4, 8, 16, 24 and 32 bits
// per pixel, RLE8 and RLE4, bottom-up and top-down rows.
#include "graphics/picture/pixel_format.h"

#include <QByteArray>
#include <QImage>

struct TDecodedBitmap {
    QImage Image;
    TPixelFormat PixelFormat = TPixelFormat::pf24bit;
};

// Decodes a BMP file that starts with "BM". Palette pictures keep their colour table;
// 16-bit pictures keep their 5-5-5 or 5-6-5 pixels and 32-bit ones their 8-8-8 pixels; any
// other bit-field layout becomes 24 bits. Fails with "ビットマップイメージが不正です" on any
// malformed, truncated or oversized input.
TDecodedBitmap ReadBmp(const QByteArray& file);

// A device-independent bitmap without the 14-byte file header (clipboard and resource data)
// as a file: "BM" and 12 zero bytes in front, so that the pixels follow the colour table.
QByteArray WithBitmapFileHeader(const QByteArray& dib);
