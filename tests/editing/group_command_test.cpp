// Grouping and ungrouping on the editing site: the enabled rule, the members and their
// order, the selection afterwards, and undo of grouping, resizing and ungrouping (nested
// too) by the bytes the design stores.
#include "editing_fixture.h"

#include "editing/commands/group_commands.h"
#include "objects/groups/group_classes.h"
#include "objects/groups/group_object.h"

namespace {

class GroupCommandTest : public EditingTest {
protected:
    void SetUp() override
    {
        RegisterGroupClasses();
        Actions().SetRepeatAllowed(false);
        back = Add<TTestRect>(TRect(100, 100, 200, 150));
        turned = Add<TTestRect>(TRect(300, 100, 340, 200), 90);
        arc = Add<TTestArc>(QPoint(100, 400), QPoint(200, 350), QPoint(300, 400));
    }

    TDOGroup* Group(std::vector<TDrawObject*> selection)
    {
        site.SelectAll(false);
        for (TDrawObject* object : selection)
            object->SetSelected(true);
        TDSOGrouping grouping;
        grouping.Execute(site);
        return dynamic_cast<TDOGroup*>(site.GetObjects(true).front());
    }

    TTestRect* back = nullptr;
    TTestRect* turned = nullptr;
    TTestArc* arc = nullptr;
};

TEST_F(GroupCommandTest, GroupingNeedsTwoSelectedObjects)
{
    TDSOGrouping grouping;
    site.SelectAll(false);
    EXPECT_FALSE(grouping.Enabled(site));
    back->SetSelected(true);
    EXPECT_FALSE(grouping.Enabled(site));
    grouping.Execute(site);
    EXPECT_EQ(site.ObjectCount(), 3);
    turned->SetSelected(true);
    EXPECT_TRUE(grouping.Enabled(site));
}

TEST_F(GroupCommandTest, GroupingReplacesTheSelectionByOneSelectedGroupOfCopies)
{
    site.SelectAll(true);
    const QByteArray backBytes = ComponentBytes(*back);
    const QByteArray arcBytes = ComponentBytes(*arc);
    ExpectOneUndoStep(
        [&] {
            TDSOGrouping grouping;
            grouping.Execute(site);
        },
        "グループ化");
    site.SelectAll(true);
    TDSOGrouping grouping;
    grouping.Execute(site);
    ASSERT_EQ(site.ObjectCount(), 1);
    auto* group = dynamic_cast<TDOGroup*>(site.Object(0));
    ASSERT_NE(group, nullptr);
    EXPECT_TRUE(group->Selected());
    EXPECT_EQ(group->Cursor(), kHandPointCursor);
    ASSERT_EQ(group->MemberCount(), 3);
    // Back to front: the back-most object is the first member.
    EXPECT_EQ(ComponentBytes(group->Member(0)), backBytes);
    EXPECT_EQ(ComponentBytes(group->Member(2)), arcBytes);
    EXPECT_FALSE(group->Member(0).IsOnDrawSite());
    EXPECT_EQ(group->GetBounds(), TRect(100, 100, 340, 401));
}

TEST_F(GroupCommandTest, UngroupingPutsTheMembersBackInOrderAllSelected)
{
    const QByteArray original = Bytes();
    TDOGroup* group = Group({back, turned, arc});
    ASSERT_NE(group, nullptr);
    ExpectOneUndoStep(
        [&] {
            TDSOUnGrouping ungrouping;
            ungrouping.Execute(site);
        },
        "グループ化解除");
    TDSOUnGrouping ungrouping;
    ungrouping.Execute(site);
    // The same objects in the same stacking order as before grouping.
    EXPECT_EQ(Bytes(), original);
    EXPECT_EQ(site.GetObjects(true).size(), 3U);
}

TEST_F(GroupCommandTest, ResizingNestedGroupsUndoesByTheStoredBytes)
{
    TDOGroup* inner = Group({turned, arc});
    ASSERT_NE(inner, nullptr);
    TDOGroup* outer = Group({back, inner});
    ASSERT_NE(outer, nullptr);
    ASSERT_EQ(outer->MemberCount(), 2);
    ASSERT_NE(dynamic_cast<TDOGroup*>(&outer->Member(1)), nullptr);
    const TRect before = outer->GetBounds();
    ExpectOneUndoStep([&] { DragHandle(7, {240, 0}); }, "サイズ変更");
    DragHandle(7, {240, 0});
    auto* resized = dynamic_cast<TDOGroup*>(site.GetObjects(true).front());
    ASSERT_NE(resized, nullptr);
    EXPECT_EQ(resized->GetBounds().Left, before.Left);
    EXPECT_EQ(RectWidth(resized->GetBounds()), 2 * RectWidth(before));

    // Ungrouping the outer group releases the inner group whole.
    ExpectOneUndoStep(
        [&] {
            TDSOUnGrouping ungrouping;
            ungrouping.Execute(site);
        },
        "グループ化解除");
}

} // namespace
