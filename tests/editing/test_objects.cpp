#include "test_objects.h"

#include "core/canvas/canvas.h"
#include "core/error.h"
#include "core/model/draw_site_model.h"
#include "core/stream/class_registry.h"

#include <QPainter>
#include <cmath>

LR_DEFINE_CLASS(TTestRect, TLORectBase, LR_CREATABLE(TTestRect),
    prop::Integer("Angle", &Self::Angle, &Self::SetAngle).Default(0),
    prop::Boolean("KeepAspectRatio", &Self::KeepAspect, &Self::SetKeepAspect).Default(false))
LR_DEFINE_CLASS(TTestPlainRect, TLORectBase, LR_CREATABLE(TTestPlainRect))
LR_DEFINE_CLASS(TTestArcPoints, TPersistent, LR_ABSTRACT,
    prop::Integer("StartX", &Self::StartX, &Self::SetStartX),
    prop::Integer("StartY", &Self::StartY, &Self::SetStartY),
    prop::Integer("EndX", &Self::EndX, &Self::SetEndX),
    prop::Integer("EndY", &Self::EndY, &Self::SetEndY),
    prop::Integer("BulgeX", &Self::BulgeX, &Self::SetBulgeX),
    prop::Integer("BulgeY", &Self::BulgeY, &Self::SetBulgeY))
LR_DEFINE_CLASS(TTestText, TTestRect, LR_CREATABLE(TTestText),
    prop::Object("Arc", &Self::Arc, &Self::Arc),
    prop::Boolean("Vertical", &Self::Vertical, &Self::SetVertical).Default(false),
    prop::Boolean("AutoSize", &Self::AutoSize, &Self::SetAutoSize).Default(true))
LR_DEFINE_CLASS(TTestLine, TLabelObject, LR_CREATABLE(TTestLine),
    prop::Integer("X1", &Self::X1, &Self::SetX1),
    prop::Integer("Y1", &Self::Y1, &Self::SetY1),
    prop::Integer("X2", &Self::X2, &Self::SetX2),
    prop::Integer("Y2", &Self::Y2, &Self::SetY2))
LR_DEFINE_CLASS(TTestArc, TLabelObject, LR_CREATABLE(TTestArc), prop::Object("Arc", &Self::Arc, &Self::Arc))

void RegisterTestObjects()
{
    RegisterClass(TTestRect::StaticClassInfo());
    RegisterClass(TTestPlainRect::StaticClassInfo());
    RegisterClass(TTestText::StaticClassInfo());
    RegisterClass(TTestLine::StaticClassInfo());
    RegisterClass(TTestArc::StaticClassInfo());
}

// --- rectangle -------------------------------------------------------------------------------

TTestRect::TTestRect(TRect rect, int angle, bool keepAspect) : angle_(angle), keepAspect_(keepAspect)
{
    SetBoundsRect(rect);
}

void TTestRect::SetAngle(int angle)
{
    if (angle == angle_)
        return;
    angle_ = angle;
    Changed();
}

void TTestRect::SetKeepAspect(bool keep)
{
    if (keep == keepAspect_)
        return;
    keepAspect_ = keep;
    Changed();
}

void TTestRect::DrawOutline(TCanvas& canvas)
{
    canvas.Painter().drawRect(BoundsRect().ToQRect());
}

void TTestRect::Assign(const TPersistent& source)
{
    if (failAssign) {
        failAssign = false;
        SetLeft(Left() + 1);
        throw EAppError(QStringLiteral("assign failed"));
    }
    TLORectBase::Assign(source);
}

void TTestRect::AssignTo(TPersistent& target) const
{
    TLORectBase::AssignTo(target);
    if (auto* rect = dynamic_cast<TTestRect*>(&target)) {
        rect->SetAngle(angle_);
        rect->SetKeepAspect(keepAspect_);
    }
}

void TTestPlainRect::DrawOutline(TCanvas& canvas)
{
    canvas.Painter().drawRect(BoundsRect().ToQRect());
}

// --- text ------------------------------------------------------------------------------------

void TTestArcPoints::Set(QPoint& field, QPoint value)
{
    if (field == value)
        return;
    field = value;
    if (onChange_)
        onChange_();
}

void TTestArcPoints::Assign(const TPersistent& source)
{
    const auto* other = dynamic_cast<const TTestArcPoints*>(&source);
    if (!other) {
        TPersistent::Assign(source);
        return;
    }
    Set(start, other->start);
    Set(end, other->end);
    Set(bulge, other->bulge);
}

TTestText::TTestText() : TTestCurve([this] { Changed(); }) {}

