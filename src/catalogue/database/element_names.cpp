#include "catalogue/database/element_names.h"

#include "core/error.h"

#include <algorithm>

QString ElementName(quint32 number)
{
    return QStringLiteral("$%1").arg(number, 8, 16, QLatin1Char('0'));
}

std::optional<quint32> ElementNumber(const QString& name)
{
    if (name.size() != 9 || name[0] != QLatin1Char('$'))
        return std::nullopt;
    quint32 number = 0;
    for (qsizetype i = 1; i < name.size(); ++i) {
        const char16_t c = name[i].unicode();
        int digit;
        if (c >= u'0' && c <= u'9')
            digit = c - u'0';
        else if (c >= u'a' && c <= u'f')
            digit = c - u'a' + 10;
        else if (c >= u'A' && c <= u'F')
            digit = c - u'A' + 10;
        else
            return std::nullopt;
        number = number << 4 | static_cast<quint32>(digit);
    }
    return number;
}

quint64 NextElementNumber(const QStringList& names)
{
    quint64 highest = 0;
    for (const QString& name : names)
        if (const std::optional<quint32> number = ElementNumber(name))
            highest = std::max<quint64>(highest, *number);
    return highest + 1;
}

QString TakeElementName(quint64& next, const QString& storageName)
{
    if (next > 0xFFFFFFFFu)
        FailPaperUpdate(storageName);
    return ElementName(static_cast<quint32>(next++));
}

bool ElementNameLess(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) < 0;
}

void SortElementNames(QStringList& names)
{
    std::sort(names.begin(), names.end(), ElementNameLess);
}

void FailPaperUpdate(const QString& name)
{
    throw EAppError(QStringLiteral("用紙情報更新エラー(%1)").arg(name));
}
