#pragma once
// Alpha maps: 8-bit images whose pixel value is the opacity (0 transparent, 255 opaque).
// They are kept as Format_Grayscale8; an 8-bit indexed image with the grey palette holds the
// same values and is accepted wherever an alpha map is.
#include <QImage>
#include <QList>

// The 256 grey entries (entry i = red i, green i, blue i), built once and shared.
const QList<QRgb>& GreyPalette();

// Whether an image can serve as an alpha map: 8 bits per pixel.
inline bool IsAlphaMapFormat(const QImage& image)
{
    return !image.isNull() && image.depth() == 8;
}
