#include "audio_fixtures.h"

#include "support/test_support.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QLockFile>

QString AudioFixtureDir()
{
    static const QString dir = [] {
        const QString script = testsupport::FixturePath(QStringLiteral("make_audio_fixtures.py"));
        const QString folder = QStringLiteral(LUMAREST_BINARY_DIR "/tests/music/audio-fixtures");
        QDir().mkpath(QFileInfo(folder).absolutePath());
        QLockFile lock(folder + QStringLiteral(".lock"));
        lock.setStaleLockTime(0);
        if (!lock.lock())
            return QString();
        const QFileInfo report(folder + QStringLiteral("/report.json"));
        if (report.exists() && report.lastModified() >= QFileInfo(script).lastModified())
            return folder;
        QDir(folder).removeRecursively();
        QByteArray error;
        if (testsupport::RunProgram(QStringLiteral("/usr/bin/python3"), {script, folder}, nullptr, 120000, &error) != 0) {
            ADD_FAILURE() << "fixture script failed: " << error.toStdString();
            QDir(folder).removeRecursively();
            return QString();
        }
        return folder;
    }();
    return dir;
}

QJsonObject MutagenReport()
{
    const QString dir = AudioFixtureDir();
    if (dir.isEmpty())
        return {};
    return QJsonDocument::fromJson(testsupport::ReadFileBytes(dir + QStringLiteral("/report.json"))).object();
}
