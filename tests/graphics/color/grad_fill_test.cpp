#include "core/canvas/memory_canvas.h"
#include "graphics/color/fill_gradation.h"
#include "graphics/color/grad_fill.h"
#include "graphics/raster/resample.h"

#include <climits>
#include <functional>
#include <typeinfo>
#include <gtest/gtest.h>

namespace {

using Entry = TGradFill::TPaletteEntry;

struct Cell {
    int x;
    int y;
    int index;
};

void ExpectCells(TGradFill& fill, const std::vector<Cell>& cells, const char* what)
{
    fill.BuildMap();
    for (const Cell& cell : cells)
        EXPECT_EQ(fill.MapIndex(cell.x, cell.y), cell.index) << what << " (" << cell.x << ", " << cell.y << ")";
}

bool MirrorSymmetric(TGradFill& fill)
{
    fill.BuildMap();
    for (int y = 0; y < kGradMapSize; ++y)
        for (int x = 0; x < kGradMapSize; ++x)
            if (fill.MapIndex(x, y) != fill.MapIndex(kGradMapSize - 1 - x, y) ||
                fill.MapIndex(x, y) != fill.MapIndex(y, x))
                return false;
    return true;
}

Entry Rgb(int r, int g, int b)
{
    return {std::uint8_t(r), std::uint8_t(g), std::uint8_t(b)};
}

Entry PaletteOf(TGradFill& fill, const std::vector<TColor>& colors, int a)
{
    fill.SetColors(colors.data(), int(colors.size()));
    fill.BuildPalette();
    return fill.PaletteEntry(a);
}

QImage Canvas(int width, int height, QRgb fill = qRgb(255, 255, 255))
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(fill);
    return image;
}

} // namespace

TEST(GradFill, LinearMapRunsAlongTheAngle)
{
    struct Case {
        int angle;
        std::vector<Cell> cells;
    };
    const std::vector<Case> cases{
        {270, {{0, 0, 0}, {0, 127, 0}, {127, 0, 1023}, {127, 127, 1023}, {64, 30, 516}}}, // left to right
        {0, {{0, 0, 0}, {127, 0, 0}, {0, 127, 1023}, {127, 127, 1023}}},                  // top to bottom
        {90, {{0, 0, 1023}, {127, 64, 0}}},                                                // right to left
        {180, {{5, 0, 1023}, {5, 127, 0}}},                                                // bottom to top
        {360, {{0, 0, 0}, {0, 127, 1023}}},                                                // as 0
        {45, {{127, 0, 0}, {0, 127, 1023}}},   // top-right corner to bottom-left corner
        {315, {{0, 0, 0}, {127, 127, 1023}}},  // top-left to bottom-right
        {135, {{127, 127, 0}, {0, 0, 1023}}},  // bottom-right to top-left
        {225, {{0, 127, 0}, {127, 0, 1023}}},  // bottom-left to top-right
    };
    for (const Case& c : cases) {
        TGradFillAngled fill(c.angle);
        ExpectCells(fill, c.cells, ("angle " + std::to_string(c.angle)).c_str());
    }
    // 270: every row alike, the index never falling from left to right.
    TGradFillAngled across(270);
    across.BuildMap();
    for (int y = 0; y < kGradMapSize; ++y)
        for (int x = 1; x < kGradMapSize; ++x) {
            EXPECT_EQ(across.MapIndex(x, y), across.MapIndex(x, 0));
            EXPECT_GE(across.MapIndex(x, y), across.MapIndex(x - 1, y));
        }
}

TEST(GradFill, BoxMapFromCentreToBorder)
{
    // Angle 0: u = 528416 y, w = 528416 x; the four centre cells give
    // |2 x 528416 x 63 - 2^26| div 65536 = 528448 div 65536 = 8.
    TGradFillDiamond box(0);
    ExpectCells(box, {{63, 63, 8}, {64, 64, 8}, {63, 64, 8}, {64, 63, 8}, {0, 0, 1023}, {127, 127, 1023},
                      {0, 64, 1023}, {64, 127, 1023}, {32, 64, 507}},
                "box 0");
    EXPECT_TRUE(MirrorSymmetric(box));
    // Turned by 45 degrees the corners lie beyond the border and the edge midpoints inside.
    TGradFillDiamond turned(45);
    turned.BuildMap();
    EXPECT_EQ(turned.MapIndex(0, 0), 1023);
    EXPECT_LT(turned.MapIndex(0, 64), 1023);
    EXPECT_LE(turned.MapIndex(64, 64), 8);
}

