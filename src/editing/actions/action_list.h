#pragma once
// The undo list: actions that can be undone, redone or repeated, collected into groups
// that undo as one step, in a list of bounded depth.
#include <QString>
#include <cstdint>
#include <memory>
#include <vector>

class TActionBase {
public:
    enum Flag : std::uint8_t { CanUndoFlag = 1, CanRedoFlag = 2, CanRepeatFlag = 4 };

    TActionBase() = default;
    TActionBase(const TActionBase&) = delete;
    TActionBase& operator=(const TActionBase&) = delete;
    virtual ~TActionBase() = default;

    virtual std::uint8_t Flags() const { return flags_; }
    void SetFlags(std::uint8_t flags) { flags_ = flags; }
    virtual QString Caption() const { return caption_; }
    void SetCaption(const QString& caption) { caption_ = caption; }

    virtual void Repeat() {}
    virtual void Redo() {}
    virtual void Undo() {}

private:
    std::uint8_t flags_ = 0;
    QString caption_;
};

// Several actions recorded together: one undo step with one caption. Undo takes the
// members back from the last recorded to the first, so that each finds the state it
// left; redo and repeat go forward in recording order.
class TActionGroup : public TActionBase {
public:
    explicit TActionGroup(const QString& caption) { SetCaption(caption); }

    void Add(std::unique_ptr<TActionBase> action) { actions_.push_back(std::move(action)); }
    int Count() const { return static_cast<int>(actions_.size()); }
    TActionBase& Member(int index) const { return *actions_.at(index); }

    // The first member's flags ANDed with every later member's.
    std::uint8_t Flags() const override;
    // The caption given when the group was opened, else the first member's.
    QString Caption() const override;

    void Repeat() override;
    void Redo() override;
    void Undo() override;

private:
    std::vector<std::unique_ptr<TActionBase>> actions_;
};

class TActionList {
public:
    static constexpr int kMaxDepth = 10;

    TActionList() = default;
    TActionList(const TActionList&) = delete;
    TActionList& operator=(const TActionList&) = delete;
    ~TActionList();

    // Into the innermost open group, else onto the list after cutting the redo tail; the
    // oldest entries fall off beyond the depth. Freed at once while recording is off.
    void Push(std::unique_ptr<TActionBase> action);
    void BeginGroup(const QString& caption);
    // Raises "group level is invalid" when no group is open. An empty group vanishes.
    void EndGroup();
    int OpenGroups() const { return static_cast<int>(groups_.size()); }

    bool CanUndo() const;
    // Undoes the current action. An action that fails is stepped past (so that it is not
    // retried for ever) and the failure is reported.
    void Undo();
    bool CanRedo() const;
    // Redoes the next action, or repeats the current one when repeating is possible.
    void Redo();
    QString UndoCaption() const;
    QString RedoCaption() const;
    void Clear();

    bool Recording() const { return recording_; }
    void SetRecording(bool recording) { recording_ = recording; }
    bool RepeatAllowed() const { return repeatAllowed_; }
    void SetRepeatAllowed(bool allowed) { repeatAllowed_ = allowed; }

    int Count() const { return static_cast<int>(actions_.size()); }
    // The last action done; -1 when everything is undone or the list is empty.
    int CurrentIndex() const { return current_; }
    TActionBase& Action(int index) const { return *actions_.at(index); }

private:
    bool CanRepeat() const;
    bool ValidIndex(int index) const { return index >= 0 && index < Count(); }

    std::vector<std::unique_ptr<TActionBase>> actions_;
    std::vector<std::unique_ptr<TActionGroup>> groups_; // innermost last
    int current_ = -1;
    bool repeatAllowed_ = true;
    bool recording_ = true;
};

// Keeps a group open on the list for a scope: one undo step for everything recorded in it,
// closed also when the scope ends by an error.
class TActionGroupScope {
public:
    TActionGroupScope(TActionList& list, const QString& caption) : list_(list) { list_.BeginGroup(caption); }
    ~TActionGroupScope() noexcept(false) { list_.EndGroup(); }
    TActionGroupScope(const TActionGroupScope&) = delete;
    TActionGroupScope& operator=(const TActionGroupScope&) = delete;

private:
    TActionList& list_;
};
