// Fuzz target: BMP files, headerless bitmaps and compressed bitmaps through the bitmap
// class. Whatever decodes must write back as a BMP that reads back to the same pixels.
#include "core/error.h"
#include "graphics/picture/bmp_reader.h"
#include "graphics/picture/bmp_writer.h"
#include "graphics/picture/picture_limits.h"
#include "graphics/picture/safety_bitmap.h"

#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    SetMaxPicturePixels(qint64(1) << 20); // small pictures keep each run fast
    return 0;
}

namespace {

void RoundTrip(const TSafetyBitmap& bitmap)
{
    const TDecodedBitmap back = ReadBmp(WriteBmp(bitmap.Image(), bitmap.PixelFormat()));
    if (back.PixelFormat != bitmap.PixelFormat() || back.Image != bitmap.Image())
        __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    TSafetyBitmap bitmap;
    try {
        bitmap.LoadFromBytes(bytes);
        RoundTrip(bitmap);
    } catch (const EAppError&) {
    }
    try {
        bitmap.LoadFromDIB(bytes);
        RoundTrip(bitmap);
    } catch (const EAppError&) {
    }
    return 0;
}
