#include "text/distortion/pattern_strip.h"

#include "core/canvas/memory_canvas.h"
#include "graphics/raster/stroke.h"
#include "text/distortion/coons_distortion.h"

namespace {

// The sample block in its own units: a frame with three text-like rows of lines.
constexpr TRect kSample(0, 0, 1000, 400);
constexpr int kRows = 4;
constexpr int kColumns = 10;
// Logical units per pixel while a cell is painted, for smooth bent lines.
constexpr int kUnitsPerPixel = 10;
// Margin of the sample inside a cell, in logical units.
constexpr int kMargin = 30;

const QColor kFill(0xD2, 0xE1, 0xF5);
const QColor kLines(0x5A, 0x82, 0xC3);
const QColor kFrame(0x14, 0x3C, 0x8C);

void Bend(TStroke& stroke, const TCoonsDistortion& distortion)
{
    stroke.Subdivide();
    distortion.TransformStroke(stroke);
}

// Draws the straight line of the sample from one point to the other, bent.
void DrawBentLine(TCanvas& canvas, const TCoonsDistortion& distortion, QPoint from, QPoint to)
{
    TStroke line;
    line.Add(from.x(), from.y(), kPathMoveTo);
    line.Add(to.x(), to.y(), kPathLineTo);
    Bend(line, distortion);
    line.Draw(canvas);
}

} // namespace

QRect PatternCellRect(int index)
{
    return QRect(QPoint(kPatternCellSize.width() * (index % kPatternCellsPerRow),
                        kPatternCellSize.height() * (index / kPatternCellsPerRow)),
                 kPatternCellSize);
}

void PaintPatternSample(TCanvas& canvas, TCoonsDistortion& distortion, const TRect& cell)
{
    distortion.SetSourceRect(kSample);
    distortion.SetDestRect(cell.Inflated(-kMargin, -kMargin));
    QPainter& painter = canvas.Painter();
    painter.setRenderHint(QPainter::Antialiasing);

    TStroke frame;
    frame.SetRect(kSample);
    Bend(frame, distortion);
    painter.fillPath(frame.MakePath(canvas), kFill);

    QPen pen(kLines, 1);
    pen.setCosmetic(true);
    painter.setPen(pen);
    for (int row = 1; row < kRows; ++row) {
        const int y = kSample.Top + RectHeight(kSample) * row / kRows;
        DrawBentLine(canvas, distortion, {kSample.Left, y}, {kSample.Right, y});
    }
    for (int column = 1; column < kColumns; ++column) {
        const int x = kSample.Left + RectWidth(kSample) * column / kColumns;
        DrawBentLine(canvas, distortion, {x, kSample.Top}, {x, kSample.Bottom});
    }
    pen.setColor(kFrame);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(frame.MakePath(canvas));
}

QImage RenderPatternStrip(const std::vector<const TCoonsDistortion*>& patterns)
{
    const int count = int(patterns.size());
    const int rows = std::max((count + kPatternCellsPerRow - 1) / kPatternCellsPerRow, 1);
    QImage strip(kPatternCellSize.width() * kPatternCellsPerRow, kPatternCellSize.height() * rows,
                 QImage::Format_RGB32);
    strip.fill(Qt::white);
    TMemoryCanvas canvas(strip, 96);
    canvas.SetMapMode(TMapMode::Anisotropic);
    canvas.SetWindowExt(QSize(kUnitsPerPixel, kUnitsPerPixel));
    canvas.SetViewportExt(QSize(1, 1));
    for (int i = 0; i < count; ++i) {
        const QRect cell = PatternCellRect(i);
        canvas.SetViewportOrg(cell.topLeft());
        canvas.SetClipRegion(QRegion(cell)); // a pattern reaching out of its square stays in its cell
        TCoonsDistortion copy;
        copy.Assign(*patterns[i]);
        PaintPatternSample(canvas, copy,
                           TRect(0, 0, cell.width() * kUnitsPerPixel, cell.height() * kUnitsPerPixel));
    }
    return strip;
}
