#include "platform/shift_jis.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

namespace {

QByteArray Hex(const char* hex)
{
    return QByteArray::fromHex(hex);
}

} // namespace

TEST(ShiftJIS, EncodesAndDecodesTable)
{
    struct Case { const char16_t* text; const char* bytes; };
    const Case cases[] = {
        {u"ABC 123", "41424320313233"},
        {u"\\~", "5c7e"},                 // backslash and tilde, not yen and overline
        {u"ｱｲｳ", "b1b2b3"},               // half-width katakana
        {u"漢字", "8abf8e9a"},
        {u"ラベル", "83898378838b"},
        {u"\uFF5E", "8160"},              // full-width tilde: the code page's wave dash
        {u"①Ⅰ", "87408754"},              // NEC special characters
        {u"ⅰ纊", "fa40fa5c"},             // IBM extensions are preferred over NEC-selected copies
        {u"\uE000", "f040"},              // user-defined area
        {u"\uF8F0", "a0"},
    };
    for (const Case& c : cases) {
        const QString text = QString::fromUtf16(c.text);
        SCOPED_TRACE(text.toStdString());
        const auto encoded = EncodeShiftJIS(text);
        ASSERT_TRUE(encoded.has_value());
        EXPECT_EQ(encoded->toHex(), QByteArray(c.bytes));
        EXPECT_EQ(DecodeShiftJIS(Hex(c.bytes)), text);
    }
}

TEST(ShiftJIS, InputMethodFormsMapToCodePageForms)
{
    struct Case { char16_t input; const char* bytes; char16_t decoded; };
    const Case cases[] = {
        {0x301C, "8160", 0xFF5E}, {0x2016, "8161", 0x2225}, {0x2212, "817c", 0xFF0D}, {0x00A2, "8191", 0xFFE0},
        {0x00A3, "8192", 0xFFE1}, {0x00AC, "81ca", 0xFFE2}, {0x2014, "815c", 0x2015},
    };
    for (const Case& c : cases) {
        const auto encoded = EncodeShiftJIS(QString(QChar(c.input)));
        ASSERT_TRUE(encoded.has_value()) << int(c.input);
        EXPECT_EQ(encoded->toHex(), QByteArray(c.bytes));
        EXPECT_EQ(DecodeShiftJIS(*encoded), QString(QChar(c.decoded)));
    }
}

TEST(ShiftJIS, ReportsCharactersWithoutShiftJISForm)
{
    QString unmappable;
    EXPECT_FALSE(EncodeShiftJIS(u"価格€5 ¥ 😀 €", &unmappable).has_value());
    EXPECT_EQ(unmappable, QStringLiteral("€¥😀"));
    EXPECT_FALSE(FitsShiftJIS(u"한글"));
    EXPECT_TRUE(FitsShiftJIS(u"ディスク　ラベル"));
    EXPECT_TRUE(EncodeShiftJIS(u"").has_value());
}

TEST(ShiftJIS, MalformedBytesDecodeToReplacement)
{
    EXPECT_EQ(DecodeShiftJIS(Hex("41" "82")), QStringLiteral("A\uFFFD"));        // lead byte at the end
    EXPECT_EQ(DecodeShiftJIS(Hex("82" "0a" "41")), QStringLiteral("\uFFFD\nA")); // bad trail byte is kept
    EXPECT_EQ(DecodeShiftJIS(Hex("8540")), QStringLiteral("\uFFFD"));            // unassigned code
}

TEST(ShiftJIS, DecodingMatchesPythonCodecOverTheWholeCodePage)
{
    // Python's cp932 codec is an independent implementation of the code page.
    const QString script = QStringLiteral(
        "import sys\n"
        "out = []\n"
        "codes = [bytes([b]) for b in range(256) if not (0x81 <= b <= 0x9f or 0xe0 <= b <= 0xfc)]\n"
        "codes += [bytes([l, t]) for l in list(range(0x81, 0xa0)) + list(range(0xe0, 0xfd))\n"
        "          for t in range(0x40, 0xfd) if t != 0x7f]\n"
        "for c in codes:\n"
        "    try: u = c.decode('cp932')\n"
        "    except UnicodeDecodeError: u = '\\ufffd'\n"
        "    out.append(c.hex() + ' ' + '%04x' % ord(u))\n"
        "sys.stdout.write('\\n'.join(out))\n");
    QByteArray output;
    ASSERT_EQ(testsupport::RunProgram(QStringLiteral("/usr/bin/python3"), {QStringLiteral("-c"), script}, &output), 0);
    int checked = 0;
    for (const QByteArray& line : output.split('\n')) {
        const QList<QByteArray> fields = line.split(' ');
        ASSERT_EQ(fields.size(), 2);
        const QString decoded = DecodeShiftJIS(QByteArray::fromHex(fields[0]));
        ASSERT_EQ(decoded.size(), 1) << fields[0].constData();
        EXPECT_EQ(decoded[0].unicode(), fields[1].toUShort(nullptr, 16)) << fields[0].constData();
        ++checked;
    }
    EXPECT_GT(checked, 11000);
}
