#include "platform/cfb/element_names.h"

#include "platform/cfb/cfb_errors.h"
#include "platform/cfb/cfb_format.h"

namespace cfb {

int CompareNames(const QString& a, const QString& b)
{
    if (a.size() != b.size())
        return a.size() < b.size() ? -1 : 1;
    for (qsizetype i = 0; i < a.size(); ++i) {
        const char32_t x = QChar::toUpper(a.at(i).unicode());
        const char32_t y = QChar::toUpper(b.at(i).unicode());
        if (x != y)
            return x < y ? -1 : 1;
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
