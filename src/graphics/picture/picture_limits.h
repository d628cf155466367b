#pragma once
// Bounds every picture decoder applies to untrusted input before it allocates pixels.
#include <QtGlobal>

// The largest picture we decode: 64 Mi pixels (8192 x 8192, or a 50-megapixel photo).
inline constexpr qint64 kMaxPicturePixels = qint64(1) << 26;
// The longest side we decode.
inline constexpr qint64 kMaxPictureSide = 65535;

// Whether a picture of that size may be decoded: both sides positive and within the bounds.
constexpr bool PictureSizeAllowed(qint64 width, qint64 height)
{
    return width > 0 && height > 0 && width <= kMaxPictureSide && height <= kMaxPictureSide &&
           width * height <= kMaxPicturePixels;
}

// The largest file we read into memory to decode a picture.
inline constexpr qint64 kMaxPictureFileBytes = qint64(1) << 30;
