#include "graphics/image_data/box_blur.h"
#include "graphics/image_data/effects.h"
#include "graphics/raster/progress_sink.h"

#include <gtest/gtest.h>

namespace {

// A 24-bit image from rows of (B, G, R) triples.
using Pixel = std::array<int, 3>;
QImage Image24(const std::vector<std::vector<Pixel>>& rows)
{
    QImage image(int(rows[0].size()), int(rows.size()), QImage::Format_BGR888);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            for (int c = 0; c < 3; ++c)
                image.scanLine(y)[3 * x + c] = uchar(rows[y][x][c]);
    return image;
}

Pixel At(const QImage& image, int x, int y)
{
    const int bpp = image.depth() / 8;
    const uchar* p = image.constScanLine(y) + bpp * x;
    return {p[0], p[1], p[2]};
}

QImage Effected(TGREffector& effect, const QImage& source, TRect rect = {})
{
    QImage out;
    effect.SetSource(&source, rect.IsEmpty() ? TRect::FromQRect(source.rect()) : rect);
    effect.SetDestination(&out);
    effect.Run();
    return out;
}

class CountingSink : public IProgressSink {
public:
    void Start(int count) override { started = count; }
    void Step() override { ++steps; }
    void End() override { ++ended; }
    int started = -1;
    int steps = 0;
    int ended = 0;
};

} // namespace

// One pass over a 3 x 3 picture, worked by hand. Blue channel:
//     0  90 180         horizontal sums (edges counted twice):   90 270 450
//     9   0   0                                                   18   9   0
//     0   0 255                                                    0 255 510
// vertical sums (first and last row twice): 198 549 900 / 108 534 960 / 18 519 1020;
// (2s + 9) div 18: 22 61 100 / 12 59 107 / 2 58 113. Green is 255 minus blue; red is a
// constant 77, which stays 77.
TEST(BlurEffect, OnePassWorkedByHand)
{
    const std::vector<std::vector<int>> blue{{0, 90, 180}, {9, 0, 0}, {0, 0, 255}};
    std::vector<std::vector<Pixel>> rows(3, std::vector<Pixel>(3));
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 3; ++x)
            rows[y][x] = {blue[y][x], 255 - blue[y][x], 77};
    TGREffectBlur blur(1);
    const QImage out = Effected(blur, Image24(rows));
    const int expectedBlue[3][3] = {{22, 61, 100}, {12, 59, 107}, {2, 58, 113}};
    // Green sums are 2295 - s: (2 (2295 - s) + 9) div 18.
    const int expectedGreen[3][3] = {{233, 194, 155}, {243, 196, 148}, {253, 197, 142}};
    ASSERT_EQ(out.size(), QSize(3, 3));
    ASSERT_EQ(out.format(), QImage::Format_BGR888);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 3; ++x)
            EXPECT_EQ(At(out, x, y), (Pixel{expectedBlue[y][x], expectedGreen[y][x], 77})) << x << "," << y;
}

TEST(BlurEffect, MeanEqualsRoundedNinthOfEverySum)
{
    for (std::uint32_t sum = 0; sum <= 9 * 255; ++sum)
        ASSERT_EQ(BoxMean(sum), std::min<std::uint32_t>(255, (2 * sum + 9) / 18)) << sum;
}

TEST(BlurEffect, OnePixelWideImageBlursToItself)
{
    const QImage column = Image24({{{10, 20, 30}}, {{10, 20, 30}}, {{10, 20, 30}}});
    TGREffectBlur blur(3);
    const QImage out = Effected(blur, column);
    for (int y = 0; y < 3; ++y)
        EXPECT_EQ(At(out, 0, y), (Pixel{10, 20, 30}));
    // A lone pixel counts nine times.
    const QImage single = Image24({{{200, 1, 99}}});
    EXPECT_EQ(At(Effected(blur, single), 0, 0), (Pixel{200, 1, 99}));
}

TEST(BlurEffect, PassesFollowEachOtherAndTheRectangleIsHonoured)
{
    const QImage source = Image24({{{0, 0, 0}, {255, 255, 255}, {0, 0, 0}, {90, 90, 90}}});
    TGREffectBlur once(1);
    TGREffectBlur twice(2);
    const QImage first = Effected(once, source);
    EXPECT_EQ(Effected(twice, source), Effected(once, first));
    // Only columns 1 .. 2 of the row, 255 0: horizontal sums 510 255, three times in the
    // vertical sums (one row): 1530 765, means 170 85.
    const QImage part = Effected(once, source, TRect(1, 0, 3, 1));
    ASSERT_EQ(part.size(), QSize(2, 1));
    EXPECT_EQ(At(part, 0, 0), (Pixel{170, 170, 170}));
    EXPECT_EQ(At(part, 1, 0), (Pixel{85, 85, 85}));
}

