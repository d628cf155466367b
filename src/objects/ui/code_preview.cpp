#include "objects/ui/code_preview.h"

#include "core/canvas/canvas.h"
#include "core/model/rect_object.h"

#include <QPainter>
#include <algorithm>

TCodePreview::TCodePreview(QWidget* parent) : QWidget(parent)
{
    setMinimumSize(240, 160);
}

void TCodePreview::SetObject(TLORectBase* object)
{
    object_ = object;
    update();
}

void TCodePreview::SetActualSize(bool actual)
{
    actual_ = actual;
    update();
}

void TCodePreview::SetShown(bool shown)
{
    shown_ = shown;
    update();
}

void TCodePreview::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    if (!object_ || !shown_)
        return;
    const TRect bounds = object_->GetBounds();
    if (bounds.IsEmpty())
        return;
    // Pixels per logical unit: the screen's at 100 %, else what fits the box with a margin.
    const double actual = logicalDpiX() / 254.0;
    const double fit = std::min((width() - 8.0) / RectWidth(bounds), (height() - 8.0) / RectHeight(bounds));
    const double scale = actual_ ? actual : std::max(0.01, fit);
    painter.translate(width() / 2.0, height() / 2.0);
    painter.scale(scale, scale);
    painter.translate(-(bounds.Left + bounds.Right) / 2.0, -(bounds.Top + bounds.Bottom) / 2.0);
    TCanvas canvas(&painter);
    object_->PaintTo(canvas);
}
