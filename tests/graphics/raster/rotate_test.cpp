#include "graphics/raster/map_rect_to_quad.h"
#include "graphics/raster/rotate_flip.h"
#include "graphics/raster/scan_polygon.h"

#include <gtest/gtest.h>

namespace {

// A 24-bit image whose pixel (x, y) has blue x, green y and red 10 x + y + 1.
QImage Numbered(int width, int height)
{
    QImage image(width, height, QImage::Format_BGR888);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            uchar* p = image.scanLine(y) + 3 * x;
            p[0] = uchar(x);
            p[1] = uchar(y);
            p[2] = uchar(10 * x + y + 1);
        }
    return image;
}

// The source coordinates a Numbered pixel came from, or (-1, -1) for a background pixel.
QPoint Origin(const QImage& image, int x, int y)
{
    const uchar* p = image.constScanLine(y) + 3 * x;
    if (p[2] == 0)
        return {-1, -1};
    return {p[0], p[1]};
}

struct Span {
    int row, first, last;
    double attribute, step;
    friend bool operator==(const Span&, const Span&) = default;
};

std::vector<Span> Spans(const std::vector<TScanVertex>& vertices, const TRect& clip)
{
    std::vector<Span> spans;
    ScanPolygon(vertices.data(), int(vertices.size()), kScanAttribute0, clip,
                [&](int row, int first, int last, const double* a, const double* s) {
                    spans.push_back({row, first, last, a[0], s[0]});
                });
    return spans;
}

} // namespace

TEST(RotateFlip, TurnsAndMirrors)
{
    const QImage source = Numbered(3, 2);
    QImage turned;
    // Quarter turn: 2 x 3, the top row is the source's left column read upwards.
    RotateFlip(turned, source, 1, 0);
    ASSERT_EQ(turned.size(), QSize(2, 3));
    EXPECT_EQ(turned.format(), QImage::Format_BGR888);
    EXPECT_EQ(Origin(turned, 0, 0), QPoint(0, 1));
    EXPECT_EQ(Origin(turned, 1, 0), QPoint(0, 0));
    EXPECT_EQ(Origin(turned, 0, 2), QPoint(2, 1));

    const struct {
        int turn, mirror;
        QSize size;
        QPoint topLeftFrom, bottomRightFrom;
    } cases[] = {
        {0, 0, {3, 2}, {0, 0}, {2, 1}}, {2, 0, {3, 2}, {2, 1}, {0, 0}}, {3, 0, {2, 3}, {2, 0}, {0, 1}},
        {0, 1, {3, 2}, {2, 0}, {0, 1}}, {0, 2, {3, 2}, {0, 1}, {2, 0}}, {0, 3, {3, 2}, {2, 1}, {0, 0}},
        {1, 1, {2, 3}, {0, 0}, {2, 1}}, {5, 0, {2, 3}, {0, 1}, {2, 0}}, {-1, 0, {2, 3}, {2, 0}, {0, 1}},
    };
    for (const auto& c : cases) {
        RotateFlip(turned, source, c.turn, c.mirror);
        ASSERT_EQ(turned.size(), c.size) << c.turn << "/" << c.mirror;
        EXPECT_EQ(Origin(turned, 0, 0), c.topLeftFrom) << c.turn << "/" << c.mirror;
        EXPECT_EQ(Origin(turned, c.size.width() - 1, c.size.height() - 1), c.bottomRightFrom)
            << c.turn << "/" << c.mirror;
    }
    QImage empty;
    RotateFlip(empty, QImage(), 1, 0);
    EXPECT_TRUE(empty.isNull());
}

TEST(ScanPolygon, SpansCoverPixelCentres)
{
    // A 3 x 2 rectangle from x 0.5 to 3.5: centres on both side edges are included.
    const std::vector<TScanVertex> rect = {{0.5, 0, {0}}, {3.5, 0, {30}}, {3.5, 2, {30}}, {0.5, 2, {0}}};
    const std::vector<Span> expected = {{0, 0, 3, 0, 10}, {1, 0, 3, 0, 10}};
    EXPECT_EQ(Spans(rect, {0, 0, 100, 100}), expected);
    // The same vertices the other way round give the same spans.
    const std::vector<TScanVertex> reversed(rect.rbegin(), rect.rend());
    EXPECT_EQ(Spans(reversed, {0, 0, 100, 100}), expected);
    // Clipped: columns and rows outside the clip are dropped; the attribute starts at column 2.
    const std::vector<Span> clipped = {{1, 2, 2, 20, 10}};
    EXPECT_EQ(Spans(rect, {2, 1, 3, 5}), clipped);
}

