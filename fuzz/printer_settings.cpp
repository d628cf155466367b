// Feeds arbitrary text to the printer settings readers: the disc-printer models (XML),
// the media rules (INI) and a stored options line. Each must answer, never crash or hang.
#include "document/direct_print/direct_printer_info.h"
#include "printing/config/printer_options.h"
#include "printing/disc/printer_setting_rules.h"

#include <QString>
#include <QStringList>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));

    TDirectPrinterInfo printers(text);
    for (const QString& name : printers.ModelNames())
        printers.Select(name);
    (void)MigrationModel(printers, QStringLiteral("A"), QStringLiteral("B"));

    const TPrinterSettingRules rules(text.split(QLatin1Char('\n')));
    (void)rules.MediaCandidates(QStringLiteral("Canon"), QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("CDR"));

    if (const std::optional<TPrinterOptions> options = TPrinterOptions::FromSettingsString(text)) {
        const std::optional<TPrinterOptions> again = TPrinterOptions::FromSettingsString(options->ToSettingsString());
        if (!again || !(*again == *options))
            __builtin_trap(); // what is written must read back
    }
    return 0;
}
