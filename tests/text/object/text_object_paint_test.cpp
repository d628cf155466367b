// What the text object paints: distorted text inside its destination, the outline around
// the fill, the soft shadow at its offset, vertical columns, arc text, and the cases where
// painting must stay within bounds.
#include "text_object_fixture.h"

#include "core/canvas/memory_canvas.h"
#include "core/canvas/units.h"
#include "core/frame/settings.h"
#include "core/persistent/string_list.h"
#include "core/stream/component_stream.h"
#include "graphics/color/color_fill.h"
#include "support/settings_macros.h"
#include "text/distortion/coons_distortion.h"
#include "text/point_based_font.h"

#include <gtest/gtest.h>

namespace {

constexpr TColor kRed = 0x0000FF;
constexpr TColor kBlue = 0xFF0000;

void SetUpText(TLOText& text, const QString& line, int size, const TRect& rect)
{
    text.TextFont()->SetName(QStringLiteral("IPAGothic"));
    text.TextFont()->SetSize(size);
    text.Text()->SetLines(line.split(QLatin1Char('\n')));
    text.SetBoundsRect(rect);
}

// The centroid of the pixels weighted by weight(pixel); (-1, -1) when nothing weighs.
QPointF Centroid(const QImage& image, int (*weight)(QRgb))
{
    double sum = 0, sx = 0, sy = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const int w = std::max(0, weight(image.pixel(x, y)));
            sum += w;
            sx += double(w) * x;
            sy += double(w) * y;
        }
    return sum > 0 ? QPointF(sx / sum, sy / sum) : QPointF(-1, -1);
}

int Blackness(QRgb pixel) { return 255 - qRed(pixel); }
int Redness(QRgb pixel) { return qRed(pixel) - qGreen(pixel); }

TEST(TextObjectPaint, DistortedTextLiesInsideTheDestinationShape)
{
    TLOText text;
    const TRect r(20, 20, 620, 220);
    SetUpText(text, QStringLiteral("HHHHHH"), 40, r);
    SetTrapezoid(*text.CoonsDistortion());
    ASSERT_TRUE(text.IsDistorted());
    EXPECT_TRUE(text.NeedsBlendedPaint()); // anti-aliased edges by default
    const QImage image = PaintObject(text, {640, 240});
    int inked = 0, wideAtBottom = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(image.pixel(x, y)) >= 128)
                continue;
            ++inked;
            const double v = double(y - r.Top) / RectHeight(r);
            const double inset = 0.25 * (1 - v) * RectWidth(r);
            EXPECT_GE(x, r.Left + inset - 3) << x << "," << y;
            EXPECT_LE(x, r.Right - inset + 3) << x << "," << y;
            ASSERT_GE(y, r.Top - 3);
            ASSERT_LE(y, r.Bottom + 3);
            wideAtBottom += v > 0.8 && x < r.Left + 0.15 * RectWidth(r);
        }
    EXPECT_GT(inked, 5000);
    EXPECT_GT(wideAtBottom, 0); // the bottom of the text spreads beyond the narrow top
}

TEST(TextObjectPaint, DistortionRatioZeroPaintsTheTextUnbent)
{
    TLOText bent, plain;
    for (TLOText* text : {&bent, &plain})
        SetUpText(*text, QStringLiteral("HHHHHH"), 40, {20, 20, 620, 220});
    SetTrapezoid(*bent.CoonsDistortion());
    bent.SetDistortionRatio(0);
    const QRect a = InkBox(PaintObject(bent, {640, 240}));
    // Undistorted, the text block is stretched onto the frame without bending.
    EXPECT_LE(a.left(), 30);
    EXPECT_GE(a.right(), 610);
}

