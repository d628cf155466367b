#include "graphics/raster/blender.h"
#include "graphics/raster/grey_palette.h"
#include "graphics/raster/progress_sink.h"

#include <gtest/gtest.h>

namespace {

// A 24-bit image whose every byte is the value.
QImage Filled(QSize size, int value, QImage::Format format = QImage::Format_BGR888)
{
    QImage image(size, format);
    image.fill(0);
    for (int y = 0; y < size.height(); ++y)
        memset(image.scanLine(y), value, size.width() * image.depth() / 8);
    return image;
}

QImage AlphaMap(QSize size, int value)
{
    QImage map(size, QImage::Format_Grayscale8);
    map.fill(value);
    return map;
}

int Byte(const QImage& image, int x, int y, int channel = 0)
{
    return image.constScanLine(y)[x * image.depth() / 8 + channel];
}

// Blends one pixel (all channels equal) and returns the destination value.
int BlendOne(int source, int destination, int alpha, int ratio)
{
    QImage target = Filled({1, 1}, destination);
    const QImage colour = Filled({1, 1}, source);
    const QImage map = AlphaMap({1, 1}, alpha);
    TGRBlendAlphaMapRatio blender;
    blender.SetDestination(&target, {0, 0, 1, 1});
    blender.SetSource(&colour, {0, 0, 1, 1});
    blender.SetAlphaMap(&map, {0, 0, 1, 1});
    blender.SetRatio(ratio);
    blender.Execute();
    EXPECT_EQ(Byte(target, 0, 0, 0), Byte(target, 0, 0, 2));
    return Byte(target, 0, 0, 1);
}

} // namespace

TEST(Blend, PixelArithmetic)
{
    struct Case {
        int source, destination, alpha, ratio, expected;
    };
    const Case cases[] = {
        {200, 100, 128, 100, 150}, // 100 + trunc(12800 / 255)
        {100, 200, 128, 100, 150}, // 200 + trunc(-12800 / 255), truncated toward zero
        {37, 250, 255, 100, 37},   // opaque copies the source
        {37, 250, 0, 100, 250},    // transparent keeps the destination
        {37, 250, 255, 0, 250},    // ratio 0 keeps the destination
        {200, 100, 128, 150, 150}, // ratio above 100 acts as 100
        {200, 100, 255, -5, 100},  // ratio below 0 acts as 0
        {255, 0, 255, 50, 128},    // a = MulDiv(255, 50, 100) = 128 (half away from zero)
        {0, 255, 101, 33, 222},    // a = MulDiv(101, 33, 100) = 33; 255 + trunc(-8415 / 255) = 222
        {1, 0, 254, 100, 0},       // trunc(254 / 255) = 0
    };
    for (const Case& c : cases)
        EXPECT_EQ(BlendOne(c.source, c.destination, c.alpha, c.ratio), c.expected)
            << c.source << " over " << c.destination << " alpha " << c.alpha << " ratio " << c.ratio;
}

TEST(Blend, FourthByteOf32BitPixelsIsKept)
{
    QImage target(2, 1, QImage::Format_ARGB32);
    QImage colour(2, 1, QImage::Format_ARGB32);
    reinterpret_cast<quint32*>(target.scanLine(0))[0] = 0x37102030;
    reinterpret_cast<quint32*>(target.scanLine(0))[1] = 0x37102030;
    reinterpret_cast<quint32*>(colour.scanLine(0))[0] = 0x99E0D0C0;
    reinterpret_cast<quint32*>(colour.scanLine(0))[1] = 0x99E0D0C0;
    const QImage map = AlphaMap({2, 1}, 255);
    TGRBlendAlphaMap blender;
    blender.SetDestination(&target, {0, 0, 2, 1});
    blender.SetSource(&colour, {0, 0, 2, 1});
    blender.SetAlphaMap(&map, {0, 0, 2, 1});
    blender.Execute();
    EXPECT_EQ(reinterpret_cast<const quint32*>(target.constScanLine(0))[0], 0x37E0D0C0u);
    EXPECT_EQ(reinterpret_cast<const quint32*>(target.constScanLine(0))[1], 0x37E0D0C0u);
}

TEST(Blend, MismatchesDrawNothing)
{
    struct Case {
        const char* name;
        QRect destinationRect, sourceRect, alphaRect;
        QImage::Format sourceFormat;
        QImage::Format alphaFormat;
    };
    const QRect whole(0, 0, 4, 4);
    constexpr auto bgr = QImage::Format_BGR888;
    constexpr auto grey = QImage::Format_Grayscale8;
    const Case cases[] = {
        {"source larger than destination", whole, {0, 0, 5, 5}, whole, bgr, grey},
        {"alpha smaller than destination", whole, whole, {0, 0, 3, 4}, bgr, grey},
        {"alpha rectangle outside its map", whole, whole, {1, 0, 4, 4}, bgr, grey},
        {"pixel formats differ", whole, whole, whole, QImage::Format_RGB32, grey},
        {"alpha map not 8-bit", whole, whole, whole, bgr, QImage::Format_RGB32},
        {"no overlap", {10, 10, 4, 4}, whole, whole, bgr, grey},
    };
    for (const Case& c : cases) {
        QImage target = Filled({4, 4}, 10);
        const QImage colour = Filled({4, 4}, 200, c.sourceFormat);
        QImage map(4, 4, c.alphaFormat);
        map.fill(0xFFFFFFFF);
        TGRBlendAlphaMap blender;
        blender.SetDestination(&target, c.destinationRect);
        blender.SetSource(&colour, c.sourceRect);
        blender.SetAlphaMap(&map, c.alphaRect);
        blender.Execute();
        EXPECT_EQ(target, Filled({4, 4}, 10)) << c.name;
    }
}

