// The program: "lumarest <command> ..." runs a headless command (no display needed);
// --help and --version answer at once; otherwise the designer starts, on the document
// named by the first argument.
#include "catalogue/paper/purpose_validator.h"
#include "shell/cli/cli_command.h"
#include "core/messages.h"
#include "document/label_data.h"
#include "graphics/raster/blended_paint.h"
#include "music/music_classes.h"
#include "objects/object_classes.h"
#include "platform/single_instance.h"
#include "shell/app_frame.h"
#include "shell/command_line.h"
#include "shell/data_module.h"
#include "shell/ui/main_window.h"
#include "shell/ui/message_boxes.h"

#include <QApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPrinterInfo>
#include <QScreen>
#include <QTimer>

namespace {

int RunCommand(const TCliCommand& command, int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    TAppFrame frame;
    frame.Load(QCoreApplication::applicationFilePath(), QStringLiteral(LUMAREST_VERSION));
    // Messages of a headless command go to standard error.
    SetMessageBoxHandler([](const QString& text, TMsgButtons, TMsgResult defaultButton) {
        CliError(text);
        return defaultButton;
    });
    QStringList arguments = QCoreApplication::arguments();
    arguments.erase(arguments.begin(), arguments.begin() + 2);
    if (arguments == QStringList{QStringLiteral("--help")}) {
        CliOut(CliCommandUsage(command));
        return 0;
    }
    return command.Run(arguments);
}

int RunDesigner(int argc, char** argv, const QString& fileToOpen)
{
    QApplication app(argc, argv);
    TAppFrame frame;
    frame.Load(QCoreApplication::applicationFilePath(), QStringLiteral(LUMAREST_VERSION));
    QApplication::setApplicationName(Expand(QStringLiteral("$(AppName)")));
    InstallMessageBoxes();

    TSingleInstance instance(Expand(QStringLiteral("$(SysMutexID)")));
    TStartEnvironment environment;
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        environment.colorDepth = screen->depth();
    environment.hasDefaultPrinter = [] { return !QPrinterInfo::defaultPrinter().isNull(); };
    if (!frame.CheckStartConditions(environment, instance, fileToOpen))
        return 1;

    TdataMain data;
    if (!data.OpenDataFiles())
        return 1;
    int status = 0;
    {
        TfrmMain window(data);
        instance.SetOnMessage([&window](const QString& path) { window.OpenDocumentFile(path); });
        window.show();
        // On the first idle moment: the document named on the command line, else a new one.
        QTimer::singleShot(0, &window, [&window, fileToOpen] { window.StartFirstDocument(fileToOpen); });
        status = QApplication::exec();
    }
    data.Shutdown();
    return status;
}

} // namespace

int main(int argc, char** argv)
{
    InstallBlendedPaint();
    RegisterLabelObjectClasses();
    RegisterDocumentClasses();
    RegisterMusicClasses();
    const TObsoletePurposeValidator purposeValidator;
    const TPurposeValidatorScope installedValidator(purposeValidator);
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    if (const TCliCommand* command = FindCliCommand(arguments.value(0)))
        return RunCommand(*command, argc, argv);
    const TCommandLine line = ParseCommandLine(arguments);
    switch (line.Kind) {
    case TCommandLine::TKind::Help:
        CliOut(CliHelp());
        return 0;
    case TCommandLine::TKind::Version:
        CliOut(QStringLiteral("Lumarest %1\n").arg(QStringLiteral(LUMAREST_VERSION)));
        return 0;
    case TCommandLine::TKind::Usage:
        return CliProgramUsage(line.Problem);
    case TCommandLine::TKind::Designer:
        break;
    }
    // Without dialogs nobody would see the window's report of a missing document.
    if (const std::optional<QString> missing = MissingFileMessage(line.File); missing && IsNonInteractive()) {
        CliError(*missing);
        return 1;
    }
    // A running instance that takes the file over resolves it against this folder.
    return RunDesigner(argc, argv, line.File.isEmpty() ? QString() : QFileInfo(line.File).absoluteFilePath());
}
