#pragma once
// TStretchPrintPage: draws a face onto the printer page. With banding the face is rendered
// band by band into white 24-bit bitmaps at the rendering resolution (the band canvas
// reports that resolution as its own and has its window origin at the band's corner),
// and each finished band is stretched onto its rows of the destination. Without banding
// there is one pass straight onto the printer canvas. TGammaPrintPage adjusts each
// finished band's tone first.
#include "printing/pipeline/band_layout.h"

#include <QImage>
#include <array>
#include <cstdint>
#include <memory>

class TCanvas;
class TMemoryCanvas;

struct TBandPageSetup {
    int TargetDpi = 0;
    int RenderDpi = 0;
    bool Banding = true;
    QPoint PageOrigin; // printer pixels
    QRect Destination; // printer pixels from the page origin
};

class TStretchPrintPage {
public:
    TStretchPrintPage(TCanvas& target, const TBandPageSetup& setup);
    virtual ~TStretchPrintPage();
    TStretchPrintPage(const TStretchPrintPage&) = delete;
    TStretchPrintPage& operator=(const TStretchPrintPage&) = delete;

    // Finishes the current band (stretching it onto the page) and prepares the next one;
    // false when every band is done.
    bool NextBand();
    // The canvas to draw the current band on (the printer canvas without banding).
    TCanvas& Canvas();
    int BandCount() const { return static_cast<int>(bands_.size()); }
    int CurrentBand() const { return current_; }
    const std::vector<TBand>& Bands() const { return bands_; }
    bool Banding() const { return setup_.Banding; }

protected:
    // Called with each finished band before it is stretched.
    virtual void FinishBand(QImage& band);
    TBandPageSetup& Setup() { return setup_; }

private:
    void Prepare();
    void Flush();

    TCanvas& target_;
    TBandPageSetup setup_;
    std::vector<TBand> bands_;
    int current_ = -1;
    QImage bitmap_;
    std::unique_ptr<TMemoryCanvas> bandCanvas_;
};

// The tone table of a gamma g: lut[j] = clamp(round((j ÷ 255 × (g + 1) − g) × 255)),
// halves to even. Raises EAppError for a value that is not a tone level's.
std::array<std::uint8_t, 256> GammaTable(double gamma);

class TGammaPrintPage : public TStretchPrintPage {
public:
    // A tone other than 0 renders in bands at 254 dpi when banding was not asked for.
    // Raises EAppError for a tone that is not a tone level's.
    TGammaPrintPage(TCanvas& target, const TBandPageSetup& setup, double gamma);

protected:
    void FinishBand(QImage& band) override;

private:
    static TBandPageSetup WithTone(TBandPageSetup setup, double gamma);
    double gamma_;
    std::array<std::uint8_t, 256> table_;
};