// Apex (2, 0), base (0, 4) to (4, 4): at row centre yc the edges lie at 2 -+ yc / 2. Row 0
// (1.75 .. 2.25) holds no pixel centre; the attribute (the vertex's x) reads x + 0.5 at each
// first column.
TEST(ScanPolygon, TriangleWidensRowByRow)
{
    const std::vector<TScanVertex> triangle = {{2, 0, {2}}, {4, 4, {4}}, {0, 4, {0}}};
    const std::vector<Span> expected = {{1, 1, 2, 1.5, 1}, {2, 1, 2, 1.5, 1}, {3, 0, 3, 0.5, 1}};
    EXPECT_EQ(Spans(triangle, {0, 0, 10, 10}), expected);
}

TEST(ScanPolygon, DegenerateInputGivesNothing)
{
    const TRect clip(0, 0, 10, 10);
    EXPECT_TRUE(Spans({{0, 0, {0}}, {5, 5, {0}}}, clip).empty());
    EXPECT_TRUE(Spans({{0, 1, {0}}, {5, 1, {0}}, {9, 1, {0}}}, clip).empty()); // no height
    EXPECT_TRUE(Spans({{0, 0, {0}}, {NAN, 5, {0}}, {9, 9, {0}}}, clip).empty());
    EXPECT_TRUE(Spans({{-1e300, -1e300, {0}}, {1e300, -1e300, {0}}, {0, 1e300, {0}}}, TRect()).empty());
    EXPECT_TRUE(Spans({{0, 1e300, {0}}, {5, 1e300, {0}}, {9, 2e300, {0}}}, clip).empty()); // far below
    // Enormous coordinates are only walked within the clip.
    EXPECT_EQ(Spans({{-1e12, -1e12, {0}}, {1e12, -1e12, {0}}, {1e12, 1e12, {0}}, {-1e12, 1e12, {0}}}, clip).size(),
              10u);
}

// Mapping a 2 x 2 bitmap onto a 4 x 4 square repeats each pixel in a 2 x 2 block.
TEST(MapRectToQuad, AxisAlignedEnlargement)
{
    const QImage source = Numbered(2, 2);
    QImage out;
    const QPoint origin = MapRectToQuad(out, source, source.rect(), {QPointF(10, 20), {14, 20}, {14, 24}, {10, 24}},
                                        clBlack);
    EXPECT_EQ(origin, QPoint(10, 20));
    ASSERT_EQ(out.size(), QSize(4, 4));
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ(Origin(out, x, y), QPoint(x / 2, y / 2));
}

// Corners given the other way round (a mirrored quadrilateral) still fill it, mirrored.
TEST(MapRectToQuad, MirroredQuadrilateralIsFilled)
{
    const QImage source = Numbered(2, 1);
    QImage out;
    MapRectToQuad(out, source, source.rect(), {QPointF(2, 0), {0, 0}, {0, 1}, {2, 1}}, clBlack);
    ASSERT_EQ(out.size(), QSize(2, 1));
    EXPECT_EQ(Origin(out, 0, 0), QPoint(1, 0));
    EXPECT_EQ(Origin(out, 1, 0), QPoint(0, 0));
}

TEST(MapRectToQuad, PixelFormatsAndBackground)
{
    const std::array<QPointF, 4> square = {QPointF(0, 0), {4, 0}, {4, 4}, {0, 4}};
    for (QImage::Format format : {QImage::Format_Grayscale8, QImage::Format_RGB16, QImage::Format_RGB555,
                                  QImage::Format_BGR888, QImage::Format_RGB32, QImage::Format_ARGB32}) {
        QImage source(2, 2, format);
        source.fill(QColor(0, 255, 0));
        QImage out;
        MapRectToQuad(out, source, source.rect(), square, clWhite);
        ASSERT_EQ(out.format(), format);
        EXPECT_EQ(out.pixelColor(3, 3), source.pixelColor(1, 1)) << format;
    }
    QImage mono(4, 4, QImage::Format_Mono);
    QImage out(1, 1, QImage::Format_RGB32);
    out.fill(Qt::red);
    const QImage before = out;
    MapRectToQuad(out, mono, mono.rect(), square, clWhite);
    EXPECT_EQ(out, before);

    // An indexed source keeps its palette; the background is its nearest entry.
    QImage indexed(2, 2, QImage::Format_Indexed8);
    indexed.setColorTable({qRgb(0, 0, 0), qRgb(250, 250, 250), qRgb(255, 0, 0)});
    indexed.fill(2);
    MapRectToQuad(out, indexed, indexed.rect(), {QPointF(0, 0), {2, 2}, {0, 4}, {-2, 2}}, clWhite);
    EXPECT_EQ(out.colorTable(), indexed.colorTable());
    EXPECT_EQ(out.pixelIndex(0, 0), 1); // uncovered corner
    EXPECT_EQ(out.pixelIndex(2, 2), 2);

    // No colour for the background: black.
    QImage grey(2, 2, QImage::Format_Grayscale8);
    grey.fill(200);
    MapRectToQuad(out, grey, grey.rect(), {QPointF(0, 0), {2, 2}, {0, 4}, {-2, 2}}, clNone);
    ASSERT_EQ(out.format(), QImage::Format_Grayscale8);
    EXPECT_EQ(out.constScanLine(0)[0], 0);
    EXPECT_EQ(out.constScanLine(2)[2], 200);

    // A quadrilateral without area has no box.
    const QImage mapped = out;
    MapRectToQuad(out, indexed, indexed.rect(), {QPointF(0, 0), {5, 0}, {5, 0}, {0, 0}}, clWhite);
    EXPECT_EQ(out, mapped);
}

