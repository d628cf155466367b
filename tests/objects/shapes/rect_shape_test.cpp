#include "core/canvas/memory_canvas.h"
#include "core/model/draw_site_model.h"
#include "graphics/color/color_fill.h"
#include "objects/rotated_resize.h"
#include "objects/shapes/rect_shape.h"
#include "shape_test_support.h"

#include <gtest/gtest.h>

namespace {

constexpr unsigned kRed = 0xFF0000;  // as the canvas shows it
constexpr unsigned kBlue = 0x0000FF; // as the canvas shows it

// A rectangle with a red frame and a blue interior.
std::unique_ptr<TLORect> Shape(const TRect& rect, int frameWidth, bool fill, bool circle = false)
{
    std::unique_ptr<TLORect> shape = circle ? std::make_unique<TLOCircle>() : std::make_unique<TLORect>();
    shape->SetBoundsRect(rect);
    shape->SetFrameWidth(frameWidth);
    shape->FrameColorSpec()->SetColor(0x0000FF); // red as 0x00BBGGRR
    shape->FillColorSpec()->SetColor(0xFF0000);  // blue
    shape->SetFillInside(fill);
    return shape;
}

void PaintOn(TLORect& shape, TUnitCanvas& target)
{
    shape.PaintTo(target.Canvas());
}

} // namespace

TEST(RectShape, BoundsIncludeTheWholeBandAndUnturnedResizeTakesItBackOff)
{
    auto rect = Shape({0, 0, 100, 60}, 10, false);
    EXPECT_EQ(rect->GetBounds(), TRect(-5, -5, 105, 65));
    rect->Resize(110, 70);
    EXPECT_EQ(rect->BoundsRect(), TRect(0, 0, 100, 60));
}

TEST(RectShape, ResizeNeverGivesANegativeSize)
{
    auto rect = Shape({0, 0, 100, 60}, 10, false);
    rect->Resize(4, 3);
    EXPECT_EQ(rect->BoundsRect(), TRect(0, 0, 0, 0));
}

TEST(RectShape, FrameAsWideAsTheShortSideHidesTheInterior)
{
    for (int frame : {59, 60, 80}) {
        SCOPED_TRACE(frame);
        auto rect = Shape({0, 0, 100, 60}, frame, true);
        TUnitCanvas target({-60, -60, 160, 120});
        PaintOn(*rect, target);
        const bool interior = frame < 60;
        EXPECT_EQ(target.At(50, 30) == kBlue, interior);
    }
}

TEST(RectShape, BandWiderThanTheRectangleCoversTheWholeRectangle)
{
    // A band of 80 on a 100 x 60 rectangle leaves no inner edge: everything from -40 to 140
    // and from -40 to 100 is frame.
    auto rect = Shape({0, 0, 100, 60}, 80, false);
    TUnitCanvas target({-60, -60, 160, 120});
    PaintOn(*rect, target);
    for (QPoint p : {QPoint(50, 30), QPoint(-39, -39), QPoint(139, 99), QPoint(0, 0)})
        EXPECT_EQ(target.At(p.x(), p.y()), kRed) << p.x() << "," << p.y();
    EXPECT_EQ(target.At(-41, 30), 0xFFFFFFu);
}

TEST(RectShape, BandIsCentredOnTheEdge)
{
    auto rect = Shape({0, 0, 100, 60}, 10, false);
    TUnitCanvas target({-20, -20, 120, 80});
    PaintOn(*rect, target);
    EXPECT_EQ(target.PaintedInRow(30, -20, 50), 10);
    EXPECT_EQ(target.At(-5, 30), kRed);
    EXPECT_EQ(target.At(4, 30), kRed);
    EXPECT_EQ(target.At(5, 30), 0xFFFFFFu);
    EXPECT_EQ(target.At(-5, -5), kRed); // square corner
}

TEST(RectShape, RoundedCornersHaveAThirdOfTheShortSideAsDiameter)
{
    auto rect = Shape({0, 0, 90, 300}, 10, false);
    rect->SetRoundRect(true);
    const TStroke& outline = rect->Outline();
    ASSERT_EQ(outline.Count(), 21);
    EXPECT_EQ(outline.Point(0), QPoint(90, 15)); // starts at (Right, Top + D div 2)
}

TEST(RectShape, UnframedUnfilledShapePaintsNothingButIsHitInside)
{
    for (bool circle : {false, true}) {
        auto rect = Shape({0, 0, 100, 60}, 0, false, circle);
        TUnitCanvas target({-20, -20, 120, 80});
        PaintOn(*rect, target);
        EXPECT_EQ(target.PaintedCount(), 0);
        EXPECT_TRUE(rect->HitTest({50, 30}));
        EXPECT_FALSE(rect->HitTest({150, 30}));
    }
}

