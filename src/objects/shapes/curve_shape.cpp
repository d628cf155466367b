#include "objects/shapes/curve_shape.h"

#include "core/canvas/units.h"
#include "graphics/raster/arc.h"
#include "graphics/raster/arc_drawing.h"

#include <cmath>
#include <cstdlib>

LR_DEFINE_CLASS(TLOCurve, TLOLine, LR_CREATABLE(TLOCurve),
    prop::Integer("Bulge", &Self::Bulge, &Self::SetBulge))

TLOCurve::TLOCurve() = default;

void TLOCurve::SetBulge(int bulge)
{
    if (bulge == bulge_)
        return;
    bulge_ = bulge;
    ShapeChanged();
}

QPoint TLOCurve::BulgePoint() const
{
    return ::BulgePoint(StartPoint(), EndPoint(), bulge_);
}

void TLOCurve::SetBulgePoint(QPoint point)
{
    SetBulge(Sagitta(StartPoint(), point, EndPoint()));
}

void TLOCurve::BeginEdit()
{
    Notifier().BeginUpdate();
}

void TLOCurve::EndEdit()
{
    Notifier().EndUpdate();
}

QPainterPath TLOCurve::CentrePath() const
{
    const QPoint middle = BulgePoint();
    const QPolygon points =
        bulge_ > 0 ? ArcPolyline(StartPoint(), middle, EndPoint()) : ArcPolyline(EndPoint(), middle, StartPoint());
    QPainterPath path;
    path.addPolygon(points);
    return path;
}

QPoint TLOCurve::TurnCentre() const
{
    return RectCenter(GetBounds());
}

void TLOCurve::Resize(int width, int height)
{
    const TRect bounds = GetBounds();
    if (RectWidth(bounds) <= 0 || RectHeight(bounds) <= 0)
        return;
    QPoint start = StartPoint();
    QPoint end = EndPoint();
    const QPoint chord = end - start;
    const int extentX = std::abs(MulDiv(start.x() - end.x(), width, RectWidth(bounds)));
    if (start.x() <= end.x())
        end.setX(start.x() + extentX);
    else
        start.setX(end.x() + extentX);
    const int extentY = std::abs(MulDiv(start.y() - end.y(), height, RectHeight(bounds)));
    if (start.y() < end.y())
        end.setY(start.y() + extentY);
    else
        start.setY(end.y() + extentY);
    // The bulge is a length along the chord's normal n; the scaling S maps it onto
    // (S n) . n' along the new chord's normal, which is sx sy |chord| / |new chord|.
    const double sx = double(width) / RectWidth(bounds);
    const double sy = double(height) / RectHeight(bounds);
    const QPoint newChord = end - start;
    const double oldLength = std::hypot(double(chord.x()), double(chord.y()));
    const double newLength = std::hypot(double(newChord.x()), double(newChord.y()));
    const int bulge = newLength > 0 ? RoundHalfAway(bulge_ * sx * sy * oldLength / newLength) : bulge_;
    BeginEdit();
    SetStartPoint(start);
    SetEndPoint(end);
    SetBulge(bulge);
    EndEdit();
}

void TLOCurve::AssignTo(TPersistent& target) const
{
    TLOLine::AssignTo(target);
    if (auto* curve = dynamic_cast<TLOCurve*>(&target))
        curve->SetBulge(bulge_);
}
