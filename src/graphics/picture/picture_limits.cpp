#include "graphics/picture/picture_limits.h"

#include <atomic>

namespace {

std::atomic<qint64> maxPixels{kMaxPicturePixels};

} // namespace

qint64 MaxPicturePixels()
{
    return maxPixels.load(std::memory_order_relaxed);
}

void SetMaxPicturePixels(qint64 pixels)
{
    maxPixels.store(pixels, std::memory_order_relaxed);
}

bool PictureSizeAllowed(qint64 width, qint64 height)
{
    return width > 0 && height > 0 && width <= kMaxPictureSide && height <= kMaxPictureSide &&
           width * height <= MaxPicturePixels();
}
