#include "editing/ghosts/universal_ghost.h"

#include "core/model/draw_object.h"
#include "core/model/object_interfaces.h"
#include "editing/actions/object_actions.h"
#include "editing/actions/object_clone.h"
#include "editing/site/edit_context.h"
#include "editing/site/edit_site.h"

#include <cstdlib>

namespace {
constexpr int kClampMargin = 10;

int ClampAxis(int centre, int low, int high)
{
    if (centre < low + kClampMargin)
        return low - centre + kClampMargin;
    if (centre > high - kClampMargin)
        return high - centre - kClampMargin;
    return 0;
}

int SmallerOffset(int current, int candidate)
{
    if (candidate == kNoSnap)
        return current;
    if (current == kNoSnap || std::abs(candidate) < std::abs(current))
        return candidate;
    return current;
}
} // namespace

TRect ClampCentre(const TRect& rect, const TRect& clamp)
{
    const QPoint centre = RectCenter(rect);
    return rect.Translated(ClampAxis(centre.x(), clamp.Left, clamp.Right),
                           ClampAxis(centre.y(), clamp.Top, clamp.Bottom));
}

QPoint OffsetOrZero(const TSnapOffset& offset)
{
    return {offset.dx == kNoSnap ? 0 : offset.dx, offset.dy == kNoSnap ? 0 : offset.dy};
}

TUniversalGhost::TUniversalGhost(TDrawObject& target, int handleIndex, QString caption)
    : target_(&target), copy_(CloneObject(target)), handleIndex_(handleIndex), caption_(std::move(caption))
{
    // The copy keeps the target's selection, so that taking it over leaves that alone.
    copy_->SetSelected(target.Selected());
}

TUniversalGhost::~TUniversalGhost() = default;

void TUniversalGhost::Draw(TCanvas& canvas)
{
    if (auto* ghost = dynamic_cast<IDODrawGhost*>(copy_.get()))
        ghost->DrawOutline(canvas);
}

void TUniversalGhost::Commit(TShiftState)
{
    CommitCopy(caption_);
}

void TUniversalGhost::CommitCopy(const QString& caption)
{
    TDrawObject* target = target_.Get();
    if (!target)
        return;
    if (caption.isEmpty()) {
        target->Assign(*copy_);
        return;
    }
    auto action = std::make_unique<TDOChangeAction>(*target);
    action->SetCaption(caption);
    try {
        target->Assign(*copy_);
    } catch (...) {
        action->RestoreBefore();
        throw;
    }
    TDOChangeAction::Finish(std::move(action), Site().Context().Actions(), true);
}

TSnapOffset TUniversalGhost::SnapOffset(QPoint point) const
{
    return Site().SnapOffset(point);
}

TSnapOffset TUniversalGhost::SnapOffset(const std::vector<QPoint>& points) const
{
    TSnapOffset result;
    for (const QPoint& point : points) {
        const TSnapOffset offset = SnapOffset(point);
        result.dx = SmallerOffset(result.dx, offset.dx);
        result.dy = SmallerOffset(result.dy, offset.dy);
    }
    return result;
}

QPoint TUniversalGhost::Snapped(QPoint point) const
{
    return point + OffsetOrZero(SnapOffset(point));
}
