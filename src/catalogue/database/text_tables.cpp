#include "catalogue/database/text_tables.h"

#include "text/kana_conversions.h"

std::optional<QString> TableValue(const QStringList& lines, const QString& name)
{
    for (const QString& line : lines) {
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals >= 0 && QStringView(line).left(equals).compare(name, Qt::CaseInsensitive) == 0)
            return line.mid(equals + 1);
    }
    return std::nullopt;
}

QString MappedName(const QStringList& lines, const QString& name)
{
    return TableValue(lines, name).value_or(name);
}

bool IsDirectPrintTab(const QString& tab)
{
    return tab.startsWith(QStringLiteral("ダイレクトプリント"));
}

QString PaperSearchKey(const QString& text)
{
    return KanaFold(HanToZenConvert(text)).toUpper();
}

bool PaperNameMatches(const QString& paperName, const QString& searchText, const QStringList& synonyms)
{
    const QString key = PaperSearchKey(searchText);
    if (key.isEmpty())
        return false;
    const QString name = PaperSearchKey(paperName);
    if (name.contains(key))
        return true;
    for (qsizetype k = 0; k + 1 < synonyms.size(); k += 2)
        if (PaperSearchKey(synonyms[k]) == key && name.contains(PaperSearchKey(synonyms[k + 1])))
            return true;
    return false;
}
