#include "platform/printers/printer_service.h"

#include "platform/printers/cups_printer_service.h"

namespace {

IPrinterService* installed = nullptr;

} // namespace

IPrinterService& PrinterService()
{
    static TCupsPrinterService cups;
    return installed ? *installed : cups;
}

void SetPrinterService(IPrinterService* service)
{
    installed = service;
}
