#include "objects/pictures/alpha_mask.h"

#include "core/stream/component_stream.h"
#include "graphics/color/color_fill.h"
#include "graphics/picture/picture_ex.h"
#include "picture_fixtures.h"

#include <gtest/gtest.h>

using namespace picturetest;

namespace {

class AlphaMask : public testing::Test {
protected:
    void SetUp() override { SetUpPictureClasses(); }
};

// A white square on black: the shape.
QImage Spot(QSize size, int margin)
{
    QImage image = Solid(size, Qt::black);
    for (int y = margin; y < size.height() - margin; ++y)
        for (int x = margin; x < size.width() - margin; ++x)
            image.setPixelColor(x, y, Qt::white);
    return image;
}

} // namespace

TEST_F(AlphaMask, StreamsInOrderAndReadsBackTheSameBytes)
{
    TLOAlphaMask mask;
    mask.SetBoundsRect({0, 0, 300, 200});
    mask.SetAngle(15);
    TColorSpec red;
    red.SetColor(0x0000FF);
    mask.SetFillColor(red);
    SetBitmap(*mask.Picture(), Spot({20, 20}, 5));
    mask.SetShadeSize(4);
    const QByteArray bytes = ComponentBytes(mask);
    qsizetype at = 0;
    for (const char* name : {"Height", "Angle", "FillColor.Color", "Picture.Data", "ShadeSize"}) {
        const qsizetype found = bytes.indexOf(name, at);
        ASSERT_GE(found, at) << name;
        at = found;
    }
    auto read = ReadComponentBytes(bytes);
    EXPECT_EQ(ComponentBytes(*read), bytes);
    EXPECT_EQ(ComponentBytes(TLOAlphaMask()).indexOf("Angle"), -1);
    EXPECT_EQ(ComponentBytes(TLOAlphaMask()).indexOf("ShadeSize"), -1);
}

// A stream may hold any ShadeSize: negative margins and huge bitmaps are refused.
TEST_F(AlphaMask, ShadeSizeFromAStreamIsLimited)
{
    for (const auto& [stored, expected] : {std::pair{-7, 0}, std::pair{100000, kMaxShadeSize}, std::pair{12, 12}}) {
        TLOAlphaMask mask;
        mask.SetShadeSize(1);
        QByteArray bytes = ComponentBytes(mask);
        // ShadeSize 1 is written as a one-byte integer; put a four-byte one in its place.
        const QByteArray one = QByteArray("ShadeSize") + '\x02' + '\x01';
        ASSERT_NE(bytes.indexOf(one), -1);
        QByteArray four = QByteArray("ShadeSize") + '\x04';
        for (int i = 0; i < 4; ++i)
            four += char((stored >> (8 * i)) & 0xFF);
        bytes.replace(one, four);
        auto read = ReadComponentBytes(bytes);
        EXPECT_EQ(dynamic_cast<TLOAlphaMask&>(*read).ShadeSize(), expected) << stored;
    }
}

TEST_F(AlphaMask, WithoutPictureItPaintsNothingBlendedAndItsBoundsPlainly)
{
    TLOAlphaMask mask;
    mask.SetBoundsRect({10, 10, 40, 40});
    TColorSpec blue;
    blue.SetColor(0xFF0000);
    mask.SetFillColor(blue);
    EXPECT_FALSE(mask.NeedsBlendedPaint());
    EXPECT_EQ(PaintOnWhite(mask, {50, 50}).pixelColor(20, 20), QColor(Qt::blue));
    mask.SetBlendShade(true);
    EXPECT_TRUE(mask.NeedsBlendedPaint());
    EXPECT_EQ(PaintOnWhite(mask, {50, 50}).pixelColor(20, 20), QColor(Qt::white));
}

TEST_F(AlphaMask, ShadeSizeAddsABlurredMarginSoTheShapeShrinksInItsBounds)
{
    TLOAlphaMask mask;
    mask.SetBoundsRect({0, 0, 120, 120});
    SetBitmap(*mask.Picture(), Spot({100, 100}, 0));
    mask.SetShadeSize(10);
    const QImage& coverage = mask.Coverage();
    ASSERT_EQ(coverage.size(), QSize(120, 120));
    EXPECT_EQ(qGray(coverage.pixel(60, 60)), 255);
    EXPECT_LT(qGray(coverage.pixel(1, 60)), 40);
    EXPECT_GT(qGray(coverage.pixel(10, 60)), 60);
    EXPECT_LT(qGray(coverage.pixel(10, 60)), 200);

    const QImage painted = PaintOnWhite(mask, {120, 120}); // black fill by default
    EXPECT_LE(qRed(painted.pixel(60, 60)), 1);
    EXPECT_GE(qRed(painted.pixel(1, 60)), 200);
}

// The coverage takes the object's aspect before it turns, so a turned figure keeps its shape;
// the corners outside the turned picture stay uncovered.
TEST_F(AlphaMask, TurnedCoverageTakesTheObjectsAspectFirst)
{
    TLOAlphaMask mask;
    mask.SetBoundsRect({0, 0, 200, 100});
    SetBitmap(*mask.Picture(), Spot({50, 50}, 0));
    mask.SetAngle(90);
    EXPECT_EQ(mask.Coverage().size(), QSize(100, 200));
    mask.SetAngle(45);
    const QImage& turned = mask.Coverage();
    EXPECT_EQ(qGray(turned.pixel(0, 0)), 0);
    EXPECT_EQ(qGray(turned.pixel(turned.rect().center())), 255);
}

TEST_F(AlphaMask, FitSizeToShadeUsesThePictureOrADefault)
{
    TLOAlphaMask mask;
    mask.FitSizeToShade();
    EXPECT_EQ(mask.BoundsRect(), TRect(0, 0, 300, 200));
    SetBitmap(*mask.Picture(), Spot({180, 90}, 0));
    mask.FitSizeToShade();
    EXPECT_EQ(mask.BoundsRect(), TRect(0, 0, 254, 127));
}
