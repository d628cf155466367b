#include "objects/codes/jan_code.h"

#include "core/canvas/canvas.h"
#include "core/persistent/color_type.h"
#include "objects/codes/rotated_rect.h"
#include "text/layout_font.h"
#include "text/point_based_font.h"

#include <algorithm>
#include <cmath>

namespace {

// The frame's pen width and the gap between the frame and the symbol.
constexpr int kFrameWidth = 3;
constexpr int kFrameInset = 10;

double TextWidth(const TLayoutFont& font, QChar digit)
{
    return font.Glyph(digit.unicode()).Widths.Advance();
}

} // namespace

TJANCode::TJANCode(TCanvas& canvas, const TRect& rect, bool showNumber, int angle)
    : canvas_(canvas), rect_(rect), showNumber_(showNumber), angle_(angle), rotation_(RotationAbout(rect, angle))
{
}

double TJANCode::ModuleX(int module) const
{
    return rect_.Left + static_cast<double>(module) * RectWidth(rect_) / modules_;
}

void TJANCode::FillBar(double left, double right, double bottom)
{
    // Digits taller than the symbol leave no room for the bars rather than turning them
    // upside down.
    if (bottom <= rect_.Top)
        return;
    canvas_.Painter().fillRect(QRectF(left, rect_.Top, right - left, bottom - rect_.Top), Qt::black);
}

void TJANCode::DrawDigit(QChar digit, int cellModule, const TLayoutFont& layout, TColor color)
{
    const double cellLeft = ModuleX(cellModule);
    const double cellWidth = ModuleX(cellModule + kJANCellModules) - cellLeft;
    const double width = TextWidth(layout, digit);
    int offset = width < cellWidth ? static_cast<int>((cellWidth - width) / 2) : 0;
    if (offset == 0)
        offset = 1;
    const QPointF origin(cellLeft + offset, rect_.Bottom - textHeight_ - 1);
    QPainter& painter = canvas_.Painter();
    const QColor colour = ToQColor(color);
    // Unturned under a plain scale, the font's cached coverage mask of the digit is drawn
    // at a quarter-pixel phase; otherwise the outline is filled.
    const QTransform world = painter.worldTransform();
    if (world.type() <= QTransform::TxScale) {
        const QPointF device = world.map(origin);
        const QPoint pixel(static_cast<int>(std::floor(device.x())), static_cast<int>(std::floor(device.y())));
        const int phaseX = std::min(3, static_cast<int>((device.x() - pixel.x()) * 4));
        const int phaseY = std::min(3, static_cast<int>((device.y() - pixel.y()) * 4));
        if (const auto* mask = layout.GlyphMask(digit.unicode(), world.m11(), world.m22(), phaseX, phaseY)) {
            QImage tinted(mask->Mask.size(), QImage::Format_ARGB32_Premultiplied);
            tinted.fill(colour);
            tinted.setAlphaChannel(mask->Mask);
            painter.save();
            painter.resetTransform();
            painter.drawImage(pixel + mask->Offset, tinted);
            painter.restore();
            return;
        }
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.fillPath(layout.Glyph(digit.unicode()).Outline.translated(origin), colour);
    painter.restore();
}

void TJANCode::Draw(const QString& code, bool showFrame, const TPointBasedFont& font)
{
    const TJANLayout layout = JANLayout(code);
    if (layout.IsEmpty())
        return;
    QPainter& painter = canvas_.Painter();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setTransform(rotation_, true);

    // Background, with the frame band inside its edge.
    const QRectF whole(rect_.Left, rect_.Top, RectWidth(rect_), RectHeight(rect_));
    painter.fillRect(whole, Qt::white);
    if (showFrame) {
        QPainterPath band;
        band.addRect(whole);
        band.addRect(whole.adjusted(kFrameWidth, kFrameWidth, -kFrameWidth, -kFrameWidth));
        painter.fillPath(band, Qt::black);
        rect_ = rect_.Inflated(-kFrameInset, -kFrameInset);
        if (rect_.IsEmpty()) {
            painter.restore();
            return;
        }
    }
    modules_ = layout.Modules;
    const std::shared_ptr<const TLayoutFont> digits = showNumber_ ? font.LayoutFont(false) : nullptr;
    textHeight_ = digits ? digits->CellHeight() : 0;
    const double digitBottom = showNumber_ ? rect_.Bottom - (textHeight_ + 2) : rect_.Bottom;
    const double guardBottom = showNumber_ ? rect_.Bottom - (textHeight_ / 2 + 2) : rect_.Bottom;

    if (showNumber_ && code.size() == 13)
        DrawDigit(code[0], layout.DigitCells[0], *digits, font.Color());
    for (const TJANSegment& segment : layout.Segments) {
        if (showNumber_ && segment.Digit >= 0)
            DrawDigit(code[segment.Digit], layout.DigitCells[segment.Digit], *digits, font.Color());
        // Runs of dark modules become one bar each.
        const double bottom = segment.Guard ? guardBottom : digitBottom;
        int run = -1;
        for (int i = 0; i <= segment.Pattern.size(); ++i) {
            const bool dark = i < segment.Pattern.size() && segment.Pattern[i] == QLatin1Char('1');
            if (dark && run < 0)
                run = i;
            if (!dark && run >= 0) {
                FillBar(ModuleX(segment.FirstModule + run), ModuleX(segment.FirstModule + i), bottom);
                run = -1;
            }
        }
    }
    painter.restore();
}

void DrawJANCode(TCanvas& canvas, const QString& code, const TRect& rect, bool showFrame, bool showNumber, int angle,
                 const TPointBasedFont& font)
{
    TJANCode(canvas, rect, showNumber, angle).Draw(code, showFrame, font);
}
