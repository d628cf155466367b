#include "core/canvas/canvas.h"

#include "core/canvas/units.h"

#include <QGuiApplication>
#include <QImage>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QScreen>
#include <algorithm>
#include <limits>

namespace {

// (value - from) * numerator / denominator + to, rounded half away from zero as MulDiv
// rounds, in wide arithmetic and held to the integer range: coordinates read from a hostile
// document must not overflow on their way to the device. A zero denominator gives -1 for
// the scaled part, as MulDiv does.
int MapAxis(int value, int from, int numerator, int denominator, int to)
{
    const __int128 shifted = static_cast<__int128>(value) - from;
    __int128 scaled = -1;
    if (denominator != 0) {
        const __int128 product = shifted * numerator;
        scaled = product / denominator;
        const __int128 remainder = product % denominator;
        const __int128 twice = remainder < 0 ? -2 * remainder : 2 * remainder;
        if (twice >= (denominator < 0 ? -static_cast<__int128>(denominator) : denominator))
            scaled += ((product < 0) != (denominator < 0)) ? -1 : 1;
    }
    const __int128 mapped = scaled + to;
    return static_cast<int>(std::clamp<__int128>(mapped, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

// Default font height of a new canvas, in points.
constexpr int kDefaultFontPoints = 8;

int DeviceResolution(const QPaintDevice* device)
{
    if (!device)
        return ScreenDPI();
    const int dpi = device->logicalDpiY();
    return dpi > 0 ? dpi : ScreenDPI();
}

} // namespace

TCanvas::TCanvas(QPaintDevice* device)
    : ownPainter_(std::make_unique<QPainter>(device)), painter_(ownPainter_.get()),
      fontResolution_(DeviceResolution(device))
{
    font_.setPixelSize(MulDiv(kDefaultFontPoints, fontResolution_, 72));
    painter_->setFont(font_);
}

TCanvas::TCanvas(QPainter* painter)
    : painter_(painter), deviceBase_(painter->worldTransform()), fontResolution_(DeviceResolution(painter->device()))
{
    font_ = painter_->font();
    if (font_.pixelSize() <= 0)
        font_.setPixelSize(MulDiv(font_.pointSize() > 0 ? font_.pointSize() : kDefaultFontPoints, fontResolution_, 72));
    painter_->setFont(font_);
    ApplyTransform();
}

TCanvas::~TCanvas() = default;

QPaintDevice* TCanvas::Device() const
{
    return painter_->device();
}

void TCanvas::SetMapMode(TMapMode mode)
{
    mapMode_ = mode;
    ApplyTransform();
}

void TCanvas::SetWindowOrg(QPoint origin)
{
    windowOrg_ = origin;
    ApplyTransform();
}

void TCanvas::SetWindowExt(QSize extent)
{
    if (extent.width() != 0 && extent.height() != 0)
        windowExt_ = extent;
    ApplyTransform();
}

void TCanvas::SetViewportOrg(QPoint origin)
{
    viewportOrg_ = origin;
    ApplyTransform();
}

void TCanvas::SetViewportExt(QSize extent)
{
    if (extent.width() != 0 && extent.height() != 0)
        viewportExt_ = extent;
    ApplyTransform();
}

QPoint TCanvas::LogicalToDevice(QPoint logical) const
{
    if (mapMode_ == TMapMode::Text)
        return {MapAxis(logical.x(), windowOrg_.x(), 1, 1, viewportOrg_.x()),
                MapAxis(logical.y(), windowOrg_.y(), 1, 1, viewportOrg_.y())};
    return {MapAxis(logical.x(), windowOrg_.x(), viewportExt_.width(), windowExt_.width(), viewportOrg_.x()),
            MapAxis(logical.y(), windowOrg_.y(), viewportExt_.height(), windowExt_.height(), viewportOrg_.y())};
}

QPoint TCanvas::DeviceToLogical(QPoint device) const
{
    if (mapMode_ == TMapMode::Text)
        return {MapAxis(device.x(), viewportOrg_.x(), 1, 1, windowOrg_.x()),
                MapAxis(device.y(), viewportOrg_.y(), 1, 1, windowOrg_.y())};
    return {MapAxis(device.x(), viewportOrg_.x(), windowExt_.width(), viewportExt_.width(), windowOrg_.x()),
            MapAxis(device.y(), viewportOrg_.y(), windowExt_.height(), viewportExt_.height(), windowOrg_.y())};
}

QTransform TCanvas::Mapping() const
{
    qreal sx = 1;
    qreal sy = 1;
    if (mapMode_ == TMapMode::Anisotropic) {
        sx = qreal(viewportExt_.width()) / windowExt_.width();
        sy = qreal(viewportExt_.height()) / windowExt_.height();
    }
    // device = (logical - windowOrg) * scale + viewportOrg
    return QTransform(sx, 0, 0, sy, viewportOrg_.x() - windowOrg_.x() * sx, viewportOrg_.y() - windowOrg_.y() * sy);
}

void TCanvas::ApplyTransform()
{
    painter_->setWorldTransform(Mapping() * deviceBase_);
}

void TCanvas::SetFont(const QFont& font)
{
    font_ = font;
    if (font_.pixelSize() <= 0)
        font_.setPixelSize(MulDiv(font.pointSize() > 0 ? font.pointSize() : kDefaultFontPoints, fontResolution_, 72));
    painter_->setFont(font_);
}

int TCanvas::FontPointSize() const
{
    return MulDiv(font_.pixelSize(), 72, fontResolution_);
}

void TCanvas::SetFontPointSize(int points)
{
    font_.setPixelSize(std::max(1, MulDiv(points, fontResolution_, 72)));
    painter_->setFont(font_);
}

void TCanvas::SetClipRegion(const std::optional<QRegion>& deviceRegion)
{
    clip_ = deviceRegion;
    painter_->setWorldTransform(deviceBase_);
    if (clip_)
        painter_->setClipRegion(*clip_);
    else
        painter_->setClipping(false);
    ApplyTransform();
}

namespace {

QRect DeviceRectOf(const TCanvas& canvas, const TRect& logical)
{
    const QPoint a = canvas.LogicalToDevice(logical.TopLeft());
    const QPoint b = canvas.LogicalToDevice(logical.BottomRight());
    return TRect(a.x(), a.y(), b.x(), b.y()).ToQRect().normalized();
}

QRect DeviceBounds(const TCanvas& canvas)
{
    const QPaintDevice* device = canvas.Device();
    return device ? QRect(0, 0, device->width(), device->height()) : QRect();
}

} // namespace

void TCanvas::IntersectClipRect(const TRect& logical)
{
    const QRegion area(DeviceRectOf(*this, logical));
    SetClipRegion(clip_ ? clip_->intersected(area) : area);
}

bool TCanvas::RectVisible(const TRect& logical) const
{
    const QRect area = DeviceRectOf(*this, logical);
    if (clip_)
        return clip_->intersects(area);
    const QRect bounds = DeviceBounds(*this);
    return bounds.isEmpty() || bounds.intersects(area);
}

QImage* TCanvas::ReadableImage() const
{
    QPaintDevice* device = Device();
    if (!device || device->devType() != QInternal::Image)
        return nullptr;
    auto* image = static_cast<QImage*>(device);
    return image->isNull() ? nullptr : image;
}

int ScreenDPI()
{
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        if (const QScreen* screen = QGuiApplication::primaryScreen())
            return qRound(screen->logicalDotsPerInchY());
    return 96;
}

int DeviceDPI(const TCanvas& canvas)
{
    if (const int explicitDpi = canvas.ExplicitResolution(); explicitDpi > 0)
        return explicitDpi;
    return DeviceResolution(canvas.Device());
}

bool IsPrinterCanvas(const TCanvas& canvas)
{
    if (canvas.IsMarkedPrinterCanvas())
        return true;
    const QPaintDevice* device = canvas.Device();
    if (!device)
        return false;
    if (device->devType() == QInternal::Printer)
        return true;
    const QPaintEngine* engine = device->paintEngine();
    return engine && engine->type() == QPaintEngine::Pdf;
}

void ResetToPixels(TCanvas& canvas)
{
    canvas.SetMapMode(TMapMode::Text);
    canvas.SetWindowOrg({0, 0});
    canvas.SetViewportOrg({0, 0});
}

void TCoordMap::Save(const TCanvas& canvas)
{
    mapMode_ = canvas.MapMode();
    viewportExt_ = canvas.ViewportExt();
    viewportOrg_ = canvas.ViewportOrg();
    windowExt_ = canvas.WindowExt();
    windowOrg_ = canvas.WindowOrg();
}

void TCoordMap::Restore(TCanvas& canvas) const
{
    canvas.SetMapMode(mapMode_);
    canvas.SetWindowExt(windowExt_);
    canvas.SetViewportExt(viewportExt_);
    canvas.SetWindowOrg({0, 0});
    QPoint shift;
    if (!windowOrg_.isNull()) {
        // The saved window origin in device units, with the viewport origin at (0, 0).
        canvas.SetViewportOrg({0, 0});
        shift = canvas.LogicalToDevice(windowOrg_);
    }
    canvas.SetViewportOrg(viewportOrg_ - shift);
}

void TCoordMap::Apply(TCanvas& canvas) const
{
    canvas.SetMapMode(mapMode_);
    canvas.SetWindowExt(windowExt_);
    canvas.SetViewportExt(viewportExt_);
    canvas.SetWindowOrg(windowOrg_);
    canvas.SetViewportOrg(viewportOrg_);
}

TCanvasSaver::TCanvasSaver(TCanvas& canvas, bool saveDeviceState)
    : canvas_(canvas), font_(canvas.Font()), fontResolution_(canvas.FontResolution()), pen_(canvas.Painter().pen()),
      brush_(canvas.Painter().brush()), copyMode_(canvas.Painter().compositionMode()), deviceState_(saveDeviceState)
{
    if (deviceState_) {
        map_.Save(canvas);
        clip_ = canvas.HasClip() ? std::optional<QRegion>(canvas.ClipRegion()) : std::nullopt;
    }
}

TCanvasSaver::~TCanvasSaver()
{
    if (deviceState_) {
        canvas_.SetClipRegion(clip_);
        map_.Apply(canvas_);
    }
    canvas_.SetFontResolution(fontResolution_);
    canvas_.SetFont(font_);
    QPainter& painter = canvas_.Painter();
    painter.setPen(pen_);
    painter.setBrush(brush_);
    painter.setCompositionMode(copyMode_);
}

TClipSaver::TClipSaver(TCanvas& canvas) : canvas_(canvas)
{
    if (canvas.HasClip())
        clip_ = canvas.ClipRegion();
}

TClipSaver::~TClipSaver()
{
    canvas_.SetClipRegion(clip_);
}