TEST(RectShape, UnfilledShapeIsHitOnlyOnItsBand)
{
    auto rect = Shape({0, 0, 100, 60}, 10, false);
    EXPECT_TRUE(rect->HitTest({2, 30}));
    EXPECT_TRUE(rect->HitTest({-6, 30})); // the band plus a pixel's tolerance
    EXPECT_FALSE(rect->HitTest({50, 30}));
    rect->SetFillInside(true);
    EXPECT_TRUE(rect->HitTest({50, 30}));
}

TEST(RectShape, CircleIsAnEllipseInTheRectangle)
{
    auto circle = Shape({0, 0, 100, 60}, 4, true, true);
    TUnitCanvas target({-20, -20, 120, 80});
    PaintOn(*circle, target);
    EXPECT_EQ(target.At(50, 30), kBlue);
    EXPECT_EQ(target.At(1, 1), 0xFFFFFFu); // the rectangle's corner lies outside
    EXPECT_EQ(target.At(0, 30), kRed);
    EXPECT_EQ(target.At(50, 0), kRed);
}

TEST(RectShape, HairlineIsTwoScreenPixelsOnTheSiteAndOneUnitElsewhere)
{
    TDrawSiteModel site;
    site.Scaler().SetUnitDPI(254);
    site.SetLogSize(200, 200);
    auto* rect = static_cast<TLORect*>(site.AddObject(Shape({40, 40, 160, 160}, 1, false)));

    QImage screen = CreateBitmap({200, 200}, QImage::Format_RGB32, 254);
    {
        TMemoryCanvas canvas(screen, 254);
        site.Paint(canvas);
    }
    int screenBand = 0;
    for (int x = 0; x < 100; ++x)
        screenBand += (screen.pixel(x, 100) & 0xFFFFFF) == kRed;
    EXPECT_EQ(screenBand, 2);

    QImage exported = CreateBitmap({200, 200}, QImage::Format_RGB32, 254);
    {
        TMemoryCanvas canvas(exported, 254);
        site.DrawTo(canvas, {0, 0}, 100);
    }
    int exportBand = 0;
    for (int x = 0; x < 100; ++x)
        exportBand += (exported.pixel(x, 100) & 0xFFFFFF) == kRed;
    EXPECT_EQ(exportBand, 1);
    EXPECT_EQ(rect->FrameWidth(), 1);
}

TEST(RectShape, MaskCoversTheSquareCornersOfThePaintedBand)
{
    auto rect = Shape({0, 0, 100, 60}, 20, false);
    QImage mask(160, 120, QImage::Format_Grayscale8);
    mask.fill(0);
    {
        TMemoryCanvas canvas(mask, 254);
        canvas.SetWindowOrg({-30, -30});
        rect->PaintMask(canvas);
    }
    const auto at = [&](int x, int y) { return qGray(mask.pixel(x + 30, y + 30)); };
    EXPECT_EQ(at(-9, -9), 255); // the outer corner of the band, which a round pen would miss
    EXPECT_EQ(at(50, 30), 0);   // unfilled interior
    EXPECT_EQ(at(50, 5), 255);
    rect->SetFillInside(true);
    mask.fill(0);
    {
        TMemoryCanvas canvas(mask, 254);
        canvas.SetWindowOrg({-30, -30});
        rect->PaintMask(canvas);
    }
    EXPECT_EQ(at(50, 30), 255);
}

TEST(RectShape, TurnedResizeScalesTheSidesThatLieAlongEachBoundingSide)
{
    // Turned by 90 degrees, the rectangle's width runs down the page: doubling the bounding
    // height doubles its width.
    auto rect = Shape({0, 0, 100, 50}, 0, false);
    rect->SetAngle(90);
    const TRect bounds = rect->GetBounds();
    EXPECT_EQ(RectWidth(bounds), 50);
    EXPECT_EQ(RectHeight(bounds), 100);
    rect->Resize(50, 200);
    EXPECT_EQ(rect->Width(), 200);
    EXPECT_EQ(rect->Height(), 50);
}

TEST(RotatedResize, RatiosChangePlacesBeyondFortyFiveDegrees)
{
    struct Case {
        int angle;
        QSize expected;
    };
    // A 100 x 50 object whose box goes from 100 x 100 to 200 x 300.
    for (const Case& c : {Case{0, {200, 150}}, Case{30, {200, 150}}, Case{45, {200, 150}}, Case{60, {300, 100}},
                          Case{90, {300, 100}}, Case{-90, {300, 100}}, Case{180, {200, 150}}, Case{270, {300, 100}}}) {
        SCOPED_TRACE(c.angle);
        EXPECT_EQ(ScaleTurnedSize({100, 50}, c.angle, {200, 300}, {100, 100}), c.expected);
    }
    EXPECT_EQ(ScaleTurnedSize({100, 50}, 90, {200, 300}, {0, 100}), QSize(300, 50));
}
