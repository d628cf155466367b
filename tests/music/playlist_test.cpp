// M3U and ASX playlists, and the music records made from playlists and folders.
#include "audio_fixtures.h"

#include "music/album/album_info.h"
#include "music/import/music_import.h"
#include "music/playlist/m3u_file_info.h"
#include "platform/shift_jis.h"
#include "support/test_support.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

class PlaylistTest : public ::testing::Test {
protected:
    QString Write(const QString& name, const QByteArray& bytes)
    {
        const QString path = dir_.filePath(name);
        testsupport::WriteFileBytes(path, bytes);
        return path;
    }

    TM3UFileInfo Read(const QString& name, const QByteArray& bytes, bool* result = nullptr)
    {
        TM3UFileInfo playlist;
        playlist.FileName = Write(name, bytes);
        const bool read = playlist.Read();
        if (result)
            *result = read;
        return playlist;
    }

    QTemporaryDir dir_;
};

} // namespace

TEST_F(PlaylistTest, ExtinfGivesTitleAndTime)
{
    const TM3UFileInfo list = Read(QStringLiteral("a.m3u"), "#EXTM3U\r\n#EXTINF:215,Song\r\nsong.mp3\r\n"
                                                             "#EXTINF:-1,Stream\nhttp-less.mp3\n\n#comment\r");
    ASSERT_EQ(list.Count(), 2);
    EXPECT_EQ(list.Title(1), QStringLiteral("Song"));
    EXPECT_EQ(list.Time(1), 215);
    EXPECT_EQ(list.Path(1), dir_.filePath(QStringLiteral("song.mp3")));
    EXPECT_EQ(list.Time(2), -1);
    EXPECT_EQ(list.Title(3), QString());
    EXPECT_EQ(list.Time(0), 0);
}

TEST_F(PlaylistTest, PathsWithoutExtinfTakeTheFileTags)
{
    const QString fixtures = AudioFixtureDir();
    ASSERT_FALSE(fixtures.isEmpty());
    const QByteArray text = (fixtures + QStringLiteral("/id3v1.mp3\r\n") + QStringLiteral("missing.mp3\r\n")).toUtf8();
    const TM3UFileInfo list = Read(QStringLiteral("b.m3u"), text);
    ASSERT_EQ(list.Count(), 2);
    EXPECT_EQ(list.Title(1), QStringLiteral("Spring Song"));
    EXPECT_EQ(list.Time(1), 7);
    EXPECT_EQ(list.Title(2), QString());

    const std::optional<TMusicInfo> music = MusicFromPlaylist(dir_.filePath(QStringLiteral("b.m3u")));
    ASSERT_TRUE(music.has_value());
    EXPECT_EQ(music->Record(1).Title, QStringLiteral("missing"));
}

TEST_F(PlaylistTest, TextEncodings)
{
    const QString title = QStringLiteral("夜の歌");
    const QByteArray line = "#EXTINF:10,";
    EXPECT_EQ(Read(QStringLiteral("s.m3u"), line + *EncodeShiftJIS(title) + "\na.mp3").Title(1), title);
    EXPECT_EQ(Read(QStringLiteral("u.m3u8"), line + title.toUtf8() + "\na.mp3").Title(1), title);
    EXPECT_EQ(Read(QStringLiteral("b.m3u"), "\xEF\xBB\xBF" + line + title.toUtf8() + "\na.mp3").Title(1), title);
}

TEST_F(PlaylistTest, AsxEntriesParamsAndDurations)
{
    const QByteArray asx = "<ASX version=\"3.0\">\r\n"
                           "<Param Name=\"Artist\" Value=\"List Artist\"/>\r\n"
                           "<Param Name=\"Name\" Value=\"List Album\"/>\r\n"
                           "<Entry>\r\n"
                           "  <Title>First</Title>\r\n"
                           "  <Ref href=\"one.mp3\"/>\r\n"
                           "  <Param Name=\"Album\" Value=\"Entry Album\"/>\r\n"
                           "  <Param Name=\"Other\" Value=\"x\"/>\r\n"
                           "  <Duration value=\"00:03:25.50\"/>\r\n"
                           "</Entry>\r\n"
                           "<Entry><Title>Same line</Title>\r\n"
                           "\x81\x40<Param Name=\"Artist\" Value=\"Second Artist\"/>\r\n"
                           "<Entry>\r\n"
                           "<Ref href='single.mp3'/>\r\n"
                           "<Entry>\r\n";
    bool read = false;
    const TM3UFileInfo list = Read(QStringLiteral("list.asx"), asx, &read);
    EXPECT_TRUE(read);
    ASSERT_EQ(list.Count(), 3);
    EXPECT_EQ(list.ListArtist(), QStringLiteral("List Artist"));
    EXPECT_EQ(list.ListAlbum(), QStringLiteral("List Album"));
    EXPECT_EQ(list.Title(1), QStringLiteral("First"));
    EXPECT_EQ(list.Path(1), dir_.filePath(QStringLiteral("one.mp3")));
    EXPECT_EQ(list.Album(1), QStringLiteral("Entry Album"));
    EXPECT_EQ(list.Time(1), 205);
    EXPECT_EQ(list.Title(2), QString());
    EXPECT_EQ(list.Artist(2), QStringLiteral("Second Artist"));
    EXPECT_EQ(list.Path(3), QString());
}

