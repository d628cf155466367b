#include "printing/pipeline/cups_print_target.h"

#include "core/error.h"
#include "printing/config/job_submission.h"
#include "printing/config/printer_configuration.h"
#include "printing/pipeline/pdf_page_writer.h"

#include <QDir>

TCupsPrintTarget::TCupsPrintTarget(TPrinterConfiguration& configuration) : configuration_(configuration) {}

TCupsPrintTarget::~TCupsPrintTarget()
{
    Abort();
}

QString TCupsPrintTarget::TemporaryPath() const
{
    return file_ ? file_->fileName() : QString();
}

void TCupsPrintTarget::Begin(const TPrintJobSetup& setup)
{
    configuration_.SetOptions(setup.Options);
    // Nothing is drawn for options the driver would not take.
    configuration_.CheckOptions();
    title_ = setup.Title;
    jobId_ = 0;
    file_ = std::make_unique<QTemporaryFile>(QDir::tempPath() + QStringLiteral("/PPRXXXXXX.pdf"));
    if (!file_->open()) {
        file_.reset();
        throw EAppError(QStringLiteral("印刷用の一時ファイルを作成できません"));
    }
    try {
        pages_ = std::make_unique<TPdfPageWriter>(*file_, setup);
    } catch (...) {
        file_.reset();
        throw;
    }
}

void TCupsPrintTarget::NewPage()
{
    pages_->NewPage();
}

TCanvas& TCupsPrintTarget::Canvas()
{
    return pages_->Canvas();
}

int TCupsPrintTarget::Resolution() const
{
    return pages_->Resolution();
}

void TCupsPrintTarget::End()
{
    const bool written = pages_->Finish() && file_->flush();
    pages_.reset();
    const std::unique_ptr<QTemporaryFile> file = std::move(file_);
    if (!written)
        throw EAppError(QStringLiteral("印刷データを作成できません"));
    file->close();
    jobId_ = SubmitDocument(configuration_, title_, file->fileName());
}

void TCupsPrintTarget::Abort()
{
    if (pages_)
        pages_->Finish();
    pages_.reset();
    file_.reset();
}
