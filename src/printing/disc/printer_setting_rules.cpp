#include "printing/disc/printer_setting_rules.h"

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
