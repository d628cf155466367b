#include "platform/cfb/element_names.h"

#include "platform/cfb/cfb_errors.h"
#include "platform/cfb/cfb_format.h"

namespace cfb {

namespace {

char32_t UpperCase(char16_t unit)
{
    if (unit < 0x80)
        return unit >= u'a' && unit <= u'z' ? unit - (u'a' - u'A') : unit;
    return QChar::toUpper(unit);
}

} // namespace

int CompareNames(const QString& a, const QString& b)
{
    if (a.size() != b.size())
        return a.size() < b.size() ? -1 : 1;
    for (qsizetype i = 0; i < a.size(); ++i) {
        const char16_t x = a.at(i).unicode();
        const char16_t y = b.at(i).unicode();
        if (x == y)
            continue;
        const char32_t upperX = UpperCase(x);
        const char32_t upperY = UpperCase(y);
        if (upperX != upperY)
            return upperX < upperY ? -1 : 1;
    }
    return 0;
}

bool IsValidName(const QString& name)
{
    if (name.isEmpty() || name.size() > kMaxNameLength)
        return false;
    for (const QChar c : name) {
        if (c == u'/' || c == u'\\' || c == u':' || c == u'!' || c == u'\0')
            return false;
    }
    return true;
}

void CheckName(const QString& name)
{
    if (!IsValidName(name))
        RaiseInvalidName(name);
}

} // namespace cfb
