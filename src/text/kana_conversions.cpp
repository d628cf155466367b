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

// Kana without a half-width letter of their own: the tables list small forms in their place.
constexpr std::u16string_view kNoHalfWidth = u"ヰヱ";

char16_t Katakana(char16_t c)
{
    return c >= 0x3041 && c <= 0x3096 ? static_cast<char16_t>(c + 0x60) : c;
}

// Appends the half-width form of a full-width character, or the character itself.
void AppendHalfWidth(QString& result, char16_t c)
{
    const char16_t k = Katakana(c);
    if (kNoHalfWidth.find(k) != std::u16string_view::npos) {
        result.append(QChar(c));
        return;
    }
    if (k == u'ヴ') {
        result.append(QChar(u'ｳ')).append(QChar(kVoicedMark));
        return;
    }
    if (const std::size_t at = kVoicedFull.find(k); at != std::u16string_view::npos) {
        result.append(QChar(kVoicedHalf[2 * at])).append(QChar(kVoicedHalf[2 * at + 1]));
        return;
    }
    const std::size_t at = kSingleFull.find(k);
    result.append(QChar(at == std::u16string_view::npos ? c : kSingleHalf[at]));
}

} // namespace

QString NumToKanjiConvert(const QString& text)
{
    static constexpr std::u16string_view kKanji = u"〇一二三四五六七八九";
    QString result = text;
    for (QChar& c : result)
        if (c.unicode() >= u'０' && c.unicode() <= u'９')
            c = QChar(kKanji[c.unicode() - u'０']);
    return result;
}

QString ZenToHanConvert(const QString& text)
{
    QString result;
    result.reserve(text.size());
    for (const QChar c : text)
        AppendHalfWidth(result, c.unicode());
    return result;
}

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
        c = QChar(Katakana(c.unicode()));
    return result;
}
