// Fuzz target: the JPEG header check, then decoding of what passes it at the finest scale
// whose output stays within the (lowered) picture bounds.
#include "core/error.h"
#include "graphics/picture/jpeg_codec.h"
#include "graphics/picture/jpeg_header.h"
#include "graphics/picture/picture_limits.h"

#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    SetMaxPicturePixels(qint64(1) << 20); // small pictures keep each run fast
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    try {
        const TJPEGHeader header = CheckJPEGHeader(bytes);
        for (int denominator : {1, 2, 4, 8}) {
            const QSize scaled = ScaledJPEGSize(QSize(header.Width, header.Height), denominator);
            if (PictureSizeAllowed(scaled.width(), scaled.height())) {
                DecodeJPEG(bytes, denominator);
                break;
            }
        }
    } catch (const EAppError&) {
    }
    return 0;
}
