// "lumarest print FILE.cld (--printer QUEUE | --to OUT.pdf) [--sheet N] [--faces LIST]
// [--copies N] [--offset X,Y] [--level L]": prints a sheet through the same pipeline as the
// print dialog, to a queue (with the queue's settings for the paper, disc tray included) or
// into a PDF file. Faces are counted from 0; the offset is in millimetres (left, top).
#include "shell/cli/cli_command.h"
#include "shell/cli/document_commands.h"

#include "catalogue/database/papers_v2.h"
#include "core/error.h"
#include "document/label_data.h"
#include "platform/printers/printer_service.h"
#include "printing/config/printer_configuration.h"
#include "printing/disc/paper_print_setting.h"
#include "printing/disc/print_setting_data.h"
#include "printing/pipeline/print_document.h"
#include "printing/pipeline/print_request.h"
#include "shell/data_module.h"

#include <cmath>

namespace {

int Run(const QStringList& arguments);

const TCliRegistration registration{
    {"print", "FILE.cld (--printer QUEUE | --to OUT.pdf) [--sheet N] [--faces LIST] [--copies N] [--offset X,Y] [--level L]",
     "シートをプリンタか PDF ファイルに印刷します (面は 0 から、位置調整は mm で指定します)", &Run}};

bool ParseFaces(const QString& text, std::vector<std::uint8_t>& faces)
{
    for (const QString& part : text.split(QLatin1Char(','))) {
        bool ok = false;
        const int face = part.trimmed().toInt(&ok);
        if (!ok || face < 0 || face > 999)
            return false;
        if (static_cast<int>(faces.size()) <= face)
            faces.resize(static_cast<size_t>(face) + 1, 0);
        faces[static_cast<size_t>(face)] = 1;
    }
    return true;
}

bool ParseOffset(const QString& text, QPoint& offset)
{
    const QStringList parts = text.split(QLatin1Char(','));
    bool okX = false;
    bool okY = false;
    if (parts.size() != 2)
        return false;
    const double x = parts[0].toDouble(&okX);
    const double y = parts[1].toDouble(&okY);
    offset = QPoint(static_cast<int>(std::lround(x * 10)), static_cast<int>(std::lround(y * 10)));
    return okX && okY;
}

int Run(const QStringList& arguments)
{
    const TCliCommand& self = *FindCliCommand(QStringLiteral("print"));
    QString input;
    QString queue;
    QString output;
    int sheet = -1;
    int level = 0;
    TPrintSpec spec;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        const bool hasValue = i + 1 < arguments.size();
        if (argument == QLatin1String("--printer") && hasValue)
            queue = arguments[++i];
        else if (argument == QLatin1String("--to") && hasValue)
            output = arguments[++i];
        else if (argument == QLatin1String("--sheet") && hasValue) {
            if (!ParseCliNumber(argument, arguments[++i], sheet))
                return 2;
        } else if (argument == QLatin1String("--copies") && hasValue) {
            if (!ParseCliNumber(argument, arguments[++i], spec.Copies))
                return 2;
        } else if (argument == QLatin1String("--faces") && hasValue) {
            spec.AllFaces = false;
            if (!ParseFaces(arguments[++i], spec.FaceSelected)) {
                CliError(QStringLiteral("--faces には面の番号をカンマで区切って指定してください: %1").arg(arguments[i]));
                return 2;
            }
        } else if (argument == QLatin1String("--offset") && hasValue) {
            if (!ParseOffset(arguments[++i], spec.Offset)) {
                CliError(QStringLiteral("--offset には X,Y を mm で指定してください: %1").arg(arguments[i]));
                return 2;
            }
        } else if (argument == QLatin1String("--level") && hasValue) {
            bool ok = false;
            level = arguments[++i].toInt(&ok);
            if (!ok) {
                CliError(QStringLiteral("--level には数値を指定してください: %1").arg(arguments[i]));
                return 2;
            }
        } else if (input.isEmpty() && !argument.startsWith(QLatin1Char('-')))
            input = argument;
        else
            return CliUsage(self);
    }
    if (input.isEmpty() || queue.isEmpty() == output.isEmpty())
        return CliUsage(self);
    const std::unique_ptr<TdataMain> data = OpenCliData();
    if (!data)
        return 1;
    const std::unique_ptr<TLabelData> document = OpenCliDocument(input);
    if (!document)
        return 1;
    try {
        spec.Gamma = ToneLevelGamma(level);
        if (sheet >= 0)
            document->SetCurrentSheet(sheet);
        if (!output.isEmpty()) {
            PrintDocumentToFile(*document, output, spec);
            return 0;
        }
        TPrinterConfiguration configuration(PrinterService(), queue);
        const TPaperInfo* paper = document->EffectivePaper();
        if (!paper)
            throw EAppError(QStringLiteral("用紙が設定されていません"));
        TPaperPrintSetting::FromCatalogue(data->Papers())
            .Apply(configuration,
                   TPrintSettingData::FromPaper(*paper, data->Papers().IsDirectPrintPaper(*document->Paper())));
        const int job = PrintDocumentToQueue(*document, configuration, spec);
        CliOut(QStringLiteral("%1\n").arg(job));
    } catch (const std::exception& error) {
        CliError(ErrorText(error));
        return 1;
    }
    return 0;
}

} // namespace
