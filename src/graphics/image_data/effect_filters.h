#pragma once
// The effect filters of label images: blur or sharpen, brightness and contrast, monotone.
#include "core/persistent/color_type.h"
#include "graphics/image_data/image_filter.h"

// BlurCount > 0 blurs with that many box-filter passes, < 0 sharpens with strength
// -BlurCount, 0 leaves the picture alone.
class TBlurFilter : public TGREFilter {
    LR_CLASS(TBlurFilter, TGREFilter)
public:
    TBlurFilter() = default;

    int BlurCount() const { return blurCount_; }
    void SetBlurCount(int count) { Notify().Store(blurCount_, count); }

    std::unique_ptr<TGREffector> CreateEffector() const override;

private:
    int blurCount_ = 0;
};

// Brightness and contrast in percent; both 0 leaves the picture alone.
class TLightFilter : public TGREFilter {
    LR_CLASS(TLightFilter, TGREFilter)
public:
    TLightFilter() = default;

    int Brightness() const { return brightness_; }
    void SetBrightness(int brightness) { Notify().Store(brightness_, brightness); }
    int Contrast() const { return contrast_; }
    void SetContrast(int contrast) { Notify().Store(contrast_, contrast); }

    std::unique_ptr<TGREffector> CreateEffector() const override;

private:
    int brightness_ = 0;
    int contrast_ = 0;
};

// Grey levels tinted with RefColor; clNone leaves the picture alone.
class TMonotoneFilter : public TGREFilter {
    LR_CLASS(TMonotoneFilter, TGREFilter)
public:
    TMonotoneFilter() = default;

    TColor RefColor() const { return refColor_; }
    void SetRefColor(TColor color) { Notify().Store(refColor_, color); }

    std::unique_ptr<TGREffector> CreateEffector() const override;

private:
    TColor refColor_ = clNone;
};
