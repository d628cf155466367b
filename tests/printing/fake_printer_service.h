#pragma once
// A printer service for unit tests: queues with printer descriptions from files, and a
// record of every job submitted instead of a spooler.
#include "platform/printers/printer_service.h"

#include <gtest/gtest.h>
#include <map>

class TFakePrinterService : public IPrinterService {
public:
    // A queue; ppdPath empty: a queue without printer description.
    void AddQueue(const TQueueInfo& queue, const QString& ppdPath = {}, std::vector<QString> mediaSources = {});
    void RemoveQueue(const QString& name);

    std::vector<TQueueInfo> Queues() override { return queues_; }
    std::unique_ptr<TPpd> Ppd(const QString& queue) override;
    std::vector<QString> MediaSources(const QString& queue) override;
    int Submit(const TPrintJobRequest& request) override;

    const std::vector<TPrintJobRequest>& Submitted() const { return submitted_; }

private:
    std::vector<TQueueInfo> queues_;
    std::map<QString, QString> ppds_;
    std::map<QString, std::vector<QString>> sources_;
    std::vector<TPrintJobRequest> submitted_;
};

// Installs a fake service for the lifetime of the scope.
class TFakePrinterServiceScope {
public:
    explicit TFakePrinterServiceScope(TFakePrinterService& service) { SetPrinterService(&service); }
    ~TFakePrinterServiceScope() { SetPrinterService(nullptr); }
};

// The fake with one queue "Disc" (the fixture disc-printer PPD, the default) and one raw
// queue "Plain".
void AddFixtureQueues(TFakePrinterService& service);

// Tests on the fixture queues, with no application printer chosen before or after.
class TFakePrinterTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    TFakePrinterService service;
};