TEST(BlurEffect, HugePassCountIsBounded)
{
    QImage source = Image24({{{0, 0, 0}, {255, 255, 255}}, {{255, 0, 0}, {0, 0, 255}}});
    TGREffectBlur bounded(kMaxBlurPasses);
    TGREffectBlur huge(2000000000);
    EXPECT_EQ(Effected(huge, source), Effected(bounded, source));
}

TEST(UnsharpMaskEffect, TwiceTheSourceLessTheBlur)
{
    const QImage source = Image24({{{0, 100, 250}, {90, 100, 10}, {180, 100, 0}}});
    TGREffectBlur blur(2);
    const QImage blurred = Effected(blur, source);
    TGREffectUnsharpMask sharpen(2);
    const QImage out = Effected(sharpen, source);
    for (int x = 0; x < 3; ++x)
        for (int c = 0; c < 3; ++c)
            EXPECT_EQ(At(out, x, 0)[c], std::clamp(2 * At(source, x, 0)[c] - At(blurred, x, 0)[c], 0, 255));
    // Strength 0.4 rounds to no passes: the source unchanged.
    TGREffectUnsharpMask none(0.4);
    EXPECT_EQ(Effected(none, source), source);
}

TEST(BrightnessContrastEffect, Table)
{
    struct Case {
        int brightness;
        int contrast;
        int in;
        int out;
    };
    const Case cases[] = {
        {100, 0, 0, 255},    {100, 0, 200, 255},  // brightness 100 makes every channel 255
        {0, 100, 127, 0},    {0, 100, 128, 255},  // contrast 100 cuts at 128
        {-150, 0, 255, 0},   {-100, 0, 255, 0},   // brightness below -100 acts as -100
        {0, 250, 127, 0},    {0, 250, 128, 255},  // contrast above 100 acts as 100
        {20, 0, 10, 61},     {20, 0, 250, 255},   // v = 0.2 + j/255: 51 + j, clamped
        {0, -50, 0, 64},     {0, -50, 255, 191},  // (j/255 - 1/2)/2 + 1/2: 64.25, 191.75
        {0, 25, 100, 91},    {0, 25, 200, 224},   // (j/255 - 1/2) x 4/3 + 1/2: 91.33, 224.67
        {0, 0, 77, 77},
    };
    for (const Case& c : cases)
        EXPECT_EQ(TGREffectBrightnessContrast::BuildTable(c.brightness, c.contrast)[std::size_t(c.in)], c.out)
            << c.brightness << " " << c.contrast << " " << c.in;
}

TEST(BrightnessContrastEffect, EveryChannelThroughTheTable)
{
    TGREffectBrightnessContrast effect(20, 0);
    EXPECT_EQ(At(Effected(effect, Image24({{{10, 100, 250}}})), 0, 0), (Pixel{61, 151, 255}));
}

// RGB(192, 64, 64): hue 0, saturation 0.50394, lightness 0.50196. Grey level 100: L' =
// 0.39216, m2 = L'(1 + S) = 0.58978, m1 = 2L' - m2 = 0.19454; red takes m2 (150.39), green
// and blue m1 (49.61).
TEST(MonoToneEffect, TintWorkedByHand)
{
    TGREffectMonoTone effect(0x404040 | 0xC0);
    EXPECT_EQ(At(Effected(effect, Image24({{{100, 100, 100}}})), 0, 0), (Pixel{49, 49, 150}));
    // The grey index weighs B, G, R by 29, 150, 77 / 256: (29 x 255) >> 8 = 28.
    const auto table = TGREffectMonoTone::BuildTable(0x404040 | 0xC0);
    const Pixel blueOnly = At(Effected(effect, Image24({{{255, 0, 0}}})), 0, 0);
    EXPECT_EQ(blueOnly, (Pixel{table[28][2], table[28][1], table[28][0]}));
}

TEST(MonoToneEffect, GreyReferenceGivesGreyLevels)
{
    const auto table = TGREffectMonoTone::BuildTable(0x808080);
    for (int j = 0; j < 256; ++j) {
        EXPECT_EQ(table[j][0], table[j][1]);
        EXPECT_EQ(table[j][1], table[j][2]);
    }
    EXPECT_EQ(table[0][0], 0);
    EXPECT_EQ(table[255][0], 255);
}

