// Test program entry: a Qt application on the offscreen platform (fonts and painting work
// without a display), private XDG folders, then GoogleTest. Built twice: headless rooms
// run on a QGuiApplication, so that any use of widgets fails their tests; ui tests run on
// a QApplication (LUMAREST_TEST_WIDGETS).
#ifdef LUMAREST_TEST_WIDGETS
#include <QApplication>
using TTestApplication = QApplication;
#else
#include <QGuiApplication>
using TTestApplication = QGuiApplication;
#endif
#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Every test process gets its own settings, data and cache folders, so that tests
    // running in parallel never see each other's files.
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", (home.path() + QStringLiteral("/config")).toLocal8Bit());
    qputenv("XDG_DATA_HOME", (home.path() + QStringLiteral("/data")).toLocal8Bit());
    qputenv("XDG_CACHE_HOME", (home.path() + QStringLiteral("/cache")).toLocal8Bit());
    ::testing::InitGoogleTest(&argc, argv);
    TTestApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
