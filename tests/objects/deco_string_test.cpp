// Image fonts and decorative strings: the glyph lookup (numbered folders by number, only
// pictures, wrap-around, font numbers below 1, no files, unreadable pictures), glyph
// sizes, layout, rotation, fitting, streaming, and drawing the shipped fonts.
#include "core/canvas/memory_canvas.h"
#include "core/stream/component_stream.h"
#include "objects/deco/deco_string.h"
#include "objects/deco/image_font.h"
#include "objects/groups/group_classes.h"
#include "image_font_fixtures.h"

#include <QDir>
#include <QTemporaryDir>

namespace {

QImage Draw(TLODecoString& deco, QSize size)
{
    QImage image = CreateBitmap(size, QImage::Format_RGB32, 254);
    TMemoryCanvas canvas(image, 254);
    deco.PaintTo(canvas);
    return image;
}

int CountColour(const QImage& image, QRgb colour)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += (image.pixel(x, y) & 0xFFFFFF) == colour;
    return count;
}

int CountInk(const QImage& image)
{
    return image.width() * image.height() - CountColour(image, 0xFFFFFF);
}

TEST(ImageFontStore, LooksUpGlyphsWithWrapAroundAndFontNumbersBelowOne)
{
    QTemporaryDir root;
    // 150 glyph files over three folders: 64, 64 and 22.
    MakeFont(root.path(), "1", 64);
    MakeFont(root.path(), "2", 64);
    MakeFont(root.path(), "3", 22);
    const TImageFontStore store(root.path());
    ASSERT_EQ(store.Files().size(), 150);
    const int a = TImageFont::GlyphIndex(u'A');
    const int question = TImageFont::GlyphIndex(u'?');
    EXPECT_EQ(a, 0);
    EXPECT_EQ(question, 63);
    EXPECT_EQ(store.FileIndex(2, a), 64);
    EXPECT_EQ(store.FileIndex(2, question), 127);
    EXPECT_EQ(store.FileIndex(3, a), 128);
    EXPECT_EQ(store.FileIndex(3, question), (63 + 128) % 150);
    for (const int below : {0, -1, -1000})
        EXPECT_EQ(store.FileIndex(below, question), 63) << below;
    EXPECT_EQ(TImageFont::GlyphIndex(u' '), -1);
    EXPECT_EQ(TImageFont::GlyphIndex(u'あ'), -1);
}

TEST(ImageFontStore, TakesOnlyNumberedFoldersByNumberAndOnlyPictures)
{
    QTemporaryDir root;
    MakeFont(root.path(), "10", 1);
    MakeFont(root.path(), "2", 1);
    MakeFont(root.path(), "1", 2);
    MakeFont(root.path(), "extra", 3);
    MakeFont(root.path(), "0", 3);
    testsupport::WriteFileBytes(root.filePath("1/readme.txt"), "not a glyph");
    testsupport::WriteFileBytes(root.filePath("1/.hidden.png"), GlyphPng({10, 10}));
    testsupport::WriteFileBytes(root.filePath("loose.png"), GlyphPng({10, 10}));
    const TImageFontStore store(root.path());
    QStringList relative;
    for (const QString& file : store.Files())
        relative << QDir(root.path()).relativeFilePath(file);
    EXPECT_EQ(relative, (QStringList{"1/00.png", "1/01.png", "2/00.png", "10/00.png"}));
    const auto folders = TImageFontStore::FontFolders(root.path());
    ASSERT_EQ(folders.size(), 3u);
    EXPECT_EQ(folders[2].first, 10);
}

