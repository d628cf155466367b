#pragma once
// The thumbnails of the distortion patterns: one strip bitmap ("TransformPattern") of cells
// of 94 x 37 pixels, four to a row, cell n showing pattern n of the pattern file. Each
// cell shows a lined sample block bent by its pattern.
#include <QImage>
#include <QRect>
#include <QSize>
#include <vector>

class TCanvas;
class TCoonsDistortion;
struct TRect;

inline constexpr QSize kPatternCellSize(94, 37);
inline constexpr int kPatternCellsPerRow = 4;

// Cell n of the strip: (94 (n mod 4), 37 (n div 4)) with the cell's size.
QRect PatternCellRect(int index);

// Paints the sample block bent by the distortion (whose rectangles it sets) into the cell,
// a rectangle in the canvas's logical units.
void PaintPatternSample(TCanvas& canvas, TCoonsDistortion& distortion, const TRect& cell);

// The strip for these patterns, white where no cell is painted.
QImage RenderPatternStrip(const std::vector<const TCoonsDistortion*>& patterns);
