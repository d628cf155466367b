#include "editing/ghosts/rect_ghost.h"

#include "core/model/draw_object.h"
#include "core/model/object_interfaces.h"
#include "editing/actions/object_actions.h"
#include "editing/ghosts/geometry.h"
#include "editing/site/edit_context.h"
#include "editing/site/edit_site.h"

#include <cstdlib>

namespace {

constexpr int kMinSize = 20;

bool LeftSide(int h) { return h <= 2; }
bool RightSide(int h) { return h >= 5 && h <= 7; }
bool TopSide(int h) { return h == 0 || h == 3 || h == 5; }
bool BottomSide(int h) { return h == 2 || h == 4 || h == 7; }

int ObjectAngle(const TDrawObject& object)
{
    const auto* rotate = dynamic_cast<const IDORotate*>(&object);
    return rotate ? rotate->Angle() : 0;
}

// Keeps one axis of the fitted rectangle anchored where the handle's opposite side was.
void Anchor(int& low, int& high, bool lowMoves, bool highMoves, bool flipped, int oldLow, int oldHigh)
{
    const int size = high - low;
    if (highMoves) {
        if (!flipped) {
            low = oldLow;
            high = oldLow + size;
        } else {
            high = oldLow;
            low = oldLow - size;
        }
    } else if (lowMoves) {
        if (!flipped) {
            high = oldHigh;
            low = oldHigh - size;
        } else {
            low = oldHigh;
            high = oldHigh + size;
        }
    } else {
        const int centre = (oldLow + oldHigh) / 2;
        low = centre - size / 2;
        high = low + size;
    }
}

void MinimumSpan(int& low, int& high, int minimum, bool lowMoves, bool highMoves)
{
    if (std::abs(high - low) >= minimum)
        return;
    if (lowMoves) {
        low = high - minimum;
    } else if (highMoves) {
        high = low + minimum;
    } else {
        const int centre = (low + high) / 2;
        low = centre - minimum / 2;
        high = low + minimum;
    }
}

} // namespace

TRectGhost::TRectGhost(TDrawObject& target, int handleIndex, QString caption)
    : TUniversalGhost(target, handleIndex, std::move(caption))
{
}

TRect TRectGhost::TargetRect() const
{
    const auto* rect = dynamic_cast<const IDORect*>(Target());
    if (!rect)
        return {};
    return {rect->Left(), rect->Top(), rect->Left() + rect->Width(), rect->Top() + rect->Height()};
}

QPoint TRectGhost::HandlePoint(const TRect& rect, int h)
{
    const QPoint centre = RectCenter(rect);
    const int x = LeftSide(h) ? rect.Left : RightSide(h) ? rect.Right : centre.x();
    const int y = (h == 1 || h == 6) ? centre.y() : BottomSide(h) ? rect.Bottom : rect.Top;
    return {x, y};
}

TRect TRectGhost::Resized(const TRect& w0, int h, QPoint delta, bool keepAspect, TShiftState shift)
{
    const int width = RectWidth(w0);
    const int height = RectHeight(w0);
    int minW = (shift & ssCtrl) ? 0 : kMinSize;
    int minH = minW;
    const bool lock = (keepAspect != bool(shift & ssShift)) && width != 0 && height != 0;
    if (lock) {
        const int b = minW * height / width;
        if (minH < b)
            minH = b;
        else
            minW = minH * width / height;
    }
    TRect r = w0;
    if (LeftSide(h))
        r.Left += delta.x();
    if (RightSide(h))
        r.Right += delta.x();
    if (TopSide(h))
        r.Top += delta.y();
    if (BottomSide(h))
        r.Bottom += delta.y();
    if (lock) {
        // An edge handle widens the other axis symmetrically, so that the fit below can
        // follow the dragged edge.
        if (h == 1 || h == 6) {
            const int grow = (RectWidth(r) - width) * height / width;
            r.Top -= grow / 2;
            r.Bottom += grow - grow / 2;
        } else if (h == 3 || h == 4) {
            const int grow = (RectHeight(r) - height) * width / height;
            r.Left -= grow / 2;
            r.Right += grow - grow / 2;
        }
        const bool flippedX = r.Right < r.Left;
        const bool flippedY = r.Bottom < r.Top;
        TRect fitted = FitRect(w0, NormalizeRect(r));
        Anchor(fitted.Left, fitted.Right, LeftSide(h), RightSide(h), flippedX, w0.Left, w0.Right);
        Anchor(fitted.Top, fitted.Bottom, TopSide(h), BottomSide(h), flippedY, w0.Top, w0.Bottom);
        r = fitted;
    }
    MinimumSpan(r.Left, r.Right, minW, LeftSide(h), RightSide(h));
    MinimumSpan(r.Top, r.Bottom, minH, TopSide(h), BottomSide(h));
    return r;
}