TEST(GradFill, CircleMapByDistance)
{
    // d = round(hypot(x - 63.5, y - 63.5) x 4096): centre cells 2896 -> 8; edge midpoints
    // 260104 -> 724; the corners reach the radius -> 1023.
    TGradFillCircle circle;
    ExpectCells(circle, {{63, 63, 8}, {64, 64, 8}, {0, 63, 724}, {63, 0, 724}, {127, 64, 724}, {32, 32, 508},
                         {0, 0, 1023}, {127, 127, 1023}, {0, 127, 1023}},
                "circle");
    EXPECT_TRUE(MirrorSymmetric(circle));
}

TEST(GradFill, ConeMapByDirection)
{
    // Angle 0 starts straight up and runs counter-clockwise on the page: up 0 / 1023, left
    // 255, down 512, right 769. The angle turns the start: 90 puts it at the right.
    TGradFillCone cone(0);
    ExpectCells(cone, {{63, 0, 1}, {64, 0, 1023}, {0, 63, 255}, {0, 64, 257}, {63, 127, 511}, {64, 127, 513},
                       {127, 64, 767}, {127, 63, 769}},
                "cone 0");
    TGradFillCone turned(90);
    ExpectCells(turned, {{127, 63, 1}, {127, 64, 1023}, {63, 0, 257}, {0, 63, 511}}, "cone 90");
    TGradFillCone full(360);
    full.BuildMap();
    for (int y = 0; y < kGradMapSize; ++y)
        for (int x = 0; x < kGradMapSize; ++x)
            ASSERT_EQ(full.MapIndex(x, y), cone.MapIndex(x, y));
}

TEST(GradFill, ConeClosesWithoutSeam)
{
    // Colours (A, B): the palette runs A -> B -> A, so the cells either side of the seam
    // straight up show nearly the same colour.
    const std::vector<TColor> colors{0x0000FF, 0xFF0000};
    TGradFillCone cone(0);
    cone.SetColors(colors.data(), 2);
    QImage map;
    cone.RenderMap(map);
    EXPECT_EQ(cone.PaletteEntry(0), Rgb(255, 0, 0));
    // Entry 512: p = 512 x 2 / 1024 = 1, colour B exactly.
    EXPECT_EQ(cone.PaletteEntry(512), Rgb(0, 0, 255));
    const QColor left = map.pixelColor(63, 0);
    const QColor right = map.pixelColor(64, 0);
    EXPECT_LE(std::abs(left.red() - right.red()), 2);
    EXPECT_LE(std::abs(left.blue() - right.blue()), 2);
    EXPECT_GE(left.red(), 250);
    EXPECT_GE(right.red(), 250);
}

TEST(GradFill, PaletteSpreadsTheColours)
{
    TGradFillAngled fill(270);
    // One colour fills uniformly.
    for (int a : {0, 511, 1023})
        EXPECT_EQ(PaletteOf(fill, {0x336699}, a), Rgb(0x99, 0x66, 0x33));
    // Black to white: trunc(a / 1024 x 255).
    EXPECT_EQ(PaletteOf(fill, {0x000000, 0xFFFFFF}, 0), Rgb(0, 0, 0));
    EXPECT_EQ(PaletteOf(fill, {0x000000, 0xFFFFFF}, 512), Rgb(127, 127, 127));
    EXPECT_EQ(PaletteOf(fill, {0x000000, 0xFFFFFF}, 1023), Rgb(254, 254, 254));
    // Red, green, blue: p = a / 512; entry 256 is half way red -> green, trunc(-127.5) = -127.
    const std::vector<TColor> rgb{0x0000FF, 0x00FF00, 0xFF0000};
    EXPECT_EQ(PaletteOf(fill, rgb, 256), Rgb(128, 127, 0));
    EXPECT_EQ(PaletteOf(fill, rgb, 512), Rgb(0, 255, 0));
    EXPECT_EQ(PaletteOf(fill, rgb, 768), Rgb(0, 128, 127));
    // Reversed, entry 0 is where entry 1023 was.
    fill.SetReverse(true);
    EXPECT_EQ(PaletteOf(fill, {0x000000, 0xFFFFFF}, 0), Rgb(254, 254, 254));
}

