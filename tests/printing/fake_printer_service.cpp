#include "fake_printer_service.h"

#include "platform/printers/ppd.h"
#include "printing/config/application_printer.h"
#include "support/test_support.h"

void TFakePrinterService::AddQueue(const TQueueInfo& queue, const QString& ppdPath, std::vector<QString> mediaSources)
{
    queues_.push_back(queue);
    if (!ppdPath.isEmpty())
        ppds_[queue.Name] = ppdPath;
    sources_[queue.Name] = std::move(mediaSources);
}

void TFakePrinterService::RemoveQueue(const QString& name)
{
    std::erase_if(queues_, [&](const TQueueInfo& queue) { return queue.Name == name; });
    ppds_.erase(name);
    sources_.erase(name);
}

std::unique_ptr<TPpd> TFakePrinterService::Ppd(const QString& queue)
{
    const auto found = ppds_.find(queue);
    return found == ppds_.end() ? nullptr : std::make_unique<TPpd>(found->second);
}

std::vector<QString> TFakePrinterService::MediaSources(const QString& queue)
{
    return sources_[queue];
}

int TFakePrinterService::Submit(const TPrintJobRequest& request)
{
    submitted_.push_back(request);
    return static_cast<int>(submitted_.size());
}

void AddFixtureQueues(TFakePrinterService& service)
{
    service.AddQueue({QStringLiteral("Disc"), QStringLiteral("Testmaker Disc Tester"), QStringLiteral("usb://Testmaker/Disc"),
                      QStringLiteral("棚"), true},
                     testsupport::FixturePath(QStringLiteral("disc-printer.ppd")));
    service.AddQueue({QStringLiteral("Plain"), QStringLiteral("Local Raw Printer"), QStringLiteral("socket://127.0.0.1:9"),
                      {}, false});
}

void TFakePrinterTest::SetUp()
{
    AddFixtureQueues(service);
    SetApplicationPrinter({});
}

void TFakePrinterTest::TearDown()
{
    SetApplicationPrinter({});
}
