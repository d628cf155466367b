#include "shell/command_line.h"

#include "core/messages.h"

#include <QFileInfo>

namespace {

// Qt's own command-line options, with one or two leading dashes, and whether each takes a
// value.
struct TQtOption {
    const char* Name;
    bool HasValue;
};
constexpr TQtOption kQtOptions[] = {
    {"platform", true},   {"platformpluginpath", true}, {"platformtheme", true}, {"plugin", true},
    {"qwindowgeometry", true}, {"qwindowicon", true},   {"qwindowtitle", true},  {"session", true},
    {"display", true},    {"geometry", true},           {"style", true},         {"stylesheet", true},
    {"reverse", false},   {"widgetcount", false},
};

const TQtOption* QtOption(const QString& argument)
{
    QStringView name(argument);
    if (name.startsWith(QLatin1String("--")))
        name = name.mid(2);
    else if (name.startsWith(QLatin1Char('-')))
        name = name.mid(1);
    else
        return nullptr;
    for (const TQtOption& option : kQtOptions)
        if (name == QLatin1String(option.Name))
            return &option;
    return nullptr;
}

bool LooksLikeFile(const QString& argument)
{
    return argument.contains(QLatin1Char('.')) || argument.contains(QLatin1Char('/')) || QFileInfo::exists(argument);
}

} // namespace

TCommandLine ParseCommandLine(const QStringList& arguments)
{
    TCommandLine line;
    const QString first = arguments.value(0);
    if (first == QLatin1String("--help") || first == QLatin1String("-h") || first == QLatin1String("help")) {
        line.Kind = TCommandLine::TKind::Help;
        return line;
    }
    if (first == QLatin1String("--version")) {
        line.Kind = TCommandLine::TKind::Version;
        return line;
    }
    QStringList files;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (const TQtOption* option = QtOption(argument)) {
            i += option->HasValue ? 1 : 0;
        } else if (argument.startsWith(QLatin1Char('-'))) {
            line.Kind = TCommandLine::TKind::Usage;
            line.Problem = QStringLiteral("不明なオプションです: %1").arg(argument);
            return line;
        } else {
            files.append(argument);
        }
    }
    // The designer opens the first file named; a bare word that is no file is a mistyped
    // command rather than a document.
    if (!files.isEmpty() && !LooksLikeFile(files.first())) {
        line.Kind = TCommandLine::TKind::Usage;
        line.Problem = QStringLiteral("不明なコマンドです: %1").arg(files.first());
        return line;
    }
    line.File = files.value(0);
    return line;
}

bool IsNonInteractive()
{
    return !qEnvironmentVariableIsEmpty("LUMAREST_NONINTERACTIVE");
}

std::optional<QString> MissingFileMessage(const QString& path)
{
    if (path.isEmpty() || QFileInfo(path).isFile())
        return std::nullopt;
    return FormatText(QStringLiteral("ファイル「%s」が見つかりません"), {path});
}
