// Arranged images: the layouts' geometry, every picture placed in the random style, pictures
// kept inside the canvas in the ring styles, and the composition with its coverage mask.
#include "objects/backgrounds/arrange_compose.h"
#include "objects/backgrounds/ring_sector_warp.h"

#include "graphics/raster/progress_sink.h"

#include <QTemporaryDir>
#include <cmath>
#include <numbers>
#include <random>
#include <set>

namespace {

TRandomSource Seeded(unsigned seed)
{
    auto generator = std::make_shared<std::mt19937>(seed);
    return [generator](int n) { return std::uniform_int_distribution<int>(0, n - 1)(*generator); };
}

std::vector<QSize> Sizes(int n, QSize size)
{
    return std::vector<QSize>(n, size);
}

QImage Solid(QSize size, QRgb colour)
{
    QImage image(size, QImage::Format_BGR888);
    image.fill(QColor::fromRgb(colour));
    return image;
}

int Covered(const QImage& mask)
{
    int count = 0;
    for (int y = 0; y < mask.height(); ++y)
        for (int x = 0; x < mask.width(); ++x)
            count += mask.constScanLine(y)[x] != 0;
    return count;
}

// The corners of a placement's drawn picture, turned about its centre.
std::vector<QPointF> Corners(const TPlacement& p, QSize picture)
{
    QSizeF size = p.Size;
    if (!p.Stretch) {
        const double scale = std::min(double(p.Size.width()) / picture.width(), double(p.Size.height()) / picture.height());
        size = QSizeF(picture.width() * scale, picture.height() * scale);
    }
    const double a = p.Angle * std::numbers::pi / 180;
    std::vector<QPointF> corners;
    for (const auto& [sx, sy] : {std::pair{-1, -1}, {1, -1}, {1, 1}, {-1, 1}}) {
        const double x = sx * size.width() / 2, y = sy * size.height() / 2;
        corners.emplace_back(p.Centre.x() + x * std::cos(a) - y * std::sin(a), p.Centre.y() + x * std::sin(a) + y * std::cos(a));
    }
    return corners;
}

class CountingProgress : public IProgressSink {
public:
    void Start(int steps) override { started = steps; }
    void Step() override { ++steps; }
    void End() override { ended = true; }
    int started = -1, steps = 0;
    bool ended = false;
};

} // namespace

TEST(ArrangeRandom, GridHasACellForEveryPicture)
{
    const std::vector<std::pair<int, int>> cases = {{1, 1}, {2, 2}, {3, 2}, {4, 2}, {5, 3}, {8, 3},
                                                    {9, 4}, {16, 4}, {17, 5}, {25, 5}, {26, 6}, {32, 6}};
    for (const auto& [count, side] : cases)
        EXPECT_EQ(RandomGridSide(count), side) << count;
}

TEST(ArrangeRandom, EveryPictureIsPlacedAndEveryCellFilled)
{
    for (const int n : {2, 5, 9, 17, 32})
        for (const unsigned seed : {1u, 2u, 3u}) {
            const int g = RandomGridSide(n);
            const std::vector<TPlacement> placements = LayoutRandom({900, 600}, Sizes(n, {40, 30}), Seeded(seed));
            ASSERT_EQ(int(placements.size()), g * g) << n;
            std::set<int> pictures;
            std::set<std::pair<int, int>> centres;
            for (const TPlacement& p : placements) {
                pictures.insert(p.Picture);
                centres.insert({int(p.Centre.x()), int(p.Centre.y())});
                EXPECT_TRUE(p.Angle < 30 || (p.Angle > 330 && p.Angle <= 360)) << p.Angle;
                EXPECT_EQ(p.Size, QSize(900 / g * 3 / 2, 600 / g * 3 / 2));
            }
            EXPECT_EQ(int(pictures.size()), n) << n;
            EXPECT_EQ(int(centres.size()), g * g) << n;
        }
}

TEST(ArrangeRandom, AStuckRandomSourceStillEnds)
{
    const std::vector<TPlacement> placements = LayoutRandom({400, 400}, Sizes(5, {10, 10}), [](int) { return 0; });
    std::set<int> pictures;
    for (const TPlacement& p : placements)
        pictures.insert(p.Picture);
    EXPECT_EQ(pictures.size(), 5u);
}

