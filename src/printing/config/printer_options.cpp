#include "printing/config/printer_options.h"

#include <QStringList>
#include <QUrl>

namespace {

const QString kOrientation = QStringLiteral("orientation");

QString Encoded(const QString& text)
{
    return QString::fromLatin1(QUrl::toPercentEncoding(text));
}

QString Decoded(const QString& text)
{
    return QUrl::fromPercentEncoding(text.toLatin1());
}

} // namespace

QString TPrinterOptions::Choice(const QString& keyword) const
{
    const auto found = choices_.find(keyword);
    return found == choices_.end() ? QString() : found->second;
}

void TPrinterOptions::SetChoice(const QString& keyword, const QString& choice)
{
    choices_[keyword] = choice;
}

void TPrinterOptions::RemoveChoice(const QString& keyword)
{
    choices_.erase(keyword);
}

QString TPrinterOptions::ToSettingsString() const
{
    QStringList parts{kOrientation + QLatin1Char('=') +
                      (landscape_ ? QStringLiteral("landscape") : QStringLiteral("portrait"))};
    for (const auto& [keyword, choice] : choices_)
        parts << Encoded(keyword) + QLatin1Char('=') + Encoded(choice);
    return parts.join(QLatin1Char('&'));
}

std::optional<TPrinterOptions> TPrinterOptions::FromSettingsString(const QString& text)
{
    TPrinterOptions options;
    bool orientationSeen = false;
    for (const QString& part : text.split(QLatin1Char('&'), Qt::SkipEmptyParts)) {
        const qsizetype equals = part.indexOf(QLatin1Char('='));
        if (equals <= 0 || part.indexOf(QLatin1Char('='), equals + 1) >= 0)
            return std::nullopt;
        const QString key = Decoded(part.left(equals));
        const QString value = Decoded(part.mid(equals + 1));
        if (key.isEmpty() || value.isEmpty())
            return std::nullopt;
        if (key == kOrientation) {
            if (orientationSeen || (value != QLatin1String("portrait") && value != QLatin1String("landscape")))
                return std::nullopt;
            orientationSeen = true;
            options.landscape_ = value == QLatin1String("landscape");
        } else {
            options.choices_[key] = value;
        }
    }
    if (!orientationSeen)
        return std::nullopt;
    return options;
}

std::vector<std::pair<QString, QString>> TPrinterOptions::JobOptions() const
{
    std::vector<std::pair<QString, QString>> options(choices_.begin(), choices_.end());
    // IPP orientation-requested: 3 portrait, 4 landscape.
    options.emplace_back(QStringLiteral("orientation-requested"), landscape_ ? QStringLiteral("4") : QStringLiteral("3"));
    return options;
}
