// The real text object under the editing room's designers: rectangle and bulge handles while
// its baseline is straight, arc handles once bent, none of the curve's while distorted; a
// bulge drag is one undo step.
#include "editing_fixture.h"

#include "core/persistent/string_list.h"
#include "text/distortion/coons_distortion.h"
#include "text/object/shade_text.h"
#include "text/point_based_font.h"
#include "text/text_classes.h"

namespace {

class TextObjectDesignerTest : public EditingTest {
protected:
    void SetUp() override
    {
        RegisterTextClasses();
        Actions().SetRepeatAllowed(false);
        text = Add<TLOText>();
        text->TextFont()->SetName(QStringLiteral("IPAGothic"));
        text->Text()->SetLines({QStringLiteral("TITLE")});
        text->SetBoundsRect({200, 300, 700, 400});
        text->SetSelected(true);
        site.UpdatePivots();
    }

    std::vector<int> HandleIndices()
    {
        std::vector<int> indices;
        for (const TPivot& pivot : site.Pivots())
            indices.push_back(pivot.Index);
        std::sort(indices.begin(), indices.end());
        return indices;
    }

    TLOText* text = nullptr;
};

TEST_F(TextObjectDesignerTest, AStraightTextHasRectangleRotationAndBulgeHandles)
{
    EXPECT_EQ(HandleIndices(), (std::vector<int>{0, 1, 3, 4, 6, 7, 8, 8, 12}));
}

TEST_F(TextObjectDesignerTest, DraggingTheBulgeBendsTheTextInOneStep)
{
    ExpectOneUndoStep([&] { DragHandle(12, {0, -120}); }, QStringLiteral("移動・サイズ変更"));
    DragHandle(12, {0, -120});
    EXPECT_GT(text->Bulge(), 49);
    EXPECT_EQ(text->Angle(), 0);
    site.UpdatePivots();
    EXPECT_EQ(HandleIndices(), (std::vector<int>{10, 11, 12})); // bent: the arc's handles
}

TEST_F(TextObjectDesignerTest, ASmallBulgeDragSnapsBackToStraight)
{
    DragHandle(12, {0, -30});
    EXPECT_EQ(text->Bulge(), 0);
    EXPECT_EQ(text->BoundsRect(), TRect(200, 300, 700, 400));
}

TEST_F(TextObjectDesignerTest, ADistortedTextOffersNoCurve)
{
    TCoonsDistortion& distortion = *text->CoonsDistortion();
    for (int side = 0; side < 4; ++side)
        distortion.SetCount(side, 2);
    distortion.SetPoint(kSideTop, 1, {1, 0});
    distortion.SetPoint(kSideBottom, 0, {0, 1});
    distortion.SetPoint(kSideBottom, 1, {1, 1});
    ASSERT_TRUE(text->IsDistorted());
    EXPECT_EQ(AvailableCurve(static_cast<TDrawObject*>(text)), nullptr);
    text->SetSelected(false);
    text->SetSelected(true);
    const std::vector<int> handles = HandleIndices();
    EXPECT_EQ(std::count(handles.begin(), handles.end(), 12), 0);
    EXPECT_EQ(handles.size(), 8u);
}

} // namespace
