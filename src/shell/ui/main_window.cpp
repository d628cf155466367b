#include "shell/ui/main_window.h"

#include "core/frame/macro_string.h"

#include <QFileInfo>
#include <QWidget>

TfrmMain::TfrmMain(QWidget* parent) : QMainWindow(parent)
{
    setWindowTitle(Expand(QStringLiteral("$(AppName)")));
    setCentralWidget(new QWidget(this));
    resize(1024, 720);
}

void TfrmMain::OpenDocumentFile(const QString& path)
{
    raise();
    activateWindow();
    // Label documents open here once the document model exists; until then the file is
    // only acknowledged in the title.
    setWindowTitle(Expand(QStringLiteral("$(TitleBarFormat)")).replace(QStringLiteral("%s"), QFileInfo(path).fileName()));
}

void TfrmMain::StartFirstDocument(const QString& path)
{
    if (!path.isEmpty() && QFileInfo(path).isFile())
        OpenDocumentFile(path);
}
