// Groups: bounds, hit test and paint over the members, moving and resizing through the
// members (turned ones too), nesting, the walk over members, streaming, and groups
// without members.
#include "stand_in_objects.h"

#include "core/canvas/memory_canvas.h"
#include "core/model/draw_site_model.h"
#include "core/model/object_walk.h"
#include "core/model/placement.h"
#include "core/stream/component_stream.h"
#include "objects/groups/group_classes.h"
#include "objects/groups/group_object.h"

namespace {

class GroupTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        RegisterStandInObjects();
        RegisterGroupClasses();
    }

    static TStandInBox* AddBox(TDOGroup& group, TRect rect, int colour = 0x0000FF, int angle = 0)
    {
        return static_cast<TStandInBox*>(group.AddMember(std::make_unique<TStandInBox>(rect, colour, angle)));
    }

    // The site drawn at one pixel per logical unit onto a white bitmap.
    static QImage Render(TDrawSiteModel& site, bool printer = false)
    {
        QImage image = CreateBitmap(QSize(site.LogWidth(), site.LogHeight()), QImage::Format_RGB32, 254);
        TMemoryCanvas canvas(image, 254);
        canvas.SetPrinterCanvas(printer);
        site.DrawTo(canvas, QPoint(0, 0), 100);
        return image;
    }

};

TEST_F(GroupTest, BoundsAreTheUnionAndOnlyMembersAreHit)
{
    TDOGroup group;
    AddBox(group, {10, 20, 60, 40});
    AddBox(group, {100, 30, 140, 90});
    EXPECT_EQ(group.GetBounds(), TRect(10, 20, 140, 90));
    EXPECT_EQ(group.Left(), 10);
    EXPECT_EQ(group.Width(), 130);
    EXPECT_TRUE(group.HitTest({15, 25}));
    EXPECT_TRUE(group.HitTest({120, 80}));
    // Inside the bounds, between the members.
    EXPECT_FALSE(group.HitTest({80, 35}));
    EXPECT_FALSE(group.KeepAspect());
}

TEST_F(GroupTest, PaintsEveryMemberInOrderAndSkipsDontPrintOnPrinters)
{
    TDrawSiteModel site;
    site.Scaler().SetUnitDPI(254);
    site.SetLogSize(200, 100);
    auto group = std::make_unique<TDOGroup>();
    AddBox(*group, {10, 10, 60, 60}, 0x0000FF);
    AddBox(*group, {40, 10, 90, 60}, 0x00FF00);
    TStandInBox* hidden = AddBox(*group, {120, 10, 150, 40}, 0xFF0000);
    hidden->SetDontPrint(true);
    site.AddObject(std::move(group));

    const QImage screen = Render(site);
    EXPECT_EQ(screen.pixelColor(20, 30), QColor(255, 0, 0));
    // The front member covers the back one where they overlap.
    EXPECT_EQ(screen.pixelColor(50, 30), QColor(0, 255, 0));
    EXPECT_EQ(screen.pixelColor(100, 30), QColor(255, 255, 255));
    EXPECT_EQ(screen.pixelColor(130, 20), QColor(0, 0, 255));

    const QImage printed = Render(site, true);
    EXPECT_EQ(printed.pixelColor(50, 30), QColor(0, 255, 0));
    EXPECT_EQ(printed.pixelColor(130, 20), QColor(255, 255, 255));
}

TEST_F(GroupTest, MovingAndSettingTheSidesMoveEveryMember)
{
    TDOGroup group;
    TStandInBox* a = AddBox(group, {10, 20, 60, 40});
    TStandInBox* b = AddBox(group, {100, 30, 140, 90});
    group.MoveBy(5, -10);
    EXPECT_EQ(a->BoundsRect(), TRect(15, 10, 65, 30));
    EXPECT_EQ(b->BoundsRect(), TRect(105, 20, 145, 80));
    group.SetLeft(0);
    group.SetTop(0);
    EXPECT_EQ(group.GetBounds(), TRect(0, 0, 130, 70));
    group.SetWidth(260);
    EXPECT_EQ(group.GetBounds(), TRect(0, 0, 260, 70));
    group.SetHeight(35);
    EXPECT_EQ(group.GetBounds(), TRect(0, 0, 260, 35));
}

TEST_F(GroupTest, ResizeScalesMembersFromTheLeftEdgeIncludingATurnedOne)
{
    // A group 100 x 50: a plain box and a box turned by 90 degrees whose bounds are 20 x 40.
    TDOGroup group;
    TStandInBox* plain = AddBox(group, {0, 0, 40, 50});
    TStandInBox* turned = AddBox(group, {60, 10, 100, 30}, 0x0000FF, 90);
    ASSERT_EQ(turned->GetBounds(), TRect(70, 0, 90, 40));
    ASSERT_EQ(group.GetBounds(), TRect(0, 0, 90, 50));
    group.Resize(180, 50);
    EXPECT_EQ(group.GetBounds(), TRect(0, 0, 180, 50));
    EXPECT_EQ(plain->GetBounds(), TRect(0, 0, 80, 50));
    // Left offset and horizontal extent doubled, vertical position kept; the turned box
    // takes the new width along its own height.
    EXPECT_EQ(turned->GetBounds(), TRect(140, 0, 180, 40));
    EXPECT_EQ(turned->Angle(), 90);
    EXPECT_EQ(RectHeight(turned->BoundsRect()), 40);
}

