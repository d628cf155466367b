#include "text/kana_conversions.h"

#include <gtest/gtest.h>

#include <initializer_list>

namespace {

struct Case {
    const char16_t* input;
    const char16_t* expected;
};

void ExpectConversions(QString (*convert)(const QString&), std::initializer_list<Case> cases)
{
    for (const Case& c : cases)
        EXPECT_EQ(convert(QString::fromUtf16(c.input)), QString::fromUtf16(c.expected))
            << QString::fromUtf16(c.input).toStdString();
}

QString HanToZen(const QString& text)
{
    return HanToZenConvert(text);
}

} // namespace

TEST(KanaConversions, HanToZenConvertsByTable)
{
    ExpectConversions(HanToZen, {
        {u"A4 label-12", u"Ａ４ ｌａｂｅｌ－１２"},
        {u"ｶﾞｲﾄﾞ", u"ガイド"},
        {u"ｳﾞｨ", u"ヴィ"},
        {u"ﾌﾞﾊﾟ", u"ブパ"},
        // A mark that does not combine is converted on its own.
        {u"ｱﾞﾏﾟ", u"ア゛マ゜"},
        {u"ｶｹ", u"カケ"},
        {u"*~\\\"'", u"×″￥”’"},
        {u"｢ｰ｣･", u"「ー」・"},
        // Double-byte characters are copied.
        {u"漢字かなカナ", u"漢字かなカナ"},
    });
}

TEST(KanaConversions, MinusExcKeepsTheMinus)
{
    EXPECT_EQ(HanToZenConvert(QStringLiteral("1-2"), true), QStringLiteral("１-２"));
    EXPECT_EQ(HanToZenConvert(QStringLiteral("1-2"), false), QStringLiteral("１－２"));
}

TEST(KanaConversions, KanaFoldTurnsHiraganaIntoKatakana)
{
    EXPECT_EQ(KanaFold(QStringLiteral("らべるぁゔゕゖ")), QStringLiteral("ラベルァヴヵヶ"));
    EXPECT_EQ(KanaFold(QStringLiteral("カナ漢字ABCー")), QStringLiteral("カナ漢字ABCー"));
}

TEST(KanaConversions, NumToKanjiConvertsOnlyFullWidthDigits)
{
    EXPECT_EQ(NumToKanjiConvert(QStringLiteral("０１２３４５６７８９")), QStringLiteral("〇一二三四五六七八九"));
    EXPECT_EQ(NumToKanjiConvert(QStringLiteral("12第３版")), QStringLiteral("12第三版"));
    // With both conversions half-width digits become kanji.
    EXPECT_EQ(NumToKanjiConvert(HanToZenConvert(QStringLiteral("12"))), QStringLiteral("一二"));
}

TEST(KanaConversions, ZenToHanReadsTheTablesBackwards)
{
    ExpectConversions(ZenToHanConvert, {
        {u"Ａ４　ｌａｂｅｌ－１２", u"A4　label-12"},
        {u"ガイド", u"ｶﾞｲﾄﾞ"},
        {u"がいど", u"ｶﾞｲﾄﾞ"}, // hiragana too
        {u"パピプペポ", u"ﾊﾟﾋﾟﾌﾟﾍﾟﾎﾟ"},
        {u"ブ", u"ﾌﾞ"},
        {u"ヴゔ", u"ｳﾞｳﾞ"},
        {u"ャュョッ", u"ｬｭｮｯ"},
        // ヰ and ヱ have no half-width form: kept, not turned into small ｬ and ｭ.
        {u"ヰヱゐゑ", u"ヰヱゐゑ"},
        {u"×″￥”’「ー」・。、゛゜", u"*~\\\"'｢ｰ｣･｡､ﾞﾟ"},
        {u"漢字ABC", u"漢字ABC"},
    });
}
