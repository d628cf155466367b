#pragma once
// Writing Windows BMP files with an info header, bottom-up rows and no compression.
#include "graphics/picture/pixel_format.h"

#include <QByteArray>
#include <QImage>

// The image as a BMP file in the given pixel format (the image is converted to it first):
// 1, 4 and 8 bits with their colour table, 15 bits as plain 16-bit pixels, 16 bits as 5-6-5
// bit fields, 24 and 32 bits plain.
QByteArray WriteBmp(const QImage& image, TPixelFormat format);
