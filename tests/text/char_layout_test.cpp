#include "text/char_layout.h"
#include "text/rotator.h"

#include <gtest/gtest.h>

#include <limits>

TEST(LayoutChars, AlignmentsPlaceInkAndPositions)
{
    // Three characters: bearing 2, ink 6, rest 2 (advance 10).
    const TABCArray widths(3, TABC{2, 6, 2});
    struct Case {
        int Alignment;
        int Spacing;
        std::vector<int> Positions;
        int InkStart;
        int InkEnd;
    };
    const Case cases[] = {
        {taLeft, 0, {-2, 8, 18}, 0, 26},
        {taLeft, 5, {-2, 13, 28}, 0, 36},
        {taCenter, 0, {5, 15, 25}, 7, 33}, // (40 - 28 - 2) div 2 = 5
        {taRight, 0, {12, 22, 32}, 14, 40},
        {taEven, 5, {-2, 15, 32}, 0, 40}, // spacing ignored; 14 free units over 2 gaps
        {7, 0, {-2, 8, 18}, 0, 26},       // unknown alignments lay out as left
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Alignment);
        const TCharPlacement placed = LayoutChars(widths, 40, c.Alignment, c.Spacing);
        EXPECT_EQ(placed.Positions, c.Positions);
        EXPECT_EQ(placed.InkStart, c.InkStart);
        EXPECT_EQ(placed.InkEnd, c.InkEnd);
    }
    // Centre shifts truncate toward zero also when the line is wider than the space.
    EXPECT_EQ(LayoutChars(widths, 3, taCenter, 0).Positions.front(), -13); // (3 - 28 - 2) div 2
}

TEST(LayoutChars, EvenDistributionOfOneCharacterHasNoGaps)
{
    const TCharPlacement one = LayoutChars({TABC{3, 10, 1}}, 100, taEven, 0);
    ASSERT_EQ(one.Positions.size(), 1u);
    EXPECT_EQ(one.Positions[0], -3); // its ink at the start
    EXPECT_EQ(one.InkStart, 0);
    EXPECT_EQ(one.InkEnd, 100);
    EXPECT_TRUE(LayoutChars({}, 100, taEven, 0).Positions.empty());
    // The spread is computed in 64 bits: a huge width over many gaps stays exact.
    const TCharPlacement wide = LayoutChars(TABCArray(3, TABC{0, 0, 0}), std::numeric_limits<int>::max(), taEven, 0);
    EXPECT_EQ(wide.Positions[1], std::numeric_limits<int>::max() / 2);
    EXPECT_EQ(wide.Positions[2], std::numeric_limits<int>::max());
}

TEST(LayoutChars, HugeSpacingStaysInRange)
{
    const TCharPlacement placed = LayoutChars(TABCArray(4, TABC{0, 10, 0}), 0, taLeft, std::numeric_limits<int>::max());
    EXPECT_EQ(placed.Positions[3], std::numeric_limits<int>::max());
    EXPECT_EQ(placed.InkEnd, std::numeric_limits<int>::max());
}

TEST(Rotator, TurnsClockwiseAndNormalisesAngles)
{
    const TRotator quarter(90, {100, 100});
    EXPECT_EQ(quarter.Rotate({110, 100}), QPoint(100, 110));
    const TRotator eighth(45, {0, 0});
    EXPECT_EQ(eighth.Rotate({10, 0}), QPoint(7, 7)); // 7.07 each way
    EXPECT_EQ(eighth.Rotate({-10, 0}), QPoint(-7, -7));
    EXPECT_EQ(TRotator(60, {0, 0}).Rotate({-3, 0}), QPoint(-2, -3)); // -1.5 and -2.6 round away from zero

    struct Case {
        std::int64_t In;
        int Out;
    };
    const Case cases[] = {{0, 0}, {360, 0}, {-90, 270}, {-450, 270}, {-721, 359}, {725, 5},
                          {std::numeric_limits<int>::min(), 232}, {std::numeric_limits<int>::max(), 127},
                          {std::numeric_limits<std::int64_t>::min(), 352}};
    for (const Case& c : cases)
        EXPECT_EQ(NormalizeAngle(c.In), c.Out) << c.In;
    TRotator r;
    r.SetAngle(-810);
    EXPECT_EQ(r.Angle(), 270);
}
