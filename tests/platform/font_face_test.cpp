#include "platform/fonts/font_catalog.h"
#include "platform/fonts/font_face.h"

#include <gtest/gtest.h>

namespace {

std::shared_ptr<const TFontFace> OpenFamily(const char* family)
{
    const auto file = FindOutlineFace(QString::fromUtf8(family));
    return file ? TFontFace::Open(*file) : nullptr;
}

} // namespace

TEST(FontCatalog, FindsFamiliesOnlyByTheirOwnNames)
{
    const auto byName = FindOutlineFace(QStringLiteral("IPAPGothic"));
    ASSERT_TRUE(byName.has_value());
    EXPECT_TRUE(byName->Path.endsWith(QStringLiteral("ipagp.ttf")));
    // The localized name finds the same face; case and blanks do not matter.
    EXPECT_EQ(FindOutlineFace(QStringLiteral("IPA Pゴシック")), byName);
    EXPECT_EQ(FindOutlineFace(QStringLiteral("ipapgothic")), byName);
    // A name no installed family carries is missing, not matched to some other font.
    EXPECT_FALSE(FindOutlineFace(QStringLiteral("ＭＳ Ｐゴシック")).has_value());
    EXPECT_FALSE(FindOutlineFace(QString()).has_value());

    const QStringList families = InstalledOutlineFamilies();
    EXPECT_TRUE(families.contains(QStringLiteral("IPAPGothic")));
    EXPECT_TRUE(families.contains(QStringLiteral("IPA明朝")));
    EXPECT_EQ(QStringList(families).removeDuplicates(), 0);
}

TEST(FontFace, ReadsCellMetricsFromHheaAndReportsCharsetAndVerticalVariant)
{
    const auto face = OpenFamily("IPAPGothic");
    ASSERT_TRUE(face);
    const TFaceMetrics& m = face->Metrics();
    // IPA faces: hhea spans exactly one em; the usWin values would be about 7.6 % taller.
    EXPECT_EQ(m.UnitsPerEm, 2048);
    EXPECT_EQ(m.Ascender - m.Descender, 2048);
    EXPECT_TRUE(m.HasDecorationMetrics);
    EXPECT_GT(m.UnderlineThickness, 0);
    EXPECT_GT(m.StrikeoutPosition, 0);
    EXPECT_EQ(face->Charset(), TFaceCharset::ShiftJis);
    EXPECT_TRUE(face->HasVerticalVariant());
    EXPECT_EQ(TFontFace::Open(face->File()), face);
}

TEST(FontFace, ShapesOneCharacterWithItsVerticalForm)
{
    const auto face = OpenFamily("IPAGothic");
    ASSERT_TRUE(face);
    const TShapedGlyph across = face->Shape(U'ー', false);
    const TShapedGlyph down = face->Shape(U'ー', true);
    EXPECT_NE(across.Glyph, 0u);
    EXPECT_NE(down.Glyph, across.Glyph);
    EXPECT_EQ(down.Advance, 2048);
    EXPECT_LT(down.YOffset, 0); // the glyph's origin lies below the vertical origin
    EXPECT_EQ(face->Shape(U'\U0001F600', false).Glyph, 0u);

    const QPainterPath plain = face->Outline(across.Glyph, false);
    const QPainterPath bold = face->Outline(across.Glyph, true);
    ASSERT_FALSE(plain.isEmpty());
    EXPECT_NEAR(bold.boundingRect().width() - plain.boundingRect().width(), face->EmboldenStrength(), 2);
    EXPECT_TRUE(face->Outline(face->Shape(U' ', false).Glyph, false).isEmpty());
}

TEST(FontFace, RejectsFilesThatAreNoFonts)
{
    EXPECT_EQ(TFontFace::Open({QStringLiteral("/nonexistent/font.ttf"), 0}), nullptr);
    EXPECT_EQ(TFontFace::Open({QStringLiteral(LUMAREST_SOURCE_DIR "/CMakeLists.txt"), 0}), nullptr);
    const auto file = FindOutlineFace(QStringLiteral("IPAGothic"));
    ASSERT_TRUE(file);
    EXPECT_EQ(TFontFace::Open({file->Path, 7}), nullptr);
}
