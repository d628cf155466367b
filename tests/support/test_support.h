#pragma once
// Small helpers shared by the test programs.
#include <QByteArray>
#include <QString>
#include <QStringList>

#include <ostream>

// Readable QString values in test failure messages.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace testsupport {

// The fixtures folder of the test program's room (tests/<room>/fixtures).
extern const char* const kFixturesDir;

// Full path of a file below the room's fixtures folder.
inline QString FixturePath(const QString& relative)
{
    return QString::fromUtf8(kFixturesDir) + QLatin1Char('/') + relative;
}

// The bytes of a file; fails the current test when it cannot be read.
QByteArray ReadFileBytes(const QString& path);

// Writes bytes to a file, creating its folder; fails the current test on error.
void WriteFileBytes(const QString& path, const QByteArray& bytes);

// Runs an external program with a bounded time; returns its exit code (-1 when it could
// not run or timed out) and stores its standard output.
int RunProgram(const QString& program, const QStringList& arguments, QByteArray* standardOutput = nullptr,
               int timeoutMs = 60000, QByteArray* standardError = nullptr);

} // namespace testsupport
