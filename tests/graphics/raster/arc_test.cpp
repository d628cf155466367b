#include "graphics/raster/arc.h"
#include "graphics/raster/arc_drawing.h"

#include <gtest/gtest.h>
#include <cmath>
#include <numbers>

namespace {

constexpr double kPi = std::numbers::pi;

} // namespace

TEST(Arc, Sagitta)
{
    const struct {
        QPoint p, m, r;
        int expected;
    } cases[] = {
        {{0, 0}, {50, 0}, {100, 0}, 0},    // collinear
        {{0, 0}, {0, 0}, {0, 0}, 0},       // coincident
        {{0, 0}, {50, -30}, {100, 0}, 30}, // minor arc above the chord
        {{0, 0}, {50, 30}, {100, 0}, -30}, // below: negative
        // Centre (50, -24.375), radius 55.625: m lies on the centre's side, so the height is
        // that of the major arc, 2 x 55.625 - 31.25 = 80.
        {{0, 0}, {50, -80}, {100, 0}, 80},
        {{0, 0}, {50, 80}, {100, 0}, -80},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Sagitta(c.p, c.m, c.r), c.expected) << c.m.x() << "," << c.m.y();
}

TEST(Arc, BulgePoint)
{
    EXPECT_EQ(BulgePoint({0, 0}, {100, 0}, 30), QPoint(50, -30));
    EXPECT_EQ(BulgePoint({0, 0}, {100, 0}, -30), QPoint(50, 30));
    EXPECT_EQ(BulgePoint({0, 0}, {0, 100}, 30), QPoint(30, 50));
    EXPECT_EQ(BulgePoint({0, 0}, {100, 0}, 5000), QPoint(50, -4000));
    EXPECT_EQ(BulgePoint({0, 0}, {100, 0}, -5000), QPoint(50, 4000));
    EXPECT_EQ(BulgePoint({7, 8}, {7, 8}, 30), QPoint(7, 8));
    // Truncated toward zero: (0 + 1.5 + 2 x 10 / 3.6055, 0 + 1 - 3 x 10 / 3.6055).
    EXPECT_EQ(BulgePoint({0, 0}, {3, 2}, 10), QPoint(7, -7));
}

TEST(Arc, Orientation)
{
    EXPECT_EQ(Orientation({0, 0}, {10, 0}, {10, 10}), -1); // clockwise on the page
    EXPECT_EQ(Orientation({0, 0}, {10, 0}, {10, -10}), 1);
    EXPECT_EQ(Orientation({0, 0}, {10, 0}, {20, 0}), 0);
    EXPECT_EQ(Orientation({INT_MIN, INT_MIN}, {INT_MAX, INT_MIN}, {INT_MAX, INT_MAX}), -1);
}

TEST(Arc, Circumcentre)
{
    const TCircle circle = Circumcentre({-100, 0}, {0, -100}, {100, 0});
    EXPECT_NEAR(circle.Centre.x(), 0, 1e-9);
    EXPECT_NEAR(circle.Centre.y(), 0, 1e-9);
    EXPECT_NEAR(circle.Radius, 100, 1e-9);
    // Collinear: the average of the points, radius to the middle one.
    const TCircle line = Circumcentre({0, 0}, {30, 0}, {90, 0});
    EXPECT_DOUBLE_EQ(line.Centre.x(), 40);
    EXPECT_DOUBLE_EQ(line.Centre.y(), 0);
    EXPECT_DOUBLE_EQ(line.Radius, 10);
}

// The circle through (0, 0), (50, -30) and (100, 0) has centre (50, 26.67) and radius 56.67.
TEST(Arc, ArcFrom3)
{
    const TArcRecord arc = ArcFrom3({0, 0}, {50, -30}, {100, 0});
    EXPECT_EQ(arc.CenterX, 50);
    EXPECT_EQ(arc.CenterY, 27);
    EXPECT_EQ(arc.Radius, 57);
    EXPECT_NEAR(arc.StartAngle, std::atan2(-27.0, -50.0) + 2 * kPi, 1e-12);
    EXPECT_NEAR(arc.EndAngle, std::atan2(-27.0, 50.0) + 2 * kPi, 1e-12);
    EXPECT_EQ(ArcFrom3({3, 3}, {3, 3}, {3, 3}), TArcRecord());
}

TEST(Arc, ArcFromChord)
{
    TArcRecord arc;
    ASSERT_TRUE(ArcFromChord({0, 0}, {100, 0}, 30, arc));
    // radius trunc(10000 / 240 + 15) = 56; the centre 26 below the chord, away from the bulge.
    EXPECT_EQ(arc.Radius, 56);
    EXPECT_EQ(arc.CenterX, 50);
    EXPECT_EQ(arc.CenterY, 26);
    EXPECT_NEAR(arc.StartAngle, std::atan2(-26.0, -50.0) + 2 * kPi, 1e-12);
    EXPECT_NEAR(arc.EndAngle, std::atan2(-26.0, 50.0) + 2 * kPi, 1e-12);

    ASSERT_TRUE(ArcFromChord({0, 0}, {100, 0}, -30, arc));
    EXPECT_EQ(arc.CenterY, -26);
    EXPECT_NEAR(arc.StartAngle, std::atan2(26.0, 50.0), 1e-12); // start and end swapped
    EXPECT_NEAR(arc.EndAngle, std::atan2(26.0, -50.0), 1e-12);

    ASSERT_TRUE(ArcFromChord({0, 0}, {101, 0}, 0, arc));
    EXPECT_EQ(arc.Radius, 50);
    EXPECT_EQ(arc.CenterX, 51); // 50.5 rounded away from zero

    const TArcRecord before = arc;
    EXPECT_FALSE(ArcFromChord({5, 5}, {5, 5}, 10, arc));
    EXPECT_EQ(arc, before);
}

