// The album database: stream names, renumbering on insert, at least one album, damaged
// streams kept, and component streams of albums.
#include "core/storage/doc_storage.h"
#include "core/storage/doc_stream.h"
#include "core/storage/file_storage.h"
#include "core/storage/storage_modes.h"
#include "core/stream/component_stream.h"
#include "music/album/albums.h"
#include "music/music_classes.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

namespace {

std::unique_ptr<TAlbumInfo> MakeAlbum(const QString& title, int tracks = 1)
{
    auto album = std::make_unique<TAlbumInfo>();
    album->SetTitle(title);
    album->SetArtist(title + QStringLiteral(" artist"));
    for (int i = 0; i < tracks; ++i) {
        TTrackInfo* track = album->Tracks()->AddTrack();
        track->SetTitle(QStringLiteral("%1-%2").arg(title).arg(i + 1));
        track->SetTime(QStringLiteral("3:2%1").arg(i));
        track->SetArtist(QStringLiteral("Artist"));
        track->SetAlbum(title);
    }
    return album;
}

QStringList StreamNames(const QString& file)
{
    TFileStorage root(file, fmOpenRead | fmShareDenyNone);
    TDocStorage albums(root, false, QStringLiteral("Albums"));
    QStringList names;
    albums.ListStreams(names);
    names.sort();
    return names;
}

class AlbumsTest : public ::testing::Test {
protected:
    void SetUp() override { RegisterMusicClasses(); }
    QString File() const { return dir_.filePath(QStringLiteral("prefs/Albums.dat")); }

    QTemporaryDir dir_;
};

} // namespace

TEST_F(AlbumsTest, NewDatabaseHoldsOneEmptyAlbum)
{
    {
        TAlbums albums;
        albums.Open(File());
        ASSERT_EQ(albums.Count(), 1);
        EXPECT_TRUE(albums.Album(0).SameAs(TAlbumInfo()));
        EXPECT_EQ(albums.StreamName(0), QStringLiteral("$00000001"));
    }
    EXPECT_EQ(StreamNames(File()), QStringList{"$00000001"});
}

TEST_F(AlbumsTest, AlbumsRoundTripThroughTheFile)
{
    {
        TAlbums albums;
        albums.Open(File());
        albums.Write(*MakeAlbum(QStringLiteral("日本語のアルバム"), 3), 0);
        albums.Write(*MakeAlbum(QStringLiteral("Second")), -1);
    }
    TAlbums reopened;
    reopened.Open(File());
    ASSERT_EQ(reopened.Count(), 2);
    EXPECT_TRUE(reopened.Album(0).SameAs(*MakeAlbum(QStringLiteral("日本語のアルバム"), 3)));
    EXPECT_TRUE(reopened.Album(1).SameAs(*MakeAlbum(QStringLiteral("Second"))));
    EXPECT_TRUE(reopened.DamagedStreams().isEmpty());
}

TEST_F(AlbumsTest, InsertRenumbersFromTheLast)
{
    const QStringList titles{"new", "one", "two", "three"};
    {
        TAlbums albums;
        albums.Open(File());
        albums.Write(*MakeAlbum(QStringLiteral("one")), 0);
        albums.Write(*MakeAlbum(QStringLiteral("two")), -1);
        albums.Write(*MakeAlbum(QStringLiteral("three")), -1);
        albums.Insert(*MakeAlbum(QStringLiteral("new")), 0);
        ASSERT_EQ(albums.Count(), 4);
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(albums.Album(i).Title(), titles[i]);
            EXPECT_EQ(albums.StreamName(i), AlbumStreamName(static_cast<quint32>(i + 1)));
        }
    }
    TAlbums reopened;
    reopened.Open(File());
    EXPECT_EQ(reopened.Album(0).Title(), QStringLiteral("new"));
    EXPECT_EQ(reopened.Album(3).Title(), QStringLiteral("three"));
}

TEST_F(AlbumsTest, GapsInNumbersAndHexadecimalOrder)
{
    QDir().mkpath(QFileInfo(File()).absolutePath());
    {
        TFileStorage root(File(), fmCreate, true);
        TDocStorage storage(root, true, QStringLiteral("Albums"));
        for (const char* name : {"$00000001", "$0000000a"}) {
            TDocStream stream(storage, fmCreate, QString::fromLatin1(name));
            const QByteArray bytes = ComponentBytes(*MakeAlbum(QString::fromLatin1(name)));
            stream.Write(bytes.constData(), bytes.size());
        }
        root.Commit();
    }
    TAlbums albums;
    albums.Open(File());
    albums.Write(*MakeAlbum(QStringLiteral("next")), -1);
    EXPECT_EQ(albums.StreamName(2), QStringLiteral("$0000000b"));
}

TEST_F(AlbumsTest, DeletingEveryAlbumLeavesOneEmpty)
{
    TAlbums albums;
    albums.Open(File());
    albums.Write(*MakeAlbum(QStringLiteral("one")), 0);
    albums.Write(*MakeAlbum(QStringLiteral("two")), -1);
    albums.DeleteAll();
    ASSERT_EQ(albums.Count(), 1);
    EXPECT_TRUE(albums.Album(0).SameAs(TAlbumInfo()));
    albums.Delete(0);
    EXPECT_EQ(albums.Count(), 1);
}

TEST_F(AlbumsTest, DamagedStreamIsReportedAndKept)
{
    {
        TAlbums albums;
        albums.Open(File());
        albums.Write(*MakeAlbum(QStringLiteral("good")), 0);
        albums.Write(*MakeAlbum(QStringLiteral("bad")), -1);
        albums.Write(*MakeAlbum(QStringLiteral("after")), -1);
    }
    {
        TFileStorage root(File(), fmOpenReadWrite, true);
        TDocStorage storage(root, false, QStringLiteral("Albums"));
        TDocStream stream(storage, fmCreate, QStringLiteral("$00000002"));
        stream.Write("TPF0 broken", 11);
        root.Commit();
    }
    {
        TAlbums albums;
        albums.Open(File());
        ASSERT_EQ(albums.Count(), 2);
        EXPECT_EQ(albums.Album(0).Title(), QStringLiteral("good"));
        EXPECT_EQ(albums.Album(1).Title(), QStringLiteral("after"));
        ASSERT_EQ(albums.DamagedStreams().size(), 1);
        EXPECT_TRUE(albums.DamagedStreams()[0].startsWith(QStringLiteral("$00000002")));
        albums.Write(*MakeAlbum(QStringLiteral("appended")), -1);
        EXPECT_EQ(albums.StreamName(2), QStringLiteral("$00000004"));
    }
    EXPECT_EQ(StreamNames(File()), (QStringList{"$00000001", "$00000002", "$00000003", "$00000004"}));
}

TEST(AlbumInfo, EqualityComparesEveryText)
{
    const auto base = MakeAlbum(QStringLiteral("A"), 2);
    EXPECT_TRUE(base->SameAs(*base->Clone()));
    auto changed = base->Clone();
    changed->Tracks()->Track(1)->SetAlbum(QStringLiteral("a"));
    EXPECT_FALSE(base->SameAs(*changed));
    auto longer = base->Clone();
    longer->Tracks()->AddTrack();
    EXPECT_FALSE(base->SameAs(*longer));
}
