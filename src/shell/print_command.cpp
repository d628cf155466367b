#include "shell/print_command.h"

#include "catalogue/database/papers_v2.h"
#include "catalogue/paper/paper_info.h"
#include "core/error.h"
#include "core/messages.h"
#include "document/label_data.h"
#include "platform/printers/ppd.h"
#include "platform/printers/printer_service.h"
#include "printing/config/printer_configuration.h"
#include "printing/disc/paper_print_setting.h"
#include "printing/disc/print_setting_data.h"
#include "printing/pipeline/print_document.h"
#include "printing/ui/print_paper_dialog.h"
#include "printing/ui/printer_setting_dialog.h"
#include "printing/ui/printing_dialog.h"

#include <memory>

namespace {

// The application's printer with the paper's settings for this job (not stored).
std::unique_ptr<TPrinterConfiguration> JobConfiguration(const TPaperInfo& paper, bool directPrint, TPapersV2& papers)
{
    std::unique_ptr<TPrinterConfiguration> configuration = TPrinterConfiguration::ForApplicationPrinter(PrinterService());
    TPaperPrintSetting::FromCatalogue(papers).Apply(*configuration, TPrintSettingData::FromPaper(paper, directPrint));
    return configuration;
}

TPrintPaperHooks Hooks(QWidget* parent, const TPaperInfo& paper, bool directPrint, TPapersV2& papers)
{
    TPrintPaperHooks hooks;
    hooks.PrinterSetup = [parent] {
        TfrmPrinterSetting dialog(PrinterService(), parent);
        dialog.exec();
    };
    // Without a printer (or one that cannot take the paper) there is no name to tell.
    hooks.DriverName = [] {
        try {
            const std::unique_ptr<TPrinterConfiguration> configuration =
                TPrinterConfiguration::ForApplicationPrinter(PrinterService());
            return configuration->Ppd() ? configuration->Ppd()->ModelName() : configuration->DeviceName();
        } catch (const std::exception&) {
            return QString();
        }
    };
    hooks.FormName = [&paper, directPrint, &papers] {
        try {
            const std::unique_ptr<TPrinterConfiguration> configuration = JobConfiguration(paper, directPrint, papers);
            const TPrintSettingData request = TPrintSettingData::FromPaper(paper, directPrint);
            return FormDescriptionForConfirmation(configuration->Forms(), configuration->CurrentFormId(), request.Width,
                                                  request.Height);
        } catch (const std::exception&) {
            return QString();
        }
    };
    return hooks;
}

} // namespace

void RunPrintCommand(QWidget* parent, TLabelData& document, TPapersV2& papers)
{
    const TPaperInfo* paper = document.EffectivePaper();
    if (!paper || !document.Paper())
        return;
    const bool directPrint = papers.IsDirectPrintPaper(*document.Paper());
    try {
        TfrmPrintPaper dialog(*paper, directPrint, Hooks(parent, *paper, directPrint, papers), parent);
        if (dialog.exec() != QDialog::Accepted)
            return;
        const std::unique_ptr<TPrinterConfiguration> configuration = JobConfiguration(*paper, directPrint, papers);
        TfrmPrinting progress(parent);
        progress.show();
        PrintDocumentToQueue(document, *configuration, dialog.Spec(), &progress);
    } catch (const std::exception& error) {
        ShowError(error);
    }
}
