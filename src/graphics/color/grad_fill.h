#pragma once
// Gradient rasterisers. Whatever the size of the area, a gradient is computed on a fixed
// grid of 128 x 128 cells, each holding an index into a palette of 1024 colours that are
// spread evenly over the gradient's colour list. Each kind of gradient lays its indices out
// by its own exact formula; the cells then take their palette colours.
#include "core/persistent/color_type.h"

#include <QImage>
#include <array>
#include <cstdint>
#include <vector>

inline constexpr int kGradMapSize = 128;
inline constexpr int kGradPaletteSize = 1024;

class TGradFill {
public:
    using TPaletteEntry = std::array<std::uint8_t, 3>; // R, G, B

    TGradFill() = default;
    TGradFill(const TGradFill&) = delete;
    TGradFill& operator=(const TGradFill&) = delete;
    virtual ~TGradFill() = default;

    // The colours the gradient runs through (plain RGB), at least one.
    void SetColors(const TColor* colors, int count);
    // Runs the palette from the last colour to the first.
    void SetReverse(bool reverse) { reverse_ = reverse; }

    // Spreads the colours over the palette.
    virtual void BuildPalette();
    // Lays out the indices of the map.
    virtual void BuildMap() = 0;
    // BuildMap, BuildPalette, then each cell's palette colour into a 128 x 128 24-bit image
    // (B, G, R bytes).
    void RenderMap(QImage& image);

    std::uint16_t MapIndex(int x, int y) const { return map_[std::size_t(y) * kGradMapSize + std::size_t(x)]; }
    const TPaletteEntry& PaletteEntry(int a) const { return palette_[std::size_t(a)]; }

protected:
    // Entry a of the palette from the first n colours (the colour array has one slot more
    // than the colour count, for the cone's closing colour):
    // p = (reverse ? 1023 - a : a) (n - 1) / 1024, i = trunc p, f = p - i, and each channel
    // c[i] + trunc(f (c[i+1] - c[i])).
    void SpreadPalette(int n);
    void SetIndex(int x, int y, int index) { map_[std::size_t(y) * kGradMapSize + std::size_t(x)] = std::uint16_t(index); }
    int ColorCount() const { return count_; }

private:
    std::vector<TColor> colors_; // count + 1 slots; the last repeats the first colour
    int count_ = 0;
    bool reverse_ = false;
    std::array<std::uint16_t, kGradMapSize * kGradMapSize> map_{};
    std::array<TPaletteEntry, kGradPaletteSize> palette_{};
};

// Linear: indices 0 ... 1023 across the whole square along the angle, corner to corner for
// diagonal angles (270 runs left to right, 0 top to bottom, 90 right to left, 180 bottom to
// top, 45 from the top-right corner to the bottom-left one).
class TGradFillAngled : public TGradFill {
public:
    explicit TGradFillAngled(int angle) : angle_(angle) {}
    void BuildMap() override;

private:
    int angle_;
};

// Box: index 0 at the centre, 1023 on the border of a square turned by the angle.
class TGradFillDiamond : public TGradFill {
public:
    explicit TGradFillDiamond(int angle) : angle_(angle) {}
    void BuildMap() override;

private:
    int angle_;
};

// Radial: index by the distance from the centre, the corners reaching the last entry.
class TGradFillCircle : public TGradFill {
public:
    // The half diagonal of the grid, 63.5 x sqrt 2, in 1/4096 of a cell.
    static constexpr int kRadius = 367831;
    void BuildMap() override;
};

// Angular: index by the direction from the centre, counter-clockwise on the page from the
// start angle (0 points straight up). The palette closes on itself: the first colour is
// appended once at the end, so that no seam shows where the indices wrap.
class TGradFillCone : public TGradFill {
public:
    explicit TGradFillCone(int angle);
    void BuildPalette() override;
    void BuildMap() override;

private:
    // The start angle round(angle x pi/180 x 4096) in 1/4096 radian, less whole turns, so
    // that the directions wrap into [-pi, pi] in at most two steps whatever the angle.
    int startAngle_;
};
