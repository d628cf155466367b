// Tables that pin the geometry of snapping, handle layouts and the ghosts.
#include "editing_fixture.h"

#include "document/grid.h"
#include "editing/designers/ghost_designers.h"
#include "editing/ghosts/curve_ghost.h"
#include "editing/ghosts/line_ghost.h"
#include "editing/ghosts/move_ghost.h"
#include "editing/ghosts/rect_ghost.h"
#include "editing/ghosts/universal_ghost.h"
#include "editing/site/snapping.h"

#include <numbers>

namespace {

TEST(GridOffsetTest, SnapsToTheNearestLineOnBothSidesOfZero)
{
    struct Case { int pitch, p, offset; };
    const Case cases[] = {
        {50, 0, 0},    {50, 24, -24}, {50, 25, 25},  {50, 26, 24},  {50, 74, -24}, {50, -1, 1},
        {50, -24, 24}, {50, -26, -24}, {50, -60, 10}, {50, -75, 25}, {1, 7, 0},     {3, -4, 1},
        {0, 17, kNoSnap}, {-10, 17, kNoSnap},
    };
    for (const Case& c : cases)
        EXPECT_EQ(GridOffset(c.pitch, c.p), c.offset) << "pitch " << c.pitch << " p " << c.p;
}

TEST(GridGuideOffsetTest, TakesTheGridUnlessAGuideIsStrictlyNearer)
{
    TGrid grid;
    grid.SetEnabled(true);
    grid.SetSize(50);
    TGuide guide;
    guide.SetEnabled(true);
    guide.SetGuide(0, {104, 0});   // vertical at x = 104
    guide.SetGuide(1, {0, 207});   // horizontal at y = 207
    guide.SetGuide(2, {97, 0});    // vertical at x = 97
    struct Case { QPoint p; int dx, dy; };
    const Case cases[] = {
        {{100, 200}, 0, 0},   // on the grid; the guides at +4 and -3 are not nearer
        {{106, 205}, -2, 2},  // guide x 104 (-2) beats the grid (-6); guide y 207 (+2) beats it (-5)
        {{101, 210}, -1, -3}, // the grid's -1 beats the guides' +3; guide y -3 beats the grid's -10
        {{99, 250}, 1, 0},    // the grid's +1 beats the guide's -2; guide y 207 is out of reach
    };
    for (const Case& c : cases) {
        const TSnapOffset offset = GridGuideOffset(grid, guide, 10, c.p);
        EXPECT_EQ(offset.dx, c.dx) << c.p.x() << "," << c.p.y();
        EXPECT_EQ(offset.dy, c.dy) << c.p.x() << "," << c.p.y();
    }
}

TEST(GridGuideOffsetTest, EqualOffsetsKeepTheGridAndTiesKeepTheEarlierGuide)
{
    TGrid grid;
    grid.SetEnabled(true);
    grid.SetSize(10);
    TGuide guide;
    guide.SetEnabled(true);
    guide.SetGuide(0, {33, 0});
    guide.SetGuide(1, {27, 0});
    // From 32: the grid's -2 against the guides' +1 and -5.
    EXPECT_EQ(GridGuideOffset(grid, guide, 10, {32, 0}).dx, 1);
    // From 30: grid 0; guides +3/-3 are not nearer.
    EXPECT_EQ(GridGuideOffset(grid, guide, 10, {30, 0}).dx, 0);
    grid.SetEnabled(false);
    // Guides only, equally far (+3 and -3): the earlier slot wins.
    EXPECT_EQ(GridGuideOffset(grid, guide, 10, {30, 0}).dx, 3);
    // Outside the tolerance nothing snaps.
    EXPECT_EQ(GridGuideOffset(grid, guide, 2, {30, 0}).dx, kNoSnap);
    EXPECT_EQ(GridGuideOffset(grid, guide, 10, {30, 0}).dy, kNoSnap);
}

class SnapRuleTest : public EditingTest {};

TEST_F(SnapRuleTest, ToleranceIsTenDevicePixelsAtTheZoomAndAltSwitchesSnappingOff)
{
    TGrid grid;
    TGuide guide;
    guide.SetEnabled(true);
    guide.SetGuide(0, {120, 0});
    context.SetSnapRule(GridGuideSnapRule(grid, guide));
    EXPECT_EQ(context.SnapOffset(site, {110, 0}).dx, 10);
    EXPECT_EQ(context.SnapOffset(site, {109, 0}).dx, kNoSnap);
    site.Scaler().SetScale(200); // ten pixels are five units now
    EXPECT_EQ(context.SnapOffset(site, {115, 0}).dx, 5);
    EXPECT_EQ(context.SnapOffset(site, {114, 0}).dx, kNoSnap);

    // Alt held during a drag: no snapping, and pressing it mid-drag applies at once.
    TTestRect* rect = Add<TTestRect>(TRect(100, 100, 140, 140));
    site.Press(Qt::LeftButton, {110, 110}, 0);
    site.MoveTo({112, 300}, 0);
    site.ShiftChanged(ssAlt);
    site.Release(Qt::LeftButton, {112, 300}, ssAlt);
    EXPECT_EQ(rect->Left(), 102);
}

TEST(RectPivotLayoutTest, EightHandlesAndRotationHandlesWhenTurnable)
{
    const TRect r(100, 200, 300, 300);
    const std::vector<TPivotPlace> plain = RectPivotLayout(r, 0, false);
    const std::vector<TPivotPlace> expected = {
        {0, TPivotKind::Label, {100, 200}, TPivotCursor::SizeNWSE}, {1, TPivotKind::Label, {100, 250}, TPivotCursor::SizeWE},
        {2, TPivotKind::Label, {100, 300}, TPivotCursor::SizeNESW}, {3, TPivotKind::Label, {200, 200}, TPivotCursor::SizeNS},
        {4, TPivotKind::Label, {200, 300}, TPivotCursor::SizeNS},   {5, TPivotKind::Label, {300, 200}, TPivotCursor::SizeNESW},
        {6, TPivotKind::Label, {300, 250}, TPivotCursor::SizeWE},   {7, TPivotKind::Label, {300, 300}, TPivotCursor::SizeNWSE},
    };
    EXPECT_EQ(plain, expected);
    const std::vector<TPivotPlace> turned = RectPivotLayout(r, 90, true);
    ASSERT_EQ(turned.size(), 8u);
    EXPECT_EQ(turned[2].Index, 8);
    EXPECT_EQ(turned[2].Kind, TPivotKind::Rotate);
    EXPECT_EQ(turned[5].Cursor, TPivotCursor::Rotate);
    // Turned a quarter clockwise about (200, 250): the top-left corner goes to the top right.
    EXPECT_EQ(turned[0].Logical, QPoint(250, 150));
    EXPECT_EQ(turned[7].Logical, QPoint(150, 350));
}

class PivotTest : public EditingTest {};

TEST_F(PivotTest, HandlesPerObjectKindAndSelection)
{
    TTestText* text = Add<TTestText>(TRect(100, 100, 300, 200));
    text->SetSelected(true);
    std::vector<int> indices;
    for (const TPivot& pivot : site.Pivots())
        indices.push_back(pivot.Index);
    EXPECT_EQ(indices, (std::vector<int>{0, 1, 8, 3, 4, 8, 6, 7, 12}));

    text->SetBulgePoint({200, 150}); // bent: the arc's three handles
    indices.clear();
    for (const TPivot& pivot : site.Pivots())
        indices.push_back(pivot.Index);
    EXPECT_EQ(indices, (std::vector<int>{10, 11, 12}));

    TTestLine* line = Add<TTestLine>(QPoint(10, 10), QPoint(90, 10));
    TTestPlainRect* plain = Add<TTestPlainRect>(TRect(500, 500, 600, 600));
    site.SelectAll(true);
    EXPECT_EQ(site.Pivots().size(), 3u + 2u + 8u);
    for (const TPivot& pivot : site.Pivots())
        EXPECT_EQ(pivot.Cursor, TPivotCursor::Arrow);

    site.SelectAll(false);
    plain->SetSelected(true);
    plain->SetMovable(false);
    for (const TPivot& pivot : site.Pivots()) {
        EXPECT_FALSE(pivot.Movable);
        EXPECT_EQ(pivot.Cursor, TPivotCursor::Arrow);
    }
    (void)line;
}

TEST_F(PivotTest, HandleSquaresAreCentredOnTheirPointsInDevicePixels)
{
    site.Scaler().SetScale(200);
    TTestRect* rect = Add<TTestRect>(TRect(100, 100, 200, 200));
    rect->SetSelected(true);
    const TPivot& first = site.Pivots().front();
    EXPECT_EQ(first.Device, QRect(200 - 2, 200 - 2, 5, 5));
    const TPivot& rotate = site.Pivots()[2];
    EXPECT_EQ(rotate.Device.size(), QSize(6, 6));
    EXPECT_EQ(site.PivotAt({200, 200}), 0);
    EXPECT_EQ(site.PivotAt({260, 260}), -1);
}

TEST(RectResizeTest, TableOfHandlesSizesAndLocks)
{
    const TRect square(100, 100, 200, 200);
    const TRect wide(100, 100, 300, 200);
    struct Case { TRect target; int handle; QPoint delta; bool keep; TShiftState shift; TRect expected; };
    const Case cases[] = {
        {square, 7, {50, 30}, false, 0, {100, 100, 250, 230}},
        {square, 0, {-10, -20}, false, 0, {90, 80, 200, 200}},
        {square, 3, {40, -30}, false, 0, {100, 70, 200, 200}},  // an edge handle moves one edge
        {square, 6, {-95, 0}, false, 0, {100, 100, 120, 200}},  // minimum width 20
        {square, 6, {-95, 0}, false, ssCtrl, {100, 100, 105, 200}}, // no minimum with Ctrl
        {square, 1, {95, 0}, false, 0, {180, 100, 200, 200}},   // left handle keeps the right edge
        {square, 3, {0, 99}, false, 0, {100, 180, 200, 200}},
        {square, 7, {60, 10}, false, ssShift, {100, 100, 210, 210}}, // Shift locks a square: stays square
        {wide, 7, {100, 100}, true, 0, {100, 100, 400, 250}},   // keep-aspect fits 2:1 inside 300 x 200
        {wide, 7, {100, 100}, true, ssShift, {100, 100, 400, 300}}, // Shift undoes the lock
        {wide, 0, {-100, 0}, true, 0, {100, 100, 300, 200}},    // locked: the height limits the fit
        {wide, 0, {-100, -50}, true, 0, {0, 50, 300, 200}},    // locked corner, anchored bottom-right
    };
    for (const Case& c : cases)
        EXPECT_EQ(NormalizeRect(TRectGhost::Resized(c.target, c.handle, c.delta, c.keep, c.shift)), c.expected)
            << "handle " << c.handle << " delta " << c.delta.x() << "," << c.delta.y();
}

TEST(RotateGhostTest, ShiftStepsOf45)
{
    const QPoint centre(0, 0);
    const QPoint start(100, 0);
    const auto turnTo = [&](double degrees, TShiftState shift) {
        const double r = degrees * std::numbers::pi / 180;
        const QPoint end(std::lround(10000 * std::cos(r)), std::lround(10000 * std::sin(r)));
        return TRotateGhost::TurnedAngle(0, centre, start, end - start, shift);
    };
    EXPECT_EQ(turnTo(23, ssShift), 45);
    EXPECT_EQ(turnTo(22, ssShift), 0);
    EXPECT_EQ(turnTo(-23, ssShift), -45);
    EXPECT_EQ(turnTo(30, 0), 30);
    EXPECT_EQ(turnTo(-100, 0), -100);
    EXPECT_EQ(TRotateGhost::TurnedAngle(10, centre, start, QPoint(0, 0), 0), 10);
}

TEST(MoveOptionsTest, ModifiersChangeTheOptions)
{
    TMoveOptions all;
    all.CircumMove = all.ParallelMove = all.RotateMove = all.CircumRotate = true;
    const TMoveOptions alt = TMoveGhost::EffectiveOptions(all, ssAlt);
    EXPECT_FALSE(alt.CircumMove || alt.ParallelMove || alt.RotateMove || alt.CircumRotate);
    EXPECT_FALSE(TMoveGhost::EffectiveOptions(all, ssShift | ssAlt).CircumMove);
    EXPECT_TRUE(TMoveGhost::EffectiveOptions(all, ssShift).CircumPhased);
    EXPECT_TRUE(TMoveGhost::EffectiveOptions({}, ssShift).ParallelMove);
    const TMoveOptions ctrl = TMoveGhost::EffectiveOptions(all, ssCtrl);
    EXPECT_TRUE(ctrl.CircumMove && ctrl.ParallelMove && ctrl.RotateMove && ctrl.CircumRotate && !ctrl.CircumPhased);
}

TEST(ClampCentreTest, KeepsTheCentreTenUnitsInside)
{
    const TRect area(0, 0, 1000, 800);
    EXPECT_EQ(ClampCentre({-100, 10, 0, 50}, area), TRect(-40, 10, 60, 50));
    EXPECT_EQ(ClampCentre({980, 790, 1040, 830}, area), TRect(960, 770, 1020, 810));
    EXPECT_EQ(ClampCentre({100, 100, 200, 200}, area), TRect(100, 100, 200, 200));
}

TEST(LineGhostTest, ShiftMakesTheLineHorizontalOrVertical)
{
    EXPECT_EQ(TLineGhost::Constrained({100, 20}, {0, 0}), QPoint(100, 0));
    EXPECT_EQ(TLineGhost::Constrained({20, 100}, {0, 0}), QPoint(0, 100));
    EXPECT_EQ(TLineGhost::Constrained({50, 50}, {0, 0}), QPoint(0, 50));
}

TEST(CurveGhostTest, EndPointsMirrorAlongTheChordAndTheBulgeStaysNearIt)
{
    const TArcPoints arc{{0, 0}, {100, 0}, {50, -30}};
    // The start moves left and down: the end moves right and down.
    EXPECT_EQ(TCurveGhost::MovedEnd(arc, true, {-10, 20}, false), (TArcPoints{{-10, 20}, {110, 20}, {50, -30}}));
    EXPECT_EQ(TCurveGhost::MovedEnd(arc, true, {-10, 20}, true), (TArcPoints{{-10, 20}, {100, 0}, {50, -30}}));
    EXPECT_EQ(TCurveGhost::MovedBulge(arc, {50, -500}, 200).Bulge, QPoint(50, -200));
    EXPECT_EQ(TCurveGhost::MovedBulge(arc, {40, 120}, 200).Bulge, QPoint(40, 120));
    EXPECT_TRUE(IsStraightArc({{0, 0}, {100, 0}, {50, 0}}));
    EXPECT_FALSE(IsStraightArc(arc));
}

TEST(CurveGhostTest, CircularBulgeNeverWrapsTheArc)
{
    // A long arc dragged close to the centre: half its length over the minimum radius of 50
    // is far more than a half turn; the ends stay apart on the far side of the circle.
    const TArcPoints arc{{-2000, 0}, {2000, 0}, {0, -1500}};
    const TArcPoints laid = TCurveGhost::CircularBulge(arc, {0, 0}, {0, -10});
    EXPECT_EQ(laid.Bulge, QPoint(0, -10));
    // Capped just below a half turn, the ends meet at the bottom without crossing over.
    EXPECT_LE(laid.Start.x(), 0);
    EXPECT_GE(laid.End.x(), 0);
    EXPECT_GT(laid.Start.y(), 45);
    EXPECT_GT(laid.End.y(), 45);
    // A short arc keeps its length: half of 2 x 100 units on a circle of radius 500.
    const TArcPoints shortArc{{-100, 0}, {100, 0}, {0, 0}};
    const TArcPoints onCircle = TCurveGhost::CircularBulge(shortArc, {0, 0}, {0, -500});
    EXPECT_NEAR(onCircle.Start.x(), -500 * std::sin(0.2), 1);
    EXPECT_NEAR(onCircle.End.x(), 500 * std::sin(0.2), 1);
}

class MoveGeometryTest : public EditingTest {};

TEST_F(MoveGeometryTest, CircularStepsLandOnMultiplesOfTheStep)
{
    context.MoveOptions().CircumMove = true;
    context.MoveOptions().CircumPhased = true;
    context.MoveOptions().PhaseStep = 30;
    // Face centre (500, 400); the object centre sits 200 units to the right of it.
    TTestRect* rect = Add<TTestRect>(TRect(680, 380, 720, 420));
    Drag({700, 400}, {500 + 153, 400 + 129}); // 40 degrees: the nearest step is 30
    const QPoint centre = RectCenter(rect->BoundsRect()) - QPoint(500, 400);
    const double degrees = std::atan2(centre.y(), centre.x()) * 180 / std::numbers::pi;
    EXPECT_NEAR(degrees, 30, 0.5);
}

TEST_F(MoveGeometryTest, RadialDragMovesAlongTheDiameter)
{
    context.MoveOptions().CircumMove = true;
    TTestRect* rect = Add<TTestRect>(TRect(680, 380, 720, 420));
    Drag({700, 400}, {800, 405});
    EXPECT_EQ(rect->BoundsRect(), TRect(780, 380, 820, 420));
}

TEST_F(MoveGeometryTest, ParallelMoveKeepsTheLargerAxisAndCentresStayInside)
{
    context.MoveOptions().ParallelMove = true;
    TTestRect* rect = Add<TTestRect>(TRect(100, 100, 140, 140));
    Drag({120, 120}, {180, 140});
    EXPECT_EQ(rect->BoundsRect(), TRect(160, 100, 200, 140));
    context.MoveOptions().ParallelMove = false;
    Drag({180, 120}, {-500, -500});
    EXPECT_EQ(RectCenter(rect->BoundsRect()), QPoint(10, 10));
}

TEST_F(MoveGeometryTest, RotateMoveTurnsWithTheCentre)
{
    context.MoveOptions().RotateMove = true;
    TTestRect* rect = Add<TTestRect>(TRect(680, 380, 720, 420));
    Drag({700, 400}, {500, 600});
    EXPECT_EQ(rect->Angle(), 90);
}

} // namespace
