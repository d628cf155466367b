// The program: "lumarest <command> ..." runs a headless command (no display needed);
// anything else starts the designer.
#include "cli/cli_command.h"
#include "shell/ui/main_window.h"

#include <QApplication>
#include <QGuiApplication>

namespace {

int RunCommand(const TCliCommand& command, int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QStringList arguments = QCoreApplication::arguments();
    arguments.erase(arguments.begin(), arguments.begin() + 2);
    return command.Run(arguments);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc > 1)
        if (const TCliCommand* command = FindCliCommand(QString::fromLocal8Bit(argv[1])))
            return RunCommand(*command, argc, argv);

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lumarest"));
    TfrmMain window;
    window.show();
    return app.exec();
}
