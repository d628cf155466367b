// Objects copied in one program are pasted in another through the desktop's clipboard:
// two copies of this test program on one private X server (Xvfb), one copying and staying
// up to answer for the clipboard, the other pasting into a site of its own.
#include "editing_fixture.h"

#include "editing/clipboard/object_clipboard.h"
#include "editing/commands/standard_commands.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <cctype>
#include <cstdio>

namespace {

constexpr char kRoleVariable[] = "LUMAREST_CLIPBOARD_ROLE";
constexpr char kDoneVariable[] = "LUMAREST_CLIPBOARD_DONE";
constexpr int kWaitMs = 30000;

// A site whose commands use the desktop's clipboard, as the designer's sites do.
class SystemClipboardProcess : public EditingTest {
protected:
    SystemClipboardProcess() { context.SetClipboard(&SystemClipboard()); }

    // Handles events until the condition holds or the wait runs out.
    static bool WaitFor(const std::function<bool()>& condition)
    {
        const QDeadlineTimer deadline(kWaitMs);
        while (!condition()) {
            if (deadline.hasExpired())
                return false;
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
            QThread::msleep(10);
        }
        return true;
    }

    void PrintBytes() const
    {
        std::printf("%s\n", Bytes().toHex().constData());
        std::fflush(stdout);
    }
};

// A private X server for the duration of a test.
class PrivateXServer {
public:
    PrivateXServer()
    {
        server_.start(QStringLiteral("Xvfb"), {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-nolisten"),
                                               QStringLiteral("tcp"), QStringLiteral("-screen"), QStringLiteral("0"),
                                               QStringLiteral("640x480x24")});
        if (!server_.waitForStarted(kWaitMs))
            return;
        // The server writes its display number once it accepts connections.
        while (!server_.canReadLine() && server_.waitForReadyRead(kWaitMs)) {
        }
        const QByteArray number = server_.readLine().trimmed();
        if (!number.isEmpty())
            display_ = ':' + number;
    }
    ~PrivateXServer()
    {
        server_.terminate();
        if (!server_.waitForFinished(5000))
            server_.kill();
        server_.waitForFinished(5000);
    }
    const QByteArray& Display() const { return display_; }

private:
    QProcess server_;
    QByteArray display_;
};

} // namespace

// One side of SystemClipboard.ObjectsCrossProcesses; it does nothing unless that test
// starts this program with a role.
TEST_F(SystemClipboardProcess, Role)
{
    const QByteArray role = qgetenv(kRoleVariable);
    if (role.isEmpty())
        GTEST_SKIP() << "run by SystemClipboard.ObjectsCrossProcesses";
    if (role == "copy") {
        Add<TTestRect>(TRect(100, 100, 300, 200), 30);
        Add<TTestRect>(TRect(400, 120, 450, 400));
        site.SelectAll(true);
        TDSACopy().Execute(site);
        ASSERT_TRUE(WaitFor([] { return CanPaste(SystemClipboard()); }));
        PrintBytes();
        // Stay up to answer the other program's requests for the clipboard.
        const QString done = QString::fromLocal8Bit(qgetenv(kDoneVariable));
        EXPECT_TRUE(WaitFor([&] { return QFile::exists(done); }));
    } else {
        ASSERT_EQ(role, "paste");
        TDSAPaste paste;
        ASSERT_TRUE(WaitFor([&] { return paste.Enabled(site); }));
        paste.Execute(site);
        PrintBytes();
    }
}

TEST(SystemClipboard, ObjectsCrossProcesses)
{
    PrivateXServer server;
    ASSERT_FALSE(server.Display().isEmpty()) << "Xvfb did not start";
    QTemporaryDir dir;
    const QString done = dir.filePath(QStringLiteral("done"));
    const auto start = [&](QProcess& process, const char* role) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        environment.insert(QStringLiteral("DISPLAY"), QString::fromLatin1(server.Display()));
        environment.insert(QString::fromLatin1(kRoleVariable), QString::fromLatin1(role));
        environment.insert(QString::fromLatin1(kDoneVariable), done);
        process.setProcessEnvironment(environment);
        process.start(QCoreApplication::applicationFilePath(),
                      {QStringLiteral("--gtest_filter=SystemClipboardProcess.Role")});
    };
    // The hex line of a site's bytes that a role prints.
    const auto bytesLine = [](QProcess& process) {
        while (process.state() != QProcess::NotRunning || process.bytesAvailable() > 0) {
            if (!process.canReadLine() && !process.waitForReadyRead(kWaitMs))
                break;
            while (process.canReadLine()) {
                const QByteArray line = process.readLine().trimmed();
                if (!line.isEmpty() && std::all_of(line.begin(), line.end(), isxdigit))
                    return line;
            }
        }
        return QByteArray();
    };

    QProcess copier;
    start(copier, "copy");
    const QByteArray copied = bytesLine(copier);
    ASSERT_FALSE(copied.isEmpty()) << copier.readAllStandardError().constData();

    QProcess paster;
    start(paster, "paste");
    const QByteArray pasted = bytesLine(paster);
    ASSERT_TRUE(paster.waitForFinished(kWaitMs));
    QFile(done).open(QIODevice::WriteOnly);
    ASSERT_TRUE(copier.waitForFinished(kWaitMs));

    EXPECT_EQ(paster.exitCode(), 0) << paster.readAllStandardOutput().constData();
    EXPECT_EQ(copier.exitCode(), 0) << copier.readAllStandardOutput().constData();
    // The same objects in the same places: pasted without offset into an empty site.
    EXPECT_EQ(pasted, copied);
}
