// The "切り抜き" page of the background adjustment on the offscreen platform: the face's
// outline dragged with the mouse, the arrow buttons by the step (brought into the field's
// range first), flush with each edge, "リセット" and the crop line, all within the picture.
#include "../backgrounds/background_fixtures.h"

#include "graphics/color/color_fill.h"
#include "graphics/image_data/clip_filter.h"
#include "graphics/image_data/image_data.h"
#include "graphics/picture/picture_ex.h"
#include "objects/backgrounds/back_image_2004.h"
#include "objects/ui/back_clip_editor.h"
#include "objects/ui/back_image_editor.h"
#include "objects/ui/back_picture_fields.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <gtest/gtest.h>

using namespace backgrounds_test;

namespace {

// A 480 x 360 picture under a 1200-unit disc: the reset crop is the centred 360 x 360 square.
class BackClipPage : public testing::Test {
protected:
    void SetUp() override
    {
        RegisterClasses();
        SetPicture(*data_.Picture(), Pattern(480, 360));
        data_.ResetClip();
        page_.SetImageData(&data_, Disc(1200));
        page_.show();
    }

    void Click(const char* caption)
    {
        for (QPushButton* button : page_.findChildren<QPushButton*>())
            if (button->text() == QString::fromUtf8(caption))
                return button->click();
        ADD_FAILURE() << "no button " << caption;
    }

    TImageData data_;
    TfrmBackClipEditor page_;
};

} // namespace

TEST_F(BackClipPage, OpensOnTheResetCropAndShowsItInMillimetres)
{
    EXPECT_EQ(data_.ClipFilter()->ClipRect(), TRect(60, 0, 420, 360));
    EXPECT_EQ(page_.CropText(), QStringLiteral("左:6.0 上:0.0 / 幅:36.0 高:36.0(mm)"));

    // A crop the user made is kept when the page opens again.
    data_.ClipFilter()->SetClipRect({10, 20, 370, 360});
    page_.SetImageData(&data_, Disc(1200));
    EXPECT_EQ(data_.ClipFilter()->ClipRect(), TRect(10, 20, 370, 360));
    EXPECT_EQ(page_.CropText(), QStringLiteral("左:1.0 上:2.0 / 幅:36.0 高:34.0(mm)"));

    // Without a picture the page has nothing to move.
    TImageData empty;
    page_.SetImageData(&empty, Disc(1200));
    EXPECT_FALSE(page_.isEnabled());
    Click("リセット");
    EXPECT_TRUE(empty.ClipFilter()->ClipRect().IsEmpty());
}

TEST_F(BackClipPage, ArrowsMoveByTheStepInsideThePicture)
{
    struct Case {
        const char* Button;
        const char* Typed; // the step field's text before the click
        TRect Expected;
    };
    // From (60, 0, 420, 360) in a 480 x 360 picture.
    for (const Case& c : {Case{"→", "15", {75, 0, 435, 360}}, Case{"←", "100", {0, 0, 360, 360}},
                          Case{"→", "0", {61, 0, 421, 360}},       // below the range: the least step
                          Case{"→", "5000", {120, 0, 480, 360}},   // above it: the largest, then the edge
                          Case{"↓", "10", {60, 0, 420, 360}}, Case{"↑", "10", {60, 0, 420, 360}}}) {
        data_.ClipFilter()->SetClipRect({60, 0, 420, 360});
        page_.StepField()->findChild<QLineEdit*>()->setText(QString::fromLatin1(c.Typed));
        Click(c.Button);
        EXPECT_EQ(data_.ClipFilter()->ClipRect(), c.Expected) << c.Button << " " << c.Typed;
        const int step = page_.StepField()->value();
        EXPECT_GE(step, page_.StepField()->minimum());
        EXPECT_LE(step, page_.StepField()->maximum());
        EXPECT_EQ(page_.StepField()->cleanText(), QString::number(step));
    }
    EXPECT_EQ(page_.StepField()->minimum(), 1);
    EXPECT_EQ(page_.StepField()->maximum(), 100);
}

