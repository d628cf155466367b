// Painting the text object: the hard shadow, the outline and the fill, plainly or with the
// glyph edges of distorted text anti-aliased; its coverage for blended painting and the
// colour image that goes with it.
#include "text/object/text_object.h"

#include "core/canvas/canvas.h"
#include "core/canvas/offscreen.h"
#include "graphics/color/color_fill.h"
#include "graphics/raster/blendable_format.h"
#include "graphics/raster/blender.h"
#include "graphics/raster/stroke.h"
#include "text/simple_text.h"

#include <QPainterPathStroker>
#include <QScopedValueRollback>

namespace {

const QColor kCovered(255, 255, 255);

// The path widened by a pen of the given width, for outlines and their clip.
QPainterPath Widened(const QPainterPath& path, double width)
{
    QPainterPathStroker stroker;
    stroker.setWidth(std::max(1.0, width));
    stroker.setJoinStyle(Qt::RoundJoin);
    stroker.setCapStyle(Qt::RoundCap);
    QPainterPath widened = stroker.createStroke(path);
    widened.setFillRule(Qt::WindingFill);
    return widened;
}

// Clips the painter to the path on top of what it is clipped to already.
void ClipTo(QPainter& painter, const QPainterPath& path)
{
    painter.setClipPath(path, painter.hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
}

// Blends the fill's image through the coverage into the canvas's pixels inside its clip.
void BlendOnto(TCanvas& canvas, QImage& target, TOffscreen& colour, const QImage& coverage)
{
    const QRect placed = colour.DeviceRect();
    QRegion area = canvas.HasClip() ? canvas.ClipRegion() : QRegion(target.rect());
    area &= placed.intersected(target.rect());
    for (const QRect& rect : area) {
        TGRBlendAlphaMap blender;
        blender.SetDestination(&target, rect);
        blender.SetSource(&colour.Image(), rect.translated(-placed.topLeft()));
        blender.SetAlphaMap(&coverage, rect.translated(-placed.topLeft()));
        blender.Execute();
    }
}

} // namespace

void TLOTextBase::ShiftOrigin(TCanvas& canvas, QPoint offset)
{
    canvas.SetWindowOrg(canvas.WindowOrg() - offset);
}

void TLOTextBase::Paint(TCanvas& canvas)
{
    const QPoint d = ShadowDisplacement();
    if (!d.isNull()) {
        ShiftOrigin(canvas, d);
        Fill(canvas, *shadowColor_, nullptr);
        ShiftOrigin(canvas, -d);
    }
    Fill(canvas, *textColor_, outline_ ? outlineColor_.get() : nullptr);
    DropOutlines();
}

void TLOTextBase::Fill(TCanvas& canvas, const TColorSpec& fill, const TColorSpec* outline)
{
    if (!outline && IsDistorted() && AntiAliasDistortionText() && FillAntiAliased(canvas, fill))
        return;
    FillPlain(canvas, fill, outline);
}

void TLOTextBase::FillPlain(TCanvas& canvas, const TColorSpec& fill, const TColorSpec* outline)
{
    QPainter& painter = canvas.Painter();
    painter.save();
    ClipTo(painter, PaintArea());
    const TRect bounds = GetBounds();
    if (outline) {
        const QPainterPath path = RenderOutline().MakePath(canvas);
        // In floating point: a stored width near the integer limit must not overflow.
        const double width = 2.0 * std::max(0, outLineWidth_);
        if (!outline->IsPureColor(canvas)) {
            painter.save();
            ClipTo(painter, Widened(path, width));
            outline->Fill(canvas, bounds);
            painter.restore();
        } else {
            painter.save();
            painter.setRenderHint(QPainter::Antialiasing, true);
            painter.setBrush(Qt::NoBrush);
            painter.setPen(QPen(ToQColor(outline->Color()), std::max(1.0, width), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            painter.drawPath(path);
            painter.restore();
        }
        ClipTo(painter, path);
        fill.Fill(canvas, bounds);
    } else if (!IsDistorted() && fill.IsPureColor(canvas)) {
        text_->SetDisplayColor(fill.Color());
        text_->DrawText(canvas, BoundsRect(), true);
        text_->SetDisplayColor(clNone);
    } else {
        const QPainterPath path = IsDistorted() ? RenderOutline().MakePath(canvas) : text_->TextPath(BoundsRect(), true);
        ClipTo(painter, path);
        fill.Fill(canvas, bounds);
    }
    painter.restore();
}

bool TLOTextBase::FillAntiAliased(TCanvas& canvas, const TColorSpec& fill)
{
    QImage* target = canvas.ReadableImage();
    if (!target || !IsBlendableFormat(target->format()))
        return false;
    // The fill and the coverage cover the visible part of the paint bounds.
    const TRect bounds = GetBounds();
    const auto colour = CreateOffscreen(canvas, bounds, target->format(), 0, false);
    const auto coverage = CreateOffscreen(canvas, bounds, QImage::Format_Grayscale8, 0, false);
    if (!colour || !coverage)
        return true; // nothing of it shows
    fill.Fill(colour->Canvas(), bounds);
    {
        TCanvas& mask = coverage->Canvas();
        QPainter& painter = mask.Painter();
        const TStroke& stroke = RenderOutline();
        painter.save();
        ClipTo(painter, PaintArea());
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.fillPath(stroke.MakePath(mask), kCovered);
        painter.restore();
        stroke.TraceAA(mask);
    }
    BlendOnto(canvas, *target, *colour, coverage->Image());
    return true;
}

void TLOTextBase::PaintShapeMask(TCanvas& mask, bool withOutline)
{
    QPainter& painter = mask.Painter();
    painter.save();
    ClipTo(painter, PaintArea());
    const bool pathShape = IsDistorted() || outline_ || !textColor_->IsPureColor(mask);
    if (!pathShape) {
        text_->SetDisplayColor(0xFFFFFF);
        text_->DrawText(mask, BoundsRect(), true);
        text_->SetDisplayColor(clNone);
    } else {
        const bool fromOutline = IsDistorted() || outline_;
        const QPainterPath path = fromOutline ? RenderOutline().MakePath(mask) : text_->TextPath(BoundsRect(), true);
        painter.save();
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.fillPath(path, kCovered);
        painter.restore();
        if (fromOutline && !outline_ && AntiAliasDistortionText())
            RenderOutline().TraceAA(mask);
    }
    if (withOutline && outline_ && outLineWidth_ > 0) {
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(kCovered, 2.0 * outLineWidth_, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawPath(RenderOutline().MakePath(mask));
    }
    painter.restore();
}

void TLOTextBase::PaintMask(TCanvas& mask)
{
    const QPoint d = ShadowDisplacement();
    if (!d.isNull()) {
        ShiftOrigin(mask, d);
        PaintShapeMask(mask, false);
        ShiftOrigin(mask, -d);
    }
    PaintShapeMask(mask, true);
    DropOutlines();
}

QImage TLOTextBase::RenderImage(TCanvas& target)
{
    const auto offscreen = CreateOffscreen(target, GetBounds(), QImage::Format_BGR888, kOffscreenInflate, true);
    if (!offscreen)
        return {};
    {
        const QScopedValueRollback<bool> rendering(renderingImage_, true);
        Paint(offscreen->Canvas());
    }
    ResetToPixels(offscreen->Canvas());
    return offscreen->TakeImage();
}

bool TLOTextBase::NeedsBlendedPaint() const
{
    return BlendRatio() != 100 || (IsDistorted() && AntiAliasDistortionText());
}
