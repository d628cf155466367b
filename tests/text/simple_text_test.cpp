#include "core/persistent/component.h"
#include "core/persistent/string_list.h"
#include "core/stream/component_stream.h"
#include "text/point_based_font.h"
#include "text/simple_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

// A component that streams one text as its sub-object "Layout".
class TTextHolder : public TComponent {
    LR_CLASS(TTextHolder, TComponent)
public:
    TTextHolder() = default;
    TSimpleText* Layout() { return text_.get(); }
    const TSimpleText* Layout() const { return text_.get(); }

private:
    std::unique_ptr<TSimpleText> text_ = std::make_unique<TSimpleText>();
};

LR_DEFINE_CLASS(TTextHolder, TComponent, LR_CREATABLE(TTextHolder), prop::Object("Layout", &Self::Layout, &Self::Layout))

QByteArray Short(const QByteArray& text)
{
    return char(text.size()) + text;
}

void SetLines(TSimpleText& text, const QStringList& lines)
{
    text.Text()->SetLines(lines);
}

// A text in IPAGothic 24 pt: cell height 85.
std::unique_ptr<TSimpleText> GothicText(const QStringList& lines)
{
    auto text = std::make_unique<TSimpleText>();
    text->Font()->SetName(QStringLiteral("ＭＳ ゴシック"));
    text->Font()->SetSize(24);
    SetLines(*text, lines);
    return text;
}

} // namespace

TEST(SimpleText, StreamsItsPropertiesInOrderAndReadsThemBack)
{
    TTextHolder holder;
    TSimpleText& text = *holder.Layout();
    SetLines(text, {QStringLiteral("第一行"), QStringLiteral("2")});
    text.Font()->SetName(QStringLiteral("ＭＳ Ｐゴシック"));
    text.Font()->SetSize(18);
    text.Font()->SetColor(clRed);
    text.Font()->SetCharset(128);
    text.Font()->SetStyle(FontStyleBit(fsBold) | FontStyleBit(fsUnderline));
    text.SetAlign(taRight);
    text.SetVertical(true);
    text.SetCharSpacing(3);
    text.SetLineSpacing(-4);
    text.SetBulge(-120);
    text.SetAngle(30);
    text.SetHanToZen(true);
    text.SetNumToKnj(true);
    text.SetMinusExc(true);
    text.SetFeedAngle(-45);

    const QByteArray bytes = ComponentBytes(holder);
    const char* order[] = {"Layout.Text.Strings", "Layout.Font.Charset", "Layout.Font.Color", "Layout.Font.Name",
                           "Layout.Font.Size", "Layout.Font.Style", "Layout.Align", "Layout.Vertical",
                           "Layout.CharSpacing", "Layout.LineSpacing", "Layout.Bulge", "Layout.Angle",
                           "Layout.HanToZen", "Layout.NumToKnj", "Layout.MinusExc", "Layout.FeedAngle"};
    qsizetype last = -1;
    for (const char* name : order) {
        const qsizetype at = bytes.indexOf(Short(name));
        EXPECT_GT(at, last) << name;
        last = at;
    }
    EXPECT_TRUE(bytes.contains(Short("Layout.Font.Charset") + "\x07" + Short("SHIFTJIS_CHARSET")));
    EXPECT_TRUE(bytes.contains(Short("Layout.Font.Color") + "\x07" + Short("clRed")));
    EXPECT_TRUE(bytes.contains(Short("Layout.Font.Style") + "\x0b" + Short("fsBold") + Short("fsUnderline") + '\0'));
    EXPECT_FALSE(bytes.contains("Font.Height"));
    EXPECT_FALSE(bytes.contains("Font.Pitch"));

    TTextHolder read;
    ReadComponentBytes(bytes, read);
    const TSimpleText& back = *read.Layout();
    EXPECT_EQ(back.Text()->Lines(), text.Text()->Lines());
    EXPECT_EQ(back.Font()->Name(), QStringLiteral("ＭＳ Ｐゴシック")); // the stored name, never the installed one
    EXPECT_EQ(back.Font()->Size(), 18);
    EXPECT_EQ(back.Font()->Color(), clRed);
    EXPECT_EQ(back.Font()->Style(), text.Font()->Style());
    EXPECT_EQ(back.Font()->Height(), -64);
    EXPECT_EQ(back.Align(), taRight);
    EXPECT_TRUE(back.Vertical());
    EXPECT_EQ(back.CharSpacing(), 3);
    EXPECT_EQ(back.LineSpacing(), -4);
    EXPECT_EQ(back.Bulge(), -120);
    EXPECT_EQ(back.Angle(), 30);
    EXPECT_TRUE(back.HanToZen() && back.NumToKnj() && back.MinusExc());
    EXPECT_EQ(back.FeedAngle(), -45);
    EXPECT_EQ(ComponentBytes(read), bytes);

    // Every property but FeedAngle is written also at its initial value; an empty style is not.
    const QByteArray plain = ComponentBytes(TTextHolder());
    EXPECT_TRUE(plain.contains(Short("Layout.Bulge")));
    EXPECT_FALSE(plain.contains("FeedAngle"));
    EXPECT_FALSE(plain.contains("Font.Style"));
}

