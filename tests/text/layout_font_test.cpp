#include "core/canvas/units.h"
#include "platform/fonts/font_catalog.h"
#include "support/test_support.h"
#include "text/font_resolution.h"
#include "text/layout_font.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

namespace {

struct HbGlyph {
    int Glyph = -1;
    int Advance = 0;
};

// One character shaped alone by hb-shape at the font size in layout units.
HbGlyph HbShape(const QString& fontFile, double size, char32_t character, bool topToBottom)
{
    const char32_t units[1] = {character};
    QStringList arguments{QStringLiteral("--font-size=%1").arg(size, 0, 'f', 4), QStringLiteral("--language=ja"),
                          QStringLiteral("--no-glyph-names"), QStringLiteral("--output-format=json")};
    if (topToBottom)
        arguments << QStringLiteral("--direction=ttb");
    arguments << fontFile << QString::fromUcs4(units, 1);
    QByteArray output;
    if (testsupport::RunProgram(QStringLiteral("hb-shape"), arguments, &output, 20000) != 0)
        return {};
    const QJsonArray glyphs = QJsonDocument::fromJson(output).array();
    if (glyphs.size() != 1)
        return {};
    const QJsonObject glyph = glyphs.first().toObject();
    return {glyph.value("g").toInt(), topToBottom ? -glyph.value("ay").toInt() : glyph.value("ax").toInt()};
}

} // namespace

TEST(LayoutFont, GlyphsAndAdvancesMatchHbShape)
{
    // Upright characters are shaped top to bottom; single-byte ones lie on their side and
    // advance as horizontally.
    struct Case {
        char32_t Character;
        bool Upright;
    };
    const Case cases[] = {
        {U'あ', true}, {U'カ', true}, {U'縦', true}, {U'書', true}, {U'Ａ', true}, {U'ａ', true},
        {U'ー', true}, {U'「', true}, {U'」', true}, {U'。', true}, {U'、', true}, {U'・', true},
        {U'A', false}, {U'g', false}, {U'1', false}, {U'ｱ', false}, {U'ｰ', false}, {U'-', false},
    };
    for (const char* family : {"IPAPGothic", "IPAMincho"}) {
        const QString name = QString::fromLatin1(family);
        const auto file = FindOutlineFace(name);
        ASSERT_TRUE(file);
        const auto across = TLayoutFont::Get({name, 24, false, false, false});
        const auto down = TLayoutFont::Get({name, 24, false, false, true});
        EXPECT_EQ(across->CellHeight(), 85);
        for (const Case& c : cases) {
            SCOPED_TRACE(QStringLiteral("%1 U+%2").arg(name).arg(uint(c.Character), 4, 16).toStdString());
            const HbGlyph horizontal = HbShape(file->Path, across->Em(), c.Character, false);
            ASSERT_GE(horizontal.Glyph, 0);
            EXPECT_EQ(int(across->Face()->Shape(c.Character, false).Glyph), horizontal.Glyph);
            EXPECT_NEAR(across->Glyph(c.Character).Widths.Advance(), horizontal.Advance, 1);

            const HbGlyph vertical = c.Upright ? HbShape(file->Path, down->Em(), c.Character, true) : horizontal;
            ASSERT_GE(vertical.Glyph, 0);
            EXPECT_EQ(int(down->Face()->Shape(c.Character, c.Upright).Glyph), vertical.Glyph);
            EXPECT_NEAR(down->Glyph(c.Character).Widths.Advance(), vertical.Advance, 1);
        }
    }
}

TEST(LayoutFont, WidthsSplitTheRoundedAdvanceIntoBearingInkAndRest)
{
    const auto font = TLayoutFont::Get({QStringLiteral("IPAGothic"), 24, false, false, false});
    for (char32_t c : {U'A', U'g', U'漢', U' '}) {
        const TCharGlyph& glyph = font->Glyph(c);
        const TShapedGlyph shaped = font->Face()->Shape(c, false);
        EXPECT_EQ(glyph.Widths.Advance(), RoundHalfAway(shaped.Advance * font->Em() / 2048));
        if (!glyph.Outline.isEmpty()) {
            const QRectF ink = glyph.Outline.controlPointRect();
            EXPECT_NEAR(glyph.Widths.A, ink.left(), 0.5);
            EXPECT_NEAR(glyph.Widths.B, ink.width(), 0.5);
            // The outline sits in the cell: its baseline is at the ascent.
            EXPECT_LE(ink.bottom(), font->CellHeight() + 0.5);
        }
    }
    EXPECT_EQ(font->Glyph(U' ').Widths.B, 0);
}

