#include "printing/config/job_submission.h"

#include "core/error.h"
#include "platform/platform_error.h"
#include "platform/printers/printer_service.h"
#include "printing/config/printer_configuration.h"

int SubmitDocument(const TPrinterConfiguration& configuration, const QString& title, const QString& pdfPath, int copies)
{
    configuration.CheckOptions();
    TPrintJobRequest request;
    request.Queue = configuration.DeviceName();
    request.Title = title;
    request.FilePath = pdfPath;
    request.Copies = copies;
    request.Options = configuration.Options().JobOptions();
    request.Options.emplace_back(QStringLiteral("print-scaling"), QStringLiteral("none"));
    try {
        return configuration.Service().Submit(request);
    } catch (const EPlatformError& error) {
        throw EAppError(error.Message());
    }
}