TEST_F(PlaylistTest, FailuresAndSharedAlbumTexts)
{
    bool read = true;
    Read(QStringLiteral("empty.m3u"), "#EXTM3U\r\n", &read);
    EXPECT_FALSE(read);
    EXPECT_FALSE(MusicFromPlaylist(dir_.filePath(QStringLiteral("nothing.m3u"))).has_value());

    Write(QStringLiteral("same.asx"), "<asx>\n<Entry>\n<Title>A</Title>\n<Param Name=\"Artist\" Value=\"X\"/>\n"
                                      "<Entry>\n<Title>B</Title>\n<Param Name=\"Artist\" Value=\"X\"/>\n");
    const std::optional<TMusicInfo> music = MusicFromPlaylist(dir_.filePath(QStringLiteral("same.asx")));
    ASSERT_TRUE(music.has_value());
    EXPECT_EQ(music->AlbumArtist, QStringLiteral("X"));
    EXPECT_EQ(music->AlbumTitle, QString());
}

TEST_F(PlaylistTest, FolderNamesSortingAndBracketedNames)
{
    const QString folder = dir_.filePath(QStringLiteral("Artist「Album」"));
    for (const char* name : {"10 b.mp3", "1 a.mp3", "2 c.mp3", "(Singer)Tune.mp3"})
        testsupport::WriteFileBytes(folder + QLatin1Char('/') + QString::fromUtf8(name), "not audio");
    QDir().mkpath(folder + QStringLiteral("/sub"));
    const QStringList names = MusicFolderFiles(folder);
    ASSERT_EQ(names.size(), 4);

    const TMusicInfo music = MusicFromFolder(folder, names, false);
    QStringList titles;
    for (const TMusicRec& record : music.Records())
        titles << record.Title;
    EXPECT_EQ(titles, (QStringList{"1 a", "2 c", "10 b", "Tune"}));
    EXPECT_EQ(music.Record(3).Artist, QStringLiteral("Singer"));
    // The records' artists differ, so the folder's name gives the album texts.
    EXPECT_EQ(music.AlbumArtist, QStringLiteral("Artist"));
    EXPECT_EQ(music.AlbumTitle, QStringLiteral("Album"));

    const TMusicInfo shift = MusicFromFolder(folder, names, true);
    EXPECT_EQ(shift.Record(0).Title, QStringLiteral("(Singer)Tune"));
    EXPECT_EQ(shift.AlbumArtist, QString());
    EXPECT_EQ(shift.AlbumTitle, QString());

    // Without a bracketed folder name the first record with an artist gives the album texts.
    const QString other = dir_.filePath(QStringLiteral("Plain"));
    QDir().rename(folder, other);
    EXPECT_EQ(MusicFromFolder(other, names, false).AlbumArtist, QStringLiteral("Singer"));
}

TEST_F(PlaylistTest, FixtureFolderToAlbum)
{
    const QString fixtures = AudioFixtureDir();
    ASSERT_FALSE(fixtures.isEmpty());
    const TMusicInfo music = MusicFromFolder(fixtures, MusicFolderFiles(fixtures), false);
    TAlbumInfo album;
    MusicToAlbum(music, album);
    int timed = 0;
    for (int i = 0; i < album.TrackCount(); ++i)
        timed += album.Tracks()->Track(i)->Time() == QLatin1String("0:07") ? 1 : 0;
    EXPECT_EQ(timed, 13);
    // The report file is no audio: it becomes a track named after the file.
    EXPECT_EQ(album.TrackCount(), 14);
}

TEST(MusicToAlbum, TimesAndAlbumTexts)
{
    TMusicInfo music;
    music.AlbumTitle = QStringLiteral("From Files");
    music.AlbumArtist = QStringLiteral("Band");
    music.Add({QStringLiteral("A"), QStringLiteral("One"), QStringLiteral("B"), 205, {}});
    music.Add({{}, QStringLiteral("Two"), {}, 0, {}});
    music.Add({{}, QStringLiteral("Three"), {}, 3725, {}});
    TAlbumInfo album;
    album.SetTitle(QStringLiteral("Kept"));
    MusicToAlbum(music, album);
    EXPECT_EQ(album.Title(), QStringLiteral("Kept"));
    EXPECT_EQ(album.Artist(), QStringLiteral("Band"));
    ASSERT_EQ(album.TrackCount(), 3);
    EXPECT_EQ(album.Tracks()->Track(0)->Time(), QStringLiteral("3:25"));
    EXPECT_EQ(album.Tracks()->Track(0)->Album(), QStringLiteral("A"));
    EXPECT_EQ(album.Tracks()->Track(1)->Time(), QString());
    EXPECT_EQ(album.Tracks()->Track(2)->Time(), QStringLiteral("62:05"));
}