void TRectGhost::Move(TShiftState shift, QPoint delta)
{
    TDrawObject* target = Target();
    if (!target)
        return;
    const auto* targetRect = dynamic_cast<const IDORect*>(target);
    auto* copyRect = dynamic_cast<IDORect*>(&Copy());
    if (!targetRect || !copyRect)
        return;
    const TRect w0 = TargetRect();
    const QPoint c0 = RectCenter(w0);
    const int angle = ObjectAngle(*target);
    QPoint point = HandlePoint(w0, HandleIndex());
    if (angle != 0)
        point = RotatePoint(point, angle, c0);
    if (!delta.isNull())
        delta = Snapped(point + delta) - point;
    if (angle != 0)
        delta = RotatePoint(delta, -angle, QPoint(0, 0));
    TRect r = NormalizeRect(Resized(w0, HandleIndex(), delta, targetRect->KeepAspect(), shift));

    Copy().Assign(*target);
    if (auto* autoSize = dynamic_cast<IDOAutoSize*>(&Copy()))
        autoSize->SetAutoSize(false);
    if (angle != 0)
        r = CenterRectAt(r, c0 + RotatePoint(RectCenter(r) - c0, angle, QPoint(0, 0)));
    r = ClampCentre(r, Clamp());
    copyRect->SetLeft(r.Left);
    copyRect->SetTop(r.Top);
    copyRect->SetWidth(RectWidth(r));
    copyRect->SetHeight(RectHeight(r));
}

// --- creation ------------------------------------------------------------------------------

void TRectCreateGhost::Place(QPoint start)
{
    start_ = start;
    if (auto* rect = dynamic_cast<IDORect*>(&Created())) {
        rect->SetLeft(start.x());
        rect->SetTop(start.y());
        rect->SetWidth(1);
        rect->SetHeight(1);
    }
    Copy().Assign(Created());
}

void CommitCreatedObject(TEditSite& site, std::unique_ptr<TDrawObject> object, const TDrawObject& copy)
{
    object->Assign(copy);
    TDrawObject* added = site.AddObject(std::move(object));
    added->SetSelected(true);
    auto action = std::make_unique<TDOAddAction>(*added, site);
    action->SetCaption(caption::Add);
    site.Context().Actions().Push(std::move(action));
}

// --- rotation ------------------------------------------------------------------------------

int TRotateGhost::TurnedAngle(int angle, QPoint centre, QPoint start, QPoint delta, TShiftState shift)
{
    const double turn = NormalizedAngle(AngleOf(start + delta - centre) - AngleOf(start - centre));
    int a = angle + RoundEven(Degrees(turn));
    if (shift & ssShift)
        a = a >= 0 ? (a + 22) / 45 * 45 : (a - 22) / 45 * 45;
    return a;
}

void TRotateGhost::Move(TShiftState shift, QPoint delta)
{
    TDrawObject* target = Target();
    auto* targetRotate = dynamic_cast<IDORotate*>(target);
    auto* copyRotate = dynamic_cast<IDORotate*>(&Copy());
    if (!targetRotate || !copyRotate)
        return;
    const QPoint centre = RectCenter(Copy().GetBounds());
    copyRotate->SetAngle(TurnedAngle(targetRotate->Angle(), centre, StartPoint(), delta, shift));
}