TEST(ImageFontStore, NoFilesOrUnreadablePicturesGiveCharactersWithoutGlyphs)
{
    QTemporaryDir root;
    const TImageFontStore empty(root.path());
    EXPECT_EQ(empty.FileIndex(1, 0), -1);
    TImageFontStore none({});
    EXPECT_TRUE(none.Glyph(1, 0).isNull());

    testsupport::WriteFileBytes(root.filePath("1/00.png"), "broken");
    MakeFont(root.path(), "1/x", 0);
    TImageFontStore broken(root.path());
    ASSERT_EQ(broken.Files().size(), 1);
    EXPECT_TRUE(broken.Glyph(1, 0).isNull());

    TImageFont font;
    font.SetStore(&broken);
    font.SetHeight(90);
    EXPECT_EQ(font.GlyphSize(u'A'), QSize(30, 90));
    QImage image = CreateBitmap({100, 100}, QImage::Format_RGB32, 254);
    TMemoryCanvas canvas(image, 254);
    EXPECT_EQ(font.DrawChar(canvas, 0, 0, u'A'), 30);
    EXPECT_EQ(CountInk(image), 0);
}

TEST(ImageFont, GlyphsScaleToTheHeightAndOthersTakeAThird)
{
    QTemporaryDir root;
    MakeFont(root.path(), "1", 64, {120, 200});
    TImageFontStore store(root.path());
    TImageFont font;
    font.SetStore(&store);
    font.SetHeight(100);
    EXPECT_EQ(font.GlyphSize(u'A'), QSize(60, 100));
    EXPECT_EQ(font.GlyphSize(u' '), QSize(33, 100));
    EXPECT_EQ(font.Measure("A A"), QSize(153, 100));
    // Drawn without the transparent colour.
    QImage image = CreateBitmap({100, 100}, QImage::Format_RGB32, 254);
    TMemoryCanvas canvas(image, 254);
    EXPECT_EQ(font.DrawChar(canvas, 0, 0, u'A'), 60);
    EXPECT_GT(CountColour(image, 0xFF0000), 0);
    EXPECT_EQ(CountColour(image, kImageFontTransparent), 0);
}

TEST(ImageFont, BroadcastsEffectiveChangesOnly)
{
    TImageFont font;
    int changes = 0;
    font.Notifier().SetOnChange([&](TChangeNotify*) { ++changes; });
    font.SetHeight(16);
    font.SetFontNo(1);
    EXPECT_EQ(changes, 0);
    font.SetFontNo(2);
    font.SetHeight(20);
    EXPECT_EQ(changes, 2);
}

class DecoStringTest : public ::testing::Test {
protected:
    void SetUp() override { RegisterGroupClasses(); }
};

TEST_F(DecoStringTest, AnglesAreKeptInOneTurn)
{
    TLODecoString deco;
    deco.SetAngle(-90);
    EXPECT_EQ(deco.Angle(), 270);
    deco.SetAngle(725);
    EXPECT_EQ(deco.Angle(), 5);
}

TEST_F(DecoStringTest, EvenDistributionSpreadsTheFreeWidthOverTheGaps)
{
    QTemporaryDir root;
    MakeFont(root.path(), "1", 64, {60, 60});
    TImageFontStore store(root.path());
    TLODecoString deco;
    deco.Font().SetStore(&store);
    deco.SetBoundsRect({0, 0, 1000, 60});
    deco.SetText("ab cd");
    deco.SetAlign(3);
    // Glyphs 60 wide, the space 20: 260 of ink, 740 spread over four gaps.
    EXPECT_EQ(deco.CharPositions(1000), (std::vector<int>{0, 245, 490, 695, 940}));
    deco.SetAlign(1);
    EXPECT_EQ(deco.CharPositions(1000).front(), 370);
}

TEST_F(DecoStringTest, HeightDrivesTheGlyphsAndFitToTextSizesTheRectangle)
{
    QTemporaryDir root;
    MakeFont(root.path(), "1", 64, {120, 200});
    TImageFontStore store(root.path());
    TLODecoString deco;
    deco.Font().SetStore(&store);
    deco.SetText("AB");
    deco.FitToText();
    EXPECT_EQ(deco.BoundsRect(), TRect(0, 0, 120, 100));
    deco.SetHeight(50);
    EXPECT_EQ(deco.Font().Height(), 50);
    EXPECT_EQ(deco.Width(), 120);
}

