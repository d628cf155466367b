#pragma once
// The effects of label images: monotone tint, brightness and contrast, box blur, unsharp
// mask and the replacement of one colour. Every effect works through precomputed tables.
#include "core/persistent/color_type.h"
#include "graphics/image_data/effector.h"

#include <array>
#include <cstdint>

// The most blur passes (and the highest sharpen strength) an effect performs. A pass costs
// a sweep over the whole picture and beyond a few dozen passes the picture no longer
// changes visibly; the bound keeps a count read from a damaged document from stalling the
// program.
inline constexpr int kMaxBlurPasses = 100;

// Grey levels turned into shades of one colour's hue and saturation.
class TGREffectMonoTone : public TGREffector {
public:
    explicit TGREffectMonoTone(TColor color) : color_(color) {}
    TColor Color() const { return color_; }

    // The 256 shades: entry j is the colour of lightness j/255 as R, G, B.
    static std::array<std::array<std::uint8_t, 3>, 256> BuildTable(TColor color);

protected:
    void Execute(const QImage& source, const QRect& rect, QImage& out) override;

private:
    TColor color_;
};

// Brightness and contrast in percent (each effective from -100 to 100).
class TGREffectBrightnessContrast : public TGREffector {
public:
    TGREffectBrightnessContrast(int brightness, int contrast) : brightness_(brightness), contrast_(contrast) {}
    int Brightness() const { return brightness_; }
    int Contrast() const { return contrast_; }

    // The channel mapping: entry j is the new value of channel value j.
    static std::array<std::uint8_t, 256> BuildTable(int brightness, int contrast);

protected:
    void Execute(const QImage& source, const QRect& rect, QImage& out) override;

private:
    int brightness_;
    int contrast_;
};

// Passes of a 3 x 3 box filter.
class TGREffectBlur : public TGREffector {
public:
    explicit TGREffectBlur(int passes) : passes_(passes) {}
    int Passes() const { return passes_; }

protected:
    void Execute(const QImage& source, const QRect& rect, QImage& out) override;

private:
    int passes_;
};

// Twice the source minus the source blurred with round(strength) passes.
class TGREffectUnsharpMask : public TGREffector {
public:
    explicit TGREffectUnsharpMask(double strength) : strength_(strength) {}
    double Strength() const { return strength_; }

protected:
    void Execute(const QImage& source, const QRect& rect, QImage& out) override;

private:
    double strength_;
};

// Pixels of one colour replaced by another; the others are copied.
class TGREffectColorChange : public TGREffector {
public:
    TGREffectColorChange(TColor find, TColor put) : find_(find), put_(put) {}

protected:
    void Execute(const QImage& source, const QRect& rect, QImage& out) override;

private:
    TColor find_;
    TColor put_;
};
