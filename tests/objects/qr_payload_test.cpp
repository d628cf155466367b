#include "objects/codes/qr_payload.h"

#include "platform/shift_jis.h"

#include <gtest/gtest.h>

namespace {

QByteArray Sjis(const QString& text)
{
    return EncodeShiftJIS(text).value_or(QByteArray("?"));
}

TQRFields Phone(TStdQRType type)
{
    TQRFields fields;
    fields.Type = type;
    fields.Kind = sqkTel;
    return fields;
}

} // namespace

TEST(QRPayload, FormatsOfBothFamilies)
{
    struct Case {
        const char* Name;
        TQRFields Fields;
        QString Expected;
    };
    std::vector<Case> cases;
    {
        TQRFields f = Phone(sqtDoCoMo);
        f.NameCommaDevide = true;
        f.Name = QStringLiteral("Yamada Taro");
        f.Furigana = QStringLiteral("ヤマダ タロウ");
        f.Tel1 = QStringLiteral("0312345678");
        cases.push_back({"split name and reading", f, QStringLiteral("MECARD:N:Yamada,Taro;SOUND:ﾔﾏﾀﾞ,ﾀﾛｳ;TEL:0312345678;;")});
        f.NameCommaDevide = false;
        cases.push_back({"unsplit", f, QStringLiteral("MECARD:N:Yamada Taro;SOUND:ﾔﾏﾀﾞ ﾀﾛｳ;TEL:0312345678;;")});
        f.FuriganaHankaku = false;
        cases.push_back({"reading as typed", f, QStringLiteral("MECARD:N:Yamada Taro;SOUND:ヤマダ タロウ;TEL:0312345678;;")});
    }
    {
        TQRFields f = Phone(sqtDoCoMo);
        f.NameCommaDevide = true;
        f.Name = QStringLiteral("山田　太郎");
        cases.push_back({"full-width space does not split", f, QStringLiteral("MECARD:N:山田　太郎;;")});
        f.Name = QStringLiteral("a;b:c,d\\e");
        cases.push_back({"escapes", f, QStringLiteral("MECARD:N:a\\;b\\:c\\,d\\\\e;;")});
        f.Name.clear();
        f.Furigana = QStringLiteral("ヰヱ");
        cases.push_back({"wi and we kept", f, QStringLiteral("MECARD:SOUND:ヰヱ;;")});
        f.Furigana.clear();
        f.Tel1 = QStringLiteral("1");
        f.Tel2 = QStringLiteral("2");
        f.Email1 = QStringLiteral("a@b.jp");
        f.Email2 = QStringLiteral("c@d.jp");
        cases.push_back({"all numbers", f, QStringLiteral("MECARD:TEL:1;TEL:2;EMAIL:a@b.jp;EMAIL:c@d.jp;;")});
        cases.push_back({"nothing", Phone(sqtDoCoMo), QString()});
    }
    {
        TQRFields f = Phone(sqtVodafone);
        f.NameCommaDevide = true;
        f.Name = QStringLiteral("a;b\\c d");
        f.Furigana = QStringLiteral("エー");
        f.Tel1 = QStringLiteral("03\r\n99");
        f.Tel2 = QStringLiteral("2");
        f.Email1 = QStringLiteral("x@y.jp");
        f.Email2 = QStringLiteral("z@w.jp");
        cases.push_back({"memory entry", f,
                         QStringLiteral("MEMORY:\r\nNAME1:a;b\\c d\r\nNAME2:ｴｰ\r\nTEL1:0399\r\nTEL2:2\r\n"
                                        "MAIL1:x@y.jp\r\nMAIL2:z@w.jp\r\n")});
        cases.push_back({"empty memory entry", Phone(sqtVodafone), QString()});
    }
    {
        TQRFields f;
        f.Type = sqtDoCoMo;
        f.Kind = sqkURL;
        f.UrlTitle = QStringLiteral("Band");
        f.Url = QStringLiteral("http://example.jp/");
        cases.push_back({"bookmark", f, QStringLiteral("MEBKM:TITLE:Band;URL:http\\://example.jp/;;")});
        f.Type = sqtVodafone;
        f.Url = QStringLiteral("ｅｘａｍｐｌｅ.jp");
        cases.push_back({"address without scheme", f, QStringLiteral("http://example.jp")});
        f.Url = QStringLiteral("HtTpS://Example.jp");
        cases.push_back({"address with scheme", f, QStringLiteral("HtTpS://Example.jp")});
        f.Kind = sqkTEXT;
        f.Text = QStringList{QStringLiteral("一行目"), QStringLiteral("two")};
        cases.push_back({"free text", f, QStringLiteral("一行目\r\ntwo\r\n")});
        f.Type = sqtDoCoMo;
        cases.push_back({"free text, other family", f, QStringLiteral("一行目\r\ntwo\r\n")});
    }
    for (const Case& c : cases)
        EXPECT_EQ(BuildPayloadText(c.Fields), c.Expected) << c.Name;

    TQRFields au = Phone(sqtAU);
    au.Name = QStringLiteral("x");
    EXPECT_FALSE(BuildPayloadText(au));
}

TEST(QRPayload, DoubleByteCharactersWithBackslashTrailBytesAreNotEscaped)
{
    TQRFields f = Phone(sqtDoCoMo);
    f.Name = QStringLiteral("ソ表能十予");
    const TQRPayload payload = EncodePayload(*BuildPayloadText(f));
    EXPECT_TRUE(payload.Unmappable.isEmpty());
    EXPECT_EQ(payload.Bytes, "MECARD:N:" + Sjis(f.Name) + ";;");
    EXPECT_EQ(Sjis(QStringLiteral("ソ")), QByteArray("\x83\x5c"));
    EXPECT_FALSE(payload.Bytes.contains("\x5c\x5c"));
}

TEST(QRPayload, CharactersWithoutShiftJISAreReported)
{
    const TQRPayload payload = EncodePayload(QStringLiteral("MECARD:N:A😀B€;;"));
    EXPECT_TRUE(payload.Bytes.isEmpty());
    EXPECT_EQ(payload.Unmappable, QStringLiteral("😀€"));
}

TEST(QRPayload, SplitNameCutsAtHalfWidthSpacesOutsideQuotes)
{
    using Parts = std::optional<std::pair<QString, QString>>;
    EXPECT_EQ(SplitName(QStringLiteral("  A   B C ")), (Parts{{QStringLiteral("A"), QStringLiteral("B C")}}));
    EXPECT_EQ(SplitName(QStringLiteral("山田　太郎")), Parts{});
    EXPECT_EQ(SplitName(QStringLiteral("single")), Parts{});
    EXPECT_EQ(SplitName(QStringLiteral("\"Mc Kay\" John")),
              (Parts{{QStringLiteral("\"Mc Kay\""), QStringLiteral("John")}}));
    EXPECT_EQ(SplitName(QStringLiteral("　A B")), (Parts{{QStringLiteral("　A"), QStringLiteral("B")}}));
}