TEST_F(GroupTest, NestedGroupsMoveResizeAndAreWalkedDepthFirst)
{
    auto inner = std::make_unique<TDOGroup>();
    TStandInBox* deep = AddBox(*inner, {50, 0, 100, 50});
    TDOGroup outer;
    TStandInBox* first = AddBox(outer, {0, 0, 50, 50});
    TDOGroup* nested = static_cast<TDOGroup*>(outer.AddMember(std::move(inner)));
    outer.Resize(200, 100);
    EXPECT_EQ(deep->GetBounds(), TRect(100, 0, 200, 100));
    EXPECT_EQ(first->GetBounds(), TRect(0, 0, 100, 100));

    std::vector<TDrawObject*> visited;
    ForEachObjectDeep({&outer}, [&](TDrawObject& object) { visited.push_back(&object); });
    EXPECT_EQ(visited, (std::vector<TDrawObject*>{&outer, first, nested, deep}));
}

TEST_F(GroupTest, StreamsMembersAsChildrenInOrderAndReadsBackByteForByte)
{
    auto inner = std::make_unique<TDOGroup>();
    AddBox(*inner, {50, 0, 100, 50}, 0x00FF00);
    TDOGroup group;
    AddBox(group, {0, 0, 50, 50}, 0x0000FF, 90);
    group.AddMember(std::move(inner));
    const QByteArray bytes = ComponentBytes(group);
    // The first member's record comes before the nested group's.
    const int box = bytes.indexOf("TStandInBox");
    const int nestedGroup = bytes.indexOf("TDOGroup", box);
    EXPECT_GT(box, 0);
    EXPECT_GT(nestedGroup, box);

    std::unique_ptr<TComponent> read = ReadComponentBytes(bytes);
    auto* copy = dynamic_cast<TDOGroup*>(read.get());
    ASSERT_NE(copy, nullptr);
    ASSERT_EQ(copy->MemberCount(), 2);
    EXPECT_FALSE(copy->Member(0).IsOnDrawSite());
    EXPECT_EQ(copy->GetBounds(), group.GetBounds());
    EXPECT_EQ(ComponentBytes(*copy), bytes);
}

TEST_F(GroupTest, AssignReplacesTheMembersWithCopies)
{
    TDOGroup source;
    AddBox(source, {0, 0, 50, 50}, 0x123456, 90);
    AddBox(source, {60, 0, 80, 20});
    TDOGroup target;
    AddBox(target, {500, 500, 510, 510});
    target.Assign(source);
    ASSERT_EQ(target.MemberCount(), 2);
    EXPECT_NE(&target.Member(0), &source.Member(0));
    EXPECT_EQ(ComponentBytes(target), ComponentBytes(source));
}

TEST_F(GroupTest, AGroupWithoutMembersIsEmptyAtTheOriginAndKept)
{
    TDrawSiteModel site;
    site.Scaler().SetUnitDPI(254);
    site.SetLogSize(100, 100);
    TDOGroup* group = static_cast<TDOGroup*>(site.AddObject(std::make_unique<TDOGroup>()));
    EXPECT_EQ(group->GetBounds(), TRect(0, 0, 0, 0));
    EXPECT_FALSE(group->HitTest({0, 0}));
    EXPECT_EQ(site.ObjectAt({0, 0}), nullptr);
    group->Resize(50, 50);
    group->MoveBy(10, 10);
    EXPECT_EQ(group->GetBounds(), TRect(0, 0, 0, 0));
    const QImage image = Render(site);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ASSERT_EQ(image.pixel(x, y), qRgb(255, 255, 255));

    const QByteArray bytes = ComponentBytes(*group);
    std::unique_ptr<TComponent> read = ReadComponentBytes(bytes);
    ASSERT_NE(dynamic_cast<TDOGroup*>(read.get()), nullptr);
    EXPECT_EQ(ComponentBytes(*read), bytes);
}

TEST_F(GroupTest, AChildThatIsNoDrawObjectIsRefused)
{
    TDOGroup group;
    EXPECT_ANY_THROW(group.InsertStreamedChild(std::make_unique<TComponent>()));
    EXPECT_EQ(group.MemberCount(), 0);
}

TEST_F(GroupTest, ScalingFromARectangleWithoutAreaDoesNothing)
{
    TStandInBox box({10, 10, 30, 30});
    ScaleObjects({&box}, {10, 10, 10, 50}, {0, 0, 100, 100});
    ScaleObjects({&box}, {10, 10, 50, 10}, {0, 0, 100, 100});
    EXPECT_EQ(box.BoundsRect(), TRect(10, 10, 30, 30));
    ScaleObjects({&box}, {10, 10, 50, 50}, {10, 10, 90, 90});
    EXPECT_EQ(box.BoundsRect(), TRect(10, 10, 50, 50));
}

} // namespace
