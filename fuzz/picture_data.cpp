// Fuzz target: picture data of component streams, through every graphic class (bitmaps,
// JPEG, PNG, GIF, metafiles, icons). What reads must write and read again.
#include "core/error.h"
#include "graphics/picture/graphic.h"
#include "graphics/picture/picture_data.h"
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
        const std::unique_ptr<TGraphic> graphic = ReadPictureData(bytes);
        if (graphic) {
            const std::unique_ptr<TGraphic> again = ReadPictureData(WritePictureData(graphic.get()));
            if (!again || again->Width() != graphic->Width() || again->Height() != graphic->Height())
                __builtin_trap();
        }
    } catch (const EAppError&) {
    }
    return 0;
}
