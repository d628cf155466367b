#include "editing/ghosts/move_ghost.h"

#include "core/canvas/canvas.h"
#include "core/model/draw_object.h"
#include "core/model/object_interfaces.h"
#include "core/stream/class_registry.h"
#include "editing/actions/object_actions.h"
#include "editing/ghosts/geometry.h"
#include "editing/site/edit_context.h"
#include "editing/site/edit_site.h"

#include <cstdlib>
#include <optional>

namespace {


QPoint FaceCentre(const TEditSite& site)
{
    return {site.LogWidth() / 2, site.LogHeight() / 2};
}

double CentreAngle(const TRect& rect, QPoint centre)
{
    return AngleOf(RectCenter(rect) - centre);
}

} // namespace

TMoveGhost::TMoveGhost(TDrawObject& target)
    : TUniversalGhost(target, -1, caption::Move), targetBounds_(dynamic_cast<IDOEncloseBounds*>(&target)),
      copyBounds_(dynamic_cast<IDOEncloseBounds*>(&Copy())), targetRotate_(dynamic_cast<IDORotate*>(&target)),
      copyRotate_(dynamic_cast<IDORotate*>(&Copy()))
{
}

TRect TMoveGhost::TargetBounds(const TDrawObject& target) const
{
    return targetBounds_ ? targetBounds_->GetBounds() : target.GetBounds();
}

TRect TMoveGhost::CopyBounds() const
{
    return copyBounds_ ? copyBounds_->GetBounds() : Copy().GetBounds();
}

TMoveOptions TMoveGhost::EffectiveOptions(TMoveOptions options, TShiftState shift)
{
    const bool shiftDown = shift & ssShift;
    const bool altDown = shift & ssAlt;
    if (altDown && !shiftDown) {
        options.CircumMove = false;
        options.ParallelMove = false;
        options.RotateMove = false;
        options.CircumRotate = false;
    } else if (altDown && shiftDown) {
        options.CircumMove = !options.CircumMove;
    } else if (shiftDown) {
        if (options.CircumMove)
            options.CircumPhased = !options.CircumPhased;
        else
            options.ParallelMove = !options.ParallelMove;
    }
    return options;
}

TMoveOptions TMoveGhost::Options(TShiftState shift) const
{
    return EffectiveOptions(Site().Context().MoveOptions(), shift);
}

void TMoveGhost::Move(TShiftState shift, QPoint delta)
{
    TDrawObject* target = Target();
    if (!target)
        return;
    lastShift_ = shift;
    // One change report of the copy for the whole step.
    TUpdateBracket bracket(Copy().Notifier());
    const TMoveOptions options = Options(shift);
    const TRect r0 = TargetBounds(*target);
    TRect r = r0.Translated(delta.x(), delta.y());
    if (!delta.isNull()) {
        const QPoint offset = OffsetOrZero(SnapOffset(std::vector<QPoint>{
            r.TopLeft(), {r.Right, r.Top}, {r.Left, r.Bottom}, r.BottomRight()}));
        r = r.Translated(offset.x(), offset.y());
    }
    const QPoint c = FaceCentre(Site());
    std::optional<int> turn;
    if (options.CircumMove) {
        const QPoint s = StartPoint() - c;
        const QPoint p = s + delta;
        const double phi = NormalizedAngle(AngleOf(p) - AngleOf(s));
        const double chord = Length(p) * 2 * std::sin(std::abs(phi) / 2);
        const double radialChange = Length(p) - Length(s);
        const QPoint centre0 = RectCenter(r0) - c;
        const double alpha = AngleOf(centre0);
        if (chord < std::abs(radialChange)) {
            r = r0.Translated(Trunc(radialChange * std::cos(alpha)), Trunc(radialChange * std::sin(alpha)));
        } else {
            double e = phi + alpha;
            if (options.CircumPhased && options.PhaseStep > 0) {
                const double step = std::copysign(Radians(options.PhaseStep), e);
                e = step * std::trunc((e + step / 2) / step);
            }
            const double turnBy = e - alpha;
            const QPoint moved = TurnTruncated(centre0, turnBy);
            r = r0.Translated(moved.x() - centre0.x(), moved.y() - centre0.y());
            if (options.CircumRotate)
                turn = RoundAway(Degrees(turnBy));
        }
    } else {
        if (options.ParallelMove) {
            if (std::abs(r.Top - r0.Top) < std::abs(r.Left - r0.Left))
                r = r.Translated(0, r0.Top - r.Top);
            else
                r = r.Translated(r0.Left - r.Left, 0);
        }
        if (options.RotateMove)
            turn = RoundAway(Degrees(NormalizedAngle(CentreAngle(r, c) - CentreAngle(r0, c))));
    }
    if (copyBounds_) {
        const TRect placed = ClampCentre(r, Clamp());
        const TRect current = copyBounds_->GetBounds();
        copyBounds_->MoveBy(placed.Left - current.Left, placed.Top - current.Top);
    }
    if (targetRotate_ && copyRotate_)
        copyRotate_->SetAngle(targetRotate_->Angle() + turn.value_or(0));
}

void TMoveGhost::Draw(TCanvas& canvas)
{
    if (Options(lastShift_).CircumMove) {
        const QPoint c = FaceCentre(Site());
        const QPoint centre = RectCenter(CopyBounds());
        const int radius = RoundAway(Length(centre - c));
        QPainter& painter = canvas.Painter();
        const QPen pen = painter.pen();
        QPen dashed = pen;
        dashed.setStyle(Qt::DashLine);
        painter.setPen(dashed);
        painter.drawEllipse(c, radius, radius);
        const double angle = AngleOf(centre - c);
        const int half = Site().LogWidth() / 2;
        painter.drawLine(c, c + QPoint(RoundAway(half * std::cos(angle)), RoundAway(half * std::sin(angle))));
        painter.setPen(pen);
    }
    TUniversalGhost::Draw(canvas);
}

QString TMoveGhost::Caption(TShiftState shift) const
{
    return CopiesWithCtrl() && (shift & ssCtrl) ? caption::DragCopy : caption::Move;
}

void TMoveGhost::Commit(TShiftState shift)
{
    TDrawObject* target = Target();
    if (!target)
        return;
    const TRect from = TargetBounds(*target);
    const TRect to = CopyBounds();
    if (from.Left == to.Left && from.Top == to.Top)
        return;
    if (!(CopiesWithCtrl() && (shift & ssCtrl))) {
        CommitCopy(caption::Move);
        return;
    }
    std::unique_ptr<TComponent> created = CreateRegisteredComponent(Copy().ClassInfo().Name());
    auto* object = dynamic_cast<TDrawObject*>(created.get());
    if (!object)
        return;
    created.release();
    std::unique_ptr<TDrawObject> owned(object);
    target->SetSelected(false);
    owned->Assign(Copy());
    TDrawObject* added = Site().AddObject(std::move(owned));
    auto action = std::make_unique<TDOAddAction>(*added, Site());
    action->SetCaption(caption::DragCopy);
    Site().Context().Actions().Push(std::move(action));
}
