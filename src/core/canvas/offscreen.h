#pragma once
// Off-screen bitmaps that cover the visible part of a logical rectangle on a target
// canvas, mapped so that logical coordinates draw into the right pixels.
#include "core/canvas/memory_canvas.h"

#include <memory>

class TOffscreen {
public:
    TOffscreen(QRect deviceRect, QImage::Format format, const TCanvas& target);

    // The bitmap's place on the target canvas, in the target's device pixels.
    QRect DeviceRect() const { return deviceRect_; }
    QImage& Image() { return *image_; }
    // A canvas on the bitmap with the target's mapping, shifted to the bitmap's origin.
    TCanvas& Canvas() { return *canvas_; }
    // Ends drawing and hands the bitmap over.
    QImage TakeImage();

private:
    QRect deviceRect_;
    std::unique_ptr<QImage> image_;
    std::unique_ptr<TMemoryCanvas> canvas_;
};

// Pixels by which the offscreen images of a blended paint reach beyond the clip box.
inline constexpr int kOffscreenInflate = 5;

// The device rectangle an offscreen bitmap for the logical rectangle covers: its part inside
// the canvas's clip box (within the device) enlarged by inflate pixels on every side (empty
// when none).
QRect OffscreenDeviceRect(const TCanvas& canvas, const TRect& logical, int inflate);

// A bitmap covering OffscreenDeviceRect of the logical rectangle, with the canvas's mapping and
// font resolution. With copyBackground the target's pixels under it are copied in (when
// they can be read). Returns nullptr when nothing of the rectangle is visible.
std::unique_ptr<TOffscreen> CreateOffscreen(TCanvas& canvas, const TRect& logical, QImage::Format format, int inflate,
                                            bool copyBackground);
