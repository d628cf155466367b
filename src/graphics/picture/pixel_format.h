#pragma once
// Bitmap pixel formats and the QImage format that holds each: 1 bit as Format_Mono (most
// significant bit first, as in a BMP row), 4 and 8 bits as Format_Indexed8 with a colour
// table of 16 or 256 entries (8-bit alpha maps and grey pictures also as
// Format_Grayscale8), 15 and 16 bits as Format_RGB555 and Format_RGB16, 24 bits as
// Format_BGR888 (B, G, R bytes), 32 bits as Format_RGB32.
#include <QImage>

enum class TPixelFormat { pf1bit, pf4bit, pf8bit, pf15bit, pf16bit, pf24bit, pf32bit };

// The pixel format an image's QImage format stands for; formats outside the list above
// count as 24 bits (they are converted when a bitmap takes them). Indexed8 counts as 8 bits.
TPixelFormat PixelFormatOf(const QImage& image);

// Bits per pixel of a format.
int BitsPerPixel(TPixelFormat format);

// The image in the QImage format that holds the pixel format: palette formats keep their
// colours through a colour table padded to the full 2, 16 or 256 entries (4 bits reduce to
// the 16 nearest colours when more are in use); other formats convert directly.
QImage ConvertToPixelFormat(const QImage& image, TPixelFormat format);
