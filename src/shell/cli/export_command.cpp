// "lumarest export FILE.cld -o OUT.png|OUT.pdf [--sheet N] [--face M] [--dpi D]": renders one
// face, or the whole sheet, at 254 dots per inch unless told otherwise. Sheets and faces are
// counted from 0, as "lumarest info" numbers them; without --sheet the sheet the document
// was saved on, without --face the whole sheet.
#include "shell/cli/cli_command.h"
#include "shell/cli/document_commands.h"

#include "core/error.h"
#include "document/face_rendering.h"
#include "document/label_data.h"

namespace {

int Run(const QStringList& arguments);

const TCliRegistration registration{
    {"export", "FILE.cld -o OUT.png|OUT.pdf [--sheet N] [--face M] [--dpi D]",
     "シート全体または面を PNG か PDF に書き出します (シートと面は 0 から数えます)", &Run}};

int Run(const QStringList& arguments)
{
    const TCliCommand& self = *FindCliCommand(QStringLiteral("export"));
    QString input;
    QString output;
    int sheet = -1;
    int face = -1;
    int dpi = 254;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        const bool hasValue = i + 1 < arguments.size();
        if (argument == QLatin1String("-o") && hasValue)
            output = arguments[++i];
        else if (argument == QLatin1String("--sheet") && hasValue) {
            if (!ParseCliNumber(argument, arguments[++i], sheet))
                return 2;
        } else if (argument == QLatin1String("--face") && hasValue) {
            if (!ParseCliNumber(argument, arguments[++i], face))
                return 2;
        } else if (argument == QLatin1String("--dpi") && hasValue) {
            if (!ParseCliNumber(argument, arguments[++i], dpi))
                return 2;
        } else if (input.isEmpty() && !argument.startsWith(QLatin1Char('-')))
            input = argument;
        else
            return CliUsage(self);
    }
    if (input.isEmpty() || output.isEmpty())
        return CliUsage(self);
    const std::unique_ptr<TLabelData> document = OpenCliDocument(input);
    if (!document)
        return 1;
    try {
        if (sheet >= 0)
            document->SetCurrentSheet(sheet);
        ExportDocument(*document, face, dpi, output);
    } catch (const std::exception& error) {
        CliError(ErrorText(error));
        return 1;
    }
    return 0;
}

} // namespace