TEST(ArrangeRing, CircumOfFourSitsAtTheFourSides)
{
    const std::vector<TPlacement> p = LayoutCircum(1000, 4, false, false);
    ASSERT_EQ(p.size(), 4u);
    const double R = 1000 / (2 * (1 + std::sin(std::numbers::pi / 4)));
    EXPECT_NEAR(R, 292.9, 0.05);
    EXPECT_EQ(p[0].Size, QSize(293, 293));
    EXPECT_NEAR(p[0].Centre.x(), 500, 1e-6);
    EXPECT_NEAR(p[0].Centre.y(), 500 - R, 1e-6);
    EXPECT_NEAR(p[1].Centre.x(), 500 + R, 1e-6);
    EXPECT_NEAR(p[2].Centre.y(), 500 + R, 1e-6);
    EXPECT_NEAR(p[3].Centre.x(), 500 - R, 1e-6);
    for (const TPlacement& q : p)
        EXPECT_EQ(q.Angle, 0);
    EXPECT_EQ(LayoutCircum(1000, 4, true, true)[1].Angle, 270);
    EXPECT_EQ(LayoutCircum(1000, 4, false, true)[1].Angle, 180);
}

TEST(ArrangeRing, TooFewOrTooManyPicturesDrawNothing)
{
    for (const TArrangeStyle style : {asCirCircum, asCirContinue, asCirDoughnut, asCirCircle})
        for (const int n : {2, 37}) {
            TArrangeSettings settings;
            settings.Style = style;
            std::vector<QImage> images(n, Solid({30, 20}, 0xFF204080));
            const TArrangement a = ComposeArrangement(settings, {300, 300}, TImageListPictures(images));
            ASSERT_EQ(a.Colour.size(), QSize(300, 300));
            EXPECT_EQ(Covered(a.Mask), 0) << style << " " << n;
            EXPECT_EQ(a.Colour.pixel(150, 20), 0xFFFFFFFF);
        }
}

TEST(ArrangeRing, EveryPictureStaysInsideTheCanvas)
{
    const int S = 708;
    for (const QSize picture : {QSize(300, 200), QSize(200, 300), QSize(250, 250), QSize(400, 100)})
        for (const int n : {3, 4, 5, 8, 12, 16, 36}) {
            const std::vector<QSize> sizes = Sizes(n, picture);
            for (const bool reverse : {false, true}) {
                std::vector<std::vector<TPlacement>> layouts = {LayoutCircum(S, n, true, reverse),
                                                                LayoutContinue(S, sizes, reverse)};
                for (const auto& layout : layouts) {
                    ASSERT_EQ(int(layout.size()), n);
                    for (const TPlacement& p : layout)
                        for (const QPointF c : Corners(p, picture)) {
                            EXPECT_GE(c.x(), -0.5) << n << " " << picture.width() << "x" << picture.height();
                            EXPECT_LE(c.x(), S + 0.5);
                            EXPECT_GE(c.y(), -0.5);
                            EXPECT_LE(c.y(), S + 0.5);
                        }
                }
                for (const bool circle : {false, true})
                    for (const TPlacement& p : LayoutSectors(S, sizes, circle, reverse)) {
                        EXPECT_GE(p.Inner, 0);
                        EXPECT_NEAR(p.Outer, S / 2.0, 1e-9); // scaled by the outer radius
                    }
            }
        }
}

TEST(ArrangeRing, ComposedRingsCoverNothingOutsideTheDisc)
{
    const int S = 400;
    for (const TArrangeStyle style : {asCirCircum, asCirContinue, asCirDoughnut, asCirCircle}) {
        TArrangeSettings settings;
        settings.Style = style;
        settings.Rotate = true;
        std::vector<QImage> images(6, Solid({120, 80}, 0xFF336699));
        const TArrangement a = ComposeArrangement(settings, {S, S}, TImageListPictures(images));
        EXPECT_GT(Covered(a.Mask), 0) << style;
        for (int y = 0; y < S; ++y)
            for (int x = 0; x < S; ++x) {
                if (std::hypot(x + 0.5 - S / 2, y + 0.5 - S / 2) > S / 2.0 + 2) {
                    ASSERT_EQ(a.Mask.constScanLine(y)[x], 0) << style << " at " << x << "," << y;
                }
            }
    }
}

TEST(ArrangeRing, PortraitDoughnutHasNoNegativeInnerRadius)
{
    const std::vector<TPlacement> p = LayoutSectors(700, Sizes(8, {100, 400}), false, false);
    ASSERT_EQ(p.size(), 8u);
    EXPECT_EQ(p[0].Inner, 0);
    EXPECT_NEAR(p[0].Outer, 350, 1e-9);
}

TEST(ArrangeRing, EmptyPicturesAreSkipped)
{
    std::vector<QSize> sizes = Sizes(4, {50, 40});
    sizes.insert(sizes.begin() + 1, QSize());
    for (const auto& layout : {LayoutContinue(500, sizes, false), LayoutSectors(500, sizes, true, false)}) {
        ASSERT_EQ(layout.size(), 4u);
        for (const TPlacement& p : layout)
            EXPECT_NE(p.Picture, 1);
    }
    EXPECT_TRUE(LayoutRows({500, 500}, Sizes(3, QSize()), false).Placements.empty());
    EXPECT_TRUE(LayoutContinue(500, {QSize(), QSize(10, 10), QSize(10, 10)}, false).empty());
}

