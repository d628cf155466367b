#include "shell/ui/main_window.h"

#include <QWidget>

TfrmMain::TfrmMain(QWidget* parent) : QMainWindow(parent)
{
    setWindowTitle(QStringLiteral("Lumarest"));
    setCentralWidget(new QWidget(this));
    resize(1024, 720);
}
