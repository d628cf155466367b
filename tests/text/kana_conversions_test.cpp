#include "text/kana_conversions.h"

#include <gtest/gtest.h>

TEST(KanaConversions, HanToZenConvertsByTable)
{
    struct Case {
        const char16_t* input;
        const char16_t* expected;
    };
    const Case cases[] = {
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
    };
    for (const Case& c : cases)
        EXPECT_EQ(HanToZenConvert(QString::fromUtf16(c.input)), QString::fromUtf16(c.expected))
            << QString::fromUtf16(c.input).toStdString();
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
