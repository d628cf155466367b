#pragma once
// The printing system as the program sees it: the queues, each queue's printer description
// and the submission of a finished document. The system's own implementation talks to CUPS
// through libcups; tests install a fake. Nothing here writes a queue's settings or the
// user's option files: options travel with each job only.
#include <QString>
#include <memory>
#include <utility>
#include <vector>

class TPpd;

struct TQueueInfo {
    QString Name;
    QString MakeAndModel;
    QString DeviceUri;
    QString Location;
    bool IsDefault = false;
};

// A job: one finished document file with the options it is printed with.
struct TPrintJobRequest {
    QString Queue;
    QString Title;
    QString FilePath;
    QString MimeType = QStringLiteral("application/pdf");
    int Copies = 1;
    std::vector<std::pair<QString, QString>> Options;
};

class IPrinterService {
public:
    virtual ~IPrinterService() = default;

    // The queues, read afresh on every call.
    virtual std::vector<TQueueInfo> Queues() = 0;
    // The queue's printer description, or nullptr for a queue without one (raw or
    // driverless). Raises EPlatformError when the queue cannot be asked.
    virtual std::unique_ptr<TPpd> Ppd(const QString& queue) = 0;
    // The media sources that a queue without printer description announces (IPP
    // "media-source-supported"); empty when it announces none.
    virtual std::vector<QString> MediaSources(const QString& queue) = 0;
    // Submits the job and returns its id. Either the whole document reaches the queue or
    // the job is cancelled and EPlatformError raised.
    virtual int Submit(const TPrintJobRequest& request) = 0;
};

// The printer service in use: the one installed by SetPrinterService, else the CUPS one.
IPrinterService& PrinterService();
// Installs a service (nullptr: back to CUPS); the caller keeps ownership.
void SetPrinterService(IPrinterService* service);
