#pragma once
// How a face's destination on the printer page is cut into bands: the face is rendered at
// the rendering resolution into bitmaps of at most kMaxBandPixels pixels, each stretched
// onto its rows of the destination. Destination rows and rendering rows come from one
// split of the rendered height, so neighbouring bands meet without a gap or an overlap.
#include <QPoint>
#include <QRect>
#include <vector>

inline constexpr int kMaxBandPixels = 0x500000;

struct TBand {
    QSize Size;         // the bitmap, in rendering pixels
    QPoint RenderOrigin; // its top-left corner in rendering pixels from the page origin
    QRect Destination;   // in printer pixels from the page origin
};

// The bands of a destination rectangle (printer pixels from the page origin). Both
// resolutions must lie in 1 ... 2400; every band is at least one pixel each way.
std::vector<TBand> LayoutBands(const QRect& destination, int renderDpi, int targetDpi);