TEST(ArrangeRows, ThreeSquaresTakeTwoRows)
{
    const TRowLayout rows = LayoutRows({600, 600}, Sizes(3, {100, 100}), false);
    ASSERT_EQ(rows.Placements.size(), 3u);
    EXPECT_EQ(rows.Placements[0].Size, QSize(300, 300));
    EXPECT_EQ(rows.Placements[2].Centre, QPointF(150, 450));
    EXPECT_EQ(rows.Used, QSize(600, 600));

    const TRowLayout one = LayoutRows({600, 600}, Sizes(1, {200, 100}), false);
    EXPECT_EQ(one.Used, QSize(600, 300)); // a wide picture takes the width at half the height
}

TEST(ArrangeRows, RepeatFillsEveryRowToTheEdge)
{
    // Rows of 150: the pictures are 150 and 300 wide; the repetition fills each row with
    // the cycle and lets a picture that would overhang give way to the one before it.
    const TRowLayout rows = LayoutRows({1000, 300}, {QSize(100, 100), QSize(200, 100)}, true);
    ASSERT_FALSE(rows.Placements.empty());
    int width = 0;
    for (const TPlacement& p : rows.Placements)
        width += p.Size.width();
    EXPECT_GE(width, 1000 - 150);
    EXPECT_LE(width, 1000 * 2);
    EXPECT_EQ(rows.Used.width(), std::min(1000, width));
}

TEST(ArrangeRows, CoveringRowsFillTheCanvasAndShiftEverySecondRow)
{
    // Four squares on 400 x 400: two rows of two, 200 high.
    const std::vector<QImage> images = {Solid({100, 100}, 0xFFFF0000), Solid({100, 100}, 0xFF00FF00),
                                        Solid({100, 100}, 0xFF0000FF), Solid({100, 100}, 0xFFFFFF00)};
    TArrangeSettings settings;
    settings.Style = asRectTile;
    settings.CoverCanvas = true;
    struct Case {
        bool Shift;
        QRgb SecondRow[3]; // at x = 50, 150 and 350
    };
    const Case cases[] = {
        {false, {0xFF0000FF, 0xFF0000FF, 0xFFFFFF00}},
        {true, {0xFF0000FF, 0xFFFFFF00, 0xFF0000FF}}, // tiles at -100, 100 and 300
    };
    for (const Case& c : cases) {
        settings.ShiftRows = c.Shift;
        const TArrangement a = ComposeArrangement(settings, {400, 400}, TImageListPictures(images));
        ASSERT_EQ(a.Colour.size(), QSize(400, 400)) << c.Shift;
        EXPECT_EQ(Covered(a.Mask), 400 * 400) << c.Shift;
        EXPECT_EQ(a.Colour.pixel(50, 100), 0xFFFF0000u) << c.Shift;
        EXPECT_EQ(a.Colour.pixel(350, 100), 0xFF00FF00u) << c.Shift;
        const int xs[] = {50, 150, 350};
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(a.Colour.pixel(xs[i], 300), c.SecondRow[i]) << c.Shift << " " << xs[i];
    }
    // Rows repeat downwards, a row that passes the bottom edge included; a short row
    // continues with its own pictures to the right edge.
    TRowLayout rows = LayoutRows({400, 400}, {QSize(100, 100), QSize(100, 100), QSize(100, 100)}, false);
    CoverWithRows(rows, {500, 500}, false);
    std::vector<std::pair<int, double>> thirdRow;
    int secondRow = 0;
    for (const TPlacement& p : rows.Placements) {
        if (p.Centre.y() == 300)
            ++secondRow;
        if (p.Centre.y() == 500)
            thirdRow.emplace_back(p.Picture, p.Centre.x());
    }
    EXPECT_EQ(secondRow, 3); // the third picture, three times across 500
    EXPECT_EQ(thirdRow, (std::vector<std::pair<int, double>>{{0, 100}, {1, 300}, {0, 500}}));
    EXPECT_EQ(rows.Used, QSize(500, 500));
}