// Samples past the source's edges read its edge pixels.
TEST(MapRectToQuad, SamplesStayInsideTheSource)
{
    const QImage source = Numbered(2, 2);
    QImage out;
    MapRectToQuad(out, source, QRect(-3, -3, 10, 10), {QPointF(0, 0), {10, 0}, {10, 10}, {0, 10}}, clBlack);
    ASSERT_EQ(out.size(), QSize(10, 10));
    EXPECT_EQ(Origin(out, 0, 0), QPoint(0, 0));
    EXPECT_EQ(Origin(out, 9, 9), QPoint(1, 1));
    EXPECT_EQ(Origin(out, 9, 0), QPoint(1, 0));
}

TEST(RotateBitmap, QuarterTurnMatchesRotateFlip)
{
    const QImage source = Numbered(100, 50);
    QImage rotated;
    RotateBitmap(source, rotated, 90, clWhite, source.size());
    ASSERT_EQ(rotated.size(), QSize(50, 100));
    QImage turned;
    RotateFlip(turned, source, 1, 0);
    EXPECT_EQ(rotated, turned);

    RotateBitmap(source, rotated, 180, clWhite, source.size());
    RotateFlip(turned, source, 2, 0);
    EXPECT_EQ(rotated, turned);
}

TEST(RotateBitmap, AnyAngleFillsTheCornersWithBackground)
{
    QImage source(20, 20, QImage::Format_RGB32);
    source.fill(Qt::blue);
    QImage rotated;
    RotateBitmap(source, rotated, 45, clRed, source.size());
    // The rotated square's corners (0, 0), (14, 14), (0, 28), (-14, 14): a 28 x 28 box.
    ASSERT_EQ(rotated.size(), QSize(28, 28));
    EXPECT_EQ(rotated.pixelColor(0, 0), QColor(Qt::red));
    EXPECT_EQ(rotated.pixelColor(27, 27), QColor(Qt::red));
    EXPECT_EQ(rotated.pixelColor(14, 14), QColor(Qt::blue));
    EXPECT_EQ(rotated.pixelColor(14, 1), QColor(Qt::blue));

    // A bitmap of fewer than 8 bits per pixel is not rotated.
    QImage mono(8, 8, QImage::Format_Mono);
    const QImage before = rotated;
    RotateBitmap(mono, rotated, 30, clRed, mono.size());
    EXPECT_EQ(rotated, before);
}

TEST(RotateBitmap, MaskTurnsWithItsBitmap)
{
    QImage source(10, 4, QImage::Format_BGR888);
    source.fill(Qt::green);
    QImage mask(10, 4, QImage::Format_Mono);
    mask.fill(0); // black: opaque everywhere
    QImage rotated, rotatedMask;
    RotateBitmap(source, mask, rotated, rotatedMask, 30, clWhite, source.size());
    ASSERT_EQ(rotatedMask.size(), rotated.size());
    EXPECT_EQ(rotatedMask.format(), QImage::Format_BGR888);
    EXPECT_EQ(rotatedMask.pixelColor(0, 0), QColor(Qt::white)); // uncovered: transparent
    const QPoint inside(rotated.width() / 2, rotated.height() / 2);
    EXPECT_EQ(rotatedMask.pixelColor(inside), QColor(Qt::black));
    EXPECT_EQ(rotated.pixelColor(inside), QColor(Qt::green));
}
