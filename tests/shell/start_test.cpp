// Starting the designer as a process: one instance at a time, with the file handed over,
// and no window when a data file is missing.
#include "support/test_support.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

namespace {

QProcessEnvironment Environment(const QTemporaryDir& home)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("LUMAREST_NONINTERACTIVE"), QStringLiteral("1"));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), home.filePath(QStringLiteral("runtime")));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
    environment.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral("data")));
    QDir().mkpath(home.filePath(QStringLiteral("runtime")));
    QFile::setPermissions(home.filePath(QStringLiteral("runtime")), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    return environment;
}

// Waits until the condition holds or the time is up.
template <class Condition>
bool WaitFor(Condition condition, int milliseconds)
{
    QElapsedTimer timer;
    timer.start();
    while (!condition()) {
        if (timer.elapsed() > milliseconds)
            return false;
        QThread::msleep(50);
    }
    return true;
}

} // namespace

TEST(Start, SecondInstanceHandsItsFileToTheFirstAndStops)
{
    QTemporaryDir home;
    const QProcessEnvironment environment = Environment(home);
    QProcess first;
    first.setProcessEnvironment(environment);
    first.start(QStringLiteral(LUMAREST_PROGRAM), {});
    ASSERT_TRUE(first.waitForStarted(10000));
    const QDir runtime(home.filePath(QStringLiteral("runtime")));
    ASSERT_TRUE(WaitFor([&] { return !runtime.entryList({QStringLiteral("*.socket")}, QDir::System).isEmpty(); }, 30000));

    // Named relative to the second instance's folder, which the first does not share.
    testsupport::WriteFileBytes(home.filePath(QStringLiteral("手渡し.cld")), "not a label document");
    QProcess second;
    second.setProcessEnvironment(environment);
    second.setWorkingDirectory(home.path());
    second.start(QStringLiteral(LUMAREST_PROGRAM), {QStringLiteral("手渡し.cld")});
    ASSERT_TRUE(second.waitForFinished(30000));
    EXPECT_EQ(second.exitCode(), 1);
    EXPECT_TRUE(QString::fromUtf8(second.readAllStandardError()).contains(QStringLiteral("Lumarestは、すでに実行中です")));

    // The first instance tried to open the file it was handed (and found it).
    QByteArray firstErrors;
    EXPECT_TRUE(WaitFor(
        [&] {
            firstErrors += first.readAllStandardError();
            first.waitForReadyRead(50);
            return QString::fromUtf8(firstErrors).contains(QStringLiteral("指定されたファイルは「Lumarest」のデータではありません"));
        },
        30000))
        << firstErrors.toStdString();
    first.terminate();
    if (!first.waitForFinished(10000))
        first.kill();
}

TEST(Start, MissingCatalogueStopsBeforeTheWindow)
{
    QTemporaryDir home;
    QProcessEnvironment environment = Environment(home);
    environment.insert(QStringLiteral("LUMAREST_DATA_DIR"), home.filePath(QStringLiteral("nodata")));
    QDir().mkpath(home.filePath(QStringLiteral("nodata")));
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(LUMAREST_PROGRAM), {});
    ASSERT_TRUE(program.waitForFinished(30000)) << "the program kept running: a window was created";
    EXPECT_EQ(program.exitCode(), 1);
    EXPECT_TRUE(QString::fromUtf8(program.readAllStandardError())
                    .contains(QStringLiteral("アプリケーションに必要なファイル「Lumarest.ppr」が開けませんでした")));
}