TEST(GradFill, RepeatedColoursOverThePalette)
{
    // (red, blue) three times: six colours, p = a x 5 / 1024.
    const std::vector<TColor> six{0x0000FF, 0xFF0000, 0x0000FF, 0xFF0000, 0x0000FF, 0xFF0000};
    TGradFillAngled fill(270);
    EXPECT_EQ(PaletteOf(fill, six, 0), Rgb(255, 0, 0));
    EXPECT_EQ(PaletteOf(fill, six, 102), Rgb(128, 0, 127)); // p 0.498: half way red -> blue
    EXPECT_EQ(PaletteOf(fill, six, 205), Rgb(0, 0, 255));   // p 1.001: blue
    EXPECT_EQ(PaletteOf(fill, six, 410), Rgb(255, 0, 0));   // p 2.002: red again
    EXPECT_EQ(PaletteOf(fill, six, 1023), Rgb(2, 0, 253));  // p 4.995: nearly the last blue
}

TEST(GradFill, AngleNormalisation)
{
    const std::pair<int, int> cases[] = {{360, 360}, {-90, 270}, {0, 0}, {45, 45}, {361, 1},  {720, 360},
                                         {-360, 0},  {-1, 359},  {INT_MAX, 127}, {INT_MIN, 232}};
    for (const auto& [angle, normal] : cases)
        EXPECT_EQ(NormalizeGradAngle(angle), normal) << angle;
}

TEST(GradFill, KindsChooseTheRasteriserAndItsDirection)
{
    // Three colours, so that a reversed cone palette (black, red, white, black) differs from
    // the plain one (black, white, red, black).
    const std::vector<TColor> colors{0x000000, 0xFFFFFF, 0x0000FF};
    using Make = std::function<std::unique_ptr<TGradFill>()>;
    const Make angled = [] { return std::make_unique<TGradFillAngled>(0); };
    const Make box = [] { return std::make_unique<TGradFillDiamond>(0); };
    const Make circle = [] { return std::make_unique<TGradFillCircle>(); };
    const Make cone = [] { return std::make_unique<TGradFillCone>(0); };
    const struct {
        rgGradationKind kind;
        Make make;
        bool reversed;
    } cases[] = {
        {rgkSimple, angled, false},      {rgkBoxToRim, box, true},      {rgkBoxToCenter, box, false},
        {rgkCircleToRim, circle, true},  {rgkCircleToCenter, circle, false},
        {rgkConeClockwise, cone, true},  {rgkConeCounterClockwise, cone, false},
    };
    for (const auto& c : cases) {
        const std::unique_ptr<TGradFill> chosen = CreateGradFill(c.kind, 0);
        const std::unique_ptr<TGradFill> expected = c.make();
        expected->SetReverse(c.reversed);
        QImage chosenMap;
        QImage expectedMap;
        for (TGradFill* fill : {chosen.get(), expected.get()})
            fill->SetColors(colors.data(), int(colors.size()));
        chosen->RenderMap(chosenMap);
        expected->RenderMap(expectedMap);
        EXPECT_EQ(typeid(*chosen), typeid(*expected)) << c.kind;
        EXPECT_EQ(chosenMap, expectedMap) << c.kind;
    }
}

TEST(FillGradation, ScreenStretchesTheMap)
{
    const std::vector<TColor> colors{0x0000FF, 0x00FF00, 0xFF0000};
    TGradFillCone fill(30);
    fill.SetColors(colors.data(), 3);
    QImage map;
    fill.RenderMap(map);
    QImage image = Canvas(128, 128);
    {
        TMemoryCanvas canvas(image);
        FillGradation(canvas, TRect(0, 0, 128, 128), colors.data(), 3, false, 30, rgkConeCounterClockwise);
    }
    EXPECT_EQ(image, map.convertToFormat(QImage::Format_RGB32));
}

