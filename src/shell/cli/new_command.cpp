// "lumarest new -o FILE.cld [--paper NAME]": a new document on the default paper (or the
// named one), saved.
#include "shell/cli/cli_command.h"
#include "shell/cli/document_commands.h"

#include "core/error.h"
#include "document/label_data.h"
#include "document/new_document.h"
#include "shell/data_module.h"

#include <QDateTime>

namespace {

int Run(const QStringList& arguments);

const TCliRegistration registration{
    {"new", "-o FILE.cld [--paper NAME]", "既定の用紙 (または指定の用紙) で新しい文書を作って保存します", &Run}};

int Run(const QStringList& arguments)
{
    QString output;
    QString paperName;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == QLatin1String("-o") && i + 1 < arguments.size())
            output = arguments[++i];
        else if (argument == QLatin1String("--paper") && i + 1 < arguments.size())
            paperName = arguments[++i];
        else
            return CliUsage(*FindCliCommand(QStringLiteral("new")));
    }
    if (output.isEmpty())
        return CliUsage(*FindCliCommand(QStringLiteral("new")));
    const std::unique_ptr<TdataMain> data = OpenCliData();
    if (!data)
        return 1;
    try {
        const std::unique_ptr<TLabelData> document = NewDocumentWithPaper(data->Papers(), paperName);
        document->SetLastSave(QDateTime::currentDateTime());
        document->SaveToFile(output);
    } catch (const std::exception& error) {
        CliError(ErrorText(error));
        return 1;
    }
    return 0;
}

} // namespace
