#include "graphics/raster/aa_line.h"

#include <gtest/gtest.h>
#include <climits>

namespace {

QImage EmptyMap(int width, int height)
{
    QImage map(width, height, QImage::Format_Grayscale8);
    map.fill(0);
    return map;
}

int At(const QImage& map, int x, int y)
{
    return map.constScanLine(y)[x];
}

int CountNonZero(const QImage& map)
{
    int count = 0;
    for (int y = 0; y < map.height(); ++y)
        for (int x = 0; x < map.width(); ++x)
            count += At(map, x, y) != 0;
    return count;
}

} // namespace

// Expected values from a numerical integration of the filter disk over the strip (w 0.6,
// r 0.4), independent of the closed form.
TEST(AALine, ProfileOfTheDefaultLine)
{
    const std::pair<double, int> cases[] = {{0.0, 255},  {0.2, 255},  {0.25, 248}, {0.4, 205}, {0.5, 168},
                                            {0.6, 128},  {0.75, 68},  {0.8, 50},   {1.0, 0},   {3.0, 0}};
    for (const auto& [distance, expected] : cases)
        EXPECT_EQ(TAALineRec::Profile(distance, 0.6, 0.4, 1.0), expected) << distance;
    EXPECT_EQ(TAALineRec::Profile(0.5, 0.6, 0.4, 0.5), 84);  // intensity scales
    EXPECT_EQ(TAALineRec::Profile(0.5, 0.6, 0.4, 3.0), 255); // and is clamped
    EXPECT_EQ(TAALineRec::Profile(0.5, 0.6, 0.0, 1.0), 255); // no filter: a hard edge
    EXPECT_EQ(TAALineRec::Profile(0.7, 0.6, 0.0, 1.0), 0);
}

TEST(AALine, CoverageTableSamples64PerPixel)
{
    TAALineAlphaMap line;
    // 65535 reads entry 63: P(63 / 64) = 1.17.
    const std::pair<int, int> cases[] = {{0, 255},        {16384, 248}, {32768, 168},   {-32768, 168},
                                         {49152, 68},     {65535, 1},   {65536, 0},     {1 << 30, 0},
                                         {INT_MAX, 0},    {INT_MIN, 0}};
    for (const auto& [distance, expected] : cases)
        EXPECT_EQ(line.Coverage(distance), expected) << distance;
    line.SetHalfWidth(1.0); // the table follows parameter changes
    EXPECT_EQ(line.Coverage(65536), TAALineRec::Profile(1.0, 1.0, 0.4, 1.0));
}

TEST(AALine, ZeroLengthLineStampsOnePixel)
{
    QImage map = EmptyMap(5, 5);
    TAALineAlphaMap line;
    line.Bind(&map);
    line.Line(2, 3, 2, 3);
    EXPECT_EQ(At(map, 2, 3), 255);
    EXPECT_EQ(CountNonZero(map), 1);
}

TEST(AALine, AxisLineIsOnePixelWide)
{
    QImage map = EmptyMap(12, 5);
    TAALineAlphaMap line;
    line.Bind(&map);
    line.MoveTo(1, 2);
    line.LineTo(10, 2);
    EXPECT_EQ(line.Position(), QPoint(10, 2));
    for (int x = 1; x <= 10; ++x)
        EXPECT_EQ(At(map, x, 2), 255) << x;
    EXPECT_EQ(CountNonZero(map), 10); // the neighbours lie at distance 1.0: coverage 0
}

// On the diagonal the centre pixels lie on the line, and their neighbours along the minor
// axis at 46341 / 65536 (0.7071) pixels: table entry 45, P(45/64) = 86.
TEST(AALine, DiagonalLineHasSoftNeighbours)
{
    QImage map = EmptyMap(12, 12);
    TAALineAlphaMap line;
    line.Bind(&map);
    line.Line(9, 9, 1, 1); // drawn left to right whichever end comes first
    for (int i = 1; i <= 9; ++i) {
        EXPECT_EQ(At(map, i, i), 255);
        EXPECT_EQ(At(map, i, i + 1), 86);
        EXPECT_EQ(At(map, i, i - 1), 86);
    }
    EXPECT_EQ(CountNonZero(map), 9 * 3);
}