TEST_F(BackClipPage, EdgesAndResetPlaceTheCrop)
{
    // A crop smaller than the picture each way.
    const TRect start(100, 50, 300, 250);
    struct Case {
        const char* Button;
        TRect Expected;
    };
    for (const Case& c : {Case{"左端", {0, 50, 200, 250}}, Case{"上端", {100, 0, 300, 200}},
                          Case{"右端", {280, 50, 480, 250}}, Case{"下端", {100, 160, 300, 360}},
                          Case{"リセット", {60, 0, 420, 360}}}) {
        data_.ClipFilter()->SetClipRect(start);
        Click(c.Button);
        EXPECT_EQ(data_.ClipFilter()->ClipRect(), c.Expected) << c.Button;
    }
}

TEST_F(BackClipPage, DraggingTheOutlineMovesTheCropAndStopsAtTheEdges)
{
    QWidget* view = page_.View();
    // The picture fits the view's width: two picture pixels per view pixel.
    ASSERT_EQ(view->width(), 240);
    const QRect shown = page_.CropOnView();
    EXPECT_EQ(shown, QRect(30, 30, 180, 180));

    int changes = 0;
    QObject::connect(&page_, &TfrmBackClipEditor::Changed, [&changes] { ++changes; });
    const QPoint grip = shown.center();
    QTest::mousePress(view, Qt::LeftButton, {}, grip);
    QTest::mouseMove(view, grip + QPoint(-10, 0));
    EXPECT_EQ(data_.ClipFilter()->ClipRect(), TRect(40, 0, 400, 360));
    QTest::mouseMove(view, grip + QPoint(-100, 40)); // past the left edge; no room downwards
    QTest::mouseRelease(view, Qt::LeftButton, {}, grip + QPoint(-100, 40));
    EXPECT_EQ(data_.ClipFilter()->ClipRect(), TRect(0, 0, 360, 360));
    EXPECT_GE(changes, 2);
    EXPECT_EQ(page_.CropText(), QStringLiteral("左:0.0 上:0.0 / 幅:36.0 高:36.0(mm)"));

    // A press outside the outline moves nothing.
    QTest::mousePress(view, Qt::LeftButton, {}, QPoint(230, 100));
    QTest::mouseMove(view, QPoint(200, 100));
    QTest::mouseRelease(view, Qt::LeftButton, {}, QPoint(200, 100));
    EXPECT_EQ(data_.ClipFilter()->ClipRect(), TRect(0, 0, 360, 360));
}

// In "背景イメージの調整" the page crops the fill of the background copy, and follows the
// picture when it is turned.
TEST(BackClipPageInAdjustment, CropsTheFillAndFollowsATurn)
{
    RegisterClasses();
    TLOBackImage2004 copy;
    copy.SetBoundsRect({0, 0, 1200, 1200});
    copy.SetFaceInfo(Disc(1200));
    TImageData& fill = *copy.FillColor()->ImageData();
    SetPicture(*fill.Picture(), Pattern(480, 360));
    copy.FillColor()->SetKind(cskBitmap);
    fill.ResetClip();
    TfrmBackImageEditor editor(copy, QStringLiteral(LUMAREST_BINARY_DIR "/data"));
    EXPECT_EQ(fill.ClipFilter()->ClipRect(), TRect(60, 0, 420, 360));
    editor.ClipPage()->MoveFlush(Qt::RightEdge);
    EXPECT_EQ(fill.ClipFilter()->ClipRect(), TRect(120, 0, 480, 360));

    editor.PictureFields()->RotateBox()->setCurrentIndex(rs90); // now 360 x 480
    EXPECT_EQ(fill.ClipFilter()->ClipRect(), TRect(0, 60, 360, 420));
    EXPECT_EQ(editor.ClipPage()->CropText(), QStringLiteral("左:0.0 上:6.0 / 幅:36.0 高:36.0(mm)"));
}
