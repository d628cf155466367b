#include "core/face/face_info.h"
#include "face_test_support.h"

#include <cmath>
#include <gtest/gtest.h>
#include <numbers>

namespace {

constexpr double kPi = std::numbers::pi;

// Area of the circle of diameter `diameter` cut to a band of height `band` through its
// centre (the barrel of a wide rectangle).
double BarrelArea(double diameter, double band)
{
    const double r = diameter / 2;
    const double y = band / 2;
    return 2 * (y * std::sqrt(r * r - y * y) + r * r * std::asin(y / r));
}

} // namespace

TEST(FaceInfo, DefaultsAndPublishedProperties)
{
    const TFaceInfo info;
    EXPECT_EQ(info.CutCenterWidth(), 410);
    EXPECT_EQ(info.CutCenterHeight(), 410);
    EXPECT_EQ(info.FaceShape(), fsRect);
    EXPECT_EQ(info.CenterShape(), csEllipse);
    EXPECT_EQ(info.RoundSize(), 100);
    EXPECT_EQ(info.FaceMargin(), 0);
    EXPECT_TRUE(info.FacePurpose().isEmpty());

    struct Published {
        const char* name;
        std::int64_t defaultValue;
    };
    const Published expected[] = {{"CutCenterWidth", 410}, {"CutCenterHeight", 410}, {"FaceShape", fsRect},
                                  {"FacePurpose", -1},     {"FaceMargin", 0},       {"CenterShape", csEllipse},
                                  {"RoundSize", 100}};
    const auto& properties = TFaceInfo::StaticClassInfo().Properties();
    ASSERT_EQ(properties.size(), std::size(expected));
    for (std::size_t i = 0; i < properties.size(); ++i) {
        EXPECT_STREQ(properties[i]->Name, expected[i].name);
        if (expected[i].defaultValue >= 0) {
            EXPECT_EQ(properties[i]->DefaultValue, expected[i].defaultValue) << expected[i].name;
        }
    }
    EXPECT_STREQ(FaceShapeType.IdentifierOf(fsBarrelCD), "fsBarrelCD");
    EXPECT_EQ(CenterShapeType.ValueOf("csbarrel"), csBarrel);
}

TEST(FaceInfo, ShapeDisplayNamesInEnumerationOrder)
{
    const QStringList names = FaceShapeDisplayNames();
    ASSERT_EQ(names.size(), 6);
    EXPECT_EQ(names[fsRect], QStringLiteral("角ラベル"));
    EXPECT_EQ(names[fsDoughnut], QStringLiteral("CDラベル"));
    EXPECT_EQ(names[fsBarrelCD], QStringLiteral("樽CDラベル"));
}

TEST(FaceInfo, MarginGrowsOuterAndShrinksInnerHole)
{
    TFaceInfo info = MakeFace(fsDoughnut, {100, 200, 1300, 1400}, 20);
    EXPECT_EQ(info.OuterRect(), TRect(80, 180, 1320, 1420));
    EXPECT_EQ(info.HoleRect(), TRect(495, 595, 905, 1005));
    EXPECT_EQ(info.InnerHoleRect(), TRect(515, 615, 885, 985));

    info.SetOuterRect({0, 0, 1000, 800});
    EXPECT_EQ(info.FaceRect(), TRect(20, 20, 980, 780));
    EXPECT_EQ(info.OuterRect(), TRect(0, 0, 1000, 800));

    info.SetCutCenterSize(150);
    EXPECT_EQ(info.CutCenterWidth(), 150);
    EXPECT_EQ(info.CutCenterHeight(), 150);
}

TEST(FaceInfo, HoleOffsetTruncatesTowardZero)
{
    TFaceInfo info = MakeFace(fsDoughnut, {1000, 2000, 1380, 2409});
    // (380 - 410) / 2 = -15 and (409 - 410) / 2 = 0, not -1.
    EXPECT_EQ(info.HoleRect(), TRect(985, 2000, 1395, 2410));
    info.SetCutCenterWidth(411);
    EXPECT_EQ(info.HoleRect().Left, 1000 - 15); // -31 / 2 = -15
}