TEST(ArrangeFixed, SlotsAreThousandthsOfTheCanvas)
{
    const std::vector<TPlacement> p =
        LayoutFixed({1000, 1000}, {{QRect(100, 100, 400, 300), 0}, {QRect(0, 0, 1000, 1000), 15}}, Sizes(1, {4, 3}));
    ASSERT_EQ(p.size(), 1u); // only as many slots as pictures
    EXPECT_EQ(p[0].Size, QSize(400, 300));
    EXPECT_EQ(p[0].Centre, QPointF(300, 250));

    TArrangeSettings settings;
    settings.Style = asFixed;
    settings.Slots = {{QRect(100, 100, 400, 300), 0}};
    const TArrangement a = ComposeArrangement(settings, {1000, 1000}, TImageListPictures({Solid({40, 30}, 0xFFFF0000)}));
    EXPECT_EQ(a.Colour.pixel(100, 100), 0xFFFF0000);
    EXPECT_EQ(a.Colour.pixel(499, 399), 0xFFFF0000);
    EXPECT_EQ(a.Mask.constScanLine(99)[300], 0);
    EXPECT_EQ(Covered(a.Mask), 400 * 300);
}

TEST(ArrangeCompose, ProgressAdvancesOncePerPictureAndRandomIsReproducible)
{
    TArrangeSettings settings;
    settings.Style = asRectRandom;
    std::vector<QImage> images;
    for (int i = 0; i < 5; ++i)
        images.push_back(Solid({60, 40}, qRgb(40 * i, 200, 255 - 40 * i)));
    CountingProgress progress;
    const TArrangement a = ComposeArrangement(settings, {300, 300}, TImageListPictures(images), Seeded(7), &progress);
    EXPECT_EQ(progress.started, 9);
    EXPECT_EQ(progress.steps, 9);
    EXPECT_TRUE(progress.ended);
    const TArrangement b = ComposeArrangement(settings, {300, 300}, TImageListPictures(images), Seeded(7));
    EXPECT_EQ(a.Colour, b.Colour);
    EXPECT_EQ(a.Mask, b.Mask);
    EXPECT_EQ(ArrangeCanvasSide(1200, 1180), 836);
    EXPECT_TRUE(ComposeArrangement(TArrangeSettings(), {300, 300}, TImageListPictures(images)).Colour.isNull());
}

TEST(ArrangeCompose, PicturesFromFilesAreDecodedToTheCellSize)
{
    QTemporaryDir dir;
    QStringList paths;
    for (int i = 0; i < 4; ++i) {
        const QString path = dir.filePath(QStringLiteral("p%1.jpg").arg(i));
        ASSERT_TRUE(Solid({1600, 1200}, qRgb(200, 60 * i, 30)).save(path, "JPEG", 90));
        paths << path;
    }
    paths << dir.filePath(QStringLiteral("missing.jpg"));
    const TFilePictures pictures(paths);
    EXPECT_EQ(pictures.Size(0), QSize(1600, 1200));
    EXPECT_TRUE(pictures.Size(4).isEmpty());
    EXPECT_EQ(pictures.Load(1, {200, 150}).size(), QSize(200, 150));
    TArrangeSettings settings;
    settings.Style = asRectTile;
    const TArrangement a = ComposeArrangement(settings, {400, 400}, pictures);
    // Three rows of 133 are the fewest that hold the four; two rows of two are used.
    EXPECT_EQ(a.Colour.size(), QSize(2 * 177, 2 * 133));
    EXPECT_EQ(Covered(a.Mask), 2 * 177 * 2 * 133);
}

TEST(RingSector, BendsThePictureBetweenTheRadii)
{
    QImage colour(200, 200, QImage::Format_BGR888);
    colour.fill(Qt::white);
    QImage mask(200, 200, QImage::Format_Grayscale8);
    mask.fill(0);
    // Top half red, bottom half blue: the outer part of the sector shows red.
    QImage picture(40, 20, QImage::Format_BGR888);
    picture.fill(QColor(255, 0, 0));
    for (int y = 10; y < 20; ++y)
        for (int x = 0; x < 40; ++x)
            picture.setPixel(x, y, qRgb(0, 0, 255));
    const TRingSector sector{QPointF(100, 100), 50, 90, 0, 60};
    RingSectorWarp(colour, mask, picture, sector, true, false);
    EXPECT_EQ(colour.pixel(100, 15), 0xFFFF0000);   // r = 85, outer half
    EXPECT_EQ(colour.pixel(100, 45), 0xFF0000FF);   // r = 55, inner half
    EXPECT_EQ(mask.constScanLine(100 - 95)[100], 0); // beyond the outer radius
    EXPECT_EQ(mask.constScanLine(100 - 45)[100], 0); // inside the inner radius
    EXPECT_EQ(mask.constScanLine(100 - 70)[160], 0); // outside the angle
    EXPECT_EQ(mask.constScanLine(100 - 70)[100], 255);
    RingSectorWarp(colour, mask, picture, sector, true, true);
    EXPECT_EQ(colour.pixel(100, 15), 0xFF0000FF); // flipped
}
