#pragma once
// Bounds every picture decoder applies to untrusted input before it allocates pixels.
#include <QtGlobal>

// The largest picture we decode: 64 Mi pixels (8192 x 8192, or a 50-megapixel photo).
inline constexpr qint64 kMaxPicturePixels = qint64(1) << 26;
// The longest side we decode.
inline constexpr qint64 kMaxPictureSide = 65535;
// The largest file we read into memory to decode a picture.
inline constexpr qint64 kMaxPictureFileBytes = qint64(1) << 30;

// The pixel count decoders accept: kMaxPicturePixels unless lowered. Fuzz targets lower it
// so that each run stays fast.
qint64 MaxPicturePixels();
void SetMaxPicturePixels(qint64 pixels);

// Whether a picture of that size may be decoded: both sides positive and within the bounds.
bool PictureSizeAllowed(qint64 width, qint64 height);
