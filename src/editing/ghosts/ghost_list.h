#pragma once
// The ghosts of the current drag: started at the press, fed every move and modifier change,
// finished at the release (one undo step for the whole gesture) or aborted.
#include "editing/ghosts/ghost.h"

#include <functional>
#include <memory>
#include <vector>

class TActionList;

class TGhostList {
public:
    explicit TGhostList(TActionList& actions) : actions_(actions) {}
    TGhostList(const TGhostList&) = delete;
    TGhostList& operator=(const TGhostList&) = delete;
    ~TGhostList();

    void Add(std::unique_ptr<TGhost> ghost);
    int Count() const { return static_cast<int>(ghosts_.size()); }
    TGhost& Ghost(int index) const { return *ghosts_.at(index); }
    bool Active() const { return active_; }
    bool Moved() const { return moved_; }
    // Exactly one ghost, a rubber band.
    bool IsSelecting() const;
    QPoint StartPoint() const { return start_; }
    QPoint LastPoint() const { return last_; }
    TShiftState LastShift() const { return lastShift_; }
    TEditSite* Owner() const { return owner_; }
    // The site whose drag this is and what it wants to hear when the list is emptied.
    void SetOwner(TEditSite* site, std::function<void()> onClear);

    void Start(TEditSite& site, const TRect& clamp, QPoint point, TShiftState shift);
    void Feed(TShiftState shift, QPoint point);
    // Commits every ghost when anything moved, all in one undo group. A ghost whose commit
    // fails has put its object back; the others keep their commits, and the first failure
    // is reported once.
    void Finish();
    void Abort();
    void Clear();
    // Draws every ghost on a canvas mapped to logical units.
    void Draw(TCanvas& canvas) const;

private:
    bool AnyLost() const;
    void Changed() const;

    TActionList& actions_;
    std::vector<std::unique_ptr<TGhost>> ghosts_;
    bool active_ = false;
    bool moved_ = false;
    QPoint start_;
    QPoint last_;
    TShiftState lastShift_ = 0;
    TEditSite* owner_ = nullptr;
    std::function<void()> onClear_;
};
