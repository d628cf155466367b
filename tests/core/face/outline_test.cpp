#include "core/face/outline.h"
#include "face_test_support.h"

#include <cmath>
#include <gtest/gtest.h>
#include <numbers>

namespace {

// The on-curve points of a path (move, line and segment end points) in order.
std::vector<QPointF> Vertices(const QPainterPath& path)
{
    std::vector<QPointF> points;
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        const bool control = e.type == QPainterPath::CurveToElement ||
                             (e.type == QPainterPath::CurveToDataElement && i + 1 < path.elementCount() &&
                              path.elementAt(i + 1).type == QPainterPath::CurveToDataElement);
        if (!control)
            points.push_back(e);
    }
    return points;
}

// The largest distance of the path's flattened outline from a circle.
double MaxCircleError(const QPainterPath& path, QPointF centre, double radius)
{
    double worst = 0;
    for (int i = 0; i <= 400; ++i) {
        const QPointF p = path.pointAtPercent(i / 400.0);
        worst = std::max(worst, std::abs(std::hypot(p.x() - centre.x(), p.y() - centre.y()) - radius));
    }
    return worst;
}

} // namespace

TEST(ArcThrough, PassesTheMiddlePointInEitherDirection)
{
    struct Case {
        QPointF p, m, r;
        QRectF bounds; // of the arc: tells which way round it went
    };
    const Case cases[] = {
        {{100, 0}, {0, 100}, {-100, 0}, {-100, 0, 200, 100}},     // half turn through the bottom
        {{100, 0}, {0, -100}, {-100, 0}, {-100, -100, 200, 100}}, // half turn through the top
        {{100, 0}, {0, -100}, {0, 100}, {-100, -100, 200, 200}},  // three quarters
        {{100, 0}, {60, 80}, {0, 100}, {0, 0, 100, 100}},         // one quarter
    };
    for (const Case& c : cases) {
        QPainterPath path(c.p);
        AppendArcThrough(path, c.p, c.m, c.r);
        EXPECT_EQ(path.currentPosition(), c.r); // the end is exact
        EXPECT_LT(MaxCircleError(path, {0, 0}, 100), 0.05);
        const QRectF bounds = path.boundingRect();
        EXPECT_NEAR(bounds.left(), c.bounds.left(), 1);
        EXPECT_NEAR(bounds.top(), c.bounds.top(), 1);
        EXPECT_NEAR(bounds.right(), c.bounds.right(), 1);
        EXPECT_NEAR(bounds.bottom(), c.bounds.bottom(), 1);
    }
}

TEST(ArcThrough, CollinearPointsGiveStraightSegments)
{
    QPainterPath path(QPointF(0, 0));
    AppendArcThrough(path, {0, 0}, {5, 5}, {10, 10});
    EXPECT_EQ(Vertices(path), (std::vector<QPointF>{{0, 0}, {5, 5}, {10, 10}}));
    QPainterPath same(QPointF(3, 3));
    AppendArcThrough(same, {3, 3}, {3, 3}, {3, 3});
    EXPECT_EQ(same.boundingRect().size(), QSizeF(0, 0));
}

TEST(Barrel, SquareIsACircleWhoseArcsMeetOnTheCentreLine)
{
    const QPainterPath path = BarrelPath({0, 0, 1000, 1000});
    // f = 0: the upper arc runs from (left, centre) to (right, centre), the straight edge
    // has no length, and the lower arc runs back to (left, centre).
    const std::vector<QPointF> vertices = Vertices(path);
    ASSERT_GE(vertices.size(), 3u);
    EXPECT_EQ(vertices.front(), QPointF(0, 500));
    EXPECT_EQ(vertices.back(), QPointF(0, 500));
    EXPECT_NE(std::find(vertices.begin(), vertices.end(), QPointF(1000, 500)), vertices.end());
    for (const QPointF& vertex : vertices)
        EXPECT_TRUE(vertex.x() == 0 || vertex.x() == 1000 || std::abs(vertex.x() - 500) < 1e-6) << vertex.x();
    EXPECT_LT(MaxCircleError(path, {500, 500}, 500), 0.2);

    const QRegion barrel = OutlineRegion(TOutlineKind::Barrel, {0, 0, 1000, 1000});
    const QRegion circle = OutlineRegion(TOutlineKind::Ellipse, {0, 0, 1000, 1000});
    EXPECT_LT(RegionArea(barrel ^ circle), RegionArea(circle) / 500);
}

