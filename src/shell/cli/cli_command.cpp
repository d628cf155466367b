#include "cli_command.h"

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

int CliUsage(const TCliCommand& command)
{
    std::fprintf(stderr, "使い方: lumarest %s %s\n", command.Name, command.Usage);
    return 2;
}
