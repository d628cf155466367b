// The site widget driven by real mouse and key events on the offscreen platform.
#include "editing/ui/draw_site.h"

#include "../test_objects.h"
#include "core/stream/component_stream.h"
#include "editing/commands/standard_commands.h"
#include "editing/site/edit_context.h"

#include <QScrollArea>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class DrawSiteWidgetTest : public ::testing::Test {
protected:
    DrawSiteWidgetTest()
    {
        RegisterTestObjects();
        widget = new TDrawSite(context);
        area.setWidget(widget);
        widget->Site().Scaler().SetUnitDPI(widget->Site().DeviceResolution());
        widget->SetLogSize(600, 400);
        area.resize(700, 500);
        area.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&area));
        context.Actions().SetRepeatAllowed(false);
    }

    template <class T, class... Args>
    T* Add(Args&&... args)
    {
        return static_cast<T*>(widget->Site().AddObject(std::make_unique<T>(std::forward<Args>(args)...)));
    }

    void Drag(QPoint from, QPoint to, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::mousePress(widget, Qt::LeftButton, modifiers, from);
        QTest::mouseMove(widget, (from + to) / 2);
        QTest::mouseMove(widget, to);
        QTest::mouseRelease(widget, Qt::LeftButton, modifiers, to);
    }

    TEditContext context;
    QScrollArea area;
    TDrawSite* widget = nullptr;
};

TEST_F(DrawSiteWidgetTest, DragMovesAndUndoRestores)
{
    TTestRect* rect = Add<TTestRect>(TRect(100, 100, 200, 160));
    const QByteArray before = ComponentBytes(widget->Site());
    Drag({150, 130}, {250, 200});
    EXPECT_EQ(rect->BoundsRect(), TRect(200, 170, 300, 230));
    EXPECT_TRUE(rect->Selected());
    EXPECT_EQ(UndoMenuCaption(context.Actions()), "移動の取り消し(&U)");
    TDSAUndo undo;
    undo.Execute(widget->Site());
    EXPECT_EQ(ComponentBytes(widget->Site()), before);
}

TEST_F(DrawSiteWidgetTest, RubberBandSelects)
{
    TTestRect* inside = Add<TTestRect>(TRect(100, 100, 150, 150));
    TTestRect* outside = Add<TTestRect>(TRect(300, 100, 350, 150));
    Drag({50, 50}, {200, 200});
    EXPECT_TRUE(inside->Selected());
    EXPECT_FALSE(outside->Selected());
}

TEST_F(DrawSiteWidgetTest, RotateHandleTurnsTheObject)
{
    TTestRect* rect = Add<TTestRect>(TRect(200, 150, 400, 250));
    QTest::mouseClick(widget, Qt::LeftButton, {}, {300, 200});
    ASSERT_TRUE(rect->Selected());
    // The rotation handle at the top-right corner; drag it a quarter turn about the centre.
    const QPoint handle(400, 150);
    widget->grab(); // paints: handles are shown
    Drag(handle, {350, 350});
    EXPECT_NE(rect->Angle(), 0);
    EXPECT_EQ(context.Actions().UndoCaption(), "回転");
}

TEST_F(DrawSiteWidgetTest, CtrlDragCopiesAndShiftKeyMidDragConstrains)
{
    TTestRect* rect = Add<TTestRect>(TRect(100, 100, 200, 160));
    Drag({150, 130}, {350, 140}, Qt::ControlModifier);
    ASSERT_EQ(widget->Site().ObjectCount(), 2);
    EXPECT_EQ(rect->Left(), 100);
    EXPECT_EQ(context.Actions().UndoCaption(), "ドラッグコピー");

    auto* copy = static_cast<TTestRect*>(widget->Site().Object(1));
    QTest::mousePress(widget, Qt::LeftButton, {}, {350, 140});
    QTest::mouseMove(widget, {400, 160});
    QTest::keyPress(widget, Qt::Key_Shift);
    QTest::keyRelease(widget, Qt::Key_Shift, Qt::ShiftModifier);
    QTest::keyPress(widget, Qt::Key_Shift);
    QTest::mouseRelease(widget, Qt::LeftButton, Qt::ShiftModifier, {400, 160});
    EXPECT_EQ(copy->Top(), 110); // the parallel move keeps the larger axis only
    EXPECT_EQ(copy->Left(), 350);
}

TEST_F(DrawSiteWidgetTest, FocusLossAbortsADrag)
{
    TTestRect* rect = Add<TTestRect>(TRect(100, 100, 200, 160));
    QTest::mousePress(widget, Qt::LeftButton, {}, {150, 130});
    QTest::mouseMove(widget, {300, 300});
    widget->clearFocus();
    QTest::mouseRelease(widget, Qt::LeftButton, {}, {300, 300});
    EXPECT_EQ(rect->Left(), 100);
    EXPECT_EQ(context.Actions().Count(), 0);
}

TEST_F(DrawSiteWidgetTest, ZoomSizesTheWidgetAndKeepsGesturesInLogicalUnits)
{
    widget->SetScale(200);
    EXPECT_EQ(widget->size(), QSize(1200, 800));
    TTestRect* rect = Add<TTestRect>(TRect(100, 100, 200, 160));
    Drag({300, 260}, {400, 260});
    EXPECT_EQ(rect->Left(), 150);
    // The objects are painted into the back buffer at the zoom.
    const QImage shot = widget->grab().toImage();
    EXPECT_EQ(shot.size(), QSize(1200, 800));
}

} // namespace
