#pragma once
// Resampling a rectangle of a bitmap to another size: nearest neighbour, or separable
// passes (rows first, then columns) that average areas when reducing, copy at equal size and
// interpolate linearly or with Catmull-Rom cubics when enlarging.
#include <QImage>
#include <QRect>

// Where the interpolation filters find samples beyond the source rectangle.
enum class TResampleEdge {
    Repeat = 0,  // the rectangle's edge pixels
    Outside = 1, // the bitmap's pixels around the rectangle, its edge pixels beyond the bitmap
    Wrap = 2,    // wrapped round within the rectangle
};

enum class TResampleFilter { Nearest = 0, Linear = 1, Cubic = 2 };

// The destination keeps its size and takes the source's pixel format (8, 24 or 32 bits per
// pixel with one byte per channel; other formats do nothing). Nothing happens when the
// rectangle does not lie inside the source or when either size is empty.
void Resample(QImage& destination, const QImage& source, const QRect& sourceRect, TResampleEdge edge,
              TResampleFilter filter);

// The whole source, edge pixels repeated.
void Resample(QImage& destination, const QImage& source, TResampleFilter filter);

// The part `window` of the whole source resampled to the size `whole` (edge pixels repeated):
// the destination takes the window's size and holds exactly those pixels of the full result,
// so that a caller needing only a visible part never makes the rest. Nothing happens when the
// window does not lie inside the whole size.
void ResampleWindow(QImage& destination, const QImage& source, QSize whole, const QRect& window,
                    TResampleFilter filter);
