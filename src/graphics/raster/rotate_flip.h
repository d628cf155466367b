#pragma once
// Right-angle turns with mirroring, as background images use them.
#include <QImage>

// The picture as a 24-bit bitmap turned by turn quarter turns clockwise (0..3; other values
// count modulo 4; 1 and 3 swap width and height), then mirrored: bit 1 reverses every row
// (left-right), bit 2 the row order (top-bottom).
void RotateFlip(QImage& destination, const QImage& picture, int turn, int mirror);
