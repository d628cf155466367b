#pragma once
// The Gaussian blur of soft shadows and masks: a fourth-order recursive Gaussian (Deriche's
// causal and anti-causal passes, summed), computed in floating point, rows first, then
// columns. Each byte channel is filtered on its own; pixels beyond the edges repeat the
// edge pixel.
#include <QImage>
#include <QRect>

// The standard deviation that makes the Gaussian fall to 1/255 at distance radius + 1.
double GaussianSigma(double radius);

// Blurs the rectangle of the image in place: its rows with radiusX, then its columns with
// radiusY; a radius below 1 leaves that direction alone. The rectangle is clipped to the
// image. 8-bit (grey, alpha, indexed), 24-bit (BGR888, RGB888) and 32-bit (RGB32, ARGB32,
// ARGB32_Premultiplied) images are blurred; other formats are left unchanged. Results are
// rounded to the nearest value and clamped to 0 ... 255.
void GaussianBlur(QImage& image, const QRect& rect, double radiusX, double radiusY);
