#pragma once
// Printing to a queue: the pages are drawn into a temporary PDF file, and only the
// complete file is handed to the queue when the job ends, with the job's options and
// "print-scaling=none" (the page already is the queue's page size). An aborted job or a
// failure deletes the file; a job the queue had already created is cancelled.
#include "printing/pipeline/print_target.h"

#include <QTemporaryFile>
#include <memory>

class TPdfPageWriter;
class TPrinterConfiguration;

class TCupsPrintTarget : public IPrintTarget {
public:
    explicit TCupsPrintTarget(TPrinterConfiguration& configuration);
    ~TCupsPrintTarget() override;

    void Begin(const TPrintJobSetup& setup) override;
    void NewPage() override;
    TCanvas& Canvas() override;
    int Resolution() const override;
    void End() override;
    void Abort() override;
    bool Running() const override { return pages_ != nullptr; }

    // The job id the queue gave the last delivered document (0: none).
    int JobId() const { return jobId_; }
    // The temporary file of the running job (empty when none).
    QString TemporaryPath() const;

private:
    TPrinterConfiguration& configuration_;
    QString title_;
    std::unique_ptr<QTemporaryFile> file_;
    std::unique_ptr<TPdfPageWriter> pages_;
    int jobId_ = 0;
};
