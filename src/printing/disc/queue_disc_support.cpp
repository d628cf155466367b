#include "printing/disc/queue_disc_support.h"

#include "platform/printers/ppd.h"

#include <algorithm>

namespace {

const QStringList kDiscSources{QStringLiteral("CD"), QStringLiteral("CDTray"), QStringLiteral("Disc"),
                               QStringLiteral("DiscTray")};

bool IsDiscMedia(const QString& choice)
{
    return choice == QLatin1String("CD") || choice == QLatin1String("DiscCompat") ||
           choice == QLatin1String("DiscOthers") || choice.startsWith(QLatin1String("CDDVD"));
}

std::vector<int> NumericChoices(const TPpd& ppd, const char* keyword)
{
    std::vector<int> values;
    if (const TPpdOption* option = ppd.FindOption(QLatin1String(keyword)))
        for (const TPpdChoice& choice : option->Choices) {
            bool ok = false;
            const int value = choice.Name.toInt(&ok);
            if (ok)
                values.push_back(value);
        }
    std::sort(values.begin(), values.end());
    return values;
}

} // namespace

bool IsDiscSource(const QString& source)
{
    return kDiscSources.contains(source) || source == QLatin1String("cd") || source == QLatin1String("disc");
}

bool IsDiscPage(const QString& choice)
{
    return choice == QLatin1String("CD5Inch") || choice == QLatin1String("CD3Inch") ||
           choice == QLatin1String("CDCustom") || choice.startsWith(QLatin1String("disc_"));
}

TQueueDiscSupport::TQueueDiscSupport(const TPpd* ppd, const std::vector<QString>& mediaSources)
{
    if (!ppd) {
        driverless_ = true;
        for (const QString& source : mediaSources)
            if (source == QLatin1String("disc") || source == QLatin1String("cd")) {
                discSource_ = source;
                break;
            }
        return;
    }
    if (const TPpdOption* slot = ppd->FindOption(QStringLiteral("InputSlot")))
        for (const QString& source : kDiscSources)
            if (slot->HasChoice(source)) {
                discSource_ = source;
                break;
            }
    if (const TPpdOption* pages = ppd->FindOption(QStringLiteral("PageSize")))
        for (const TPpdChoice& choice : pages->Choices)
            if (IsDiscPage(choice.Name))
                discPages_ << choice.Name;
    if (const TPpdOption* media = ppd->FindOption(QStringLiteral("MediaType")))
        for (const TPpdChoice& choice : media->Choices)
            if (IsDiscMedia(choice.Name))
                discMedia_ << choice.Name;
    if (const TPpdOption* hub = ppd->FindOption(QStringLiteral("StpCDInnerRadius")))
        hub_ = hub->HasChoice(QStringLiteral("None")) && hub->HasChoice(QStringLiteral("Small"));
    outer_ = NumericChoices(*ppd, "StpCDOuterDiameter");
    inner_ = NumericChoices(*ppd, "StpCDInnerDiameter");
    x_ = NumericChoices(*ppd, "StpCDXAdjustment");
    y_ = NumericChoices(*ppd, "StpCDYAdjustment");
    if (ppd->FindOption(QStringLiteral("StpQuality")))
        quality_ = QStringLiteral("StpQuality");
    else if (ppd->FindOption(QStringLiteral("Resolution")))
        quality_ = QStringLiteral("Resolution");
    ink_ = ppd->FindOption(QStringLiteral("StpInkType")) != nullptr;
}
