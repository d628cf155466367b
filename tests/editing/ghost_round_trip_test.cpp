// Every ghost kind, driven through the site's gestures, is undone back to the bytes the
// design had before and redone to the bytes it had after.
#include "editing_fixture.h"

#include "editing/ghosts/move_ghost.h"

namespace {

class GhostRoundTripTest : public EditingTest {
protected:
    void ExpectRoundTrip(const std::function<void()>& gesture, const QString& caption)
    {
        ExpectOneUndoStep(gesture, caption);
    }

    void SetUp() override { Actions().SetRepeatAllowed(false); }
};

TEST_F(GhostRoundTripTest, MoveSeveralObjectsIsOneStep)
{
    std::vector<TTestRect*> rects;
    for (int i = 0; i < 11; ++i)
        rects.push_back(Add<TTestRect>(TRect(10 + 60 * i, 100, 50 + 60 * i, 140)));
    site.SelectAll(true);
    ExpectRoundTrip([&] { Drag({30, 120}, {35, 190}); }, "移動");
    EXPECT_EQ(rects.front()->Left(), 10);
}

TEST_F(GhostRoundTripTest, DragCopy)
{
    Add<TTestRect>(TRect(100, 100, 200, 200));
    ExpectRoundTrip([&] { Drag({150, 150}, {300, 350}, ssCtrl); }, "ドラッグコピー");
}

TEST_F(GhostRoundTripTest, Resize)
{
    TTestRect* rect = Add<TTestRect>(TRect(100, 100, 200, 200));
    rect->SetSelected(true);
    ExpectRoundTrip([&] { DragHandle(7, {50, 30}); }, "サイズ変更");
}

TEST_F(GhostRoundTripTest, Rotate)
{
    TTestRect* rect = Add<TTestRect>(TRect(100, 100, 300, 200));
    rect->SetSelected(true);
    ExpectRoundTrip([&] { DragHandle(8, {0, 80}); }, "回転");
}

TEST_F(GhostRoundTripTest, LineEndPoint)
{
    TTestLine* line = Add<TTestLine>(QPoint(100, 100), QPoint(300, 100));
    line->SetSelected(true);
    ExpectRoundTrip([&] { DragHandle(1, {20, 60}); }, "移動・サイズ変更");
}

TEST_F(GhostRoundTripTest, ArcEndAndBulge)
{
    TTestArc* arc = Add<TTestArc>(QPoint(100, 300), QPoint(200, 250), QPoint(300, 300));
    arc->SetSelected(true);
    ExpectRoundTrip([&] { DragHandle(10, {-20, 10}); }, "移動・サイズ変更");
    ExpectRoundTrip([&] { DragHandle(12, {0, -40}); }, "移動・サイズ変更");
    EXPECT_EQ(arc->editing, 0);
}

TEST_F(GhostRoundTripTest, CreationOfEachKind)
{
    ExpectRoundTrip([&] { ASSERT_TRUE(site.BeginCreate(std::make_unique<TTestRect>(), {100, 100}, 0));
                          site.MoveTo({200, 180}, 0);
                          site.Release(Qt::LeftButton, {200, 180}, 0); }, "追加");
    Actions().Clear();
    ExpectRoundTrip([&] { ASSERT_TRUE(site.BeginCreate(std::make_unique<TTestLine>(), {100, 400}, 0));
                          site.MoveTo({300, 420}, 0);
                          site.Release(Qt::LeftButton, {300, 420}, 0); }, "追加");
    Actions().Clear();
    ExpectRoundTrip([&] { ASSERT_TRUE(site.BeginCreate(std::make_unique<TTestArc>(), {500, 500}, 0));
                          site.MoveTo({700, 500}, 0);
                          site.Release(Qt::LeftButton, {700, 500}, 0); }, "追加");
}

TEST_F(GhostRoundTripTest, ACreationWithoutMovementLeavesNothing)
{
    const QByteArray before = Bytes();
    ASSERT_TRUE(site.BeginCreate(std::make_unique<TTestRect>(), {100, 100}, 0));
    site.Release(Qt::LeftButton, {100, 100}, 0);
    EXPECT_EQ(Bytes(), before);
    EXPECT_EQ(site.ObjectCount(), 0);
    EXPECT_EQ(Actions().Count(), 0);
}

TEST_F(GhostRoundTripTest, PressAndReleaseWithoutMovementRecordsNothing)
{
    Add<TTestRect>(TRect(100, 100, 200, 200));
    const QByteArray before = Bytes();
    site.Press(Qt::LeftButton, {150, 150}, 0);
    site.Release(Qt::LeftButton, {150, 150}, 0);
    EXPECT_EQ(Bytes(), before);
    EXPECT_EQ(Actions().Count(), 0);
}

} // namespace
