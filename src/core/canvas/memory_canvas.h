#pragma once
// A canvas on a memory bitmap. Its resolution is an explicit one when given (banded
// printing renders at the printer's), else that of a reference device (the screen when
// none); the bitmap reports that resolution, and the canvas font keeps its point size at it.
#include "core/canvas/canvas.h"

#include <QImage>

class TMemoryCanvas : public TCanvas {
public:
    // Draws into the image, which must outlive the canvas. explicitResolution 0 takes the
    // reference device's resolution (the screen when reference is null).
    explicit TMemoryCanvas(QImage& image, int explicitResolution = 0, const QPaintDevice* reference = nullptr);

    int ExplicitResolution() const override { return explicitResolution_; }
    QImage& Image() { return image_; }

private:
    QImage& image_;
    int explicitResolution_;
};

// A new bitmap of the given pixel size and format, filled with white, reporting the given
// resolution.
QImage CreateBitmap(QSize size, QImage::Format format, int dpi);
