#pragma once
// The printer service over libcups. It talks to the scheduler that libcups is pointed at
// (the default server, or CUPS_SERVER).
#include "platform/printers/printer_service.h"

class TCupsPrinterService : public IPrinterService {
public:
    std::vector<TQueueInfo> Queues() override;
    std::unique_ptr<TPpd> Ppd(const QString& queue) override;
    std::vector<QString> MediaSources(const QString& queue) override;
    int Submit(const TPrintJobRequest& request) override;
};
