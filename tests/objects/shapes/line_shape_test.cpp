#include "graphics/color/color_fill.h"
#include "graphics/color/gradation_colors.h"
#include "graphics/raster/arc.h"
#include "objects/shapes/curve_shape.h"
#include "shape_test_support.h"

#include <gtest/gtest.h>

namespace {

template <class Line = TLOLine>
std::unique_ptr<Line> MakeLine(QPoint start, QPoint end, int width = 10)
{
    auto line = std::make_unique<Line>();
    line->SetStartPoint(start);
    line->SetEndPoint(end);
    line->SetLineWidth(width);
    return line;
}

} // namespace

TEST(LineShape, AngleIsDerivedFromTheEndPoints)
{
    struct Case {
        QPoint end;
        int angle;
    };
    for (const Case& c : {Case{{100, 100}, 45}, Case{{-100, 0}, 180}, Case{{100, 0}, 0}, Case{{0, -100}, -90},
                          Case{{0, 100}, 90}}) {
        EXPECT_EQ(MakeLine({0, 0}, c.end)->Angle(), c.angle) << c.end.x() << "," << c.end.y();
    }
}

TEST(LineShape, SettingTheAngleTurnsAboutTheMidpoint)
{
    auto line = MakeLine({0, 0}, {200, 0});
    line->SetAngle(90);
    EXPECT_EQ(line->StartPoint(), QPoint(100, -100));
    EXPECT_EQ(line->EndPoint(), QPoint(100, 100));
    EXPECT_EQ(line->Angle(), 90);
}

TEST(LineShape, BoundsReachHalfTheWidthBeyondAndBesideAndResizeMovesTheEnd)
{
    auto line = MakeLine({0, 0}, {100, 0});
    EXPECT_EQ(line->GetBounds(), TRect(-5, -5, 105, 5));
    line->Resize(220, 10);
    EXPECT_EQ(line->StartPoint(), QPoint(0, 0));
    EXPECT_EQ(line->EndPoint(), QPoint(210, 0));
    // A line drawn leftwards keeps its end and moves its start.
    auto back = MakeLine({100, 0}, {0, 0});
    back->Resize(220, 10);
    EXPECT_EQ(back->EndPoint(), QPoint(0, 0));
    EXPECT_EQ(back->StartPoint(), QPoint(210, 0));
}

TEST(LineShape, MoveByMovesBothPointsAndHitTestFollowsThePen)
{
    auto line = MakeLine({0, 0}, {100, 0});
    line->MoveBy(10, 20);
    EXPECT_EQ(line->StartPoint(), QPoint(10, 20));
    EXPECT_EQ(line->EndPoint(), QPoint(110, 20));
    EXPECT_TRUE(line->HitTest({60, 24}));
    EXPECT_FALSE(line->HitTest({60, 40}));
}

TEST(LineShape, GradientAlongTheLineDoesNotDependOnTheClip)
{
    auto line = MakeLine({0, 0}, {200, 0}, 20);
    TColorSpec gradient;
    gradient.SetKind(cskGradation);
    gradient.SetGradDir(rgdLeftToRight);
    gradient.GradColors()->SetColors({0x000000, 0xFFFFFF});
    line->SetLineColor(gradient);

    TUnitCanvas whole({-50, -50, 250, 50});
    line->Paint(whole.Canvas());
    TUnitCanvas banded({-50, -50, 250, 50});
    banded.Canvas().IntersectClipRect({90, -20, 110, 20}); // one print band
    line->Paint(banded.Canvas());
    EXPECT_NE(whole.At(10, 0), whole.At(190, 0));
    for (int x = 90; x < 110; x += 4)
        EXPECT_EQ(banded.At(x, 0), whole.At(x, 0)) << x;
}

TEST(CurveShape, ZeroBulgeIsStraightAndNegativeBulgeLiesOnTheOtherSide)
{
    auto straight = MakeLine<TLOCurve>({0, 0}, {200, 0});
    straight->SetBulge(0);
    EXPECT_EQ(straight->GetBounds(), TRect(-5, -5, 205, 5));

    auto up = MakeLine<TLOCurve>({0, 0}, {200, 0});
    up->SetBulge(40);
    auto down = MakeLine<TLOCurve>({0, 0}, {200, 0});
    down->SetBulge(-40);
    const TRect a = up->GetBounds();
    const TRect b = down->GetBounds();
    EXPECT_NEAR(RectHeight(a), 50, 1);
    EXPECT_NEAR(RectHeight(b), 50, 1);
    // One arc rises above the chord, the other falls below it, as BulgePoint puts them.
    EXPECT_EQ(up->BulgePoint(), BulgePoint({0, 0}, {200, 0}, 40));
    EXPECT_TRUE((a.Top < -40 && b.Bottom > 40) || (a.Bottom > 40 && b.Top < -40));
    EXPECT_TRUE(up->HitTest(up->BulgePoint()));
    EXPECT_FALSE(up->HitTest(down->BulgePoint()));
}

TEST(CurveShape, BulgePointSetsTheSagitta)
{
    auto curve = MakeLine<TLOCurve>({0, 0}, {200, 0});
    curve->SetBulgePoint(BulgePoint({0, 0}, {200, 0}, 55));
    EXPECT_EQ(curve->Bulge(), 55);
}

TEST(CurveShape, ResizeScalesTheBulgeAlongTheChordsNormal)
{
    auto curve = MakeLine<TLOCurve>({0, 0}, {200, 0});
    curve->SetBulge(40);
    const TRect before = curve->GetBounds();
    curve->Resize(RectWidth(before), RectHeight(before) * 2);
    EXPECT_EQ(curve->StartPoint(), QPoint(0, 0));
    EXPECT_EQ(curve->EndPoint(), QPoint(200, 0));
    EXPECT_EQ(curve->Bulge(), 80);

    // Doubling the bounds doubles the chord (the bounds hold the line width besides) and
    // the bulge with it.
    auto both = MakeLine<TLOCurve>({0, 0}, {200, 0});
    both->SetBulge(40);
    const TRect box = both->GetBounds();
    both->Resize(RectWidth(box) * 2, RectHeight(box) * 2);
    EXPECT_EQ(both->EndPoint(), QPoint(400, 0));
    EXPECT_NEAR(both->Bulge(), 80, 1);
}
