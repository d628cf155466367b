#pragma once
// Scan conversion of convex polygons with up to three attributes interpolated linearly
// along the edges and across each span; pixel centres lie at (x + 0.5, y + 0.5).
#include "core/canvas/rect.h"

#include <functional>

struct TScanVertex {
    double X = 0;
    double Y = 0;
    double Attribute[3] = {0, 0, 0};
};

// Bits of the attribute mask: which attributes are interpolated (the others stay 0).
enum : unsigned { kScanAttribute0 = 1, kScanAttribute1 = 2, kScanAttribute2 = 4 };

// Receives one span: its row, its first and last column (inclusive), the attributes at the
// first column's centre and their change per column.
using TSpanCallback = std::function<void(int row, int first, int last, const double* attributes, const double* steps)>;

// Rows whose centre lies inside the polygon's vertical extent and inside the clip rectangle
// are visited top to bottom; a span runs from ceil(xLeft - 0.5) to floor(xRight - 0.5),
// clipped. The vertices may run either way round. Fewer than three vertices, or any
// coordinate that is not finite, give no spans.
void ScanPolygon(const TScanVertex* vertices, int count, unsigned attributeMask, const TRect& clip,
                 const TSpanCallback& span);
