// Presses, drags, clicks and cancels on the site: selection, the rubber band, handles,
// and what a drag leaves behind when something goes wrong.
#include "editing_fixture.h"

#include "core/error.h"
#include "core/messages.h"
#include "editing/ghosts/select_ghost.h"

namespace {

using SiteGestureTest = EditingTest;

TEST_F(SiteGestureTest, RubberBandSelectsOnlyObjectsWhollyInside)
{
    TTestRect* inside = Add<TTestRect>(TRect(100, 100, 150, 150));
    TTestRect* partly = Add<TTestRect>(TRect(180, 100, 260, 150));
    Drag({50, 50}, {200, 200});
    EXPECT_TRUE(inside->Selected());
    EXPECT_FALSE(partly->Selected());
    EXPECT_EQ(Actions().Count(), 0);
}

TEST_F(SiteGestureTest, ShiftClickTogglesAndShiftDragKeepsTheSelection)
{
    TTestRect* a = Add<TTestRect>(TRect(100, 100, 150, 150));
    TTestRect* b = Add<TTestRect>(TRect(300, 100, 350, 150));
    site.Press(Qt::LeftButton, {120, 120}, 0);
    site.Release(Qt::LeftButton, {120, 120}, 0);
    site.Press(Qt::LeftButton, {320, 120}, ssShift);
    site.Release(Qt::LeftButton, {320, 120}, ssShift);
    EXPECT_TRUE(a->Selected());
    EXPECT_TRUE(b->Selected());
    // Shift-click on a selected object without moving deselects it.
    site.Press(Qt::LeftButton, {320, 120}, ssShift);
    site.Release(Qt::LeftButton, {320, 120}, ssShift);
    EXPECT_FALSE(b->Selected());
    // With a drag it stays selected and moves (Shift alone toggles the parallel move).
    Drag({120, 120}, {140, 120}, ssShift);
    EXPECT_TRUE(a->Selected());
    EXPECT_EQ(a->Left(), 120);
}

TEST_F(SiteGestureTest, ClickingTheEmptySiteDeselects)
{
    TTestRect* a = Add<TTestRect>(TRect(100, 100, 150, 150));
    a->SetSelected(true);
    site.Press(Qt::LeftButton, {600, 600}, 0);
    EXPECT_TRUE(context.Ghosts().IsSelecting());
    site.Release(Qt::LeftButton, {600, 600}, 0);
    EXPECT_FALSE(a->Selected());
}

TEST_F(SiteGestureTest, HandlesHideDuringADragAndComeBackAfterIt)
{
    TTestRect* a = Add<TTestRect>(TRect(100, 100, 200, 200));
    a->SetSelected(true);
    ASSERT_FALSE(site.Pivots().empty());
    site.Press(Qt::LeftButton, {150, 150}, 0);
    site.MoveTo({160, 170}, 0);
    EXPECT_FALSE(site.PivotsVisible());
    EXPECT_EQ(site.PivotAt({100, 100}), -1);
    site.Release(Qt::LeftButton, {160, 170}, 0);
    EXPECT_TRUE(site.PivotsVisible());
    EXPECT_EQ(site.Pivots().front().Logical, QPoint(110, 120));
}

TEST_F(SiteGestureTest, CancelAbortsWithoutCommitting)
{
    TTestRect* a = Add<TTestRect>(TRect(100, 100, 200, 200));
    const QByteArray before = Bytes();
    site.Press(Qt::LeftButton, {150, 150}, 0);
    site.MoveTo({300, 300}, 0);
    site.Cancel();
    site.Release(Qt::LeftButton, {300, 300}, 0);
    EXPECT_EQ(Bytes(), before);
    EXPECT_EQ(Actions().Count(), 0);
    EXPECT_EQ(a->Left(), 100);
}

TEST_F(SiteGestureTest, ResizeWithCtrlGoesBelowTheMinimum)
{
    TTestRect* a = Add<TTestRect>(TRect(100, 100, 200, 200));
    a->SetSelected(true);
    DragHandle(7, {-95, -95});
    EXPECT_EQ(a->Width(), 20);
    DragHandle(7, {-15, -15}, ssCtrl);
    EXPECT_EQ(a->Width(), 5);
}

TEST_F(SiteGestureTest, DragCopyLeavesTheTargetInPlaceAndDeselected)
{
    TTestRect* a = Add<TTestRect>(TRect(100, 100, 200, 200));
    Drag({150, 150}, {350, 150}, ssCtrl);
    ASSERT_EQ(site.ObjectCount(), 2);
    EXPECT_EQ(a->Left(), 100);
    EXPECT_FALSE(a->Selected());
    auto* copy = static_cast<TTestRect*>(site.Object(1));
    EXPECT_EQ(copy->Left(), 300);
    EXPECT_TRUE(copy->Selected());
}

TEST_F(SiteGestureTest, AGhostWhoseTargetIsFreedAbortsTheDrag)
{
    TTestRect* a = Add<TTestRect>(TRect(100, 100, 200, 200));
    Add<TTestRect>(TRect(300, 100, 400, 200))->SetSelected(true);
    site.Press(Qt::LeftButton, {150, 150}, ssShift);
    site.MoveTo({160, 160}, ssShift);
    site.RemoveObject(a);
    site.MoveTo({170, 170}, ssShift);
    EXPECT_FALSE(site.Dragging());
    site.Release(Qt::LeftButton, {170, 170}, ssShift);
    EXPECT_EQ(Actions().Count(), 0);
}

TEST_F(SiteGestureTest, AFailingCommitPutsItsObjectBackAndKeepsTheOthers)
{
    std::vector<QString> reported;
    const TErrorHandler previous = SetErrorHandler([&](const std::exception& e) { reported.push_back(ErrorText(e)); });
    TTestRect* a = Add<TTestRect>(TRect(100, 100, 200, 200));
    TTestRect* b = Add<TTestRect>(TRect(300, 100, 400, 200));
    TTestRect* c = Add<TTestRect>(TRect(500, 100, 600, 200));
    site.SelectAll(true);
    b->failAssign = true;
    Drag({150, 150}, {150, 250});
    EXPECT_EQ(reported, std::vector<QString>{"assign failed"});
    EXPECT_EQ(a->Top(), 200);
    EXPECT_EQ(b->BoundsRect(), TRect(300, 100, 400, 200));
    EXPECT_EQ(c->Top(), 200);
    ASSERT_EQ(Actions().Count(), 1);
    Actions().Undo();
    EXPECT_EQ(a->Top(), 100);
    EXPECT_EQ(c->Top(), 100);
    SetErrorHandler(previous);
}

TEST_F(SiteGestureTest, ReplacingTheContentClearsTheUndoList)
{
    TTestRect* a = Add<TTestRect>(TRect(100, 100, 200, 200));
    Drag({150, 150}, {250, 250});
    ASSERT_TRUE(Actions().CanUndo());
    std::vector<std::unique_ptr<TDrawObject>> face;
    face.push_back(std::make_unique<TTestRect>(TRect(10, 10, 20, 20)));
    site.ReplaceContent(std::move(face));
    EXPECT_FALSE(Actions().CanUndo());
    EXPECT_FALSE(site.Modified());
    EXPECT_EQ(site.ObjectCount(), 1);
    Actions().Undo(); // nothing left that could reach the freed object
    (void)a;
}

TEST_F(SiteGestureTest, FitScaleNeverReachesZero)
{
    EXPECT_EQ(site.FitScale({500, 400}), 50);
    EXPECT_EQ(site.FitScale({2000, 400}), 50);
    EXPECT_EQ(site.FitScale({2000, 400}, false, true), 200);
    EXPECT_EQ(site.FitScale({2000, 400}, false, false), 100);
    EXPECT_EQ(site.FitScale({0, 0}), 1);
    site.SetLogSize(0, 0);
    EXPECT_EQ(site.FitScale({500, 400}), 100);
}

TEST_F(SiteGestureTest, ModifierChangesMidDragApplyAtOnce)
{
    TTestRect* a = Add<TTestRect>(TRect(100, 100, 140, 140));
    site.Press(Qt::LeftButton, {120, 120}, 0);
    site.MoveTo({200, 150}, 0);
    site.ShiftChanged(ssShift); // parallel: only the larger axis
    site.Release(Qt::LeftButton, {200, 150}, ssShift);
    EXPECT_EQ(a->BoundsRect(), TRect(180, 100, 220, 140));
}

} // namespace
