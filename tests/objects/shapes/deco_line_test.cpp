#include "graphics/picture/picture_ex.h"
#include "graphics/picture/safety_bitmap.h"
#include "objects/shapes/deco_line.h"
#include "shape_test_support.h"

#include <gtest/gtest.h>

namespace {

// A tile whose left column is black and whose rest is green.
QImage Tile(int width, int height)
{
    QImage tile(width, height, QImage::Format_RGB888);
    tile.fill(Qt::green);
    for (int y = 0; y < height; ++y)
        tile.setPixelColor(0, y, Qt::black);
    return tile;
}

std::unique_ptr<TLODecoLine> DecoLine(const QImage& tile, QPoint start, QPoint end, int width)
{
    auto line = std::make_unique<TLODecoLine>();
    line->Image()->Bitmap().SetImage(tile);
    line->SetStartPoint(start);
    line->SetEndPoint(end);
    line->SetLineWidth(width);
    return line;
}

} // namespace

TEST(DecoLine, WidthZeroOrLessIsOne)
{
    TLODecoLine line;
    line.SetLineWidth(0);
    EXPECT_EQ(line.LineWidth(), 1);
    line.SetLineWidth(-7);
    EXPECT_EQ(line.LineWidth(), 1);
}

TEST(DecoLine, StripHoldsAsManyStretchedTilesAsFitTheLength)
{
    // 10 x 10 tiles on a line 10 wide: three tiles in 30, and in 31 three a little wider.
    for (int length : {30, 31}) {
        const QImage strip = RenderTileStrip(Tile(10, 10), length, 10);
        ASSERT_EQ(strip.size(), QSize(length, 10));
        int edges = 0;
        for (int x = 0; x < length; ++x)
            edges += strip.pixelColor(x, 5) == QColor(Qt::black);
        EXPECT_EQ(edges, 3) << length;
        EXPECT_EQ(strip.pixelColor(0, 5), QColor(Qt::black));
        EXPECT_EQ(strip.pixelColor(10, 5), QColor(Qt::black));
    }
    EXPECT_EQ(RenderTileStrip(Tile(40, 10), 30, 10).pixelColor(0, 5), QColor(Qt::black)); // at least one tile
    EXPECT_TRUE(RenderTileStrip(QImage(), 30, 10).isNull());
}

TEST(DecoLine, MovingKeepsTheCacheAndChangingAnEndRebuildsIt)
{
    auto line = DecoLine(Tile(10, 10), {0, 0}, {30, 0}, 10);
    TUnitCanvas target({-20, -20, 80, 40});
    line->Paint(target.Canvas());
    ASSERT_TRUE(line->HasCache());
    const qint64 key = line->Cache().cacheKey();
    line->MoveBy(5, 5);
    EXPECT_EQ(line->Cache().cacheKey(), key);
    line->SetEndPoint({40, 5});
    EXPECT_FALSE(line->HasCache());
    line->Paint(target.Canvas());
    EXPECT_TRUE(line->HasCache());
    line->Image()->Bitmap().SetImage(Tile(5, 5));
    EXPECT_FALSE(line->HasCache());
}

TEST(DecoLine, EmptyPictureDrawsNothing)
{
    TLODecoLine line;
    line.SetEndPoint({100, 0});
    TUnitCanvas target({-20, -20, 120, 20});
    line.Paint(target.Canvas());
    EXPECT_EQ(target.PaintedCount(), 0);
    EXPECT_FALSE(line.HasCache());
    TLODecoLine empty; // no length either
    empty.Image()->Bitmap().SetImage(Tile(10, 10));
    empty.Paint(target.Canvas());
    EXPECT_EQ(target.PaintedCount(), 0);
}

TEST(DecoLine, OnlyTheKeyColourLetsTheLabelThrough)
{
    // Left half of the tile in the key colour, right half red but fully transparent in its
    // own alpha channel: the tile's transparency is off, so only the key colour shows
    // the label.
    QImage tile(20, 10, QImage::Format_ARGB32);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 20; ++x)
            tile.setPixel(x, y, x < 10 ? 0xFFF0F0F0 : 0x00FF0000);
    auto line = std::make_unique<TLODecoLine>();
    line->Image()->Bitmap().SetImage(tile);
    line->SetEndPoint({20, 0});
    line->SetLineWidth(10);
    TUnitCanvas target({-10, -10, 30, 10});
    target.Canvas().Painter().fillRect(QRect(0, 0, 40, 20), Qt::blue);
    line->Paint(target.Canvas());
    EXPECT_EQ(target.At(5, 0), 0x0000FFu);
    EXPECT_NE(target.At(15, 0), 0x0000FFu);
}

TEST(DecoLine, FitToImageMakesSixTilesAt180DotsPerInch)
{
    TLODecoLine line;
    line.Image()->Bitmap().SetImage(Tile(18, 9));
    line.SetStartPoint({50, 50});
    line.FitToImage();
    EXPECT_EQ(line.StartPoint(), QPoint(0, 0));
    EXPECT_EQ(line.EndPoint(), QPoint(152, 0));
    EXPECT_EQ(line.LineWidth(), 13);
}

TEST(DecoLine, OutlineIsTheLineWidenedByTwoUnitsEachSide)
{
    auto line = DecoLine(Tile(10, 10), {0, 0}, {100, 0}, 10);
    const auto corners = line->OutlineCorners();
    EXPECT_EQ(corners[0], QPointF(0, -7));
    EXPECT_EQ(corners[1], QPointF(100, -7));
    EXPECT_EQ(corners[2], QPointF(100, 7));
    EXPECT_EQ(corners[3], QPointF(0, 7));
}