TEST(FaceInfo, ShapeClasses)
{
    struct Case {
        TFaceShape shape;
        bool hole, rounded;
    };
    const Case cases[] = {{fsRect, false, false},     {fsDoughnut, true, false}, {fsEllipse, false, false},
                          {fsRoundRect, false, true}, {fsRectCD, true, true},    {fsBarrelCD, true, false}};
    for (const Case& c : cases) {
        TFaceInfo info;
        info.SetFaceShape(c.shape);
        EXPECT_EQ(info.HasHole(), c.hole) << c.shape;
        EXPECT_EQ(info.IsRounded(), c.rounded) << c.shape;
    }
}

TEST(FaceInfo, LegacyTypes)
{
    struct Case {
        int type;
        TFaceShape shape;
        const char* purpose;
    };
    const Case cases[] = {{0, fsRect, ""},          {1, fsDoughnut, "CD"},      {2, fsRect, "CDCover"},
                          {3, fsRect, "CDCaseTray"}, {4, fsRect, "MOSquare"},    {5, fsRect, "MOSquare"},
                          {6, fsEllipse, ""},        {7, fsRoundRect, ""},       {8, fsBarrelCD, "Keep"},
                          {-1, fsBarrelCD, "Keep"}};
    for (const Case& c : cases) {
        TFaceInfo info = MakeFace(fsBarrelCD, {}, 0, QStringLiteral("Keep"));
        info.SetLegacyType(c.type);
        EXPECT_EQ(info.FaceShape(), c.shape) << c.type;
        EXPECT_EQ(info.FacePurpose(), QString::fromLatin1(c.purpose)) << c.type;
    }
}

TEST(FaceInfo, CopyAndAssignTakeEveryField)
{
    TFaceInfo source = MakeFace(fsRectCD, {1, 2, 3, 4}, 5, QStringLiteral("CDCover"));
    source.SetCutCenterWidth(6);
    source.SetCutCenterHeight(7);
    source.SetCenterShape(csBarrel);
    source.SetRoundSize(8);
    TFaceInfo assigned;
    assigned.Assign(source);
    EXPECT_EQ(assigned, source);
    const TFaceInfo copied(source);
    EXPECT_EQ(copied, source);
    assigned.SetRoundSize(9);
    EXPECT_FALSE(assigned == source);
}

// Each shape's region on a 1200 x 1000 face at (100, 100): its area against the shape's
// geometry, and points that tell the shapes apart.
TEST(FaceRegion, ShapeTable)
{
    const TRect face{100, 100, 1300, 1100};
    const double hole = kPi / 4 * 410 * 410;
    const double ellipse = kPi / 4 * 1200 * 1000;
    const double roundRect = 1200.0 * 1000 - (4 - kPi) * 50 * 50;
    const double barrel = BarrelArea(1200, 1000);
    struct Case {
        TFaceShape shape;
        double area;
        bool corner, roundCorner, holeCentre, belowTopEdge;
    };
    const Case cases[] = {
        // shape        area              (102,102) (130,130) (700,600) (500,110)
        {fsRect, 1200.0 * 1000, true, true, true, true},
        {fsEllipse, ellipse, false, false, true, false},
        {fsDoughnut, ellipse - hole, false, false, false, false},
        {fsRoundRect, roundRect, false, true, true, true},
        {fsRectCD, roundRect - hole, false, true, false, true},
        {fsBarrelCD, barrel - hole, false, false, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "shape " << c.shape);
        const TFaceInfo info = MakeFace(c.shape, face);
        const QRegion region = info.CreateRegion(nullptr, true);
        EXPECT_NEAR(RegionArea(region), c.area, c.area * 0.001);
        EXPECT_EQ(region.contains(QPoint(102, 102)), c.corner);
        EXPECT_EQ(region.contains(QPoint(130, 130)), c.roundCorner);
        EXPECT_EQ(region.contains(QPoint(700, 600)), c.holeCentre);
        EXPECT_EQ(region.contains(QPoint(500, 110)), c.belowTopEdge);
        // Left and top edges belong to the region, right and bottom edges do not.
        EXPECT_TRUE(region.contains(QPoint(100, 600)) || c.shape == fsBarrelCD);
        EXPECT_TRUE(region.contains(QPoint(1299, 600)));
        EXPECT_FALSE(region.contains(QPoint(1300, 600)));
        EXPECT_FALSE(region.contains(QPoint(700, 1100)));
        // Curved outlines touch the rectangle's edges in single points, which may fall out.
        const QRect bounds = region.boundingRect();
        EXPECT_TRUE(face.ToQRect().contains(bounds));
        EXPECT_GE(bounds.width(), RectWidth(face) - 1);
        EXPECT_GE(bounds.height(), RectHeight(face) - 1);
        // Without the hole every shape covers its centre.
        EXPECT_TRUE(info.CreateRegion(nullptr, false).contains(QPoint(700, 600)));
    }
}

