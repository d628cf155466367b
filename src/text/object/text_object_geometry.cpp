// The text object's geometry: its glyph outlines, the area it paints in, its bounds, hit
// test and selection outline, resizing, fitting to the text and bending the baseline.
#include "text/object/text_object.h"

#include "core/canvas/canvas.h"
#include "core/canvas/units.h"
#include "graphics/raster/arc.h"
#include "graphics/raster/arc_drawing.h"
#include "graphics/raster/stroke.h"
#include "text/distortion/coons_distortion.h"
#include "text/point_based_font.h"
#include "text/rotator.h"
#include "text/simple_text.h"

#include <QPolygon>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numbers>

namespace {

// Geometry derived from stored values stays within this range, so that hostile sizes,
// offsets and widths cannot overflow the integer arithmetic after them.
constexpr std::int64_t kCoordinateLimit = std::int64_t(1) << 29;
// Glyph outlines of distorted text are made at this size or larger, for precision.
constexpr int kDistortionPoints = 72;
// Arcs flatter than this radius are laid out straight by the text.
constexpr double kMaxTextArcRadius = 1e9;
// AutoSize keeps the rectangle at least this wide and high.
constexpr int kMinAutoSize = 20;

int Held(std::int64_t value)
{
    return int(std::clamp(value, -kCoordinateLimit, kCoordinateLimit));
}

TRect HeldRect(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom)
{
    return {Held(left), Held(top), Held(right), Held(bottom)};
}

QPolygon RotatedRect(const TRect& r, const TRotator& rotator)
{
    QPolygon polygon;
    for (QPoint corner : {r.TopLeft(), QPoint(r.Right, r.Top), r.BottomRight(), QPoint(r.Left, r.Bottom)})
        polygon << rotator.Rotate(corner);
    return polygon;
}

TRect PolygonBounds(const QPolygon& polygon)
{
    const QRect box = polygon.boundingRect();
    return {box.left(), box.top(), box.right(), box.bottom()};
}

QPainterPath PolygonPath(const QPolygon& polygon)
{
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    path.addPolygon(QPolygonF(polygon));
    path.closeSubpath();
    return path;
}

} // namespace

const TStroke& TLOTextBase::TextOutline() const
{
    if (!textOutline_) {
        textOutline_ = std::make_unique<TStroke>();
        text_->TextToPath(*textOutline_, BoundsRect(), true);
    }
    return *textOutline_;
}

const TStroke& TLOTextBase::RenderOutline() const
{
    if (renderOutline_)
        return *renderOutline_;
    renderOutline_ = std::make_unique<TStroke>();
    TStroke& stroke = *renderOutline_;
    if (distortion_->IsEmpty() || text_->Bulge() != 0) {
        stroke.Assign(TextOutline());
        return stroke;
    }
    // The outline at 72 points or more, straight and unturned, in the rectangle scaled by
    // the same factor as the cell.
    TSimpleText scratch;
    scratch.Assign(*text_);
    scratch.SetAngle(0);
    const int size = text_->Font()->Size();
    if (std::abs(size) < kDistortionPoints)
        scratch.Font()->SetSize(size < 0 ? -kDistortionPoints : kDistortionPoints);
    const double scale = double(scratch.LayoutFont()->CellHeight()) / std::max(1, CellHeight());
    const TRect r = BoundsRect();
    const TRect scaled = HeldRect(0, 0, std::llround(RectWidth(r) * scale), std::llround(RectHeight(r) * scale));
    scratch.TextToPath(stroke, scaled, true);
    stroke.Subdivide();
    if (IsDistorted()) {
        TCoonsDistortion distortion;
        distortion.Assign(*distortion_);
        distortion.ApplyRatio(distortionRatio_);
        distortion.SetSourceRect(scratch.TextBounds(scaled, false));
        distortion.SetDestRect(r);
        distortion.TransformStroke(stroke);
    }
    TRotator(text_->Angle(), RectCenter(r)).TransformStroke(stroke);
    return stroke;
}

void TLOTextBase::ChordPoints(QPoint& start, QPoint& end) const
{
    const TRect r = BoundsRect();
    const QPoint mid = RectCenter(r);
    const TRotator rotator(text_->Angle(), mid);
    start = rotator.Rotate(text_->Vertical() ? QPoint(mid.x(), r.Top) : QPoint(r.Left, mid.y()));
    end = rotator.Rotate(text_->Vertical() ? QPoint(mid.x(), r.Bottom) : QPoint(r.Right, mid.y()));
}

int TLOTextBase::BlockThickness() const
{
    const TRect block = text_->TextBounds(BoundsRect(), false);
    return text_->Vertical() ? RectWidth(block) : RectHeight(block);
}