TEST(TextObjectPaint, TheOutlineSurroundsTheFill)
{
    TLOText text;
    SetUpText(text, QStringLiteral("I"), 96, {20, 20, 320, 400});
    text.TextColor()->SetColor(kRed);
    text.SetOutline(true);
    text.OutlineColor()->SetColor(kBlue);
    text.SetOutLineWidth(8);
    const QImage image = PaintObject(text, {340, 420});
    // Along a row through the stem: blue, then red, then blue again.
    const auto isRed = [](QRgb p) { return qRed(p) > 200 && qBlue(p) < 60 && qGreen(p) < 60; };
    const auto isBlue = [](QRgb p) { return qBlue(p) > 200 && qRed(p) < 60 && qGreen(p) < 60; };
    const QRect ink = InkBox(image);
    ASSERT_FALSE(ink.isEmpty());
    const int y = ink.center().y();
    int firstRed = -1, lastRed = -1, blueBefore = 0, blueAfter = 0;
    for (int x = 0; x < image.width(); ++x)
        if (isRed(image.pixel(x, y))) {
            if (firstRed < 0)
                firstRed = x;
            lastRed = x;
        }
    ASSERT_GE(firstRed, 0);
    for (int x = 0; x < image.width(); ++x) {
        blueBefore += x < firstRed && isBlue(image.pixel(x, y));
        blueAfter += x > lastRed && isBlue(image.pixel(x, y));
    }
    // The pen is 16 wide, half of it outside the glyph.
    EXPECT_GE(blueBefore, 6);
    EXPECT_GE(blueAfter, 6);
    EXPECT_LE(blueBefore, 10);
}

TEST(TextObjectPaint, TheSoftShadowLiesAtThePresetOffsetMovedOutByATenth)
{
    TLOText text;
    SetUpText(text, QStringLiteral("."), 120, {50, 50, 450, 550});
    text.ShadowColor()->SetColor(kRed);
    text.SetShadow(5);
    text.SetShadeShadowEnable(true);
    const int h = text.CellHeight();
    EXPECT_EQ(text.ShadowDisplacement(), QPoint(MulDiv(h, 7, 100) + MulDiv(h, 10, 100), MulDiv(h, 10, 100)));
    const QImage image = PaintObject(text, {600, 700});
    const QPointF glyph = Centroid(image, &Blackness);
    const QPointF shadow = Centroid(image, &Redness);
    ASSERT_GE(glyph.x(), 0);
    ASSERT_GE(shadow.x(), 0);
    EXPECT_NEAR(shadow.x() - glyph.x(), 0.17 * h, 2.5);
    EXPECT_NEAR(shadow.y() - glyph.y(), 0.10 * h, 2.5);
    // The shadow is soft: many pixels are only partly red.
    int partial = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            partial += Redness(image.pixel(x, y)) > 20 && Redness(image.pixel(x, y)) < 200;
    EXPECT_GT(partial, 100);
}

TEST(TextObjectPaint, NoShadowOffsetDrawsNoShadowEvenWhenSoft)
{
    TLOText text;
    SetUpText(text, QStringLiteral("."), 120, {50, 50, 450, 550});
    text.ShadowColor()->SetColor(kRed);
    text.SetShadeShadowEnable(true);
    EXPECT_TRUE(text.ShadowDisplacement().isNull());
    const QImage image = PaintObject(text, {600, 700});
    EXPECT_LT(Centroid(image, &Redness).x(), 0); // nothing red, no filled bounds
    EXPECT_GE(Centroid(image, &Blackness).x(), 0);
}

TEST(TextObjectPaint, BoldSoftShadowReachesFurther)
{
    QRect boxes[2];
    for (const bool bold : {false, true}) {
        TLOText text;
        SetUpText(text, QStringLiteral("."), 120, {50, 50, 450, 550});
        text.TextColor()->SetColor(0xFFFFFF);
        text.SetShadow(8);
        text.SetShadeShadowEnable(true);
        text.SetShadeShadowBold(bold);
        boxes[bold] = InkBox(PaintObject(text, {600, 700}));
    }
    ASSERT_FALSE(boxes[0].isEmpty());
    EXPECT_GE(boxes[1].width(), boxes[0].width() + 12);
    EXPECT_GE(boxes[1].height(), boxes[0].height() + 12);
}

