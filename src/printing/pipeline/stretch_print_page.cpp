#include "printing/pipeline/stretch_print_page.h"

#include "core/canvas/memory_canvas.h"
#include "core/canvas/units.h"
#include "core/error.h"
#include "printing/pipeline/print_request.h"

#include <algorithm>
#include <cmath>

TStretchPrintPage::TStretchPrintPage(TCanvas& target, const TBandPageSetup& setup) : target_(target), setup_(setup)
{
    if (setup_.Banding)
        bands_ = LayoutBands(setup_.Destination, setup_.RenderDpi, setup_.TargetDpi);
}

TStretchPrintPage::~TStretchPrintPage()
{
    if (!setup_.Banding && current_ == 0)
        target_.SetViewportOrg(target_.ViewportOrg() - setup_.PageOrigin);
}

bool TStretchPrintPage::NextBand()
{
    if (!setup_.Banding) {
        // One pass straight onto the printer canvas, its origin moved by the page origin.
        if (current_ == 0)
            target_.SetViewportOrg(target_.ViewportOrg() - setup_.PageOrigin);
        if (current_ >= 0) {
            current_ = 1;
            return false;
        }
        target_.SetViewportOrg(target_.ViewportOrg() + setup_.PageOrigin);
        current_ = 0;
        return true;
    }
    Flush();
    ++current_;
    if (current_ >= BandCount())
        return false;
    Prepare();
    return true;
}

TCanvas& TStretchPrintPage::Canvas()
{
    if (setup_.Banding && bandCanvas_)
        return *bandCanvas_;
    return target_;
}

void TStretchPrintPage::FinishBand(QImage&) {}

void TStretchPrintPage::Prepare()
{
    const TBand& band = bands_[static_cast<size_t>(current_)];
    bitmap_ = CreateBitmap(band.Size, QImage::Format_RGB32, setup_.RenderDpi);
    if (bitmap_.isNull())
        throw EAppError(QStringLiteral("印刷用のメモリが足りません"));
    bandCanvas_ = std::make_unique<TMemoryCanvas>(bitmap_, setup_.RenderDpi);
    bandCanvas_->SetPrinterCanvas(true);
    bandCanvas_->SetWindowOrg(band.RenderOrigin);
}

void TStretchPrintPage::Flush()
{
    if (!bandCanvas_)
        return;
    bandCanvas_.reset();
    FinishBand(bitmap_);
    const TBand& band = bands_[static_cast<size_t>(current_)];
    QPainter& painter = target_.Painter();
    painter.save();
    painter.resetTransform();
    // Bands are written losslessly: the print keeps the rendered colours exactly.
    painter.setRenderHint(QPainter::LosslessImageRendering, true);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(band.Destination.translated(setup_.PageOrigin), bitmap_);
    painter.restore();
    bitmap_ = QImage();
}

std::array<std::uint8_t, 256> GammaTable(double gamma)
{
    if (!IsToneLevelGamma(gamma))
        throw EAppError(QStringLiteral("濃度 %1 は指定できません").arg(gamma));
    std::array<std::uint8_t, 256> table{};
    for (int j = 0; j < 256; ++j) {
        const double value = std::nearbyint((j / 255.0 * (gamma + 1) - gamma) * 255.0);
        table[static_cast<size_t>(j)] = static_cast<std::uint8_t>(std::clamp(value, 0.0, 255.0));
    }
    return table;
}

TGammaPrintPage::TGammaPrintPage(TCanvas& target, const TBandPageSetup& setup, double gamma)
    : TStretchPrintPage(target, WithTone(setup, gamma)), gamma_(gamma), table_(GammaTable(gamma))
{
}

TBandPageSetup TGammaPrintPage::WithTone(TBandPageSetup setup, double gamma)
{
    if (!IsToneLevelGamma(gamma))
        throw EAppError(QStringLiteral("濃度 %1 は指定できません").arg(gamma));
    if (gamma != 0 && !setup.Banding) {
        setup.Banding = true;
        setup.RenderDpi = kUnitsPerInch;
    }
    return setup;
}

void TGammaPrintPage::FinishBand(QImage& band)
{
    if (gamma_ == 0)
        return;
    for (int y = 0; y < band.height(); ++y) {
        auto* pixel = reinterpret_cast<QRgb*>(band.scanLine(y));
        for (int x = 0; x < band.width(); ++x) {
            const QRgb v = pixel[x];
            pixel[x] = qRgb(table_[qRed(v)], table_[qGreen(v)], table_[qBlue(v)]);
        }
    }
}
