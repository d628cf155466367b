#include "objects/pictures/effect_choices.h"

#include <gtest/gtest.h>

TEST(EffectChoices, MonotoneChoiceFollowsTheReferenceColour)
{
    EXPECT_EQ(MonotoneChoiceOf(clNone), TMonotoneChoice::None);
    EXPECT_EQ(MonotoneChoiceOf(0xFFFFFF), TMonotoneChoice::BlackWhite);
    EXPECT_EQ(MonotoneChoiceOf(0x6680A0), TMonotoneChoice::Sepia);
    EXPECT_EQ(MonotoneChoiceOf(0x123456), TMonotoneChoice::Custom);
    EXPECT_EQ(RefColorOf(TMonotoneChoice::Sepia, 0), 0x6680A0);
    EXPECT_EQ(RefColorOf(TMonotoneChoice::Custom, 0x123456), 0x123456);
    EXPECT_EQ(RefColorOf(TMonotoneChoice::None, 0x123456), clNone);
}

TEST(EffectChoices, FocusMapsBlurCountsBothWays)
{
    const std::pair<int, int> shown[] = {{12, 0}, {6, 0}, {5, 1}, {2, 1}, {1, 2}, {0, 3},
                                         {-1, 4}, {-2, 5}, {-3, 5}, {-4, 6}, {-9, 6}};
    for (const auto& [count, choice] : shown)
        EXPECT_EQ(FocusChoiceOf(count), choice) << count;
    const int counts[] = {10, 5, 1, 0, -1, -3, -6};
    for (int choice = 0; choice < 7; ++choice) {
        EXPECT_EQ(FocusBlurCount(choice), counts[choice]);
        EXPECT_EQ(FocusChoiceOf(counts[choice]), choice);
    }
    EXPECT_EQ(FocusChoiceNames().size(), 7);
}