std::optional<TLOTextBase::TArcBand> TLOTextBase::ArcBand(bool withOutline) const
{
    const int bulge = text_->Bulge();
    if (bulge == 0)
        return std::nullopt;
    QPoint start, end;
    ChordPoints(start, end);
    const double chord = std::hypot(double(end.x()) - start.x(), double(end.y()) - start.y());
    if (chord * chord / (8.0 * std::abs(double(bulge))) + std::abs(double(bulge)) / 2 > kMaxTextArcRadius)
        return std::nullopt;
    TArcRecord arc;
    if (!ArcFromChord(start, end, bulge, arc))
        return std::nullopt;
    // The band runs through the middle of the text block, whose outer edge is half a cell
    // outside the arc.
    const int s = BlockThickness();
    const double radius = double(arc.Radius) + (CellHeight() - s) / 2.0;
    if (radius < 1 || radius > kCoordinateLimit)
        return std::nullopt;
    const double span = std::fmod(arc.EndAngle - arc.StartAngle + 4 * std::numbers::pi, 2 * std::numbers::pi);
    TArcBand band;
    band.Start = PointOnArc(arc, arc.StartAngle, radius);
    band.Middle = PointOnArc(arc, arc.StartAngle + span / 2, radius);
    band.End = PointOnArc(arc, arc.EndAngle, radius);
    band.Width = Held(std::int64_t(s) + (withOutline ? 2 * std::int64_t(std::max(0, outLineWidth_)) : 0));
    return band;
}

TRect TLOTextBase::UnrotatedPaintRect() const
{
    const TRect r = BoundsRect();
    const std::int64_t w = std::max(0, outLineWidth_);
    const QPoint d = ShadowDisplacement();
    return HeldRect(r.Left - w + std::min(0, d.x()), r.Top - w + std::min(0, d.y()), std::int64_t(r.Right) + w + std::max(0, d.x()),
                    std::int64_t(r.Bottom) + w + std::max(0, d.y()));
}

QPainterPath TLOTextBase::PaintArea() const
{
    if (const auto band = ArcBand(outline_)) {
        QPainterPath path = PolygonPath(ThickArcOutline(band->Start, band->Middle, band->End, std::max(1, band->Width)));
        return path;
    }
    const TRect r = BoundsRect();
    return PolygonPath(RotatedRect(UnrotatedPaintRect(), TRotator(text_->Angle(), RectCenter(r))));
}

TRect TLOTextBase::GetBounds() const
{
    if (const auto band = ArcBand(false)) {
        QPoint start, end;
        ChordPoints(start, end);
        TArcRecord arc;
        ArcFromChord(start, end, text_->Bulge(), arc);
        arc.Radius = Held(std::llround(double(arc.Radius) + (CellHeight() - BlockThickness()) / 2.0));
        const TRect box = ArcBounds(arc);
        const std::int64_t grow = std::int64_t(std::max(0, outLineWidth_)) + BlockThickness() / 2;
        const QPoint d = ShadowDisplacement();
        return HeldRect(box.Left - grow + std::min(0, d.x()), box.Top - grow + std::min(0, d.y()),
                        box.Right + grow + std::max(0, d.x()), box.Bottom + grow + std::max(0, d.y()));
    }
    const TRect r = BoundsRect();
    return PolygonBounds(RotatedRect(UnrotatedPaintRect(), TRotator(text_->Angle(), RectCenter(r))));
}

bool TLOTextBase::HitTest(QPoint logical) const
{
    if (ArcBand(false))
        return PaintArea().contains(QPointF(logical));
    const TRect r = BoundsRect();
    return r.Contains(TRotator(-text_->Angle(), RectCenter(r)).Rotate(logical));
}

void TLOTextBase::DrawOutline(TCanvas& canvas)
{
    QPainter& painter = canvas.Painter();
    painter.save();
    painter.setBrush(Qt::NoBrush);
    if (const auto band = ArcBand(outline_)) {
        painter.drawPolygon(ThickArcOutline(band->Start, band->Middle, band->End, std::max(1, band->Width)));
    } else if (IsDistorted()) {
        // The text's block bent like its glyphs.
        TStroke block;
        const TRect r = BoundsRect();
        block.SetRect(text_->TextBounds(r, false));
        block.Subdivide();
        TCoonsDistortion distortion;
        distortion.Assign(*distortion_);
        distortion.ApplyRatio(distortionRatio_);
        distortion.SetSourceRect(block.Bounds());
        distortion.SetDestRect(r);
        distortion.TransformStroke(block);
        TRotator(text_->Angle(), RectCenter(r)).TransformStroke(block);
        painter.drawPath(block.MakePath(canvas));
    } else {
        const TRect r = BoundsRect();
        const TRotator rotator(text_->Angle(), RectCenter(r));
        const TRect inked = IntersectRect(r, text_->TextBounds(r, false));
        painter.save();
        QPen solid = painter.pen();
        solid.setStyle(Qt::SolidLine);
        painter.setPen(solid);
        painter.drawPolygon(RotatedRect(inked, rotator));
        painter.restore();
        painter.drawPolygon(RotatedRect(UnrotatedPaintRect(), rotator));
    }
    painter.restore();
}

