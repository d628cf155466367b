#include "music/replace/half_width.h"

#include <string_view>

namespace {

// Full-width katakana and their half-width forms, by position (voiced letters take two).
constexpr std::u16string_view kKanaFull =
    u"アァイィウゥエェオォカキクケコサシスセソタチツッテトナニヌネノハヒフヘホマミムメモヤャユュヨョラリルレロワヲンー。「」、・゛゜";
constexpr std::u16string_view kKanaHalf =
    u"ｱｧｲｨｳｩｴｪｵｫｶｷｸｹｺｻｼｽｾｿﾀﾁﾂｯﾃﾄﾅﾆﾇﾈﾉﾊﾋﾌﾍﾎﾏﾐﾑﾒﾓﾔｬﾕｭﾖｮﾗﾘﾙﾚﾛﾜｦﾝｰ｡｢｣､･ﾞﾟ";
static_assert(kKanaFull.size() == kKanaHalf.size());
constexpr std::u16string_view kVoicedFull = u"ガギグゲゴザジズゼゾダヂヅデドバビブベボヴ";
constexpr std::u16string_view kVoicedBase = u"ｶｷｸｹｺｻｼｽｾｿﾀﾁﾂﾃﾄﾊﾋﾌﾍﾎｳ";
constexpr std::u16string_view kSemiVoicedFull = u"パピプペポ";
constexpr std::u16string_view kSemiVoicedBase = u"ﾊﾋﾌﾍﾎ";

} // namespace

QString ToHalfWidth(const QString& text)
{
    QString result;
    result.reserve(text.size());
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u >= 0xFF01 && u <= 0xFF5E) {
            result += QChar(static_cast<char16_t>(u - 0xFEE0));
        } else if (u == 0x3000) {
            result += QLatin1Char(' ');
        } else if (const std::size_t at = kKanaFull.find(u); at != std::u16string_view::npos) {
            result += QChar(kKanaHalf[at]);
        } else if (const std::size_t voiced = kVoicedFull.find(u); voiced != std::u16string_view::npos) {
            result += QChar(kVoicedBase[voiced]);
            result += QChar(u'ﾞ');
        } else if (const std::size_t semi = kSemiVoicedFull.find(u); semi != std::u16string_view::npos) {
            result += QChar(kSemiVoicedBase[semi]);
            result += QChar(u'ﾟ');
        } else {
            result += c;
        }
    }
    return result;
}
