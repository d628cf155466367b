#include "printing/ui/print_paper_face.h"

#include "core/canvas/canvas.h"

#include <QPainter>

LR_DEFINE_CLASS(TLOFaceForPrintPaper, TLOFace, LR_CREATABLE(TLOFaceForPrintPaper))

namespace {
constexpr TColor kChosenFrameColor = 0xFF0000; // blue
constexpr int kChosenFramePixels = 2;
} // namespace

void TLOFaceForPrintPaper::Paint(TCanvas& canvas)
{
    QPainter& painter = canvas.Painter();
    const TFaceInfo& info = FaceInfo();
    painter.setBrush(ToQColor(clWhite));
    painter.setPen(QPen(ToQColor(clBlack), 0));
    info.DrawFace(canvas, false, false);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(ToQColor(clBlack), 0, Qt::DotLine));
    info.DrawTrimLines(canvas, false);
    if (!FaceSelected())
        return;
    // A cosmetic pen twice the frame's width centred on the outline, clipped to the face,
    // leaves the frame's width inside it.
    TCanvasSaver saver(canvas, true);
    painter.setClipRegion(info.CreateRegion(nullptr, true), Qt::IntersectClip);
    QPen frame(ToQColor(kChosenFrameColor), 2 * kChosenFramePixels);
    frame.setCosmetic(true);
    frame.setJoinStyle(Qt::MiterJoin);
    painter.setPen(frame);
    info.DrawFace(canvas, false, false);
}
