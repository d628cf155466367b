#include "objects/ui/object_preview.h"

#include "core/canvas/memory_canvas.h"
#include "core/canvas/scaler.h"
#include "core/model/draw_object.h"

#include <algorithm>

namespace {

constexpr int kPreviewSide = 200;

} // namespace

TObjectPreview::TObjectPreview(QWidget* parent) : QLabel(parent)
{
    setFixedSize(kPreviewSide, kPreviewSide);
    setFrameShape(QFrame::StyledPanel);
}

void TObjectPreview::ShowObject(TDrawObject& object)
{
    const TRect bounds = object.GetBounds();
    const int side = std::max({RectWidth(bounds), RectHeight(bounds), 1});
    QImage image = CreateBitmap({kPreviewSide, kPreviewSide}, QImage::Format_RGB32, 96);
    {
        TMemoryCanvas canvas(image, 96);
        canvas.SetMapMode(TMapMode::Anisotropic);
        canvas.SetWindowOrg(bounds.TopLeft());
        canvas.SetWindowExt({side, side});
        canvas.SetViewportExt({kPreviewSide, kPreviewSide});
        object.PaintTo(canvas);
    }
    setPixmap(QPixmap::fromImage(image));
}
