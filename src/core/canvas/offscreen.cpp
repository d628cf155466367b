#include "core/canvas/offscreen.h"

#include <QPaintDevice>

TOffscreen::TOffscreen(QRect deviceRect, QImage::Format format, const TCanvas& target)
    : deviceRect_(deviceRect), image_(std::make_unique<QImage>(deviceRect.size(), format))
{
    image_->fill(0);
    canvas_ = std::make_unique<TMemoryCanvas>(*image_, DeviceDPI(target));
    canvas_->SetMapMode(target.MapMode());
    canvas_->SetWindowExt(target.WindowExt());
    canvas_->SetViewportExt(target.ViewportExt());
    canvas_->SetWindowOrg(target.WindowOrg());
    canvas_->SetViewportOrg(target.ViewportOrg() - deviceRect.topLeft());
    canvas_->SetFontResolution(target.FontResolution());
    canvas_->SetFont(target.Font());
}

QImage TOffscreen::TakeImage()
{
    canvas_.reset();
    return std::move(*image_);
}

QRect OffscreenDeviceRect(const TCanvas& canvas, const TRect& logical, int inflate)
{
    // The clip's box, never more than the device: a clip set from huge logical bounds must
    // not ask for a bitmap larger than what can show.
    QRect clipBox;
    const QPaintDevice* device = canvas.Device();
    if (canvas.HasClip()) {
        clipBox = canvas.ClipRegion().boundingRect();
        // A recording (a picture) has no size of its own yet: its clip is all there is.
        if (device && device->width() > 0 && device->height() > 0)
            clipBox &= QRect(0, 0, device->width(), device->height());
    } else if (device) {
        clipBox = QRect(0, 0, device->width(), device->height());
    }
    clipBox.adjust(-inflate, -inflate, inflate, inflate);

    const QPoint a = canvas.LogicalToDevice(logical.TopLeft());
    const QPoint b = canvas.LogicalToDevice(logical.BottomRight());
    return TRect(a.x(), a.y(), b.x(), b.y()).ToQRect().normalized().intersected(clipBox);
}

std::unique_ptr<TOffscreen> CreateOffscreen(TCanvas& canvas, const TRect& logical, QImage::Format format, int inflate,
                                            bool copyBackground)
{
    const QRect deviceRect = OffscreenDeviceRect(canvas, logical, inflate);
    if (deviceRect.isEmpty())
        return nullptr;

    auto offscreen = std::make_unique<TOffscreen>(deviceRect, format, canvas);
    if (copyBackground)
        if (const QImage* source = canvas.ReadableImage()) {
            QPainter& painter = offscreen->Canvas().Painter();
            painter.save();
            painter.resetTransform();
            painter.setCompositionMode(QPainter::CompositionMode_Source);
            painter.drawImage(QPoint(0, 0), *source, deviceRect);
            painter.restore();
        }
    return offscreen;
}
