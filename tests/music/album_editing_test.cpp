// Album to text, the keyword search and the editing rules of the album window.
#include "album_fixtures.h"
#include "music/album/album_editor.h"
#include "music/album/album_text.h"
#include "music/music_classes.h"

#include <QTemporaryDir>

namespace {

class AlbumEditorTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        RegisterMusicClasses();
        albums_.Open(dir_.filePath(QStringLiteral("Albums.dat")));
        albums_.Write(*MakeAlbum(QStringLiteral("First"), QStringLiteral("Band"), {{"Opening", "1:00", "Band", "First"}}), 0);
        albums_.Write(*MakeAlbum(QStringLiteral("ＡＢＣ　ｍｕｓｉｃ"), QStringLiteral("X"), {}), -1);
        albums_.Write(*MakeAlbum(QStringLiteral("Third"), QStringLiteral("Y"), {{"さくら", "2:00", "", ""}, {"ハナミズキ", "", "", ""}}), -1);
    }

    QTemporaryDir dir_;
    TAlbums albums_;
};

} // namespace

TEST(AlbumText, FlagsSeparatorsAndOrders)
{
    const auto owned = MakeAlbum(QStringLiteral("A"), QStringLiteral("B"),
                                 {{"One", "3:25", "Art", "Alb"}, {"Two", "4:00", "Art2", "Alb2"}, {"Three", "1:05", "C", "D"}});
    const TAlbumInfo& album = *owned;
    EXPECT_EQ(AlbumToText(album), (QStringList{"A", "B", "1.One 3:25 Art Alb", "2.Two 4:00 Art2 Alb2", "3.Three 1:05 C D"}));

    TASOptRec options;
    options.Flags = atNumber | atTime | atTitle;
    options.Separator = AlbumTextSeparator(QStringLiteral("タブ"));
    options.Order = 5;
    EXPECT_EQ(AlbumToText(album, options)[0], QStringLiteral("1.3:25\tOne"));
    options.Flags = atTitle | atArtist;
    options.Separator = AlbumTextSeparator(QStringLiteral("～"));
    options.Order = 3;
    EXPECT_EQ(AlbumToText(album, options)[1], QStringLiteral("Art2～Two"));
    EXPECT_EQ(AlbumTextSeparator(QStringLiteral("スペース")), QStringLiteral(" "));
    EXPECT_EQ(AlbumTextOrderCaptions().size(), 6);
}

TEST_F(AlbumEditorTest, SearchBothModesWithoutWrapping)
{
    TAlbumEditor editor(albums_);
    const auto fuzzy = editor.Find(QStringLiteral("music"), TSearchMode::Fuzzy);
    ASSERT_TRUE(fuzzy.has_value());
    EXPECT_EQ(fuzzy->Album, 1);
    EXPECT_EQ(fuzzy->Field, TAlbumMatch::TField::Title);
    EXPECT_EQ(editor.Current(), 1);

    const auto kana = editor.Find(QStringLiteral("サクラ"), TSearchMode::Fuzzy);
    ASSERT_TRUE(kana.has_value());
    EXPECT_EQ(kana->Album, 2);
    EXPECT_EQ(kana->Field, TAlbumMatch::TField::Track);
    EXPECT_EQ(kana->Track, 0);
    const auto hiragana = [&] {
        editor.GoTo(0);
        return editor.Find(QStringLiteral("はなみずき"), TSearchMode::Fuzzy);
    }();
    ASSERT_TRUE(hiragana.has_value());
    EXPECT_EQ(hiragana->Track, 1);

    editor.GoTo(0);
    EXPECT_FALSE(editor.Find(QStringLiteral("abc"), TSearchMode::Exact).has_value());
    EXPECT_TRUE(editor.Find(QStringLiteral("Ｃ　ｍｕ"), TSearchMode::Exact).has_value());
    // From the last album nothing follows: no wrapping around to the first.
    editor.GoTo(2);
    EXPECT_FALSE(editor.Find(QStringLiteral("Opening"), TSearchMode::Fuzzy).has_value());
    EXPECT_EQ(editor.Current(), 2);
}

TEST_F(AlbumEditorTest, OnlyChangedCopiesAreWritten)
{
    TAlbumEditor editor(albums_);
    EXPECT_FALSE(editor.Store());
    editor.Album().SetTitle(QStringLiteral("Renamed"));
    EXPECT_TRUE(editor.Store());
    EXPECT_FALSE(editor.Store());
    editor.EnsureTrack(3);
    EXPECT_EQ(editor.Album().TrackCount(), 4);
    editor.GoTo(1);
    EXPECT_EQ(albums_.Album(0).TrackCount(), 4);
    EXPECT_EQ(albums_.Album(0).Title(), QStringLiteral("Renamed"));
}

TEST_F(AlbumEditorTest, AddAndDeletePositions)
{
    TAlbumEditor editor(albums_);
    editor.GoTo(1);
    editor.AddAlbum(TAlbumEditor::TAddPosition::AtCurrent, true);
    EXPECT_EQ(editor.Count(), 4);
    EXPECT_EQ(editor.Current(), 1);
    EXPECT_EQ(albums_.Album(2).Title(), albums_.Album(1).Title());
    editor.AddAlbum(TAlbumEditor::TAddPosition::First, false);
    EXPECT_EQ(editor.Current(), 0);
    EXPECT_TRUE(albums_.Album(0).SameAs(TAlbumInfo()));
    editor.AddAlbum(TAlbumEditor::TAddPosition::Append, false);
    EXPECT_EQ(editor.Current(), 5);
    editor.DeleteCurrent();
    EXPECT_EQ(editor.Current(), 4);
    EXPECT_EQ(editor.Album().Title(), QStringLiteral("Third"));
    editor.DeleteAll();
    EXPECT_EQ(editor.Count(), 1);
    EXPECT_EQ(editor.Current(), 0);
}

TEST_F(AlbumEditorTest, TrackCommands)
{
    TAlbumEditor editor(albums_);
    editor.GoTo(2);
    EXPECT_TRUE(editor.MoveTrack(1, -1));
    EXPECT_EQ(editor.Album().Tracks()->Track(0)->Title(), QStringLiteral("ハナミズキ"));
    EXPECT_FALSE(editor.MoveTrack(0, -1));
    EXPECT_FALSE(editor.MoveTrack(1, 1));
    editor.InsertTrack(1);
    EXPECT_EQ(editor.Album().TrackCount(), 3);
    EXPECT_TRUE(editor.Album().Tracks()->Track(1)->Title().isEmpty());
    editor.DeleteTrack(0);
    EXPECT_EQ(editor.Album().Tracks()->Track(1)->Title(), QStringLiteral("さくら"));
}