TEST(AALine, OverlapKeepsTheLargerValueAndOutsidePlotsAreIgnored)
{
    QImage map = EmptyMap(12, 12);
    map.fill(100);
    TAALineAlphaMap line;
    line.Bind(&map);
    line.Line(-40, -40, 50, 50);
    line.Line(-5, 6, 30, 6);
    EXPECT_EQ(At(map, 3, 3), 255);
    EXPECT_EQ(At(map, 3, 4), 100); // 86 does not lower 100
    EXPECT_EQ(At(map, 0, 6), 255);
    EXPECT_EQ(At(map, 11, 6), 255);
    EXPECT_EQ(At(map, 0, 0), 255);
    EXPECT_EQ(At(map, 11, 11), 255);
}

// A line that starts far outside the map is walked only where it crosses the map, and lands
// on the same pixels as the whole walk on a larger map.
TEST(AALine, PartlyVisibleLineMatchesTheWholeWalk)
{
    const struct {
        int x0, y0, x1, y1;
    } lines[] = {{-300, -77, 500, 211}, {480, -350, 3, 190}, {13, 700, 77, -900}, {-1000, 50, 1000, 50}};
    for (const auto& l : lines) {
        QImage whole = EmptyMap(1600, 1800);
        QImage part = EmptyMap(100, 100);
        TAALineAlphaMap line;
        line.SetHalfWidth(1.7);
        line.Bind(&whole);
        line.Line(l.x0 + 1000, l.y0 + 1000, l.x1 + 1000, l.y1 + 1000);
        line.Bind(&part);
        line.Line(l.x0, l.y0, l.x1, l.y1);
        EXPECT_EQ(part, whole.copy(1000, 1000, 100, 100)) << l.x0 << "," << l.y0;
        EXPECT_GT(CountNonZero(part), 0);
    }
}

TEST(AALine, HugeCoordinatesFinishQuickly)
{
    QImage map = EmptyMap(20, 20);
    TAALineAlphaMap line;
    line.Bind(&map);
    line.Line(INT_MIN, INT_MIN, INT_MAX, INT_MAX);
    line.Line(INT_MIN, 10, INT_MAX, 10);
    line.Line(5, INT_MAX, 5, INT_MIN);
    EXPECT_EQ(At(map, 0, 10), 255);
    EXPECT_EQ(At(map, 5, 0), 255);
}

TEST(AALine, RoundDot)
{
    QImage map = EmptyMap(9, 9);
    TAALineAlphaMap line;
    line.Bind(&map);
    line.Dot(4, 4); // the default dot is the single full pixel P(0)
    EXPECT_EQ(At(map, 4, 4), 255);
    EXPECT_EQ(CountNonZero(map), 1);

    // Half-width 1.5: m = 2; the axis cells at distance 1 hold P(1) = 255 and at 2 hold
    // P(2) = 0; the diagonal cells lie beyond m - 1 = 1.
    map.fill(0);
    line.SetHalfWidth(1.5);
    line.Dot(0, 4);
    EXPECT_EQ(At(map, 0, 4), 255);
    EXPECT_EQ(At(map, 1, 4), 255);
    EXPECT_EQ(At(map, 0, 3), 255);
    EXPECT_EQ(At(map, 0, 5), 255);
    EXPECT_EQ(CountNonZero(map), 4); // the left neighbour falls outside
}

TEST(AALine, UnboundOrWrongMapsAreIgnored)
{
    TAALineAlphaMap line;
    line.Line(0, 0, 10, 10);
    QImage colour(10, 10, QImage::Format_RGB32);
    colour.fill(0);
    line.Bind(&colour);
    EXPECT_EQ(line.AlphaMap(), nullptr);
    line.Line(0, 0, 10, 10);
    EXPECT_EQ(colour.pixel(5, 5), 0xFF000000u);
}
