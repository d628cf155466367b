#pragma once
// Anti-aliased lines written as coverage: a line of half-width w seen through a disk filter
// of radius r gives each pixel the share of the filter disk, centred on the pixel, that lies
// inside the line's strip, times an intensity k. The per-pixel work is integer only: a
// Bresenham walk along the major axis in 16.16 fixed point, with the coverage profile
// sampled into a table.
#include "core/persistent/object.h"

#include <QImage>
#include <QPoint>
#include <cstdint>
#include <vector>

class TAALineRec : public TObject {
public:
    TAALineRec() = default;

    // Half-width of the line in pixels (0.6 by default); kept within 0 .. 1024.
    double HalfWidth() const { return halfWidth_; }
    void SetHalfWidth(double w);
    // Radius of the filter disk in pixels (0.4 by default); kept within 0 .. 1024.
    double FilterRadius() const { return filterRadius_; }
    void SetFilterRadius(double r);
    // Scale of the coverage (1.0 by default); negative values act as 0.
    double Intensity() const { return intensity_; }
    void SetIntensity(double k);

    QPoint Position() const { return position_; }
    void MoveTo(int x, int y) { position_ = {x, y}; }
    // Draws from the current position to the point, which becomes current.
    void LineTo(int x, int y);
    // Stamps the round dot centred on the pixel.
    void Dot(int x, int y);
    void Line(int x0, int y0, int x1, int y1);

    // The coverage of a pixel whose centre lies at a perpendicular distance (16.16 fixed
    // point, either sign) from the line's centre line, as the walk looks it up.
    int Coverage(int distance);

    // The coverage profile in closed form: 255 k (H(d - w) - H(d + w)), rounded and clamped
    // to 0 .. 255, where H(x) is the share of a disk of radius r beyond a chord at signed
    // distance x from its centre.
    static int Profile(double distance, double halfWidth, double filterRadius, double intensity);

protected:
    // Receives each coverage value the line or dot produces.
    virtual void Plot(int x, int y, int value) = 0;
    // Walks the line, plotting through Plot; subclasses may walk with a faster plotter.
    virtual void Walk(int x0, int y0, int x1, int y1);

    // Sampled profile: the value at distance d (16.16) is Values[|d| >> Shift] while that
    // index lies in the table, else 0. Limit = the end of the profile (w + r) in 16.16.
    struct TProfile {
        int Shift = 10;
        int Limit = 0;
        std::vector<std::uint8_t> Values;
        int DotRadius = 1;               // the dot spans -DotRadius .. DotRadius on each axis
        std::vector<std::uint8_t> Dot;   // (2 DotRadius + 1)^2 values, row by row
        int At(int distance) const
        {
            const unsigned index = (distance < 0 ? 0u - unsigned(distance) : unsigned(distance)) >> Shift;
            return index < Values.size() ? Values[index] : 0;
        }
    };
    const TProfile& Tables();

private:
    void Rebuild();

    double halfWidth_ = 0.6;
    double filterRadius_ = 0.4;
    double intensity_ = 1.0;
    bool rebuild_ = true;
    QPoint position_;
    TProfile profile_;
};

// Lines and dots written into an 8-bit alpha map: a pixel takes the larger of its value and
// the coverage; plots outside the map are ignored.
class TAALineAlphaMap : public TAALineRec {
public:
    // The map must outlive the binding; any image that is not 8 bits per pixel is ignored.
    void Bind(QImage* alphaMap) { map_ = alphaMap && alphaMap->depth() == 8 ? alphaMap : nullptr; }
    QImage* AlphaMap() const { return map_; }

protected:
    void Plot(int x, int y, int value) override;
    void Walk(int x0, int y0, int x1, int y1) override;

private:
    QImage* map_ = nullptr;
};
