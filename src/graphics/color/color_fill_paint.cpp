// Painting a colour specification: its fill, its sample and whether it is a pure colour.
#include "core/canvas/canvas.h"
#include "core/canvas/units.h"
#include "graphics/color/color_fill.h"
#include "graphics/color/device_area.h"
#include "graphics/color/fill_gradation.h"
#include "graphics/color/gradation_colors.h"
#include "graphics/image_data/clip_filter.h"
#include "graphics/image_data/image_data.h"
#include "graphics/picture/picture_ex.h"
#include "graphics/picture/safety_bitmap.h"
#include "graphics/raster/resample.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kSampleSquare = 8;
constexpr QRgb kSampleGrey = 0xFF808080;

Qt::BrushStyle QtBrushStyle(TBrushStyle style)
{
    switch (style) {
    case bsSolid:
        return Qt::SolidPattern;
    case bsHorizontal:
        return Qt::HorPattern;
    case bsVertical:
        return Qt::VerPattern;
    case bsFDiagonal:
        return Qt::FDiagPattern;
    case bsBDiagonal:
        return Qt::BDiagPattern;
    case bsCross:
        return Qt::CrossPattern;
    case bsDiagCross:
        return Qt::DiagCrossPattern;
    case bsClear:
        break;
    }
    return Qt::NoBrush;
}

// The logical area of the canvas that can show, mapped back through the painter; empty when
// it cannot be told.
QRectF VisibleLogicalArea(TCanvas& canvas)
{
    const QRect device = VisibleDeviceArea(canvas);
    bool invertible = false;
    const QTransform toLogical = canvas.Painter().worldTransform().inverted(&invertible);
    if (device.isEmpty() || !invertible)
        return {};
    return toLogical.mapRect(QRectF(device));
}

// Tiles of the graphic at its natural size in rows from the rectangle's top-left corner, every
// second row shifted left by half a tile with shift. Tiles are not clipped to the rectangle;
// those that cannot show on the canvas are skipped.
void DrawTiles(TCanvas& canvas, const TRect& rect, const TGraphic& graphic, bool shift)
{
    const std::int64_t w = graphic.Width();
    const std::int64_t h = graphic.Height();
    if (w <= 0 || h <= 0)
        return;
    const QRectF visible = VisibleLogicalArea(canvas);
    for (std::int64_t top = rect.Top, row = 0; top < rect.Bottom; top += h, ++row) {
        if (!visible.isEmpty() && (top + h <= visible.top() || top >= visible.bottom()))
            continue;
        std::int64_t left = rect.Left - (shift && row % 2 == 1 ? (w + 1) / 2 : 0);
        if (!visible.isEmpty() && left + w <= visible.left())
            left += (std::int64_t(std::floor(visible.left())) - left) / w * w;
        for (; left < rect.Right; left += w) {
            if (!visible.isEmpty() && left >= visible.right())
                break;
            graphic.Draw(canvas, TRect(int(left), int(top), int(left + w), int(top + h)));
        }
    }
}

} // namespace

void TColorSpec::Fill(TCanvas& canvas, const TRect& rect, bool invert) const
{
    const TColorSpecKind kind = Kind();
    const TGraphic* picture = nullptr;
    if (kind == cskBitmap) {
        picture = imageData_->ProcessedPicture().Graphic();
        if (!picture || picture->Empty())
            return;
    }
    TCanvasSaver saver(canvas);
    if (invert)
        canvas.Painter().setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    switch (kind) {
    case cskGradation: {
        const std::vector<TColor> colors = gradColors_->ExpandColors();
        FillGradation(canvas, rect, colors.data(), int(colors.size()), invert, gradAngle_, gradKind_);
        break;
    }
    case cskBitmap:
        if (tile_)
            DrawTiles(canvas, rect, *picture, tileShift_);
        else
            picture->Draw(canvas, rect);
        break;
    case cskSolid:
        FillSolid(canvas, rect);
        break;
    }
}

void TColorSpec::FillSolid(TCanvas& canvas, const TRect& rect) const
{
    const Qt::BrushStyle style = QtBrushStyle(style_);
    const QColor color = ToQColor(color_);
    if (style == Qt::NoBrush || !color.isValid())
        return;
    canvas.Painter().fillRect(QRectF(rect.ToQRect()), QBrush(color, style));
}

void TColorSpec::DrawSample(TCanvas& canvas, const TRect& rect) const
{
    QPainter& painter = canvas.Painter();
    const QRect device = DeviceRectOf(canvas.Painter(), rect);
    painter.save();
    painter.resetTransform();
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.fillRect(device, Qt::white);
    for (int y = 0; y * kSampleSquare < device.height(); ++y)
        for (int x = y % 2; x * kSampleSquare < device.width(); x += 2)
            painter.fillRect(QRect(device.left() + x * kSampleSquare, device.top() + y * kSampleSquare, kSampleSquare,
                                   kSampleSquare)
                                 .intersected(device),
                             QColor::fromRgb(kSampleGrey));
    painter.restore();

    const TGraphic* tile = Kind() == cskBitmap ? imageData_->ProcessedPicture().Graphic() : nullptr;
    if (tile_ && tile && !tile->Empty())
        DrawReducedTiles(canvas, rect);
    else
        Fill(canvas, rect);
}

void TColorSpec::DrawReducedTiles(TCanvas& canvas, const TRect& rect) const
{
    const TPictureEx& tile = imageData_->ProcessedPicture();
    const TPictureEx& source = *imageData_->Picture();
    if (tile.Width() <= 0 || tile.Height() <= 0 || source.Width() <= 0 || source.Height() <= 0)
        return;
    // The scale that makes a tile 2/5 of the rectangle's width (landscape tiles) or height. A
    // tile already smaller than that keeps its size: enlarging the whole picture for a small
    // crop could need a huge bitmap.
    const bool landscape = tile.Width() > tile.Height();
    const double fit = landscape ? 0.4 * RectWidth(rect) / tile.Width() : 0.4 * RectHeight(rect) / tile.Height();
    const double scale = std::min(fit, 1.0);
    if (!(scale > 0))
        return;
    const auto scaled = [scale](int length) { return std::max(1, RoundHalfAway(length * scale)); };

    QImage reduced(scaled(source.Width()), scaled(source.Height()), QImage::Format_BGR888);
    Resample(reduced, FlattenOnWhite(source.Graphic()->ToImage()).convertToFormat(QImage::Format_BGR888),
             TResampleFilter::Linear);
    TColorSpec copy;
    copy.Assign(*this);
    auto bitmap = std::make_unique<TSafetyBitmap>();
    bitmap->SetImage(reduced);
    copy.ImageData()->Picture()->SetGraphic(std::move(bitmap));
    // The crop as it applies to the picture, scaled alike.
    const TRect clip = imageData_->ClipFilter()->EffectiveRect(source.Width(), source.Height());
    copy.ImageData()->ClipFilter()->SetClipRect(TRect(RoundHalfAway(clip.Left * scale), RoundHalfAway(clip.Top * scale),
                                                      RoundHalfAway(clip.Right * scale),
                                                      RoundHalfAway(clip.Bottom * scale)));
    copy.Fill(canvas, rect);
}

bool TColorSpec::IsPureColor(const TCanvas&) const
{
    // Every canvas here shows true colour, so exactly the plain colours come out as they are:
    // system colours and colours with flags above the 24 colour bits do not.
    return Kind() == cskSolid && style_ == bsSolid && (color_ & 0xFF000000) == 0;
}