TEST(Barrel, WideAndTallCutTheCircleOnTheLongerSide)
{
    // Wide: circle of diameter 1200 about (600, 500), cut by y = 0 and y = 1000.
    const QRegion wide = OutlineRegion(TOutlineKind::Barrel, {0, 0, 1200, 1000});
    EXPECT_TRUE(wide.contains(QPoint(600, 0)));   // straight top edge
    EXPECT_TRUE(wide.contains(QPoint(0, 500)));   // arc touches the left side
    EXPECT_FALSE(wide.contains(QPoint(150, 60))); // cut-off corner
    EXPECT_TRUE(wide.contains(QPoint(300, 2)));   // within f = 331.7 of the centre
    EXPECT_FALSE(wide.contains(QPoint(260, 2)));
    // Tall: the same turned.
    const QRegion tall = OutlineRegion(TOutlineKind::Barrel, {0, 0, 1000, 1200});
    EXPECT_TRUE(tall.contains(QPoint(0, 600)));
    EXPECT_TRUE(tall.contains(QPoint(2, 300)));
    EXPECT_FALSE(tall.contains(QPoint(2, 260)));
    EXPECT_NEAR(RegionArea(wide), RegionArea(tall), RegionArea(wide) / 1000);
}

TEST(Barrel, EndPointsRoundHalvesToEven)
{
    // 101 x 99: centre x 50.5, f = sqrt(50.5^2 - 49.5^2) = 10, so x1 = round(40.5) = 40 and
    // x2 = round(60.5) = 60; the centre line y = round(49.5) = 50.
    const std::vector<QPointF> vertices = Vertices(BarrelPath({0, 0, 101, 99}));
    ASSERT_GE(vertices.size(), 4u);
    EXPECT_EQ(vertices.front(), QPointF(40, 99));
    EXPECT_NE(std::find(vertices.begin(), vertices.end(), QPointF(40, 0)), vertices.end());
    EXPECT_NE(std::find(vertices.begin(), vertices.end(), QPointF(60, 0)), vertices.end());
    EXPECT_NE(std::find(vertices.begin(), vertices.end(), QPointF(60, 99)), vertices.end());
    // The left arc passes through (Left, round(cy)).
    const QPainterPath path = BarrelPath({0, 0, 101, 99});
    double nearest = 1e9;
    for (int i = 0; i <= 1000; ++i) {
        const QPointF p = path.pointAtPercent(i / 1000.0);
        nearest = std::min(nearest, std::hypot(p.x() - 0, p.y() - 50));
    }
    EXPECT_LT(nearest, 0.5);
}

TEST(Outline, RoundRectCornersAndRectangleRegion)
{
    EXPECT_EQ(OutlineRegion(TOutlineKind::Rectangle, {5, 6, 15, 26}), QRegion(5, 6, 10, 20));
    EXPECT_EQ(OutlineRegion(TOutlineKind::Rectangle, {15, 26, 5, 6}), QRegion(5, 6, 10, 20));
    const QRegion rounded = OutlineRegion(TOutlineKind::RoundRect, {0, 0, 400, 300}, {100, 60});
    EXPECT_FALSE(rounded.contains(QPoint(10, 5)));  // outside the 50 x 30 corner arc
    EXPECT_TRUE(rounded.contains(QPoint(50, 1)));   // where the top edge begins
    EXPECT_TRUE(rounded.contains(QPoint(1, 30)));
    const double expected = 400.0 * 300 - (4 - std::numbers::pi) * 50 * 30;
    EXPECT_NEAR(RegionArea(rounded), expected, expected * 0.001);
}
