#include "core/canvas/memory_canvas.h"
#include "core/persistent/string_list.h"
#include "graphics/raster/arc.h"
#include "graphics/raster/stroke.h"
#include "support/test_support.h"
#include "text/font_string.h"
#include "text/point_based_font.h"
#include "text/simple_text.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>

namespace {

constexpr int kDark = 128;

std::unique_ptr<TSimpleText> MakeText(const QString& line, const char* face = "IPAGothic", int size = 24)
{
    auto text = std::make_unique<TSimpleText>();
    text->Font()->SetName(QString::fromLatin1(face));
    text->Font()->SetSize(size);
    text->Text()->SetLines(line.split(QLatin1Char('\n')));
    return text;
}

// The text painted at 254 dpi (one layout unit per pixel) on a white 24-bit image.
QImage Paint(const TSimpleText& text, const TRect& r, QSize size, bool decoration = false)
{
    QImage image = CreateBitmap(size, QImage::Format_BGR888, 254);
    {
        TMemoryCanvas canvas(image, 254);
        text.DrawText(canvas, r, decoration);
    }
    return image;
}

bool IsDark(const QImage& image, int x, int y)
{
    return qGray(image.pixel(x, y)) < kDark;
}

// The box of dark pixels inside an area of the image (empty when there are none).
QRect InkBox(const QImage& image, const QRect& area)
{
    QRect box;
    const QRect inside = area.intersected(image.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            if (IsDark(image, x, y))
                box |= QRect(x, y, 1, 1);
    return box;
}

// Mean difference of two ink crops brought to one size, 0 (same) .. 255.
double Difference(const QImage& a, const QImage& b)
{
    const QSize size(32, 32);
    const QImage x = a.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).convertToFormat(QImage::Format_Grayscale8);
    const QImage y = b.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).convertToFormat(QImage::Format_Grayscale8);
    double sum = 0;
    for (int row = 0; row < size.height(); ++row)
        for (int column = 0; column < size.width(); ++column)
            sum += std::abs(int(x.pixelColor(column, row).value()) - int(y.pixelColor(column, row).value()));
    return sum / (size.width() * size.height());
}

} // namespace

TEST(TextPainting, VerticalLineStandsKanjiUprightAndTurnsLatinClockwise)
{
    const QString line = QStringLiteral("縦書きテキスト ABC");
    auto vertical = MakeText(line);
    vertical->SetVertical(true);
    const TRect r(0, 0, 200, 1500);
    const QImage image = Paint(*vertical, r, {200, 1500});
    const int h = vertical->LayoutFont()->CellHeight();
    const auto placements = vertical->GlyphPlacements(r);
    const QList<uint> characters = line.toUcs4();
    ASSERT_EQ(placements.size(), std::size_t(characters.size()));

    for (std::size_t j = 0; j < placements.size(); ++j) {
        const char32_t c = placements[j].Char;
        if (c == U' ')
            continue;
        SCOPED_TRACE(QString::fromUcs4(&c, 1).toStdString());
        // The character's cell in the column, and its ink inside it.
        const int advance = vertical->LayoutFont()->Glyph(c).Widths.Advance();
        const QRect cell(int(placements[j].At.x()) - h, int(placements[j].At.y()), h, advance);
        const QRect ink = InkBox(image, cell);
        ASSERT_FALSE(ink.isEmpty());
        EXPECT_TRUE(cell.adjusted(-1, -1, 1, 1).contains(ink));

        // The same character painted horizontally, as it stands in a line.
        auto flat = MakeText(QString::fromUcs4(&c, 1));
        const QImage across = Paint(*flat, TRect(0, 0, 200, 200), {200, 200});
        const QImage upright = across.copy(InkBox(across, across.rect()));
        const QImage turned = upright.transformed(QTransform().rotate(90));
        const QImage seen = image.copy(ink);
        const bool sideways = c < 0x80;
        const QImage& expected = sideways ? turned : upright;
        EXPECT_NEAR(seen.width(), expected.width(), 2);
        EXPECT_NEAR(seen.height(), expected.height(), 2);
        const double same = Difference(seen, expected);
        const double other = Difference(seen, sideways ? upright : turned);
        EXPECT_LT(same, other);
        EXPECT_LT(same, 40);
    }
}

