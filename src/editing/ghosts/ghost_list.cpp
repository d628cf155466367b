#include "editing/ghosts/ghost_list.h"

#include "core/error.h"
#include "core/messages.h"
#include "editing/actions/action_list.h"
#include "editing/ghosts/select_ghost.h"
#include "editing/site/edit_site.h"

#include <algorithm>
#include <optional>

TGhostList::~TGhostList()
{
    onClear_ = nullptr;
    ghosts_.clear();
}

void TGhostList::Add(std::unique_ptr<TGhost> ghost)
{
    if (ghost)
        ghosts_.push_back(std::move(ghost));
}

bool TGhostList::IsSelecting() const
{
    return ghosts_.size() == 1 && dynamic_cast<const TSelectGhost*>(ghosts_.front().get());
}

void TGhostList::SetOwner(TEditSite* site, std::function<void()> onClear)
{
    owner_ = site;
    onClear_ = std::move(onClear);
}

bool TGhostList::AnyLost() const
{
    return std::any_of(ghosts_.begin(), ghosts_.end(), [](const auto& ghost) { return ghost->Lost(); });
}

void TGhostList::Changed() const
{
    if (owner_)
        owner_->GhostsChanged();
}

void TGhostList::Start(TEditSite& site, const TRect& clamp, QPoint point, TShiftState shift)
{
    moved_ = false;
    start_ = last_ = point;
    lastShift_ = shift & kShiftMask;
    for (const auto& ghost : ghosts_) {
        ghost->Attach(site, clamp);
        ghost->Begin(point);
    }
    active_ = true;
    Changed();
}

void TGhostList::Feed(TShiftState shift, QPoint point)
{
    if (!active_)
        return;
    if (AnyLost()) {
        Abort();
        return;
    }
    shift &= kShiftMask;
    if (point == last_ && shift == lastShift_)
        return;
    moved_ = true;
    last_ = point;
    lastShift_ = shift;
    for (const auto& ghost : ghosts_)
        ghost->Move(shift, point - start_);
    Changed();
}

void TGhostList::Finish()
{
    if (!active_) {
        Clear();
        return;
    }
    if (AnyLost()) {
        Abort();
        return;
    }
    active_ = false;
    Changed();
    if (moved_) {
        QString caption;
        for (const auto& ghost : ghosts_)
            if (caption.isEmpty())
                caption = ghost->Caption(lastShift_);
        std::optional<EAppError> failure;
        {
            TActionGroupScope group(actions_, caption);
            for (const auto& ghost : ghosts_) {
                try {
                    ghost->Commit(lastShift_);
                } catch (const std::exception& error) {
                    if (!failure)
                        failure.emplace(ErrorText(error));
                }
            }
        }
        if (failure)
            ShowError(*failure);
    }
    Clear();
}

void TGhostList::Abort()
{
    if (active_) {
        active_ = false;
        Changed();
    }
    Clear();
}

void TGhostList::Clear()
{
    const bool hadGhosts = !ghosts_.empty();
    // Free the ghosts before telling anyone, so that the owner sees an empty list.
    std::vector<std::unique_ptr<TGhost>> freed = std::move(ghosts_);
    ghosts_.clear();
    active_ = false;
    freed.clear();
    if (hadGhosts && onClear_)
        onClear_();
}

void TGhostList::Draw(TCanvas& canvas) const
{
    if (!active_)
        return;
    for (const auto& ghost : ghosts_)
        if (!ghost->Lost())
            ghost->Draw(canvas);
}
