#include "text/font_string.h"

#include "core/canvas/canvas.h"
#include "core/canvas/units.h"
#include "core/persistent/string_list.h"
#include "text/point_based_font.h"
#include "text/simple_text.h"

namespace {

// Canvas logical units per layout unit.
double CanvasScale(const TCanvas& canvas)
{
    return canvas.FontResolution() > 0 ? double(canvas.FontResolution()) / kUnitsPerInch : 1.0;
}

QSize LayoutExtent(const TLayoutFont& font, const QString& text)
{
    return {MeasureLine(font, text, 0).InkWidth(), font.CellHeight()};
}

} // namespace

QSize FontStringExtent(const TCanvas& canvas, const TPointBasedFont& font, const QString& text)
{
    const QSize extent = LayoutExtent(*font.LayoutFont(false), text);
    const double scale = CanvasScale(canvas);
    return {RoundHalfAway(extent.width() * scale), RoundHalfAway(extent.height() * scale)};
}

void DrawFontString(TCanvas& canvas, const TPointBasedFont& font, QPoint at, const QString& text)
{
    if (text.isEmpty())
        return;
    TSimpleText line;
    line.Font()->Assign(font);
    line.Text()->SetLines({text});
    const QSize extent = LayoutExtent(*line.LayoutFont(), text);
    QPainter& painter = canvas.Painter();
    painter.save();
    painter.translate(at);
    const double scale = CanvasScale(canvas);
    painter.scale(scale, scale);
    line.DrawText(canvas, TRect(0, 0, extent.width(), extent.height()), true);
    painter.restore();
}