TEST(SimpleText, DisplayLinesShowThePlaceholderAndTheConversions)
{
    struct Case {
        const char16_t* line;
        bool hanToZen, numToKnj, minusExc;
        const char16_t* shown;
    };
    const Case cases[] = {
        {u"-5", true, false, true, u"-５"},
        {u"-5", true, false, false, u"－５"},
        {u"1*2", true, false, false, u"１×２"},
        {u"a b", true, false, false, u"ａ ｂ"}, // the space stays half-width
        {u"12", false, true, false, u"12"},
        {u"12", true, true, false, u"一二"},
        {u"ｶﾞｱﾞ", true, false, false, u"ガア゛"},
        {u"ｶﾞ", false, false, false, u"ｶﾞ"},
    };
    for (const Case& c : cases) {
        TSimpleText text;
        SetLines(text, {QString::fromUtf16(c.line)});
        text.SetHanToZen(c.hanToZen);
        text.SetNumToKnj(c.numToKnj);
        text.SetMinusExc(c.minusExc);
        EXPECT_EQ(text.DisplayLines(), QStringList{QString::fromUtf16(c.shown)}) << QString::fromUtf16(c.line).toStdString();
    }
    TSimpleText empty;
    EXPECT_EQ(empty.DisplayLines(), QStringList{QStringLiteral("未入力項目")});
    EXPECT_EQ(empty.Layouts().size(), 1u);
}

TEST(SimpleText, EditingTheLinesDropsConvertedLinesAndLayouts)
{
    TSimpleText text;
    text.SetHanToZen(true);
    SetLines(text, {QStringLiteral("1")});
    EXPECT_EQ(text.DisplayLines(), QStringList{QStringLiteral("１")});
    EXPECT_EQ(text.Layouts().front().Text, QStringLiteral("１"));
    // Same number of lines: the cached line layouts must not survive either.
    SetLines(text, {QStringLiteral("2")});
    EXPECT_EQ(text.DisplayLines(), QStringList{QStringLiteral("２")});
    EXPECT_EQ(text.Layouts().front().Text, QStringLiteral("２"));
    text.Font()->SetSize(40);
    EXPECT_EQ(text.Layouts().front().Height, text.LayoutFont()->CellHeight());
}

TEST(SimpleText, SettersFireOnceAndBracketsFireOnceAtTheEnd)
{
    TSimpleText text;
    int changes = 0;
    text.SetOnChange([&](TSimpleText*) { ++changes; });
    text.SetAlign(taCenter);
    text.SetAlign(taCenter);
    EXPECT_EQ(changes, 1);
    text.BeginUpdate();
    text.BeginUpdate();
    text.SetBulge(5);
    text.Font()->SetSize(30);
    SetLines(text, {QStringLiteral("x")});
    text.EndUpdate();
    EXPECT_EQ(changes, 1);
    text.EndUpdate();
    EXPECT_EQ(changes, 2);
    text.BeginUpdate();
    text.EndUpdate();
    EXPECT_EQ(changes, 2);

    TSimpleText copy;
    int copyChanges = 0;
    copy.SetOnChange([&](TSimpleText*) { ++copyChanges; });
    copy.Assign(text);
    EXPECT_EQ(copyChanges, 1);
    EXPECT_EQ(copy.Bulge(), 5);
    EXPECT_EQ(copy.Font()->Size(), 30);
    EXPECT_EQ(copy.Text()->Lines(), QStringList{QStringLiteral("x")});
}