TEST(TextPainting, HorizontalLineMatchesPangoInHeightAndAdvance)
{
    const QString line = QStringLiteral("縦書きテキスト ABC");
    auto text = MakeText(line);
    const TCharLayout& measured = text->Layouts().front();
    int advance = 0;
    for (const TABC& abc : measured.ABC)
        advance += abc.Advance();

    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString output = folder.filePath(QStringLiteral("pango.png"));
    ASSERT_EQ(testsupport::RunProgram(QStringLiteral("pango-view"),
                                      {QStringLiteral("--no-display"), QStringLiteral("--margin=0"),
                                       QStringLiteral("--dpi=254"), QStringLiteral("--hinting=none"),
                                       QStringLiteral("--font=IPAGothic 24"), QStringLiteral("--text=") + line,
                                       QStringLiteral("--output=") + output},
                                      nullptr, 30000),
              0);
    const QImage pango(output);
    ASSERT_FALSE(pango.isNull());
    EXPECT_NEAR(text->LayoutFont()->CellHeight(), pango.height(), 0.02 * pango.height());
    EXPECT_NEAR(advance, pango.width(), 0.02 * pango.width());

    // Our painting of the same line has its ink inside that extent.
    const QImage ours = Paint(*text, TRect(0, 0, 1000, 100), {1000, 100});
    const QRect ink = InkBox(ours, ours.rect());
    EXPECT_LE(ink.right(), advance);
    EXPECT_LE(ink.bottom(), text->LayoutFont()->CellHeight());
}

TEST(TextPainting, RotatedTextTurnsAboutTheRectangleCentre)
{
    auto text = MakeText(QStringLiteral("ABCDEF"));
    const TRect r(100, 100, 500, 500);
    const QImage straight = Paint(*text, r, {600, 600});
    text->SetAngle(90);
    const QImage turned = Paint(*text, r, {600, 600});
    const QRect a = InkBox(straight, straight.rect());
    const QRect b = InkBox(turned, turned.rect());
    // A quarter turn clockwise about (300, 300): x' = 300 - (y - 300), y' = 300 + (x - 300).
    EXPECT_NEAR(b.width(), a.height(), 2);
    EXPECT_NEAR(b.height(), a.width(), 2);
    EXPECT_NEAR(b.left(), 600 - a.bottom(), 2);
    EXPECT_NEAR(b.top(), a.left(), 2);
}

TEST(TextPainting, ArcPlacesCharactersAlongTheCircle)
{
    auto text = MakeText(QStringLiteral("ABCDE"));
    text->SetAlign(taCenter);
    const TRect r(0, 0, 1000, 400);
    for (int bulge : {150, -150}) {
        SCOPED_TRACE(bulge);
        text->SetBulge(bulge);
        const auto placements = text->GlyphPlacements(r);
        ASSERT_EQ(placements.size(), 5u);
        // Positive bulges grow the angle from character to character, negative ones shrink it.
        for (std::size_t j = 1; j < placements.size(); ++j)
            EXPECT_EQ(placements[j].Degrees > placements[j - 1].Degrees, bulge > 0);
        // The middle character is highest for an arch, lowest for a bowl.
        const QImage image = Paint(*text, r, {1000, 400});
        const QRect first = InkBox(image, {0, 0, 470, 400});
        const QRect middle = InkBox(image, {470, 0, 60, 400});
        ASSERT_FALSE(first.isEmpty() || middle.isEmpty());
        EXPECT_EQ(middle.center().y() < first.center().y(), bulge > 0);
    }
    // One character: no gap to spread, no invalid angle.
    auto one = MakeText(QStringLiteral("A"));
    one->SetBulge(100);
    for (int align : {taLeft, taCenter, taRight, taEven}) {
        one->SetAlign(align);
        const auto placements = one->GlyphPlacements(r);
        ASSERT_EQ(placements.size(), 1u);
        EXPECT_TRUE(std::isfinite(placements[0].At.x()) && std::isfinite(placements[0].At.y()) &&
                    std::isfinite(placements[0].Degrees));
    }
}

TEST(TextPainting, InnerArcLinesNeverShrinkBelowTheCell)
{
    QStringList lines;
    for (int i = 0; i < 12; ++i)
        lines << QStringLiteral("AB");
    auto text = MakeText(lines.join(QLatin1Char('\n')));
    text->SetBulge(60);
    const TRect r(0, 0, 400, 100);
    const int h = text->LayoutFont()->CellHeight();
    TArcRecord arc;
    const QPoint mid = RectCenter(r);
    ASSERT_TRUE(ArcFromChord({r.Left, mid.y()}, {r.Right, mid.y()}, 60, arc));
    for (const auto& placement : text->GlyphPlacements(r)) {
        ASSERT_TRUE(std::isfinite(placement.At.x()) && std::isfinite(placement.At.y()));
        // Every glyph keeps its top outward: its rotation follows its direction from the centre.
        const QPointF centre = placement.At + QTransform().rotate(placement.Degrees).map(QPointF(20, h / 2.0));
        const double distance = std::hypot(centre.x() - arc.CenterX, centre.y() - arc.CenterY);
        EXPECT_GE(distance, h / 2.0 - 25);
        const double direction = std::atan2(centre.y() - arc.CenterY, centre.x() - arc.CenterX) * 180 / std::numbers::pi;
        const double expected = std::remainder(placement.Degrees - 90 - direction, 360);
        EXPECT_NEAR(expected, 0, 15);
    }
}

