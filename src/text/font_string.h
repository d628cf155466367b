#pragma once
// Drawing one string in a TPointBasedFont on any canvas: face captions, failure markers,
// barcode digits and the like. The string is measured and painted like a one-line
// TSimpleText (no conversions, no placeholder); its size follows the canvas's font
// resolution, so that on a canvas mapped to logical units (0.1 mm) the font has its size in
// points, and on a pixel canvas it has the size a device context would give it.
#include <QPoint>
#include <QSize>
#include <QString>

class TCanvas;
class TPointBasedFont;

// Width and height of the string's box in the canvas's logical units: the ink extent of
// its characters along the line and the font's cell height.
QSize FontStringExtent(const TCanvas& canvas, const TPointBasedFont& font, const QString& text);

// Paints the string with the top-left corner of its box at the point (the ink starting at
// the point's x, the cell's top at its y), in the font's colour, with underline and
// strike-out when the font's style has them.
void DrawFontString(TCanvas& canvas, const TPointBasedFont& font, QPoint at, const QString& text);
