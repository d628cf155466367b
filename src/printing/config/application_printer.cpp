#include "printing/config/application_printer.h"

#include "core/frame/settings.h"

namespace {

const QString kQueue = QStringLiteral("PrinterName");
const QString kOptions = QStringLiteral("PrinterOptions");

TApplicationPrinter& Current()
{
    static TApplicationPrinter printer = [] {
        TApplicationPrinter stored;
        stored.Queue = ReadString(kQueue, {});
        // Options that do not read back are dropped: the queue's defaults apply.
        stored.Options = TPrinterOptions::FromSettingsString(ReadString(kOptions, {}));
        return stored;
    }();
    return printer;
}

} // namespace

const TApplicationPrinter& ApplicationPrinter()
{
    return Current();
}

void SetApplicationPrinter(const TApplicationPrinter& printer)
{
    Current() = printer;
    WriteString(kQueue, printer.Queue);
    WriteString(kOptions, printer.Options ? printer.Options->ToSettingsString() : QString());
}
