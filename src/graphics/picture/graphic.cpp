#include "graphics/picture/graphic.h"

#include "core/error.h"
#include "core/canvas/memory_canvas.h"
#include "graphics/picture/picture_limits.h"
#include "graphics/picture/picture_messages.h"

#include <QPainter>

LR_DEFINE_CLASS(TGraphic, TPersistent, LR_ABSTRACT)

QImage TGraphic::ToImage() const
{
    if (Empty())
        return {};
    if (!PictureSizeAllowed(Width(), Height()))
        throw EAppError(picturemsg::ImageLoadFailed());
    QImage image = CreateBitmap(QSize(Width(), Height()), QImage::Format_BGR888, 96);
    {
        TMemoryCanvas canvas(image);
        Draw(canvas, TRect(0, 0, Width(), Height()));
    }
    return image;
}

std::unique_ptr<TGraphic> TGraphic::Clone() const
{
    std::unique_ptr<TGraphic> copy(static_cast<TGraphic*>(ClassInfo().Create()));
    copy->Assign(*this);
    return copy;
}

void TGraphic::Changed()
{
    if (onChange_)
        onChange_();
}

void DrawImageStretched(TCanvas& canvas, const TRect& rect, const QImage& image)
{
    if (image.isNull() || rect.Right == rect.Left || rect.Bottom == rect.Top)
        return;
    QPainter& painter = canvas.Painter();
    painter.save();
    painter.translate(rect.Left, rect.Top);
    painter.scale(double(rect.Right - rect.Left) / image.width(), double(rect.Bottom - rect.Top) / image.height());
    painter.drawImage(QPointF(0, 0), image);
    painter.restore();
}

QImage FlattenOnWhite(const QImage& image)
{
    if (!image.hasAlphaChannel())
        return image;
    QImage flat(image.size(), QImage::Format_BGR888);
    flat.setDotsPerMeterX(image.dotsPerMeterX());
    flat.setDotsPerMeterY(image.dotsPerMeterY());
    flat.fill(Qt::white);
    QPainter painter(&flat);
    painter.drawImage(0, 0, image);
    return flat;
}
