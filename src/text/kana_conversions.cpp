#include "text/kana_conversions.h"

#include <string_view>

namespace {

constexpr char16_t kVoicedMark = u'ﾞ';
constexpr char16_t kSemiVoicedMark = u'ﾟ';

// A half-width letter and its voicing mark, and the voiced full-width letters, by position;
// the first match wins.
constexpr std::u16string_view kVoicedHalf = u"ｶﾞｷﾞｸﾞｹﾞｺﾞｻﾞｼﾞｽﾞｾﾞｿﾞﾀﾞﾁﾞﾂﾞﾃﾞﾄﾞﾊﾞﾋﾞﾌﾞﾌﾞﾍﾞﾎﾞﾊﾟﾋﾟﾌﾟﾍﾟﾎﾟ";
constexpr std::u16string_view kVoicedFull = u"ガギグゲゴザジズゼゾダヂヅデドバビブヴベボパピプペポ";

// Single characters and their full-width forms, by position; the first match wins.
constexpr std::u16string_view kSingleHalf =
    u"0123456789"
    u"AaBbCcDdEeFfGgHhIiJjKkLlMmNnOoPpQqRrSsTtUuVvWwXxYyZz"
    u"ｱｧｲｨｳｩｴｪｵｫｶｶｷｸｹｹｺｻｼｽｾｿﾀﾁﾂｯﾃﾄﾅﾆﾇﾈﾉ"
    u"ﾊﾋﾌﾍﾎﾏﾐﾑﾒﾓﾔｬｬﾕｭｭﾖｮﾗﾘﾙﾚﾛﾜﾜｦﾝ"
    u"!\"#$%&'()*,-./:;<=>+?@_^[\\]`{|}~｡｢｣､･ｰﾞﾟ";
constexpr std::u16string_view kSingleFull =
    u"０１２３４５６７８９"
    u"ＡａＢｂＣｃＤｄＥｅＦｆＧｇＨｈＩｉＪｊＫｋＬｌＭｍＮｎＯｏＰｐＱｑＲｒＳｓＴｔＵｕＶｖＷｗＸｘＹｙＺｚ"
    u"アァイィウゥエェオォカヵキクケヶコサシスセソタチツッテトナニヌネノ"
    u"ハヒフヘホマミムメモヤャヰユュヱヨョラリルレロワヮヲン"
    u"！”＃＄％＆’（）×，－．／：；＜＝＞＋？＠＿＾［￥］｀｛｜｝″。「」、・ー゛゜";
static_assert(kVoicedHalf.size() == 2 * kVoicedFull.size());
static_assert(kSingleHalf.size() == kSingleFull.size());

// Characters that take one byte in Shift-JIS: ASCII and half-width katakana. Everything
// else is a double-byte character and is copied.
bool IsSingleByte(char16_t c)
{
    return c < 0x80 || (c >= 0xFF61 && c <= 0xFF9F);
}

// The voiced letter for a half-width letter and its mark, or 0.
char16_t VoicedLetter(char16_t letter, char16_t mark)
{
    if (letter == u'ｳ' && mark == kVoicedMark)
        return u'ヴ';
    for (std::size_t i = 0; i < kVoicedFull.size(); ++i)
        if (kVoicedHalf[2 * i] == letter && kVoicedHalf[2 * i + 1] == mark)
            return kVoicedFull[i];
    return 0;
}

char16_t FullWidth(char16_t c)
{
    const std::size_t at = kSingleHalf.find(c);
    return at == std::u16string_view::npos ? c : kSingleFull[at];
}

} // namespace

QString HanToZenConvert(const QString& text, bool minusExc)
{
    QString result;
    result.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (!IsSingleByte(c) || (minusExc && c == u'-')) {
            result.append(QChar(c));
            continue;
        }
        if (i + 1 < text.size()) {
            const char16_t next = text[i + 1].unicode();
            if (next == kVoicedMark || next == kSemiVoicedMark) {
                if (const char16_t voiced = VoicedLetter(c, next)) {
                    result.append(QChar(voiced));
                    ++i;
                    continue;
                }
            }
        }
        result.append(QChar(FullWidth(c)));
    }
    return result;
}

QString KanaFold(const QString& text)
{
    QString result = text;
    for (QChar& c : result)
        if (c.unicode() >= 0x3041 && c.unicode() <= 0x3096)
            c = QChar(static_cast<char16_t>(c.unicode() + 0x60));
    return result;
}
