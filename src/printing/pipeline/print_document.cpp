#include "printing/pipeline/print_document.h"

#include "catalogue/paper/paper_info.h"
#include "core/error.h"
#include "document/label_data.h"
#include "printing/pipeline/cups_print_target.h"
#include "printing/pipeline/job_setup.h"
#include "printing/pipeline/pdf_file_target.h"
#include "printing/pipeline/print_sheets.h"
#include "printing/pipeline/print_request.h"

#include <QDateTime>

namespace {

const TPaperInfo& PaperToPrint(TLabelData& document, const TPrintSpec& spec)
{
    spec.Check();
    const TPaperInfo* paper = document.EffectivePaper();
    if (!paper)
        throw EAppError(QStringLiteral("用紙が設定されていません"));
    return *paper;
}

} // namespace

int PrintDocumentToQueue(TLabelData& document, TPrinterConfiguration& configuration, const TPrintSpec& spec,
                         IPrintProgress* progress)
{
    const TPaperInfo& paper = PaperToPrint(document, spec);
    TPrintJobSetup setup = QueueJobSetup(configuration, paper, spec.Offset);
    setup.Title = PrintJobTitle(document);
    // Date fields show the print time.
    document.SetLastPrint(QDateTime::currentDateTime());
    TCupsPrintTarget target(configuration);
    PrintSheets(document, paper, spec, target, setup, progress);
    return target.JobId();
}

void PrintDocumentToFile(TLabelData& document, const QString& path, const TPrintSpec& spec, IPrintProgress* progress)
{
    const TPaperInfo& paper = PaperToPrint(document, spec);
    TPrintJobSetup setup = FileJobSetup(paper, spec.Offset);
    setup.Title = PrintJobTitle(document);
    document.SetLastPrint(QDateTime::currentDateTime());
    TPdfFileTarget target(path);
    PrintSheets(document, paper, spec, target, setup, progress);
}
