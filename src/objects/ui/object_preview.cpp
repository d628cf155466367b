#include "objects/ui/object_preview.h"

#include "core/canvas/canvas.h"
#include "core/canvas/units.h"
#include "core/model/draw_object.h"

#include <QPainter>
#include <algorithm>

TObjectPreview::TObjectPreview(QWidget* parent) : QWidget(parent)
{
    setMinimumSize(200, 150);
}

void TObjectPreview::SetObject(TDrawObject* object)
{
    object_ = object;
    update();
}

void TObjectPreview::SetActualSize(bool actual)
{
    actualSize_ = actual;
    update();
}

QImage TObjectPreview::Render() const
{
    QImage image(size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    if (!object_)
        return image;
    const TRect bounds = object_->GetBounds();
    if (bounds.IsEmpty())
        return image;
    TCanvas canvas(&image);
    canvas.SetMapMode(TMapMode::Anisotropic);
    canvas.SetWindowOrg(bounds.TopLeft());
    canvas.SetWindowExt({RectWidth(bounds), RectHeight(bounds)});
    QSize viewport;
    if (actualSize_) {
        const int dpi = std::max(1, logicalDpiY());
        viewport = QSize(MulDiv(RectWidth(bounds), dpi, kUnitsPerInch), MulDiv(RectHeight(bounds), dpi, kUnitsPerInch));
    } else {
        viewport = QSize(RectWidth(bounds), RectHeight(bounds)).scaled(size() - QSize(8, 8), Qt::KeepAspectRatio);
    }
    canvas.SetViewportExt(viewport.expandedTo({1, 1}));
    canvas.SetViewportOrg({(width() - viewport.width()) / 2, (height() - viewport.height()) / 2});
    object_->PaintTo(canvas);
    return image;
}

void TObjectPreview::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(0, 0, Render());
}
