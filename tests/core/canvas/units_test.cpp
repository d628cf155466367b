#include "core/canvas/rect.h"
#include "core/canvas/units.h"

#include <gtest/gtest.h>

TEST(MulDiv, RoundsHalvesAwayFromZero)
{
    struct Case { int a, b, c, expected; };
    const Case cases[] = {
        {254, 96, 254, 96}, {96, 254, 96, 254}, {1, 1, 2, 1}, {-1, 1, 2, -1}, {3, 1, 2, 2}, {-3, 1, 2, -2},
        {5, 1, 3, 2}, {4, 1, 3, 1}, {1, 1, -2, -1}, {90, 254, 180, 127}, {10, 254, 180, 14},
        {2000000000, 2, 4, 1000000000}, {7, 3, 0, -1}, {2000000000, 4, 1, -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(MulDiv(c.a, c.b, c.c), c.expected) << c.a << "*" << c.b << "/" << c.c;
}

TEST(RoundHalfAway, Table)
{
    EXPECT_EQ(RoundHalfAway(0.5L), 1);
    EXPECT_EQ(RoundHalfAway(-0.5L), -1);
    EXPECT_EQ(RoundHalfAway(1.49L), 1);
    EXPECT_EQ(RoundHalfAway(-1.51L), -2);
    EXPECT_EQ(RoundHalfAway(0.0L), 0);
}

TEST(FormatMillimetres, ShowsTenthsOnlyWhenPresent)
{
    EXPECT_EQ(FormatMillimetres(5), QStringLiteral("0.5"));
    EXPECT_EQ(FormatMillimetres(10), QStringLiteral("1"));
    EXPECT_EQ(FormatMillimetres(1205), QStringLiteral("120.5"));
    EXPECT_EQ(FormatMillimetres(1200), QStringLiteral("120"));
    EXPECT_EQ(FormatMillimetres(-15), QStringLiteral("-1.5"));
    EXPECT_EQ(FormatMillimetres(-5), QStringLiteral("-0.5"));
}

TEST(NaturalLogicalSize, TakesPicturesAt180DpiWithMinimum)
{
    EXPECT_EQ(NaturalLogicalSize({90, 90}), QSize(127, 127));
    EXPECT_EQ(NaturalLogicalSize({10, 10}), QSize(30, 30));
    EXPECT_EQ(NaturalLogicalSize({1800, 10}), QSize(2540, 30));
}

TEST(RectHelpers, FitAndCover)
{
    const TRect wide{0, 0, 200, 100};
    EXPECT_EQ(FitSize(wide, 100, 100), TRect(0, 0, 100, 50));
    EXPECT_EQ(CoverSize(wide, 100, 100), TRect(0, 0, 200, 100));
    EXPECT_EQ(FitRect(wide, TRect(0, 0, 100, 100)), TRect(0, 25, 100, 75));
    EXPECT_EQ(CoverRect(wide, TRect(0, 0, 100, 100)), TRect(-50, 0, 150, 100));
    EXPECT_EQ(NormalizeRect({10, 20, 0, 5}), TRect(0, 5, 10, 20));
    EXPECT_EQ(RectCenter({-3, -3, 0, 0}), QPoint(-1, -1)); // truncates toward zero
    EXPECT_EQ(CenterRectAt({0, 0, 10, 10}, {100, 100}), TRect(95, 95, 105, 105));
    EXPECT_TRUE(RectInside({1, 1, 5, 5}, {0, 0, 10, 10}));
    EXPECT_FALSE(RectInside({1, 1, 15, 5}, {0, 0, 10, 10}));
    EXPECT_EQ(ClampPoint({-5, 50}, {0, 0, 10, 20}), QPoint(0, 20));
}

TEST(RectHelpers, SizesOfRectanglesWiderThanTheIntegerRangeWrap)
{
    // A stored rectangle from -2e9 to 2e9 has no width in 32 bits; its width wraps as the
    // edges do, so that Left + width gives back the stored right edge.
    const TRect hostile(-2000000000, -2000000000, 2000000000, 2000000000);
    const int width = RectWidth(hostile);
    EXPECT_EQ(width, RectHeight(hostile));
    EXPECT_EQ(WrappedAdd(hostile.Left, width), hostile.Right);
    EXPECT_EQ(RectWidth(TRect(-5, 0, 7, 3)), 12);
    EXPECT_EQ(RectHeight(TRect(-5, 0, 7, 3)), 3);
}

TEST(RectHelpers, CentresOfRectanglesNearTheIntegerLimits)
{
    EXPECT_EQ(RectCenter(TRect(2000000000, -2100000000, 2100000000, -2000000000)), QPoint(2050000000, -2050000000));
    EXPECT_EQ(RectCenter(TRect(-5, -4, 6, 3)), QPoint(0, 0));
    EXPECT_EQ(RectCenter(TRect(10, 20, 31, 41)), QPoint(20, 30));
}

TEST(RotatePoint, PositiveAnglesTurnClockwiseOnScreen)
{
    EXPECT_EQ(RotatePoint({10, 0}, 90, {0, 0}), QPoint(0, 10));
    EXPECT_EQ(RotatePoint({10, 0}, -90, {0, 0}), QPoint(0, -10));
    EXPECT_EQ(RotatePoint({110, 100}, 180, {100, 100}), QPoint(90, 100));
    EXPECT_EQ(RotatePoint({10, 0}, 45, {0, 0}), QPoint(7, 7));
}
