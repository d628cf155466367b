#include "printing/disc/printer_setting_rules.h"

TIniText::TIniText(const QStringList& lines)
{
    std::map<QString, QString>* section = nullptr;
    for (const QString& raw : lines) {
        const QString line = raw.trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char(';')) || line.startsWith(QLatin1Char('#')))
            continue;
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            section = &sections_[line.mid(1, line.size() - 2).trimmed().toLower()];
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (!section || equals <= 0)
            continue;
        const QString key = line.left(equals).trimmed().toLower();
        if (!section->contains(key))
            (*section)[key] = line.mid(equals + 1).trimmed();
    }
}

bool TIniText::HasKey(const QString& section, const QString& key) const
{
    const auto found = sections_.find(section.toLower());
    return found != sections_.end() && found->second.contains(key.toLower());
}

QString TIniText::Value(const QString& section, const QString& key, const QString& defaultValue) const
{
    const auto found = sections_.find(section.toLower());
    if (found == sections_.end())
        return defaultValue;
    const auto value = found->second.find(key.toLower());
    return value == found->second.end() ? defaultValue : value->second;
}

void TPrinterSettingRules::Collect(const QString& prefix, const QString& key, QStringList& candidates) const
{
    for (int n = 0; n <= 9; ++n) {
        const QString section = prefix + QStringLiteral(".Paper.%1").arg(n);
        if (!ini_.HasKey(section, key))
            break;
        const QString media = ini_.Value(section, key);
        if (!media.isEmpty() && !candidates.contains(media))
            candidates << media;
    }
}

QStringList TPrinterSettingRules::MediaCandidates(const QString& maker, const QString& driver, const QString& paperName,
                                                  const QString& mediaKind) const
{
    QStringList candidates;
    const QString group = ini_.Value(maker + QStringLiteral(".PrinterGroup"), driver);
    Collect(maker + QLatin1Char('.') + driver, paperName, candidates);
    if (!group.isEmpty())
        Collect(maker + QLatin1Char('.') + group, paperName, candidates);
    Collect(maker, paperName, candidates);
    if (!mediaKind.isEmpty())
        Collect(maker, QStringLiteral("@@") + mediaKind + QStringLiteral("default"), candidates);
    Collect(maker, QStringLiteral("@@default"), candidates);
    return candidates;
}
