#pragma once
// TCanvas: the drawing surface every object paints on. It wraps a QPainter on any paint
// device (a QImage, a widget, a QPdfWriter or a printer) and keeps a device-context style
// mapping (map mode, window and viewport origins and extents) that it turns into the
// painter's world transform, so that objects draw in logical units. It also keeps the
// font's resolution, so that a font sized in points comes out at its physical size under
// any mapping, and the clip region in device pixels.
#include "core/canvas/rect.h"

#include <QFont>
#include <QPainter>
#include <QRegion>
#include <QTransform>
#include <memory>
#include <optional>

class QImage;
class QPaintDevice;

enum class TMapMode {
    Text,        // one unit is one device pixel
    Anisotropic, // window extent maps onto viewport extent
};

class TCanvas {
public:
    // A canvas with its own painter on the device.
    explicit TCanvas(QPaintDevice* device);
    // A canvas over a painter that is already active (for example in a widget's paint
    // event); the painter stays the caller's. The painter's transform at that moment
    // defines the canvas's device pixels (a widget may have moved its origin).
    explicit TCanvas(QPainter* painter);
    TCanvas(const TCanvas&) = delete;
    TCanvas& operator=(const TCanvas&) = delete;
    virtual ~TCanvas();

    QPainter& Painter() { return *painter_; }
    QPaintDevice* Device() const;

    // --- mapping ---------------------------------------------------------------------
    TMapMode MapMode() const { return mapMode_; }
    void SetMapMode(TMapMode mode);
    QPoint WindowOrg() const { return windowOrg_; }
    void SetWindowOrg(QPoint origin);
    QSize WindowExt() const { return windowExt_; }
    void SetWindowExt(QSize extent);
    QPoint ViewportOrg() const { return viewportOrg_; }
    void SetViewportOrg(QPoint origin);
    QSize ViewportExt() const { return viewportExt_; }
    void SetViewportExt(QSize extent);

    // Logical point to device point and back under the current mapping, rounded to the
    // nearest pixel (halves away from zero).
    QPoint LogicalToDevice(QPoint logical) const;
    QPoint DeviceToLogical(QPoint device) const;
    // The current mapping as a transform from logical to device coordinates.
    QTransform Mapping() const;

    // --- font ------------------------------------------------------------------------
    // The font's size is kept as a pixel height at FontResolution pixels per inch, as a
    // device context keeps a font's height.
    const QFont& Font() const { return font_; }
    void SetFont(const QFont& font);
    int FontResolution() const { return fontResolution_; }
    void SetFontResolution(int pixelsPerInch) { fontResolution_ = pixelsPerInch; }
    int FontPointSize() const;
    void SetFontPointSize(int points);

    // --- clipping (device pixels) -----------------------------------------------------
    bool HasClip() const { return clip_.has_value(); }
    QRegion ClipRegion() const { return clip_.value_or(QRegion()); }
    void SetClipRegion(const std::optional<QRegion>& deviceRegion);
    void IntersectClipRect(const TRect& logical);
    // Whether any part of a logical rectangle lies inside the clip region (always true
    // without a clip).
    bool RectVisible(const TRect& logical) const;

    // --- device facts ------------------------------------------------------------------
    // Marks a canvas as the printer's canvas (print bands drawn into memory bitmaps).
    void SetPrinterCanvas(bool printer) { printerCanvas_ = printer; }
    bool IsMarkedPrinterCanvas() const { return printerCanvas_; }
    // The image the canvas draws into when its pixels can be read back, else nullptr.
    QImage* ReadableImage() const;
    // An explicit resolution that overrides the device's (0 when none).
    virtual int ExplicitResolution() const { return 0; }

private:
    void ApplyTransform();

    std::unique_ptr<QPainter> ownPainter_;
    QPainter* painter_;
    QTransform deviceBase_;
    TMapMode mapMode_ = TMapMode::Text;
    QPoint windowOrg_;
    QSize windowExt_{1, 1};
    QPoint viewportOrg_;
    QSize viewportExt_{1, 1};
    QFont font_;
    int fontResolution_;
    std::optional<QRegion> clip_;
    bool printerCanvas_ = false;
};

// The device resolution of a canvas in dots per inch: an explicit resolution when the
// canvas has one, else the vertical resolution its device reports (the screen's for a
// top-level widget).
int DeviceDPI(const TCanvas& canvas);

// The screen's logical dots per inch (96 when there is no screen).
int ScreenDPI();

// True for a printer's canvas: a printer or PDF device, or a canvas marked as printer
// canvas. Objects marked DontPrint are skipped on such canvases.
bool IsPrinterCanvas(const TCanvas& canvas);

// Map mode text (one unit = one pixel) with both origins at (0, 0).
void ResetToPixels(TCanvas& canvas);

// One saved device mapping: map mode, viewport extent and origin, window extent and origin.
class TCoordMap {
public:
    void Save(const TCanvas& canvas);
    // Restores the mapping, folding a saved window origin into the viewport origin.
    void Restore(TCanvas& canvas) const;
    // Sets every saved value back exactly as it was.
    void Apply(TCanvas& canvas) const;

private:
    TMapMode mapMode_ = TMapMode::Text;
    QSize viewportExt_{1, 1};
    QPoint viewportOrg_;
    QSize windowExt_{1, 1};
    QPoint windowOrg_;
};

// Saves a canvas's font, pen, brush and copy mode (and optionally its whole state: mapping
// and clip) and restores them when it goes out of scope.
class TCanvasSaver {
public:
    explicit TCanvasSaver(TCanvas& canvas, bool saveDeviceState = false);
    ~TCanvasSaver();
    TCanvasSaver(const TCanvasSaver&) = delete;
    TCanvasSaver& operator=(const TCanvasSaver&) = delete;

private:
    TCanvas& canvas_;
    QFont font_;
    int fontResolution_;
    QPen pen_;
    QBrush brush_;
    QPainter::CompositionMode copyMode_;
    bool deviceState_;
    TCoordMap map_;
    std::optional<QRegion> clip_;
};

// Saves the clip region of a canvas and restores it (or removes clipping if there was
// none) when it goes out of scope.
class TClipSaver {
public:
    explicit TClipSaver(TCanvas& canvas);
    ~TClipSaver();
    TClipSaver(const TClipSaver&) = delete;
    TClipSaver& operator=(const TClipSaver&) = delete;

private:
    TCanvas& canvas_;
    std::optional<QRegion> clip_;
};