TTestText::TTestText(TRect rect) : TTestText()
{
    SetBoundsRect(rect);
    arc_->start = {rect.Left, rect.Bottom};
    arc_->end = {rect.Right, rect.Bottom};
    arc_->bulge = {(rect.Left + rect.Right) / 2, rect.Bottom};
}

void TTestText::SetVertical(bool vertical)
{
    if (vertical == vertical_)
        return;
    vertical_ = vertical;
    Changed();
}

void TTestText::SetAutoSize(bool autoSize)
{
    if (autoSize == autoSize_)
        return;
    autoSize_ = autoSize;
    Changed();
}

void TTestText::AssignTo(TPersistent& target) const
{
    TTestRect::AssignTo(target);
    if (auto* text = dynamic_cast<TTestText*>(&target)) {
        text->arc_->Assign(*arc_);
        text->SetVertical(vertical_);
        text->SetAutoSize(autoSize_);
    }
}

// --- line ------------------------------------------------------------------------------------

TTestLine::TTestLine(QPoint start, QPoint end) : start_(start), end_(end) {}

void TTestLine::Moved()
{
    if (TDrawSiteModel* site = Site())
        site->PlaceObject(*this);
    Changed();
}

void TTestLine::SetStartPoint(QPoint p)
{
    if (p == start_)
        return;
    start_ = p;
    Moved();
}

void TTestLine::SetEndPoint(QPoint p)
{
    if (p == end_)
        return;
    end_ = p;
    Moved();
}

void TTestLine::MoveBy(int dx, int dy)
{
    if (dx == 0 && dy == 0)
        return;
    start_ += QPoint(dx, dy);
    end_ += QPoint(dx, dy);
    Moved();
}

void TTestLine::Resize(int width, int height)
{
    SetEndPoint(start_ + QPoint(end_.x() >= start_.x() ? width : -width, end_.y() >= start_.y() ? height : -height));
}

TRect TTestLine::GetBounds() const
{
    const TRect r = NormalizeRect({start_.x(), start_.y(), end_.x(), end_.y()});
    return {r.Left, r.Top, r.Right + 1, r.Bottom + 1};
}

bool TTestLine::HitTest(QPoint p) const
{
    const QPointF a = start_, b = end_, q = p;
    const QPointF d = b - a;
    const double length2 = QPointF::dotProduct(d, d);
    const double t = length2 > 0 ? std::clamp(QPointF::dotProduct(q - a, d) / length2, 0.0, 1.0) : 0.0;
    const QPointF nearest = a + t * d;
    return std::hypot(q.x() - nearest.x(), q.y() - nearest.y()) <= 5;
}

void TTestLine::DrawOutline(TCanvas& canvas)
{
    canvas.Painter().drawLine(start_, end_);
}

void TTestLine::AssignTo(TPersistent& target) const
{
    TLabelObject::AssignTo(target);
    if (auto* line = dynamic_cast<TTestLine*>(&target)) {
        line->SetStartPoint(start_);
        line->SetEndPoint(end_);
    }
}

// --- arc -------------------------------------------------------------------------------------

TTestArc::TTestArc()
    : TTestCurve([this] {
          if (TDrawSiteModel* site = Site())
              site->PlaceObject(*this);
          Changed();
      })
{
}

TTestArc::TTestArc(QPoint start, QPoint bulge, QPoint end) : TTestArc()
{
    arc_->start = start;
    arc_->end = end;
    arc_->bulge = bulge;
}

void TTestArc::MoveBy(int dx, int dy)
{
    if (dx == 0 && dy == 0)
        return;
    TUpdateBracket bracket(Notifier());
    SetStartPoint(StartPoint() + QPoint(dx, dy));
    SetEndPoint(EndPoint() + QPoint(dx, dy));
    SetBulgePoint(BulgePoint() + QPoint(dx, dy));
}

TRect TTestArc::GetBounds() const
{
    const QPoint& s = arc_->start;
    const QPoint& e = arc_->end;
    const QPoint& b = arc_->bulge;
    const int left = std::min({s.x(), e.x(), b.x()});
    const int top = std::min({s.y(), e.y(), b.y()});
    const int right = std::max({s.x(), e.x(), b.x()});
    const int bottom = std::max({s.y(), e.y(), b.y()});
    return {left, top, right + 1, bottom + 1};
}

void TTestArc::DrawOutline(TCanvas& canvas)
{
    QPainter& painter = canvas.Painter();
    painter.drawLine(arc_->start, arc_->bulge);
    painter.drawLine(arc_->bulge, arc_->end);
}

void TTestArc::AssignTo(TPersistent& target) const
{
    TLabelObject::AssignTo(target);
    if (auto* arc = dynamic_cast<TTestArc*>(&target))
        arc->arc_->Assign(*arc_);
}