TEST(Blend, FormatsBlendOnlyWhenEqualAndByteWise)
{
    QImage target(1, 1, QImage::Format_RGB16);
    const QImage colour(1, 1, QImage::Format_RGB16);
    const QImage map = AlphaMap({1, 1}, 255);
    TGRBlendAlphaMap blender;
    blender.SetDestination(&target, {0, 0, 1, 1});
    blender.SetSource(&colour, {0, 0, 1, 1});
    blender.SetAlphaMap(&map, {0, 0, 1, 1});
    EXPECT_FALSE(blender.CanBlend());
    QImage indexedMap(1, 1, QImage::Format_Indexed8);
    indexedMap.setColorTable(GreyPalette());
    QImage wide = Filled({1, 1}, 0);
    const QImage wideColour = Filled({1, 1}, 0);
    blender.SetDestination(&wide, {0, 0, 1, 1});
    blender.SetSource(&wideColour, {0, 0, 1, 1});
    blender.SetAlphaMap(&indexedMap, {0, 0, 1, 1});
    EXPECT_TRUE(blender.CanBlend());
}

// The source rectangle reaches two pixels left of its bitmap: the two leftmost destination
// pixels get nothing, and the others take source and alpha pixels from their own columns.
TEST(Blend, ClippingKeepsSourceAlphaAndDestinationAligned)
{
    QImage target = Filled({4, 1}, 0);
    QImage colour(2, 1, QImage::Format_BGR888);
    memset(colour.scanLine(0), 100, 3);
    memset(colour.scanLine(0) + 3, 200, 3);
    QImage map(4, 1, QImage::Format_Grayscale8);
    const uchar alpha[4] = {255, 255, 0, 255};
    memcpy(map.scanLine(0), alpha, 4);

    TGRBlendAlphaMap blender;
    blender.SetDestination(&target, {0, 0, 4, 1});
    blender.SetSource(&colour, {-2, 0, 4, 1});
    blender.SetAlphaMap(&map, {0, 0, 4, 1});
    blender.Execute();
    EXPECT_EQ(Byte(target, 0, 0), 0);
    EXPECT_EQ(Byte(target, 1, 0), 0);
    EXPECT_EQ(Byte(target, 2, 0), 0);   // alpha 0 at column 2
    EXPECT_EQ(Byte(target, 3, 0), 200); // source column 1 with alpha 255

    // The destination rectangle hangs over the destination's top-left corner.
    QImage small = Filled({2, 2}, 0);
    QImage big(3, 3, QImage::Format_BGR888);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 3; ++x)
            memset(big.scanLine(y) + 3 * x, 10 * (3 * y + x), 3);
    const QImage fullMap = AlphaMap({3, 3}, 255);
    blender.SetDestination(&small, {-1, -1, 3, 3});
    blender.SetSource(&big, {0, 0, 3, 3});
    blender.SetAlphaMap(&fullMap, {0, 0, 3, 3});
    blender.Execute();
    EXPECT_EQ(Byte(small, 0, 0), 40);
    EXPECT_EQ(Byte(small, 1, 1), 80);
}

TEST(Blend, ProgressStepsEvery64Rows)
{
    struct Sink : IProgressSink {
        int started = -1, steps = 0, ended = 0;
        void Start(int count) override { started = count; }
        void Step() override { ++steps; }
        void End() override { ++ended; }
    } sink;
    QImage target = Filled({3, 130}, 0);
    const QImage colour = Filled({3, 130}, 9);
    const QImage map = AlphaMap({3, 130}, 255);
    TGRBlendAlphaMap blender;
    blender.SetDestination(&target, target.rect());
    blender.SetSource(&colour, colour.rect());
    blender.SetAlphaMap(&map, map.rect());
    blender.SetProgress(&sink);
    blender.Execute();
    EXPECT_EQ(sink.started, 3);
    EXPECT_EQ(sink.steps, 3); // rows 0, 64, 128
    EXPECT_EQ(sink.ended, 1);
    EXPECT_EQ(target, colour);
}

TEST(GreyPalette, EntryIsItsOwnGrey)
{
    const QList<QRgb>& palette = GreyPalette();
    ASSERT_EQ(palette.size(), 256);
    EXPECT_EQ(palette[0], qRgb(0, 0, 0));
    EXPECT_EQ(palette[128], qRgb(128, 128, 128));
    EXPECT_EQ(palette[255], qRgb(255, 255, 255));
}
