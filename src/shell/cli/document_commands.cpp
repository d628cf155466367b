#include "shell/cli/document_commands.h"

#include "shell/cli/cli_command.h"
#include "core/error.h"
#include "core/frame/macro_string.h"
#include "core/messages.h"
#include "document/label_data.h"
#include "shell/data_module.h"

std::unique_ptr<TdataMain> OpenCliData()
{
    auto data = std::make_unique<TdataMain>();
    if (!data->OpenDataFiles())
        return nullptr;
    return data;
}

std::unique_ptr<TLabelData> OpenCliDocument(const QString& path)
{
    auto document = std::make_unique<TLabelData>();
    try {
        document->LoadFromFile(path);
    } catch (const std::exception& error) {
        // The message names the application whose data the file is not; the cause follows.
        CliError(FormatText(QStringLiteral("指定されたファイルは「%s」のデータではありません"), {Expand(QStringLiteral("$(AppName)"))}) +
                 QStringLiteral(" (") + ErrorText(error) + QLatin1Char(')'));
        return nullptr;
    }
    return document;
}

bool ParseCliNumber(const QString& option, const QString& text, int& value)
{
    bool ok = false;
    value = text.toInt(&ok);
    if (!ok || value < 0) {
        CliError(QStringLiteral("%1 には数値を指定してください: %2").arg(option, text));
        return false;
    }
    return true;
}
