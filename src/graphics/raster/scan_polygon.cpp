#include "graphics/raster/scan_polygon.h"

#include <algorithm>
#include <cmath>

namespace {

// Edges (and spans) shorter than this use a unit factor instead of dividing by their extent.
constexpr double kTinyExtent = 0.00001;

// One side of the polygon: the edge from vertex From to vertex To, walking the vertex list
// in Direction from the top vertex.
struct TChain {
    int From;
    int To;
    int Direction;
    int Advances = 0;
};

int Next(int i, int direction, int count)
{
    return (i + direction + count) % count;
}

bool Finite(const TScanVertex& v, unsigned mask)
{
    if (!std::isfinite(v.X) || !std::isfinite(v.Y))
        return false;
    for (int a = 0; a < 3; ++a)
        if ((mask & (1u << a)) && !std::isfinite(v.Attribute[a]))
            return false;
    return true;
}

// Moves the chain down to the edge that spans the row centre yc; false when the chain has
// run out (only for polygons that are not convex).
bool Advance(TChain& chain, const TScanVertex* v, int count, double yc)
{
    while (v[chain.To].Y <= yc) {
        if (++chain.Advances >= count)
            return false;
        chain.From = chain.To;
        chain.To = Next(chain.To, chain.Direction, count);
    }
    return true;
}

// The chain's x and attributes at the row centre yc.
void Interpolate(const TChain& chain, const TScanVertex* v, unsigned mask, double yc, double& x, double* attributes)
{
    const TScanVertex& a = v[chain.From];
    const TScanVertex& b = v[chain.To];
    const double dy = b.Y - a.Y;
    const double f = (yc - a.Y) * (dy < kTinyExtent ? 1.0 : 1.0 / dy);
    x = a.X + (b.X - a.X) * f;
    for (int i = 0; i < 3; ++i)
        attributes[i] = (mask & (1u << i)) ? a.Attribute[i] + (b.Attribute[i] - a.Attribute[i]) * f : 0.0;
}

} // namespace

void ScanPolygon(const TScanVertex* vertices, int count, unsigned attributeMask, const TRect& clip,
                 const TSpanCallback& span)
{
    if (count < 3 || clip.IsEmpty())
        return;
    double area = 0;
    int top = 0;
    double yMax = vertices[0].Y;
    for (int i = 0; i < count; ++i) {
        if (!Finite(vertices[i], attributeMask))
            return;
        const TScanVertex& a = vertices[i];
        const TScanVertex& b = vertices[(i + 1) % count];
        area += a.X * b.Y - b.X * a.Y;
        if (a.Y < vertices[top].Y)
            top = i;
        yMax = std::max(yMax, a.Y);
    }
    // Walking forward runs down the right side when the vertices turn clockwise on the page.
    const int rightDirection = area >= 0 ? 1 : -1;
    TChain left{top, Next(top, -rightDirection, count), -rightDirection};
    TChain right{top, Next(top, rightDirection, count), rightDirection};

    const double firstRow = std::max<double>(clip.Top, std::ceil(vertices[top].Y - 0.5));
    const double lastRow = std::min<double>(clip.Bottom - 1, std::ceil(yMax - 0.5) - 1);
    if (firstRow > lastRow)
        return;
    double leftAttributes[3], rightAttributes[3], attributes[3], steps[3];
    for (int y = int(firstRow); y <= lastRow; ++y) {
        const double yc = y + 0.5;
        if (!Advance(left, vertices, count, yc) || !Advance(right, vertices, count, yc))
            return;
        double xl, xr;
        Interpolate(left, vertices, attributeMask, yc, xl, leftAttributes);
        Interpolate(right, vertices, attributeMask, yc, xr, rightAttributes);
        if (xl > xr)
            continue;
        const double first = std::max<double>(clip.Left, std::ceil(xl - 0.5));
        const double last = std::min<double>(clip.Right - 1, std::floor(xr - 0.5));
        if (first > last)
            continue;
        const double width = xr - xl;
        const double perColumn = width < kTinyExtent ? 1.0 : 1.0 / width;
        for (int i = 0; i < 3; ++i) {
            steps[i] = (rightAttributes[i] - leftAttributes[i]) * perColumn;
            attributes[i] = leftAttributes[i] + (first + 0.5 - xl) * steps[i];
        }
        span(y, int(first), int(last), attributes, steps);
    }
}
