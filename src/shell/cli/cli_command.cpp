#include "cli_command.h"

#include <QStringView>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

std::vector<TCliCommand>& Commands()
{
    static std::vector<TCliCommand> commands;
    return commands;
}

} // namespace

TCliRegistration::TCliRegistration(const TCliCommand& command)
{
    Commands().push_back(command);
}

const TCliCommand* FindCliCommand(const QString& name)
{
    for (const TCliCommand& command : Commands())
        if (name == QLatin1String(command.Name))
            return &command;
    return nullptr;
}

QString CliHelp()
{
    std::vector<TCliCommand> commands = Commands();
    std::sort(commands.begin(), commands.end(),
              [](const TCliCommand& a, const TCliCommand& b) { return qstrcmp(a.Name, b.Name) < 0; });
    QString text = QStringLiteral("使い方: lumarest [FILE.cld]\n"
                                  "        デザイナーを起動し、FILE.cld を開きます\n"
                                  "       lumarest COMMAND [OPTIONS]\n"
                                  "        画面なしでコマンドを実行します\n"
                                  "\nコマンド:\n");
    for (const TCliCommand& command : commands)
        text += QStringLiteral("  %1 %2\n        %3\n")
                    .arg(QLatin1String(command.Name), QString::fromUtf8(command.Usage), QString::fromUtf8(command.Summary));
    text += QStringLiteral("\nオプション:\n"
                           "  --help, -h, help   この説明を表示します (COMMAND --help はそのコマンドの使い方)\n"
                           "  --version          バージョンを表示します\n"
                           "\n環境変数:\n"
                           "  LUMAREST_NONINTERACTIVE=1   メッセージをダイアログでなく標準エラーに出します\n"
                           "  LUMAREST_DATA_DIR           用紙カタログなどのデータのフォルダ\n");
    return text;
}

void CliError(const QString& message)
{
    const QByteArray bytes = message.toUtf8();
    std::fprintf(stderr, "lumarest: %s\n", bytes.constData());
}

void CliOut(const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stdout);
}

QString CliCommandUsage(const TCliCommand& command)
{
    return QStringLiteral("使い方: lumarest %1 %2\n").arg(QLatin1String(command.Name), QString::fromUtf8(command.Usage));
}

int CliUsage(const TCliCommand& command)
{
    std::fputs(CliCommandUsage(command).toUtf8().constData(), stderr);
    return 2;
}

int CliProgramUsage(const QString& problem)
{
    CliError(problem);
    std::fputs(CliHelp().toUtf8().constData(), stderr);
    return 2;
}
