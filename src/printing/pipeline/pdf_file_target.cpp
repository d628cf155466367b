#include "printing/pipeline/pdf_file_target.h"

#include "core/error.h"
#include "printing/pipeline/pdf_page_writer.h"

TPdfFileTarget::TPdfFileTarget(const QString& path) : file_(path) {}

TPdfFileTarget::~TPdfFileTarget()
{
    Abort();
}

void TPdfFileTarget::Begin(const TPrintJobSetup& setup)
{
    if (!file_.open(QIODevice::WriteOnly))
        throw EAppError(QStringLiteral("ファイル「%1」を作成できません").arg(file_.fileName()));
    try {
        pages_ = std::make_unique<TPdfPageWriter>(file_, setup);
    } catch (...) {
        file_.cancelWriting();
        file_.commit();
        throw;
    }
}

void TPdfFileTarget::NewPage()
{
    pages_->NewPage();
}

TCanvas& TPdfFileTarget::Canvas()
{
    return pages_->Canvas();
}

int TPdfFileTarget::Resolution() const
{
    return pages_->Resolution();
}

void TPdfFileTarget::End()
{
    const bool written = pages_->Finish();
    pages_.reset();
    if (!written)
        file_.cancelWriting();
    if (!file_.commit() || !written)
        throw EAppError(QStringLiteral("ファイル「%1」を保存できません").arg(file_.fileName()));
}

void TPdfFileTarget::Abort()
{
    if (!pages_)
        return;
    pages_->Finish();
    pages_.reset();
    file_.cancelWriting();
    file_.commit();
}
