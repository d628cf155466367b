#include "editing/actions/action_list.h"

#include "core/error.h"
#include "core/messages.h"

std::uint8_t TActionGroup::Flags() const
{
    if (actions_.empty())
        return 0;
    std::uint8_t flags = actions_.front()->Flags();
    for (const auto& action : actions_)
        flags &= action->Flags();
    return flags;
}

QString TActionGroup::Caption() const
{
    const QString own = TActionBase::Caption();
    if (!own.isEmpty() || actions_.empty())
        return own;
    return actions_.front()->Caption();
}

void TActionGroup::Repeat()
{
    for (const auto& action : actions_)
        action->Repeat();
}

void TActionGroup::Redo()
{
    for (const auto& action : actions_)
        action->Redo();
}

void TActionGroup::Undo()
{
    for (auto it = actions_.rbegin(); it != actions_.rend(); ++it)
        (*it)->Undo();
}

TActionList::~TActionList()
{
    // Actions may own objects whose destruction notifies other actions: free them one by
    // one, newest first.
    Clear();
}

void TActionList::Push(std::unique_ptr<TActionBase> action)
{
    if (!recording_ || !action)
        return;
    if (!groups_.empty()) {
        groups_.back()->Add(std::move(action));
        return;
    }
    while (Count() > current_ + 1)
        actions_.pop_back();
    actions_.push_back(std::move(action));
    current_ = Count() - 1;
    while (Count() > kMaxDepth) {
        actions_.erase(actions_.begin());
        --current_;
    }
}

void TActionList::BeginGroup(const QString& caption)
{
    groups_.push_back(std::make_unique<TActionGroup>(caption));
}

void TActionList::EndGroup()
{
    if (groups_.empty())
        throw EAppError(QStringLiteral("group level is invalid"));
    std::unique_ptr<TActionGroup> group = std::move(groups_.back());
    groups_.pop_back();
    if (group->Count() > 0)
        Push(std::move(group));
}

bool TActionList::CanUndo() const
{
    return ValidIndex(current_) && (actions_[current_]->Flags() & TActionBase::CanUndoFlag);
}

void TActionList::Undo()
{
    if (!CanUndo())
        return;
    TActionBase& action = *actions_[current_];
    --current_;
    try {
        action.Undo();
    } catch (const std::exception& error) {
        ShowError(error);
    }
}

bool TActionList::CanRepeat() const
{
    return repeatAllowed_ && ValidIndex(current_) && current_ == Count() - 1;
}

bool TActionList::CanRedo() const
{
    if (ValidIndex(current_ + 1))
        return actions_[current_ + 1]->Flags() & TActionBase::CanRedoFlag;
    return CanRepeat() && (actions_[current_]->Flags() & TActionBase::CanRepeatFlag);
}

void TActionList::Redo()
{
    if (!CanRedo())
        return;
    try {
        if (ValidIndex(current_ + 1)) {
            ++current_;
            actions_[current_]->Redo();
        } else {
            actions_[current_]->Repeat();
        }
    } catch (const std::exception& error) {
        ShowError(error);
    }
}

QString TActionList::UndoCaption() const
{
    return ValidIndex(current_) ? actions_[current_]->Caption() : QString();
}

QString TActionList::RedoCaption() const
{
    if (ValidIndex(current_ + 1))
        return actions_[current_ + 1]->Caption();
    return CanRepeat() ? actions_[current_]->Caption() : QString();
}

void TActionList::Clear()
{
    while (!actions_.empty())
        actions_.pop_back();
    current_ = -1;
}