void TLOTextBase::Resize(int width, int height)
{
    const TRect old = GetBounds();
    const TRect r = BoundsRect();
    const int oldWidth = RectWidth(old), oldHeight = RectHeight(old);
    int w, h;
    if (text_->Bulge() != 0 || text_->Angle() != 0) {
        // A bound without extent gives no ratio: the new size is taken as it is.
        w = oldWidth != 0 ? MulDiv(RectWidth(r), width, oldWidth) : width;
        h = oldHeight != 0 ? MulDiv(RectHeight(r), height, oldHeight) : height;
    } else {
        w = Held(std::int64_t(width) - (oldWidth - RectWidth(r)));
        h = Held(std::int64_t(height) - (oldHeight - RectHeight(r)));
    }
    SetBoundsRect(HeldRect(r.Left, r.Top, std::int64_t(r.Left) + w, std::int64_t(r.Top) + h));
    // The bounds keep their top-left corner.
    const TRect now = GetBounds();
    if (now.TopLeft() != old.TopLeft())
        SetBoundsRect(BoundsRect().Translated(old.Left - now.Left, old.Top - now.Top));
}

void TLOTextBase::ApplyAutoSize()
{
    if (!autoSize_ || text_->Bulge() != 0)
        return;
    const TRect r = BoundsRect();
    const bool vertical = text_->Vertical();
    const int align = text_->Align();
    TRect fit = text_->TextBounds(r, true);
    if (RectWidth(fit) < kMinAutoSize) {
        int left = fit.Left;
        if (vertical)
            left = fit.Right - kMinAutoSize;
        else if (align == taCenter)
            left = (fit.Left + fit.Right) / 2 - kMinAutoSize / 2;
        else if (align == taRight)
            left = fit.Right - kMinAutoSize;
        fit.Left = left;
        fit.Right = left + kMinAutoSize;
    }
    if (RectHeight(fit) < kMinAutoSize) {
        int top = fit.Top;
        if (vertical && align == taCenter)
            top = (fit.Top + fit.Bottom) / 2 - kMinAutoSize / 2;
        else if (vertical && align == taRight)
            top = fit.Bottom - kMinAutoSize;
        fit.Top = top;
        fit.Bottom = top + kMinAutoSize;
    }
    const int angle = text_->Angle();
    if (angle != 0 && !(align == taEven && r.IsEmpty())) {
        // The alignment's anchor stays where it was on the page.
        const auto anchor = [&](const TRect& box) {
            const QPoint mid = RectCenter(box);
            QPoint point;
            if (vertical)
                point = QPoint(box.Right, align == taCenter ? mid.y() : align == taRight ? box.Bottom : box.Top);
            else
                point = QPoint(align == taCenter ? mid.x() : align == taRight ? box.Right : box.Left, box.Top);
            return TRotator(angle, mid).Rotate(point);
        };
        const QPoint shift = anchor(r) - anchor(fit);
        fit = fit.Translated(shift.x(), shift.y());
    }
    SetBoundsRect(fit);
}

QPoint TLOTextBase::StartPoint() const
{
    if (editing_)
        return editStart_;
    QPoint start, end;
    ChordPoints(start, end);
    return start;
}

QPoint TLOTextBase::EndPoint() const
{
    if (editing_)
        return editEnd_;
    QPoint start, end;
    ChordPoints(start, end);
    return end;
}

QPoint TLOTextBase::BulgePoint() const
{
    if (editing_)
        return editBulge_;
    QPoint start, end;
    ChordPoints(start, end);
    return ::BulgePoint(start, end, text_->Bulge());
}

void TLOTextBase::SetStartPoint(QPoint point)
{
    SetAutoSize(false);
    editStart_ = point;
}

void TLOTextBase::SetEndPoint(QPoint point)
{
    SetAutoSize(false);
    editEnd_ = point;
}

void TLOTextBase::SetBulgePoint(QPoint point)
{
    editBulge_ = point;
    SetBulge(Sagitta(editStart_, point, editEnd_));
}

void TLOTextBase::BeginEdit()
{
    QPoint start, end;
    ChordPoints(start, end);
    editStart_ = start;
    editEnd_ = end;
    editBulge_ = ::BulgePoint(start, end, text_->Bulge());
    editOriginalMid_ = (start + end) / 2;
    editing_ = true;
}

void TLOTextBase::EndEdit()
{
    if (!editing_)
        return;
    editing_ = false;
    SetAutoSize(false);
    QPoint start = editStart_, end = editEnd_;
    const int g = int(std::lround(std::atan2(double(start.y()) - end.y(), double(start.x()) - end.x()) * 180 / std::numbers::pi));
    const bool vertical = text_->Vertical();
    const int a = vertical ? -270 : -180;
    const QPoint mid = (start + end) / 2;
    const TRotator back(-g - a, mid);
    start = back.Rotate(start);
    end = back.Rotate(end);
    const TRect r = BoundsRect();
    TRect placed = vertical ? TRect(start.x() - RectWidth(r) / 2, start.y(), start.x() - RectWidth(r) / 2 + RectWidth(r), end.y())
                            : TRect(start.x(), start.y() - RectHeight(r) / 2, end.x(), start.y() - RectHeight(r) / 2 + RectHeight(r));
    text_->BeginUpdate();
    SetBoundsRect(NormalizeRect(placed));
    text_->SetAngle(std::int64_t(g) + a);
    text_->EndUpdate();
}
