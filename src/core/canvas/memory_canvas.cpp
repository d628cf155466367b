#include "core/canvas/memory_canvas.h"

namespace {

constexpr double kInchesPerMetre = 1.0 / 0.0254;

void SetResolution(QImage& image, int dpi)
{
    image.setDotsPerMeterX(qRound(dpi * kInchesPerMetre));
    image.setDotsPerMeterY(qRound(dpi * kInchesPerMetre));
}

// The image made to report the canvas's resolution before a painter starts on it.
QImage* Prepared(QImage& image, int explicitResolution, const QPaintDevice* reference)
{
    int dpi = explicitResolution;
    if (dpi <= 0)
        dpi = reference && reference->logicalDpiY() > 0 ? reference->logicalDpiY() : ScreenDPI();
    SetResolution(image, dpi);
    return &image;
}

} // namespace

TMemoryCanvas::TMemoryCanvas(QImage& image, int explicitResolution, const QPaintDevice* reference)
    : TCanvas(Prepared(image, explicitResolution, reference)), image_(image),
      explicitResolution_(explicitResolution > 0 ? explicitResolution : 0)
{
    SetFontResolution(DeviceDPI(*this));
    SetFontPointSize(8);
}

QImage CreateBitmap(QSize size, QImage::Format format, int dpi)
{
    QImage image(size, format);
    image.fill(Qt::white);
    SetResolution(image, dpi);
    return image;
}