TEST(ColorChangeEffect, ReplacesOnlyTheExactColour)
{
    // find red (0x0000FF: B 0, G 0, R 255), put blue.
    TGREffectColorChange effect(0x0000FF, 0xFF0000);
    const QImage out = Effected(effect, Image24({{{0, 0, 255}, {0, 0, 254}, {1, 0, 255}}}));
    EXPECT_EQ(At(out, 0, 0), (Pixel{255, 0, 0}));
    EXPECT_EQ(At(out, 1, 0), (Pixel{0, 0, 254}));
    EXPECT_EQ(At(out, 2, 0), (Pixel{1, 0, 255}));
}

TEST(ColorChangeEffect, ThirtyTwoBitPixelsMatchOnlyWithTheUnusedFourthByte)
{
    QImage source(2, 1, QImage::Format_RGB32);
    reinterpret_cast<quint32*>(source.scanLine(0))[0] = 0xFFFF0000; // red
    reinterpret_cast<quint32*>(source.scanLine(0))[1] = 0x7FFF0000; // red, fourth byte in use
    TGREffectColorChange effect(0x0000FF, 0x00FF00);
    const QImage out = Effected(effect, source);
    EXPECT_EQ(reinterpret_cast<const quint32*>(out.constScanLine(0))[0], 0xFF00FF00u);
    EXPECT_EQ(reinterpret_cast<const quint32*>(out.constScanLine(0))[1], 0xFFFF0000u);
}

TEST(Effects, ThirtyTwoBitResultsKeepTheFourthByteUnused)
{
    QImage source(3, 2, QImage::Format_RGB32);
    source.fill(0xFF336699);
    reinterpret_cast<quint32*>(source.scanLine(0))[0] = 0x12336699; // a fourth byte in use
    TGREffectBlur blur(1);
    TGREffectBrightnessContrast light(10, 10);
    TGREffectMonoTone mono(0x0000FF);
    TGREffectUnsharpMask sharpen(1);
    for (TGREffector* effect : std::initializer_list<TGREffector*>{&blur, &light, &mono, &sharpen}) {
        const QImage out = Effected(*effect, source);
        ASSERT_EQ(out.format(), QImage::Format_RGB32);
        for (int y = 0; y < 2; ++y)
            for (int x = 0; x < 3; ++x)
                EXPECT_EQ(out.constScanLine(y)[4 * x + 3], 0xFF);
    }
    // The blur of a flat picture is the same flat colour.
    EXPECT_EQ(At(Effected(blur, source), 1, 1), (Pixel{0x99, 0x66, 0x33}));
}

TEST(Effects, OtherSourcesAndRectanglesDoNothing)
{
    QImage grey(4, 4, QImage::Format_Grayscale8);
    grey.fill(100);
    const QImage colour = Image24({{{1, 2, 3}, {4, 5, 6}}});
    QImage keep(1, 1, QImage::Format_BGR888);
    keep.fill(Qt::red);
    const QImage before = keep;
    TGREffectBlur blur(1);
    blur.SetDestination(&keep);
    blur.SetSource(&grey, TRect(0, 0, 4, 4));
    blur.Run();
    EXPECT_EQ(keep, before);
    blur.SetSource(&colour, TRect(1, 0, 3, 1)); // reaches beyond the source
    blur.Run();
    EXPECT_EQ(keep, before);
    blur.SetSource(&colour, TRect(1, 0, 1, 1)); // empty
    blur.Run();
    EXPECT_EQ(keep, before);
}

TEST(Effects, ProgressSteps)
{
    QImage source(2, 130, QImage::Format_BGR888); // 130 rows: 130 div 64 + 1 = 3 steps a sweep
    source.fill(Qt::gray);
    struct Case {
        std::unique_ptr<TGREffector> effect;
        int steps;
    };
    std::vector<Case> cases;
    cases.push_back({std::make_unique<TGREffectBlur>(2), 2 * 3});
    cases.push_back({std::make_unique<TGREffectMonoTone>(0x00FF00), 3 + 1});
    cases.push_back({std::make_unique<TGREffectBrightnessContrast>(5, 5), 3 + 1});
    cases.push_back({std::make_unique<TGREffectUnsharpMask>(1), 3 + 1});
    cases.push_back({std::make_unique<TGREffectColorChange>(0, 1), 3});
    for (Case& c : cases) {
        CountingSink sink;
        c.effect->SetProgress(&sink);
        Effected(*c.effect, source);
        EXPECT_EQ(sink.started, c.steps);
        EXPECT_EQ(sink.steps, c.steps);
        EXPECT_EQ(sink.ended, 1);
    }
}