TEST(TextPainting, ArcThatCannotBeBuiltFallsBackToStraightText)
{
    auto text = MakeText(QStringLiteral("AB\nCD"));
    const TRect zeroWidth(100, 100, 100, 400);
    const auto straight = text->GlyphPlacements(zeroWidth);
    text->SetBulge(80);
    const auto bent = text->GlyphPlacements(zeroWidth);
    ASSERT_EQ(bent.size(), straight.size());
    for (std::size_t j = 0; j < bent.size(); ++j) {
        EXPECT_EQ(bent[j].At, straight[j].At);
        EXPECT_EQ(bent[j].Degrees, straight[j].Degrees);
    }
}

TEST(TextPainting, BulgesFromDocumentsStayInRange)
{
    auto text = MakeText(QStringLiteral("AB"));
    for (int bulge : {1, -1, std::numeric_limits<int>::max(), std::numeric_limits<int>::min() + 1}) {
        text->SetBulge(bulge);
        for (const auto& placement : text->GlyphPlacements(TRect(0, 0, 1000000000, 100)))
            EXPECT_TRUE(std::isfinite(placement.At.x()) && std::isfinite(placement.At.y())) << bulge;
    }
}

TEST(TextPainting, DecorationBarsStayInTheCellAndFillAcrossGlyphs)
{
    auto text = MakeText(QStringLiteral("gjpqy"));
    text->Font()->SetStyle(FontStyleBit(fsUnderline) | FontStyleBit(fsStrikeOut));
    const TRect r(10, 10, 600, 200);
    const QImage image = Paint(*text, r, {600, 200}, true);
    const auto font = text->LayoutFont();
    const int h = font->CellHeight();
    const QRect ink = InkBox(image, image.rect());
    EXPECT_LE(ink.bottom(), 10 + h);
    const TRect bounds = text->TextBounds(r, false);
    for (const TLayoutFont::TBar& bar : {font->Underline(), font->StrikeOut()}) {
        const int y = 10 + bar.Offset + bar.Thickness / 2;
        for (int x = bounds.Left + 1; x < bounds.Right - 1; ++x)
            ASSERT_TRUE(IsDark(image, x, y)) << x << "," << y;
    }
    // Without decoration there are no bars.
    const QImage plain = Paint(*text, r, {600, 200}, false);
    int dark = 0;
    const int y = 10 + font->StrikeOut().Offset + font->StrikeOut().Thickness / 2;
    for (int x = bounds.Left; x < bounds.Right; ++x)
        dark += IsDark(plain, x, y);
    EXPECT_LT(dark, RectWidth(bounds) / 2);
}

TEST(TextPainting, TextToPathFollowsThePaintedOutline)
{
    auto text = MakeText(QStringLiteral("縦書き\nABC"));
    const TRect r(0, 0, 800, 400);
    TStroke stroke;
    text->TextToPath(stroke, r, false);
    ASSERT_GT(stroke.Count(), 0);
    const TRect path = stroke.Bounds();
    const TRect bounds = text->TextBounds(r, false);
    EXPECT_GE(path.Left, bounds.Left - 1);
    EXPECT_LE(path.Right, bounds.Right + 1);
    EXPECT_GE(path.Top, bounds.Top);
    EXPECT_LE(path.Bottom, bounds.Bottom);
}

TEST(TextPainting, OddSizesPaintWithoutFailing)
{
    for (int size : {0, -1, 1, 2000}) {
        auto text = MakeText(QStringLiteral("あA"), "IPAGothic", size);
        const QImage image = Paint(*text, TRect(0, 0, 100, 100), {100, 100});
        EXPECT_FALSE(image.isNull()) << size;
        EXPECT_GE(text->LayoutFont()->CellHeight(), 1);
    }
}

TEST(FontString, DrawsAtTheCanvasFontResolution)
{
    TPointBasedFont font;
    font.SetName(QStringLiteral("ＭＳ ゴシック"));
    font.SetSize(24);
    font.SetColor(clBlue);
    QImage layout = CreateBitmap({600, 200}, QImage::Format_RGB32, 254);
    QImage screen = CreateBitmap({600, 200}, QImage::Format_RGB32, 127);
    QSize layoutExtent;
    QSize screenExtent;
    {
        TMemoryCanvas canvas(layout, 254);
        layoutExtent = FontStringExtent(canvas, font, QStringLiteral("ABC"));
        DrawFontString(canvas, font, {20, 30}, QStringLiteral("ABC"));
    }
    {
        TMemoryCanvas canvas(screen, 127);
        screenExtent = FontStringExtent(canvas, font, QStringLiteral("ABC"));
        DrawFontString(canvas, font, {20, 30}, QStringLiteral("ABC"));
    }
    EXPECT_EQ(layoutExtent.height(), 85);
    EXPECT_NEAR(screenExtent.width(), layoutExtent.width() / 2.0, 1);
    const QRect big = InkBox(layout, layout.rect());
    const QRect small = InkBox(screen, screen.rect());
    EXPECT_NEAR(big.left(), 20, 1);
    EXPECT_NEAR(big.width(), layoutExtent.width(), 2);
    EXPECT_NEAR(small.width(), big.width() / 2.0, 2);
    EXPECT_GE(big.top(), 30);
}