TEST(Arc, ArcPointsAndBounds)
{
    TArcRecord arc{0, 0, 100, kPi / 4, 3 * kPi / 4};
    const TArcPoints points = ArcPoints(arc);
    EXPECT_EQ(points.Start, QPoint(71, 71));
    EXPECT_EQ(points.End, QPoint(-71, 71));
    EXPECT_EQ(points.Middle, QPoint(0, 100));
    EXPECT_EQ(ArcBounds(arc), TRect(-71, 71, 71, 100)); // crosses the bottom

    arc = {0, 0, 100, 7 * kPi / 4, kPi / 4}; // wraps through angle 0
    EXPECT_EQ(ArcPoints(arc).Middle, QPoint(100, 0));
    EXPECT_EQ(ArcBounds(arc), TRect(71, -71, 100, 71));

    arc = {0, 0, 100, 0.5, 0.4}; // all the way round within one quadrant
    EXPECT_EQ(ArcBounds(arc), TRect(-100, -100, 100, 100));

    arc = {10, 20, 100, 0.1, 0.2}; // no boundary crossed
    EXPECT_EQ(ArcBounds(arc), TRect(10 + 98, 20 + 10, 10 + 100, 20 + 20));
}

TEST(Arc, CollinearPointsDrawAStraightParabola)
{
    const QPolygon line = ArcPolyline({0, 0}, {50, 0}, {100, 0});
    const QPolygon expected = {QPoint(0, 0),  QPoint(13, 0), QPoint(25, 0), QPoint(38, 0), QPoint(50, 0),
                               QPoint(63, 0), QPoint(75, 0), QPoint(88, 0), QPoint(100, 0)};
    EXPECT_EQ(line, expected);

    // A flat arc (sagitta 20) is drawn as the parabola through the points: B(1/2) = m.
    const QPolygon flat = ArcPolyline({0, 0}, {50, -20}, {100, 0});
    ASSERT_EQ(flat.size(), 9);
    EXPECT_EQ(flat[4], QPoint(50, -20));
    EXPECT_EQ(flat[2], QPoint(25, -15)); // t = 1/4: 25 x 0 ... y = -80/4 + 2/16 x 40 = -15
}

TEST(Arc, RoundArcInTwoDegreeSteps)
{
    const QPolygon arc = ArcPolyline({-100, 0}, {0, -100}, {100, 0});
    // 180 degrees: the step 0.034906585 falls just short of 2 degrees, so 91 steps start
    // before the end angle, then the end point follows.
    ASSERT_EQ(arc.size(), 92);
    EXPECT_EQ(arc.front(), QPoint(-100, 0));
    EXPECT_EQ(arc[45], QPoint(0, -100));
    EXPECT_EQ(arc[90], QPoint(100, 0));
    EXPECT_EQ(arc.back(), QPoint(100, 0));
    for (const QPoint& p : arc)
        EXPECT_NEAR(std::hypot(p.x(), p.y()), 100, 0.75);
}

TEST(Arc, ThickOutlines)
{
    // Pen 10: half width 5; the parabola's points offset by 5.5 (rounded to 6) on each side.
    const QPolygon straight = ThickArcOutline({0, 0}, {50, 0}, {100, 0}, 10);
    const int xs[] = {0, 13, 25, 38, 50, 63, 75, 88, 100};
    ASSERT_EQ(straight.size(), 18);
    for (int i = 0; i < 9; ++i) {
        EXPECT_EQ(straight[i], QPoint(xs[i], 6));
        EXPECT_EQ(straight[17 - i], QPoint(xs[i], -6));
    }

    // An arc of radius 100: outer edge at 105 forward, inner edge at 95 backward, in steps of
    // 2 pi / 60 (whose 30th sum falls a rounding short of pi), each edge ending exactly at its
    // end angle.
    const QPolygon round = ThickArcOutline({-100, 0}, {0, -100}, {100, 0}, 10);
    ASSERT_EQ(round.size(), 64);
    EXPECT_EQ(round[0], QPoint(-105, 0));
    EXPECT_EQ(round[15], QPoint(0, -105));
    EXPECT_EQ(round[31], QPoint(105, 0));
    EXPECT_EQ(round[32], QPoint(95, 0));
    EXPECT_EQ(round[63], QPoint(-95, 0));
    for (int i = 0; i < 64; ++i)
        EXPECT_NEAR(std::hypot(round[i].x(), round[i].y()), i < 32 ? 105 : 95, 0.75) << i;

    // A pen wider than the arc's diameter keeps the inner edge at the centre.
    const QPolygon wide = ThickArcOutline({-30, 0}, {0, -30}, {30, 0}, 100);
    for (int i = int(wide.size()) / 2; i < wide.size(); ++i)
        EXPECT_EQ(wide[i], QPoint(0, 0));

    // A pen of width 0 or 1 still has a half width of 1.
    EXPECT_EQ(ThickArcOutline({0, 0}, {50, 0}, {100, 0}, 0)[0], QPoint(0, 2));
}
