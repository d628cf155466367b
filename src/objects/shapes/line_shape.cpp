#include "objects/shapes/line_shape.h"

#include "core/canvas/canvas.h"
#include "core/canvas/units.h"
#include "core/model/draw_site_model.h"
#include "graphics/color/color_fill.h"
#include "objects/shapes/shape_region.h"

#include <cmath>
#include <numbers>

LR_DEFINE_CLASS(TLOLine, TLabelObject, LR_CREATABLE(TLOLine),
    prop::Integer("StartX", &Self::StartX, &Self::SetStartX),
    prop::Integer("StartY", &Self::StartY, &Self::SetStartY),
    prop::Integer("EndX", &Self::EndX, &Self::SetEndX),
    prop::Integer("EndY", &Self::EndY, &Self::SetEndY),
    prop::Object("LineColor", &Self::LineColorSpec, &Self::LineColorSpec),
    prop::Integer("LineWidth", &Self::LineWidth, &Self::SetLineWidth))

TLOLine::TLOLine() : lineColor_(std::make_unique<TColorSpec>())
{
    Listener().Attach(&lineColor_->Broadcaster());
}

TLOLine::~TLOLine()
{
    Listener().DetachAll();
}

void TLOLine::ShapeChanged()
{
    if (TDrawSiteModel* site = Site())
        site->PlaceObject(*this);
    Changed();
    Invalidate();
}

void TLOLine::StorePoint(QPoint& field, QPoint point)
{
    if (point == field)
        return;
    field = point;
    PointsChanged();
    ShapeChanged();
}

void TLOLine::SetStartPoint(QPoint point)
{
    StorePoint(start_, point);
}

void TLOLine::SetEndPoint(QPoint point)
{
    StorePoint(end_, point);
}

void TLOLine::MovePoints(QPoint start, QPoint end)
{
    if (start == start_ && end == end_)
        return;
    start_ = start;
    end_ = end;
    ShapeChanged();
}

void TLOLine::SetLineWidth(int width)
{
    if (width == lineWidth_)
        return;
    lineWidth_ = width;
    ShapeChanged();
}

void TLOLine::SetLineColor(const TColorSpec& color)
{
    lineColor_->Assign(color);
}

void TLOLine::Notify(TObject* sender, const TNotifyId& id)
{
    if (sender == lineColor_.get() && id == notify::ObjectChanged) {
        Changed();
        Invalidate();
    }
}

void TLOLine::MoveBy(int dx, int dy)
{
    MovePoints(start_ + QPoint(dx, dy), end_ + QPoint(dx, dy));
}

void TLOLine::Resize(int width, int height)
{
    QPoint start = start_;
    QPoint end = end_;
    if (start.x() < end.x())
        end.setX(start.x() + width - lineWidth_);
    else
        start.setX(end.x() + width - lineWidth_);
    if (start.y() < end.y())
        end.setY(start.y() + height - lineWidth_);
    else
        start.setY(end.y() + height - lineWidth_);
    SetStartPoint(start);
    SetEndPoint(end);
}

int TLOLine::Angle() const
{
    const QPoint d = end_ - start_;
    return RoundHalfAway(std::atan2(double(d.y()), double(d.x())) * 180.0 / std::numbers::pi);
}

QPoint TLOLine::TurnCentre() const
{
    return {(start_.x() + end_.x() + 1) / 2, (start_.y() + end_.y() + 1) / 2};
}

void TLOLine::SetAngle(int angle)
{
    const int current = Angle();
    if (angle == current || IsLoading())
        return;
    const TRotator rotator(angle - current, TurnCentre());
    const QPoint start = rotator.Rotate(start_);
    const QPoint end = rotator.Rotate(end_);
    TUpdateBracket bracket(Notifier());
    SetStartPoint(start);
    SetEndPoint(end);
}

QPainterPath TLOLine::CentrePath() const
{
    QPainterPath path;
    path.moveTo(start_);
    path.lineTo(end_);
    return path;
}

QPainterPath TLOLine::CoveredArea() const
{
    return WidenPath(CentrePath(), lineWidth_, Qt::RoundCap, Qt::MiterJoin);
}

TRect TLOLine::GetBounds() const
{
    return PathBounds(CoveredArea());
}

void TLOLine::Paint(TCanvas& canvas)
{
    // The fill spans the line's own bounds, so that a gradient along the line does not
    // move with scrolling, zoom or print bands.
    TClipSaver clip(canvas);
    IntersectClipPath(canvas, CoveredArea());
    lineColor_->Fill(canvas, GetBounds());
}

void TLOLine::PaintMask(TCanvas& mask)
{
    FillMask(mask, CoveredArea());
}

bool TLOLine::HitTest(QPoint logical) const
{
    const int width = lineWidth_ + ScreenPixelsInUnits(*this, 1, 3);
    const QPainterPath path = CentrePath();
    return HitsPixel(logical, [&](QPainter& painter) {
        painter.setPen(QPen(Qt::black, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(path);
    });
}

void TLOLine::DrawOutline(TCanvas& canvas)
{
    canvas.Painter().drawPath(CentrePath());
}

void TLOLine::AssignTo(TPersistent& target) const
{
    TLabelObject::AssignTo(target);
    auto* line = dynamic_cast<TLOLine*>(&target);
    if (!line)
        return;
    line->SetStartPoint(start_);
    line->SetEndPoint(end_);
    line->SetLineColor(*lineColor_);
    line->SetLineWidth(lineWidth_);
}