TEST(TextObjectPaint, VerticalLinesAreColumnsFromTheRight)
{
    TLOText text;
    SetUpText(text, QStringLiteral("あいうえ\nお"), 36, {20, 20, 300, 600});
    text.SetVertical(true);
    text.SetBoundsRect({20, 20, 300, 600});
    const QImage image = PaintObject(text, {320, 620});
    const int h = text.CellHeight();
    const QImage right = image.copy(300 - h, 0, h, 620);
    const QImage left = image.copy(300 - 2 * h, 0, h, 620);
    const QRect first = InkBox(right), second = InkBox(left);
    ASSERT_FALSE(first.isEmpty());
    ASSERT_FALSE(second.isEmpty());
    EXPECT_GT(first.height(), 3 * second.height()); // four characters against one
}

TEST(TextObjectPaint, ArcTextFollowsTheBulge)
{
    TLOText text;
    SetUpText(text, QStringLiteral("HHHHHHHH"), 36, {20, 300, 820, 400});
    text.SetBulge(200);
    const QImage image = PaintObject(text, {840, 700});
    const QRect middle = InkBox(image.copy(320, 0, 200, 700));
    const QRect end = InkBox(image.copy(0, 0, 150, 700));
    ASSERT_FALSE(middle.isEmpty());
    ASSERT_FALSE(end.isEmpty());
    EXPECT_LT(middle.top() + 50, end.top()); // a positive bulge rises in the middle
    // The band of the arc is what the object hits.
    EXPECT_TRUE(text.HitTest(QPoint(420, middle.center().y())));
    EXPECT_FALSE(text.HitTest(QPoint(420, 390)));
}

TEST(TextObjectPaint, WithoutAntiAliasingDistortedTextIsPaintedDirectly)
{
    testsupport::TSettingsMacros macros;
    TLOText text;
    SetUpText(text, QStringLiteral("HH"), 24, {0, 0, 300, 100});
    SetTrapezoid(*text.CoonsDistortion());
    EXPECT_TRUE(text.NeedsBlendedPaint());
    WriteBool(QString::fromLatin1(kAntiAliasDistortionTextKey), false);
    EXPECT_FALSE(text.NeedsBlendedPaint());
    text.SetBlendRatio(50);
    EXPECT_TRUE(text.NeedsBlendedPaint());
    text.SetBlendRatio(100);
    text.SetShadeShadowEnable(true);
    EXPECT_TRUE(text.NeedsBlendedPaint()); // a soft shadow always blends
    EXPECT_FALSE(InkBox(PaintObject(text, {320, 120})).isEmpty());
    WriteBool(QString::fromLatin1(kAntiAliasDistortionTextKey), true);
}

TEST(TextObjectPaint, HostileValuesPaintWhatTheyCanAndAreSavedBackUnchanged)
{
    TLOText text;
    SetUpText(text, QStringLiteral("hostile"), 24, {-2000000000, -2000000000, 2000000000, 2000000000});
    text.SetOutline(true);
    text.SetOutLineWidth(2000000000);
    text.SetShadowOffsetX(2000000000);
    text.SetShadowOffsetY(-2000000000);
    text.SetShadeShadowEnable(true);
    text.SetDistortionRatio(-1000000);
    text.SetCharSpacing(2000000000);
    text.SetLineSpacing(-2000000000);
    SetTrapezoid(*text.CoonsDistortion());
    const QByteArray bytes = ComponentBytes(text);
    TLOText opened;
    ReadComponentBytes(bytes, opened);
    (void)PaintObject(opened, {64, 64});
    (void)opened.GetBounds();
    (void)opened.HitTest(QPoint(0, 0));
    EXPECT_EQ(ComponentBytes(opened), bytes);
    opened.SetBulge(2000000000);
    (void)PaintObject(opened, {64, 64});
    opened.SetBulge(-7);
    (void)PaintObject(opened, {64, 64});
}

TEST(TextObjectPaint, OffscreenImagesStayWithinTheCanvas)
{
    TLOText text;
    SetUpText(text, QStringLiteral("A"), 24, {0, 0, 100, 100});
    text.SetOutLineWidth(100000000);
    text.SetShadowOffsetX(-300000000);
    QImage image = CreateBitmap({64, 48}, QImage::Format_BGR888, 254);
    TMemoryCanvas canvas(image, 254);
    const QImage rendered = text.RenderImage(canvas);
    EXPECT_LE(rendered.width(), 64 + 10);
    EXPECT_LE(rendered.height(), 48 + 10);
}

} // namespace
