#pragma once
// TScaler maps logical units (UnitDPI per inch) onto the pixels of a device at a zoom
// factor, so that objects drawn in logical units come out at their physical size.
#include "core/canvas/canvas.h"
#include "core/persistent/persistent.h"

#include <functional>

class TScaler : public TPersistent {
    LR_CLASS(TScaler, TPersistent)
public:
    // A new scaler takes the screen's vertical resolution as its unit.
    TScaler();
    TScaler(int scale, int unitDPI) : scale_(scale), unitDPI_(unitDPI) {}

    int Scale() const { return scale_; }
    void SetScale(int scale);
    int UnitDPI() const { return unitDPI_; }
    void SetUnitDPI(int unitDPI);

    // Fired after Scale or UnitDPI changed.
    void SetOnChange(std::function<void(TScaler*)> onChange) { onChange_ = std::move(onChange); }
    QString OnChangeHandler() const { return {}; }

    // Copies Scale and UnitDPI and fires OnChange once.
    void Assign(const TPersistent& source) override;

    // Conversions at device resolution dpi: LogToDev v -> MulDiv(v, dpi * Scale,
    // UnitDPI * 100); DevToLog the inverse.
    QPoint LogToDev(int dpi, QPoint logical) const;
    QPoint DevToLog(int dpi, QPoint device) const;
    // Left/Top truncated, Right/Bottom rounded up, with 32-bit products.
    TRect LogToDevRect(int dpi, const TRect& logical) const;

    QPoint LogToDev(const TCanvas& canvas, QPoint logical) const { return LogToDev(DeviceDPI(canvas), logical); }
    QPoint DevToLog(const TCanvas& canvas, QPoint device) const { return DevToLog(DeviceDPI(canvas), device); }
    TRect LogToDevRect(const TCanvas& canvas, const TRect& r) const { return LogToDevRect(DeviceDPI(canvas), r); }

    // Makes the canvas draw in logical units while keeping its current device offset.
    // dpi 0 takes the canvas's DeviceDPI.
    void ApplyMapping(TCanvas& canvas, int dpi = 0) const;

private:
    void Changed();

    int scale_ = 100;
    int unitDPI_;
    std::function<void(TScaler*)> onChange_;
};
