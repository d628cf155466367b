#include "core/canvas/scaler.h"

#include "core/canvas/units.h"

#include <cstdint>

LR_DEFINE_CLASS(TScaler, TPersistent, LR_CREATABLE(TScaler),
    prop::Integer("Scale", &Self::Scale, &Self::SetScale).Default(100),
    prop::Integer("UnitDPI", &Self::UnitDPI, &Self::SetUnitDPI),
    prop::Method("OnChange", &Self::OnChangeHandler))

TScaler::TScaler() : unitDPI_(ScreenDPI())
{
}

void TScaler::SetScale(int scale)
{
    if (scale == scale_)
        return;
    scale_ = scale;
    Changed();
}

void TScaler::SetUnitDPI(int unitDPI)
{
    if (unitDPI == unitDPI_)
        return;
    unitDPI_ = unitDPI;
    Changed();
}

void TScaler::Assign(const TPersistent& source)
{
    if (const auto* other = dynamic_cast<const TScaler*>(&source)) {
        scale_ = other->scale_;
        unitDPI_ = other->unitDPI_;
        Changed();
        return;
    }
    TPersistent::Assign(source);
}

void TScaler::Changed()
{
    if (onChange_)
        onChange_(this);
}

QPoint TScaler::LogToDev(int dpi, QPoint logical) const
{
    const int a = dpi * scale_;
    const int b = unitDPI_ * 100;
    return {MulDiv(logical.x(), a, b), MulDiv(logical.y(), a, b)};
}

QPoint TScaler::DevToLog(int dpi, QPoint device) const
{
    const int a = unitDPI_ * 100;
    const int b = dpi * scale_;
    return {MulDiv(device.x(), a, b), MulDiv(device.y(), a, b)};
}

TRect TScaler::LogToDevRect(int dpi, const TRect& r) const
{
    // 32-bit products, as the pixel bounds of objects have always been computed; the
    // products are formed in 64 bits and wrapped so that overflow stays defined.
    const std::int32_t a = dpi * scale_;
    const std::int32_t b = unitDPI_ * 100;
    if (b == 0)
        return {};
    const auto product = [a](int v) { return static_cast<std::int32_t>(static_cast<std::uint32_t>(std::int64_t(a) * v)); };
    return {product(r.Left) / b, product(r.Top) / b, static_cast<int>((std::int64_t(product(r.Right)) + b - 1) / b),
            static_cast<int>((std::int64_t(product(r.Bottom)) + b - 1) / b)};
}

void TScaler::ApplyMapping(TCanvas& canvas, int dpi) const
{
    if (dpi == 0)
        dpi = DeviceDPI(canvas);
    // 1. Both origins to (0, 0); the old window origin, in device units under the
    //    remaining mapping, is taken off the old viewport origin.
    const QPoint oldWindowOrg = canvas.WindowOrg();
    const QPoint oldViewportOrg = canvas.ViewportOrg();
    canvas.SetWindowOrg({0, 0});
    canvas.SetViewportOrg({0, 0});
    const QPoint shift = canvas.LogicalToDevice(oldWindowOrg);
    const QPoint viewportOrg = oldViewportOrg - shift;
    // 2.-3. Anisotropic mapping with the reduced extents.
    const int windowExtent = unitDPI_ * 100;
    const int viewportExtent = dpi * scale_;
    const int g = Gcd(windowExtent, viewportExtent);
    canvas.SetMapMode(TMapMode::Anisotropic);
    if (g != 0) {
        canvas.SetWindowExt({windowExtent / g, windowExtent / g});
        canvas.SetViewportExt({viewportExtent / g, viewportExtent / g});
    }
    canvas.SetViewportOrg(viewportOrg);
    // 4. A font sized in points comes out at its physical size in logical units.
    if (canvas.FontResolution() != unitDPI_) {
        const int points = canvas.FontPointSize();
        canvas.SetFontResolution(unitDPI_);
        canvas.SetFontPointSize(points);
    }
}