TEST(FillGradation, PrinterResamplesOnlyTheVisibleBand)
{
    const std::vector<TColor> colors{0x0000FF, 0xFF0000};
    TGradFillAngled fill(315);
    fill.SetColors(colors.data(), 2);
    QImage map;
    fill.RenderMap(map);
    QImage whole(300, 200, QImage::Format_BGR888);
    Resample(whole, map, TResampleFilter::Linear);

    // A band of rows 50 .. 99 of a page whose rectangle starts 20 pixels above the band.
    QImage band = Canvas(300, 50, qRgb(1, 2, 3));
    {
        TMemoryCanvas canvas(band);
        canvas.SetPrinterCanvas(true);
        canvas.SetViewportOrg(QPoint(0, -50));
        FillGradation(canvas, TRect(0, 0, 300, 200), colors.data(), 2, false, 315, rgkSimple);
    }
    EXPECT_EQ(band, whole.copy(0, 50, 300, 50).convertToFormat(QImage::Format_RGB32));
    // A 24-bit band gets the same pixels.
    QImage band24(300, 50, QImage::Format_BGR888);
    {
        TMemoryCanvas canvas(band24);
        canvas.SetPrinterCanvas(true);
        canvas.SetViewportOrg(QPoint(0, -50));
        FillGradation(canvas, TRect(0, 0, 300, 200), colors.data(), 2, false, 315, rgkSimple);
    }
    EXPECT_EQ(band24, whole.copy(0, 50, 300, 50));

    // A clip inside the band: pixels outside it stay.
    QImage clipped = Canvas(300, 200, qRgb(1, 2, 3));
    {
        TMemoryCanvas canvas(clipped);
        canvas.SetPrinterCanvas(true);
        canvas.SetClipRegion(QRegion(100, 60, 50, 40));
        FillGradation(canvas, TRect(0, 0, 300, 200), colors.data(), 2, false, 315, rgkSimple);
    }
    EXPECT_EQ(clipped.pixel(99, 70), qRgb(1, 2, 3));
    EXPECT_EQ(clipped.pixel(120, 59), qRgb(1, 2, 3));
    EXPECT_EQ(clipped.copy(100, 60, 50, 40), whole.copy(100, 60, 50, 40).convertToFormat(QImage::Format_RGB32));
}

TEST(FillGradation, InvertXorsAndNoColoursDrawNothing)
{
    const std::vector<TColor> colors{0x000000, 0xFFFFFF};
    QImage plain = Canvas(64, 64, qRgb(0, 0, 0));
    QImage inverted = Canvas(64, 64, qRgb(255, 255, 255));
    {
        TMemoryCanvas a(plain);
        FillGradation(a, TRect(0, 0, 64, 64), colors.data(), 2, false, 270, rgkSimple);
        TMemoryCanvas b(inverted);
        FillGradation(b, TRect(0, 0, 64, 64), colors.data(), 2, true, 270, rgkSimple);
        EXPECT_EQ(b.Painter().compositionMode(), QPainter::CompositionMode_SourceOver);
    }
    for (int x = 0; x < 64; x += 7)
        EXPECT_EQ(qRed(inverted.pixel(x, 10)), 255 - qRed(plain.pixel(x, 10))) << x;

    QImage untouched = Canvas(16, 16, qRgb(9, 9, 9));
    {
        TMemoryCanvas canvas(untouched);
        FillGradation(canvas, TRect(0, 0, 16, 16), colors.data(), 0, false, 270, rgkSimple);
    }
    EXPECT_EQ(untouched, Canvas(16, 16, qRgb(9, 9, 9)));
}

TEST(FillGradation, HugeRectanglesOnAPrinterStayWithinReach)
{
    // A rectangle from a damaged document, enlarged ten times by the mapping: the part on the
    // band is made and nothing overflows.
    const std::vector<TColor> colors{0x0000FF, 0xFF0000};
    QImage band = Canvas(40, 30, qRgb(1, 2, 3));
    {
        TMemoryCanvas canvas(band);
        canvas.SetPrinterCanvas(true);
        canvas.SetMapMode(TMapMode::Anisotropic);
        canvas.SetWindowExt(QSize(1, 1));
        canvas.SetViewportExt(QSize(10, 10));
        FillGradation(canvas, TRect(INT_MIN / 2, INT_MIN / 2, INT_MAX / 2, INT_MAX / 2), colors.data(), 2, false, 270,
                      rgkSimple);
    }
    EXPECT_NE(band.pixel(0, 0), qRgb(1, 2, 3));
    EXPECT_NE(band.pixel(39, 29), qRgb(1, 2, 3));
}
