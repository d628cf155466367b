#pragma once
// Bending a picture into a sector of a ring. The warp works backwards from every pixel of
// the sector's bounding box on the canvas: pixels outside the two radii or outside the
// sector's angle stay untouched; inside, with bending, the source column follows the
// direction (the picture's width spread over the angle) and the source row the distance
// (the outer edge is the top row); without bending, the picture standing upright at the
// sector's place is cut to the sector's shape. Reversed, the sector is flipped top to bottom.
#include <QImage>
#include <QPointF>

struct TRingSector {
    QPointF Centre;       // centre of the ring, canvas pixels
    double Inner = 0;     // radii, canvas pixels
    double Outer = 0;
    double Direction = 0; // middle of the sector, degrees clockwise from the top
    double Angle = 0;     // width of the sector, degrees
};

// Draws the 24-bit picture (any size; it is sampled to the sector) into the 24-bit colour
// image and marks the drawn pixels 255 in the 8-bit coverage mask of the same size.
void RingSectorWarp(QImage& colour, QImage& mask, const QImage& picture, const TRingSector& sector, bool transform,
                    bool reverse);
