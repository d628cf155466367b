#include "objects/shapes/deco_line.h"

#include "core/canvas/canvas.h"
#include "core/canvas/units.h"
#include "graphics/picture/graphic.h"
#include "graphics/picture/picture_ex.h"
#include "graphics/raster/map_rect_to_quad.h"

#include <QPainter>
#include <cmath>

LR_DEFINE_CLASS(TLODecoLine, TLOLine, LR_CREATABLE(TLODecoLine),
    prop::Object("Image", &Self::Image, &Self::Image))

namespace {

// The image with every pixel of the key colour made transparent and every other one opaque.
QImage KeyedImage(const QImage& image)
{
    QImage keyed = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < keyed.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(keyed.scanLine(y));
        for (int x = 0; x < keyed.width(); ++x)
            row[x] = (row[x] & 0xFFFFFF) == TLODecoLine::kKeyColor ? 0 : (row[x] | 0xFF000000);
    }
    return keyed;
}

} // namespace

QImage RenderTileStrip(const QImage& tile, int length, int width)
{
    if (tile.isNull() || tile.width() <= 0 || tile.height() <= 0 || length <= 0 || width <= 0)
        return {};
    QImage strip(length, width, QImage::Format_RGB32);
    strip.fill(QColor::fromRgb(TLODecoLine::kKeyColor));
    // The tile's own transparency is off: only the key colour lets the label through.
    const QImage opaque = FlattenOnWhite(tile).convertToFormat(QImage::Format_RGB32);
    const int count = std::max<std::int64_t>(1, std::int64_t(length) * tile.height() / (std::int64_t(tile.width()) * width));
    QPainter painter(&strip);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    int left = 0;
    for (int i = 1; i <= count; ++i) {
        const int right = MulDiv(length, i, count);
        painter.drawImage(QRect(left, 0, right - left, width), opaque);
        left = right;
    }
    return strip;
}

TLODecoLine::TLODecoLine() : image_(std::make_unique<TPictureEx>())
{
    Listener().Attach(&image_->Broadcaster());
}

TLODecoLine::~TLODecoLine()
{
    Listener().DetachAll();
}

void TLODecoLine::DropCache()
{
    cache_ = QImage();
    offset_ = {};
}

void TLODecoLine::SetLineWidth(int width)
{
    const int value = std::max(width, 1);
    if (value != LineWidth())
        DropCache();
    TLOLine::SetLineWidth(value);
}

void TLODecoLine::Notify(TObject* sender, const TNotifyId& id)
{
    if (sender == image_.get() && id == notify::ObjectChanged) {
        DropCache();
        Changed();
        Invalidate();
        return;
    }
    TLOLine::Notify(sender, id);
}

void TLODecoLine::FitToImage()
{
    const int width = image_->Width();
    const int height = image_->Height();
    TUpdateBracket bracket(Notifier());
    SetStartPoint({0, 0});
    SetEndPoint({MulDiv(6 * width, kUnitsPerInch, kPictureDefaultDPI), 0});
    SetLineWidth(MulDiv(height, kUnitsPerInch, kPictureDefaultDPI));
}

std::array<QPointF, 4> TLODecoLine::OutlineCorners() const
{
    const QPointF start = StartPoint();
    const QPointF end = EndPoint();
    const QPointF d = end - start;
    const double length = std::hypot(d.x(), d.y());
    const double half = (LineWidth() + 4) / 2.0;
    // The normal points to the right of the direction on the page (downwards for a line
    // running right), so that the strip's top edge lies to the left.
    const QPointF normal = length > 0 ? QPointF(-d.y() / length, d.x() / length) * half : QPointF(0, half);
    return {start - normal, end - normal, end + normal, start + normal};
}

void TLODecoLine::Render()
{
    const TGraphic* graphic = image_->Graphic();
    if (!graphic || graphic->Empty())
        return; // no picture: nothing to draw
    const QPoint d = EndPoint() - StartPoint();
    const int length = RoundHalfAway(std::hypot(double(d.x()), double(d.y())));
    const QImage strip = RenderTileStrip(graphic->ToImage(), length, LineWidth());
    if (strip.isNull())
        return;
    QImage mapped;
    const QPoint boxTopLeft = MapRectToQuad(mapped, strip, strip.rect(), OutlineCorners(), kKeyColor);
    if (mapped.isNull())
        return;
    const TRect box{boxTopLeft.x(), boxTopLeft.y(), boxTopLeft.x() + mapped.width(), boxTopLeft.y() + mapped.height()};
    const TRect line = NormalizeRect({StartPoint().x(), StartPoint().y(), EndPoint().x(), EndPoint().y()});
    cache_ = KeyedImage(mapped);
    offset_ = {box.Left - line.Left, box.Top - line.Top, box.Right - line.Right, box.Bottom - line.Bottom};
}

void TLODecoLine::Paint(TCanvas& canvas)
{
    if (cache_.isNull())
        Render();
    if (cache_.isNull())
        return;
    const TRect line = NormalizeRect({StartPoint().x(), StartPoint().y(), EndPoint().x(), EndPoint().y()});
    DrawImageStretched(canvas,
                       {line.Left + offset_[0], line.Top + offset_[1], line.Right + offset_[2], line.Bottom + offset_[3]},
                       cache_);
}

void TLODecoLine::DrawOutline(TCanvas& canvas)
{
    const std::array<QPointF, 4> corners = OutlineCorners();
    canvas.Painter().drawPolygon(corners.data(), int(corners.size()));
}

void TLODecoLine::AssignTo(TPersistent& target) const
{
    TLOLine::AssignTo(target);
    auto* line = dynamic_cast<TLODecoLine*>(&target);
    if (!line)
        return;
    line->image_->Assign(*image_);
    line->cache_ = cache_;
    line->offset_ = offset_;
}
