#pragma once
// Printing into a PDF file: the file appears, complete, only when the job ends; an aborted
// job or a failure leaves whatever was there before.
#include "printing/pipeline/print_target.h"

#include <QSaveFile>
#include <memory>

class TPdfPageWriter;

class TPdfFileTarget : public IPrintTarget {
public:
    explicit TPdfFileTarget(const QString& path);
    ~TPdfFileTarget() override;

    void Begin(const TPrintJobSetup& setup) override;
    void NewPage() override;
    TCanvas& Canvas() override;
    int Resolution() const override;
    void End() override;
    void Abort() override;
    bool Running() const override { return pages_ != nullptr; }

private:
    QSaveFile file_;
    std::unique_ptr<TPdfPageWriter> pages_;
};