TEST_F(DecoStringTest, TurnedGeometry)
{
    TLODecoString deco;
    deco.SetBoundsRect({100, 100, 300, 140});
    deco.SetAngle(90);
    EXPECT_EQ(deco.GetBounds(), TRect(180, 20, 220, 220));
    EXPECT_TRUE(deco.HitTest({200, 30}));
    EXPECT_FALSE(deco.HitTest({110, 120}));
    // Width and height scaled by the ratios of the requested to the current bounding width
    // and height, the bounds keeping their top-left corner.
    deco.Resize(80, 100);
    EXPECT_EQ(RectWidth(deco.BoundsRect()), 400);
    EXPECT_EQ(RectHeight(deco.BoundsRect()), 20);
    EXPECT_EQ(deco.GetBounds(), TRect(180, 20, 200, 420));
    deco.SetAngle(0);
    const TRect unturned = deco.GetBounds();
    deco.Resize(80, 100);
    EXPECT_EQ(deco.GetBounds(), TRect(unturned.Left, unturned.Top, unturned.Left + 80, unturned.Top + 100));
}

TEST_F(DecoStringTest, StreamsInOrderAndReadsBackByteForByte)
{
    TLODecoString deco;
    deco.SetBoundsRect({10, 20, 210, 120});
    deco.SetText("Lumarest!");
    deco.SetFontNo(2);
    deco.SetAlign(2);
    deco.SetAngle(-30);
    const QByteArray bytes = ComponentBytes(deco);
    int last = -1;
    for (const char* name : {"\x06Height", "\x04Text", "\x06" "FontNo", "\x05" "Align", "\x05" "Angle"}) {
        const int at = bytes.indexOf(name);
        EXPECT_GT(at, last) << name + 1;
        last = at;
    }
    std::unique_ptr<TComponent> read = ReadComponentBytes(bytes);
    auto* copy = dynamic_cast<TLODecoString*>(read.get());
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->Text(), "Lumarest!");
    EXPECT_EQ(copy->Angle(), 330);
    EXPECT_EQ(copy->Font().Height(), 100);
    EXPECT_EQ(ComponentBytes(*copy), bytes);
    TLODecoString assigned;
    assigned.Assign(deco);
    EXPECT_EQ(ComponentBytes(assigned), bytes);
}

TEST_F(DecoStringTest, DrawsTheShippedFontsWithWrapAround)
{
    const TImageFontStore& shipped = TImageFontStore::Shared();
    const int fonts = static_cast<int>(TImageFontStore::FontFolders(TImageFontStore::DefaultFolder()).size());
    ASSERT_GE(fonts, 3);
    ASSERT_EQ(shipped.Files().size(), fonts * 64);
    std::vector<QImage> drawn;
    for (int fontNo = 1; fontNo <= fonts + 1; ++fontNo) {
        TLODecoString deco;
        deco.SetText("Ab0!?");
        deco.SetFontNo(fontNo);
        deco.FitToText();
        ASSERT_GT(deco.Width(), 100);
        drawn.push_back(Draw(deco, {deco.Width(), 100}));
        EXPECT_GT(CountInk(drawn.back()), 1000) << fontNo;
        EXPECT_EQ(CountColour(drawn.back(), kImageFontTransparent), 0) << fontNo;
    }
    EXPECT_NE(drawn[0], drawn[1]);
    // The font after the last shipped one is the first again.
    EXPECT_EQ(drawn[fonts], drawn[0]);
}

TEST_F(DecoStringTest, TurnedStringsDrawInsideTheirBounds)
{
    TLODecoString deco;
    deco.SetText("AB");
    deco.FitToText();
    deco.SetBoundsRect(deco.BoundsRect().Translated(100, 100));
    const int width = deco.Width();
    deco.SetAngle(90);
    const TRect bounds = deco.GetBounds();
    const QImage image = Draw(deco, {400, 400});
    int inside = 0;
    int outside = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF)
                (bounds.Contains({x, y}) ? inside : outside)++;
    EXPECT_GT(inside, width * 20);
    EXPECT_EQ(outside, 0);
    EXPECT_EQ(CountColour(image, kImageFontTransparent), 0);
}

} // namespace
