// "lumarest tracks" prints what the album window imports from a folder or a playlist.
#include "audio_fixtures.h"

#include "music/import/music_import.h"
#include "support/test_support.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

namespace {

QJsonArray RunTracks(const QStringList& arguments, int* status = nullptr)
{
    QByteArray out;
    const int code = testsupport::RunProgram(QStringLiteral(LUMAREST_PROGRAM), QStringList{"tracks"} + arguments, &out);
    if (status)
        *status = code;
    return QJsonDocument::fromJson(out).array();
}

} // namespace

TEST(TracksCommand, JsonOfAFolderIsTheFolderImport)
{
    const QString dir = AudioFixtureDir();
    ASSERT_FALSE(dir.isEmpty());
    int status = -1;
    const QJsonArray printed = RunTracks({dir, QStringLiteral("--json")}, &status);
    ASSERT_EQ(status, 0);
    const TMusicInfo music = MusicFromFolder(dir, MusicFolderFiles(dir), false);
    ASSERT_EQ(printed.size(), music.Count());
    for (int i = 0; i < music.Count(); ++i) {
        const QJsonObject track = printed[i].toObject();
        EXPECT_EQ(track[QLatin1String("title")].toString(), music.Record(i).Title);
        EXPECT_EQ(track[QLatin1String("artist")].toString(), music.Record(i).Artist);
        EXPECT_EQ(track[QLatin1String("album")].toString(), music.Record(i).Album);
        EXPECT_EQ(track[QLatin1String("seconds")].toInt(), music.Record(i).Seconds);
        EXPECT_EQ(track[QLatin1String("path")].toString(), music.Record(i).Path);
    }
    const auto japanese = std::find_if(printed.begin(), printed.end(), [](const QJsonValue& value) {
        return value.toObject()[QLatin1String("title")].toString() == QStringLiteral("春の歌");
    });
    EXPECT_NE(japanese, printed.end());
}

TEST(TracksCommand, PlaylistsPlainNamesAndFailures)
{
    QTemporaryDir temp;
    const QString playlist = temp.filePath(QStringLiteral("list.m3u8"));
    testsupport::WriteFileBytes(playlist, QStringLiteral("#EXTINF:205,曲名\r\n(Band)Song.mp3\r\n").toUtf8());
    const QJsonArray printed = RunTracks({playlist, QStringLiteral("--json")});
    ASSERT_EQ(printed.size(), 1);
    EXPECT_EQ(printed[0].toObject()[QLatin1String("title")].toString(), QStringLiteral("曲名"));
    EXPECT_EQ(printed[0].toObject()[QLatin1String("seconds")].toInt(), 205);

    testsupport::WriteFileBytes(temp.filePath(QStringLiteral("songs/(Band)Song.mp3")), "no audio");
    const QJsonArray parsed = RunTracks({temp.filePath(QStringLiteral("songs")), QStringLiteral("--json")});
    ASSERT_EQ(parsed.size(), 1);
    EXPECT_EQ(parsed[0].toObject()[QLatin1String("artist")].toString(), QStringLiteral("Band"));
    const QJsonArray plain = RunTracks({temp.filePath(QStringLiteral("songs")), QStringLiteral("--plain-names"), QStringLiteral("--json")});
    ASSERT_EQ(plain.size(), 1);
    EXPECT_EQ(plain[0].toObject()[QLatin1String("title")].toString(), QStringLiteral("(Band)Song"));

    int status = 0;
    RunTracks({temp.filePath(QStringLiteral("missing.m3u"))}, &status);
    EXPECT_EQ(status, 1);
    RunTracks({}, &status);
    EXPECT_EQ(status, 2);
}
