#include "editing/site/face_overlay.h"

#include "core/canvas/canvas.h"
#include "core/face/face_info.h"
#include "document/grid.h"

#include <QPainter>

namespace {

void SetPen(QPainter& painter, QColor color, Qt::PenStyle style)
{
    QPen pen(color, 0, style);
    pen.setCosmetic(true);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
}

} // namespace

void PaintFaceOverlay(TCanvas& canvas, const TRect& area, const TFaceInfo* face, const TGrid* grid, const TGuide* guide)
{
    QPainter& painter = canvas.Painter();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    if (face) {
        // Inverting keeps the outline visible over any background.
        painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        SetPen(painter, Qt::white, Qt::SolidLine);
        face->DrawFace(canvas, true, face->HasHole());
        painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    }
    if (grid && grid->Visible()) {
        if (grid->LineShape())
            SetPen(painter, QColor(0xC0, 0xC0, 0xC0), Qt::DotLine);
        else
            SetPen(painter, QColor(0, 0, 0xFF), Qt::SolidLine);
        grid->Draw(canvas, area);
    }
    if (guide && guide->Visible()) {
        SetPen(painter, QColor(0, 0, 0xFF), Qt::DotLine);
        guide->Draw(canvas, area);
    }
    SetPen(painter, Qt::black, Qt::SolidLine);
    painter.drawRect(QRect(area.Left, area.Top, RectWidth(area), RectHeight(area)));
    if (face) {
        SetPen(painter, QColor(0x80, 0x80, 0x80), Qt::DotLine);
        face->DrawTrimLines(canvas, true);
    }
    painter.restore();
}