TEST(FaceRegion, BarrelHoleAndMargin)
{
    TFaceInfo info = MakeFace(fsDoughnut, {0, 0, 1200, 1200}, 20);
    info.SetCenterShape(csBarrel);
    info.SetCutCenterWidth(410);
    info.SetCutCenterHeight(300);
    const QRegion region = info.CreateRegion(nullptr, true);
    EXPECT_EQ(region.boundingRect(), QRect(-20, -20, 1240, 1240));
    // Inner hole: (415, 465, 785, 735) deflated to (435, 465+20, ...); a barrel, not an ellipse.
    const TRect inner = info.InnerHoleRect();
    EXPECT_EQ(inner, TRect(415, 470, 785, 730));
    EXPECT_FALSE(region.contains(QPoint(600, 600)));
    EXPECT_FALSE(region.contains(QPoint(inner.Left + 60, inner.Top + 3))); // outside an ellipse, inside the barrel
    EXPECT_TRUE(region.contains(QPoint(inner.Left + 2, inner.Top + 2)));  // cut-off corner of the barrel
    const double expected = kPi / 4 * 1240 * 1240 - BarrelArea(370, 260);
    EXPECT_NEAR(RegionArea(region), expected, expected * 0.001);
}

TEST(FaceRegion, DeviceUnitsFollowTheCanvasMapping)
{
    TUnitCanvas unit({800, 800}, 50); // two logical units per pixel
    TFaceInfo info = MakeFace(fsRectCD, {100, 100, 1300, 1100});
    const QRegion device = info.CreateRegion(&unit.canvas, true);
    EXPECT_EQ(device.boundingRect(), QRect(50, 50, 600, 500));
    EXPECT_FALSE(device.contains(QPoint(350, 300))); // hole
    // The 100-unit corner becomes 50 pixels: (60, 60) lies inside the 25-pixel corner arc.
    EXPECT_TRUE(device.contains(QPoint(60, 60)));
    EXPECT_FALSE(device.contains(QPoint(54, 54)));
    const double expected = 600.0 * 500 - (4 - kPi) * 25 * 25 - kPi / 4 * 205 * 205;
    EXPECT_NEAR(RegionArea(device), expected, expected * 0.002);

    // An origin offset on the canvas moves the region with it.
    unit.canvas.SetViewportOrg({10, 20});
    EXPECT_EQ(info.CreateRegion(&unit.canvas, false).boundingRect(), QRect(60, 70, 600, 500));
}

TEST(FaceRegion, EmptyFaceHasEmptyRegion)
{
    EXPECT_TRUE(MakeFace(fsDoughnut, {}).CreateRegion(nullptr, true).isEmpty());
    EXPECT_TRUE(MakeFace(fsBarrelCD, {10, 10, 10, 500}).CreateRegion(nullptr, true).isEmpty());
}
