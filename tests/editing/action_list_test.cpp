#include "editing/actions/action_list.h"

#include "core/messages.h"
#include "core/error.h"

#include <gtest/gtest.h>

namespace {

// An action that writes its value into a shared log on undo and redo.
class TLogAction : public TActionBase {
public:
    TLogAction(std::vector<QString>& log, QString name, bool failUndo = false)
        : log_(log), name_(std::move(name)), failUndo_(failUndo)
    {
        SetFlags(CanUndoFlag | CanRedoFlag);
        SetCaption(name_);
    }
    void Undo() override
    {
        if (failUndo_)
            throw EAppError(QStringLiteral("undo failed"));
        log_.push_back(QStringLiteral("undo ") + name_);
    }
    void Redo() override { log_.push_back(QStringLiteral("redo ") + name_); }
    void Repeat() override { log_.push_back(QStringLiteral("repeat ") + name_); }

private:
    std::vector<QString>& log_;
    QString name_;
    bool failUndo_;
};

class ActionListTest : public ::testing::Test {
protected:
    void Push(const QString& name, bool failUndo = false) { list.Push(std::make_unique<TLogAction>(log, name, failUndo)); }
    std::vector<QString> log;
    TActionList list;
};

TEST_F(ActionListTest, KeepsTenStepsAndDropsTheOldest)
{
    for (int i = 1; i <= 11; ++i)
        Push(QString::number(i));
    EXPECT_EQ(list.Count(), 10);
    for (int i = 0; i < 10; ++i)
        list.Undo();
    EXPECT_FALSE(list.CanUndo());
    EXPECT_EQ(log.back(), QStringLiteral("undo 2"));
}

TEST_F(ActionListTest, PushAfterUndoCutsTheRedoTail)
{
    list.SetRepeatAllowed(false);
    Push("a");
    Push("b");
    list.Undo();
    EXPECT_TRUE(list.CanRedo());
    EXPECT_EQ(list.RedoCaption(), "b");
    Push("c");
    EXPECT_FALSE(list.CanRedo());
    EXPECT_EQ(list.Count(), 2);
    EXPECT_EQ(list.UndoCaption(), "c");
}

TEST_F(ActionListTest, GroupUndoesLastToFirstAndRedoesFirstToLast)
{
    list.BeginGroup("g");
    Push("a");
    Push("b");
    Push("c");
    list.EndGroup();
    ASSERT_EQ(list.Count(), 1);
    EXPECT_EQ(list.UndoCaption(), "g");
    list.Undo();
    list.SetRepeatAllowed(false);
    list.Redo();
    EXPECT_EQ(log, (std::vector<QString>{"undo c", "undo b", "undo a", "redo a", "redo b", "redo c"}));
}

TEST_F(ActionListTest, GroupWithoutCaptionTakesTheFirstMembersAndEmptyGroupsVanish)
{
    list.BeginGroup(QString());
    Push("first");
    Push("second");
    list.EndGroup();
    EXPECT_EQ(list.UndoCaption(), "first");
    list.BeginGroup("empty");
    list.EndGroup();
    EXPECT_EQ(list.Count(), 1);
}

TEST_F(ActionListTest, NestedGroupsPushIntoTheEnclosingOne)
{
    list.BeginGroup("outer");
    list.BeginGroup("inner");
    Push("a");
    list.EndGroup();
    Push("b");
    list.EndGroup();
    EXPECT_EQ(list.Count(), 1);
    list.Undo();
    EXPECT_EQ(log, (std::vector<QString>{"undo b", "undo a"}));
}

TEST_F(ActionListTest, ClosingAGroupThatWasNeverOpenedFails)
{
    try {
        list.EndGroup();
        FAIL();
    } catch (const EAppError& error) {
        EXPECT_EQ(error.Message(), "group level is invalid");
    }
}

TEST_F(ActionListTest, RecordingOffFreesPushedActions)
{
    Push("a");
    list.SetRecording(false);
    Push("b");
    EXPECT_EQ(list.Count(), 1);
    EXPECT_EQ(list.UndoCaption(), "a");
}

TEST_F(ActionListTest, AFailingUndoIsSteppedPastAndReportedOnce)
{
    std::vector<QString> reported;
    const TErrorHandler previous = SetErrorHandler([&](const std::exception& e) { reported.push_back(ErrorText(e)); });
    Push("a");
    Push("broken", true);
    list.Undo();
    EXPECT_EQ(reported, std::vector<QString>{"undo failed"});
    EXPECT_EQ(list.CurrentIndex(), 0);
    list.Undo();
    EXPECT_EQ(log.back(), "undo a");
    SetErrorHandler(previous);
}

TEST_F(ActionListTest, RepeatNeedsACurrentAction)
{
    EXPECT_FALSE(list.CanRedo());
    list.Redo();
    auto repeatable = std::make_unique<TLogAction>(log, "r");
    repeatable->SetFlags(TActionBase::CanUndoFlag | TActionBase::CanRepeatFlag);
    list.Push(std::move(repeatable));
    list.Undo();
    EXPECT_FALSE(list.CanRedo()); // everything undone: no current action to repeat
    list.Redo();
    EXPECT_EQ(log, std::vector<QString>{"undo r"});
}

TEST_F(ActionListTest, ClearEmptiesTheList)
{
    Push("a");
    list.Clear();
    EXPECT_FALSE(list.CanUndo());
    EXPECT_FALSE(list.CanRedo());
    EXPECT_TRUE(list.UndoCaption().isEmpty());
}

} // namespace
