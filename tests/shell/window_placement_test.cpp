#include "shell/app_frame.h"
#include "shell/ui/window_placement.h"

#include <QScreen>
#include <QWidget>
#include <gtest/gtest.h>

TEST(WindowPlacement, DefaultsCentreAndStoredBoundsComeBack)
{
    TAppFrame frame;
    frame.Load(QStringLiteral("/usr/bin/lumarest"), QStringLiteral("1.0.0"));
    QWidget window;
    window.setObjectName(QStringLiteral("frmTest"));
    RestoreWindowPlacement(window, 400, 300);
    const QRect screen = window.screen()->availableGeometry();
    EXPECT_EQ(window.geometry().size(), QSize(400, 300));
    EXPECT_LE(std::abs(window.geometry().center().x() - screen.center().x()), 1);

    window.setGeometry(30, 40, 500, 350);
    SaveWindowPlacement(window);
    QWidget again;
    again.setObjectName(QStringLiteral("frmTest"));
    RestoreWindowPlacement(again, 400, 300);
    EXPECT_EQ(again.geometry(), QRect(30, 40, 500, 350));

    TEnvIniIO io(QStringLiteral("Dialog"));
    QWidget dialog;
    dialog.resize(200, 100);
    io.RestoreBounds(dialog); // nothing stored: centred
    EXPECT_LE(std::abs(dialog.geometry().center().x() - screen.center().x()), 1);
    dialog.setGeometry(10, 20, 200, 100);
    io.SaveBounds(dialog);
    QWidget restored;
    restored.resize(50, 50);
    io.RestoreBounds(restored);
    EXPECT_EQ(restored.geometry(), QRect(10, 20, 200, 100));
}