TEST(LayoutFont, SizesStylesAndMissingFacesAreMeasuredSoundly)
{
    const QString gothic = QStringLiteral("IPAPGothic");
    // A negative size is the cell height; a size of 0 still measures with an em of one unit.
    EXPECT_EQ(TLayoutFont::Get({gothic, -24, false, false, false})->CellHeight(), 85);
    const auto tiny = TLayoutFont::Get({gothic, 0, false, false, false});
    EXPECT_EQ(tiny->Em(), 1);
    EXPECT_GE(tiny->CellHeight(), 1);
    EXPECT_LE(TLayoutFont::Get({gothic, 2000000000, false, false, false})->Em(), 100000);

    const auto plain = TLayoutFont::Get({gothic, 24, false, false, false});
    const auto bold = TLayoutFont::Get({gothic, 24, true, false, false});
    const auto italic = TLayoutFont::Get({gothic, 24, false, true, false});
    const int strength = RoundHalfAway(plain->Face()->EmboldenStrength() * plain->Em() / 2048);
    EXPECT_NEAR(bold->Glyph(U'H').Widths.Advance(), plain->Glyph(U'H').Widths.Advance() + strength, 1);
    EXPECT_GT(bold->Glyph(U'H').Widths.B, plain->Glyph(U'H').Widths.B);
    EXPECT_EQ(italic->Glyph(U'H').Widths.Advance(), plain->Glyph(U'H').Widths.Advance());
    EXPECT_GT(italic->Glyph(U'H').Widths.B, plain->Glyph(U'H').Widths.B);

    // A missing face is measured with the first installed fallback; the name stays.
    const auto missing = TLayoutFont::Get({QStringLiteral("No Such Face"), 24, false, false, false});
    ASSERT_TRUE(missing->Face());
    EXPECT_EQ(missing->Face(), plain->Face());
    EXPECT_EQ(missing->Key().Name, QStringLiteral("No Such Face"));

    // Decoration bars stay inside the cell.
    for (const auto& font : {plain, tiny}) {
        EXPECT_GE(font->Underline().Offset, 0);
        EXPECT_LE(font->Underline().Offset + font->Underline().Thickness, font->CellHeight());
        EXPECT_LE(font->StrikeOut().Offset + font->StrikeOut().Thickness, font->CellHeight());
    }
}

TEST(LayoutFont, VerticalCharactersStandUprightOrLieOnTheirSide)
{
    const auto across = TLayoutFont::Get({QStringLiteral("IPAGothic"), 24, false, false, false});
    const auto down = TLayoutFont::Get({QStringLiteral("IPAGothic"), 24, false, false, true});
    const int h = down->CellHeight();
    // Every outline lies inside the column left of its right edge.
    for (char32_t c : {U'縦', U'A', U'g', U'ｱ', U'ー'}) {
        const QRectF ink = down->Glyph(c).Outline.controlPointRect();
        EXPECT_GE(ink.left(), -h - 0.5);
        EXPECT_LE(ink.right(), 0.5);
    }
    // "A" turned clockwise: its width runs down the column and its top faces the edge.
    const QRectF flat = across->Glyph(U'A').Outline.controlPointRect();
    const QRectF turned = down->Glyph(U'A').Outline.controlPointRect();
    EXPECT_NEAR(turned.height(), flat.width(), 0.5);
    EXPECT_NEAR(turned.width(), flat.height(), 0.5);
    EXPECT_NEAR(turned.left(), -flat.bottom(), 0.5);
    EXPECT_NEAR(turned.right(), -flat.top(), 0.5);
    EXPECT_NEAR(turned.top(), flat.left(), 0.5);
    EXPECT_EQ(down->Glyph(U'A').Widths, across->Glyph(U'A').Widths);
    // "ー" upright takes its vertical form: a vertical stroke.
    const QRectF bar = down->Glyph(U'ー').Outline.controlPointRect();
    EXPECT_GT(bar.height(), 3 * bar.width());
}

TEST(FontResolution, AliasesFallbacksAndTheAvailableList)
{
    EXPECT_EQ(AliasedFamily(QStringLiteral("ＭＳ Ｐゴシック")), QStringLiteral("IPAPGothic"));
    EXPECT_EQ(AliasedFamily(QStringLiteral("標準明朝")), QStringLiteral("IPAMincho"));
    EXPECT_EQ(AliasedFamily(QStringLiteral("Meiryo")), QStringLiteral("IPAexGothic"));
    EXPECT_TRUE(AliasedFamily(QStringLiteral("IPAGothic")).isEmpty());
    EXPECT_TRUE(IsInstalledFace(QStringLiteral("ＭＳ 明朝")));
    EXPECT_TRUE(IsInstalledFace(QStringLiteral("IPA明朝")));
    EXPECT_FALSE(IsInstalledFace(QStringLiteral("@IPAGothic")));
    EXPECT_FALSE(IsInstalledFace(QStringLiteral("No Such Face")));
    EXPECT_EQ(ResolveFace(QStringLiteral("ＭＳ ゴシック"))->File(), *FindOutlineFace(QStringLiteral("IPAGothic")));
    EXPECT_EQ(ResolveFace(QStringLiteral("No Such Face")), ResolveFace(QStringLiteral("ＭＳ Ｐゴシック")));
    EXPECT_EQ(FaceCharset(QStringLiteral("ＭＳ 明朝")), 128);

    const QStringList names = AvailableFontNames();
    for (const char16_t* name : {u"ＭＳ Ｐゴシック", u"System", u"メイリオ", u"IPAGothic", u"IPAexMincho"})
        EXPECT_TRUE(names.contains(QString::fromUtf16(name))) << QString::fromUtf16(name).toStdString();
    EXPECT_EQ(QStringList(names).removeDuplicates(), 0);
}

TEST(FontResolution, LatinFacesReportAnsiAndBorrowJapaneseCharacters)
{
    const QString latin = QStringLiteral("DejaVu Sans");
    if (!FindOutlineFace(latin))
        GTEST_SKIP() << "DejaVu Sans is not installed";
    EXPECT_EQ(FaceCharset(latin), 0);
    // A character the face lacks comes from IPAPGothic, at the same size.
    const auto font = TLayoutFont::Get({latin, 24, false, false, false});
    const auto gothic = TLayoutFont::Get({QStringLiteral("IPAPGothic"), 24, false, false, false});
    EXPECT_EQ(font->Glyph(U'漢').Widths, gothic->Glyph(U'漢').Widths);
    EXPECT_NE(font->Glyph(U'A').Widths, gothic->Glyph(U'A').Widths);
}