TEST(SimpleText, AnglesAreNormalisedWithATrueModulo)
{
    TSimpleText text;
    for (auto [set, stored] : {std::pair<std::int64_t, int>{-30, 330}, {-750, 330}, {720, 0},
                               {std::numeric_limits<int>::min(), 232}, {std::numeric_limits<int>::max(), 127}}) {
        text.SetAngle(set);
        EXPECT_EQ(text.Angle(), stored) << set;
    }
}

TEST(SimpleText, BoundsOfHorizontalAndVerticalText)
{
    auto text = GothicText({QStringLiteral("ABC"), QString(), QStringLiteral("縦書き")});
    const int h = text->LayoutFont()->CellHeight();
    ASSERT_EQ(h, 85);
    text->SetLineSpacing(10);
    const TRect r(100, 200, 1100, 1200);
    const int ink = text->Layouts()[2].InkWidth();

    text->SetAlign(taLeft);
    EXPECT_EQ(text->TextBounds(r, false), TRect(100, 200, 100 + ink, 200 + 3 * 95 - 10));
    text->SetAlign(taRight);
    EXPECT_EQ(text->TextBounds(r, false), TRect(1100 - ink, 200, 1100, 475));
    text->SetAlign(taEven);
    EXPECT_EQ(text->TextBounds(r, false), TRect(100, 200, 1100, 475));
    EXPECT_EQ(text->TextBounds(r, true), TRect(100, 200, 100 + ink, 475)); // sizing: as left
    text->SetAlign(9);                                                   // laid out as left, kept
    EXPECT_EQ(text->TextBounds(r, false), TRect(100, 200, 100 + ink, 475));
    EXPECT_EQ(text->Align(), 9);

    text->SetAlign(taLeft);
    text->SetVertical(true);
    const int column = text->Layouts()[2].InkWidth();
    EXPECT_EQ(text->TextBounds(r, false), TRect(1100 - 275, 200, 1100, 200 + column));

    // Only empty lines: the rectangle's extent along the lines.
    auto blank = GothicText({QString(), QString()});
    EXPECT_EQ(blank->TextBounds(r, false), TRect(100, 200, 1100, 200 + 2 * 85));
    // Line spacing below minus the cell height still gives a normalised rectangle.
    blank->SetLineSpacing(-200);
    const TRect turned = blank->TextBounds(r, false);
    EXPECT_LE(turned.Top, turned.Bottom);
    EXPECT_EQ(RectHeight(turned), 200 - 2 * 85);
}

TEST(SimpleText, TabsReachTheNextStopOfEightCharacters)
{
    auto text = GothicText({QStringLiteral("abc\tx")});
    const TCharLayout& line = text->Layouts().front();
    const int zero = text->LayoutFont()->Glyph(U'0').Widths.Advance();
    EXPECT_EQ(line.ABC[3], (TABC{0, 5 * zero, 0}));
}

TEST(SimpleText, FeedAngleSlantsLeftAndRightAlignedParagraphsOnly)
{
    auto text = GothicText({QStringLiteral("A"), QStringLiteral("A"), QStringLiteral("A")});
    const TRect r(0, 0, 2000, 1000);
    const auto lefts = [&] {
        std::vector<int> x;
        for (const auto& placement : text->GlyphPlacements(r))
            x.push_back(int(placement.At.x()));
        return x;
    };
    text->SetAlign(taCenter);
    const std::vector<int> centred = lefts();
    text->SetFeedAngle(-45);
    EXPECT_EQ(lefts(), centred);

    const int step = int(std::round(std::sin(M_PI / 4) * 85));
    text->SetAlign(taLeft);
    std::vector<int> x = lefts();
    EXPECT_EQ(x[1] - x[0], step); // -45: each line further right
    EXPECT_EQ(x[2] - x[0], int(std::round(2 * std::sin(M_PI / 4) * 85)));
    text->SetFeedAngle(45);
    x = lefts();
    EXPECT_EQ(x[0] - x[1], step); // +45: further left, the last line at the start
    EXPECT_EQ(x[2], lefts()[2]);
    text->SetAlign(taRight);
    text->SetFeedAngle(-45);
    x = lefts();
    EXPECT_EQ(x[1] - x[0], step);
    EXPECT_LT(x[2] + text->Layouts()[2].InkWidth(), 2001); // stays inside on the right
}
