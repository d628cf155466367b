// The album window and its dialogs on the offscreen platform: the grid and its spare rows,
// editing, paging that writes only changed albums, imports, the display-items preview, the
// replacement dialog, the search dialog and the CSV dialogs.
#include "../audio_fixtures.h"

#include "core/messages.h"
#include "music/album/albums.h"
#include "music/csv/album_csv_file.h"
#include "music/music_classes.h"
#include "music/ui/album_search_dialog.h"
#include "music/ui/album_text_dialog.h"
#include "music/ui/album_window.h"
#include "music/ui/csv_export_dialog.h"
#include "music/ui/csv_import_dialog.h"
#include "music/ui/input_replace_dialog.h"
#include "support/test_support.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QTemporaryDir>

namespace {

class AlbumWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        RegisterMusicClasses();
        previous_ = SetMessageBoxHandler([this](const QString& text, TMsgButtons, TMsgResult) {
            messages_ << text;
            return TMsgResult::Yes;
        });
        albums_.Open(dir_.filePath(QStringLiteral("Albums.dat")));
        TAlbumInfo album;
        album.SetTitle(QStringLiteral("First"));
        TTrackInfo* track = album.Tracks()->AddTrack();
        track->SetTitle(QStringLiteral("One"));
        track->SetTime(QStringLiteral("3:25"));
        albums_.Write(album, 0);
        album.SetTitle(QStringLiteral("Second"));
        albums_.Write(album, -1);
    }
    void TearDown() override { SetMessageBoxHandler(previous_); }

    QTemporaryDir dir_;
    TAlbums albums_;
    QStringList messages_;
    TMessageBoxHandler previous_;
};

} // namespace

TEST_F(AlbumWindowTest, GridSpareRowsAndTyping)
{
    TfrmAlbums window(albums_, true);
    EXPECT_EQ(window.windowTitle(), QStringLiteral("アルバム情報"));
    EXPECT_EQ(window.TitleEdit()->text(), QStringLiteral("First"));
    EXPECT_EQ(window.Grid()->rowCount(), 3);
    EXPECT_EQ(window.Grid()->item(2, 0)->text(), QStringLiteral("3"));
    EXPECT_EQ(window.Position()->text(), QStringLiteral("1/2"));
    window.Grid()->item(2, 1)->setText(QStringLiteral("Typed"));
    EXPECT_EQ(window.Editor().Album().TrackCount(), 3);
    EXPECT_EQ(window.Grid()->rowCount(), 5);
    EXPECT_EQ(window.Editor().Album().Tracks()->Track(2)->Title(), QStringLiteral("Typed"));
    window.Pages()->setValue(1);
    EXPECT_EQ(window.Position()->text(), QStringLiteral("2/2"));
    EXPECT_EQ(albums_.Album(0).TrackCount(), 3);
    EXPECT_EQ(window.TitleEdit()->text(), QStringLiteral("Second"));
    EXPECT_TRUE(window.Command(QStringLiteral("文字置換え"))->isEnabled());
}

TEST_F(AlbumWindowTest, OkAsksForTheLinesWithALivePreview)
{
    TfrmAlbumText choice(albums_.Album(0));
    EXPECT_EQ(choice.Preview()->toPlainText(), QStringLiteral("First\n\n1.One 3:25  "));
    choice.Flag(1)->setChecked(false);
    choice.Flag(4)->setChecked(false);
    choice.Flag(6)->setChecked(false);
    choice.Separator()->setCurrentText(QStringLiteral("-"));
    EXPECT_EQ(choice.Preview()->toPlainText(), QStringLiteral("First\n1.One-3:25"));
    EXPECT_EQ(choice.Lines(), (QStringList{"First", "1.One-3:25"}));
}

TEST_F(AlbumWindowTest, FolderAndPlaylistImports)
{
    const QString fixtures = AudioFixtureDir();
    ASSERT_FALSE(fixtures.isEmpty());
    TfrmAlbums window(albums_, true);
    window.ImportFolder(fixtures, false);
    EXPECT_EQ(window.Editor().Album().TrackCount(), 1 + 14);
    EXPECT_FALSE(window.ImportPlaylist(dir_.filePath(QStringLiteral("none.m3u"))));
    EXPECT_EQ(messages_.value(0), QStringLiteral("プレイリストの読み込みに失敗したか、内容が正しくありません"));
    EXPECT_EQ(window.Editor().Album().TrackCount(), 15);
}

TEST_F(AlbumWindowTest, ReplaceDialog)
{
    TfrmInputReplace dialog({"Title", "Artist", "a\tb"});
    EXPECT_FALSE(dialog.UndoButton()->isEnabled());
    EXPECT_FALSE(dialog.ReplaceButton()->isEnabled());
    dialog.SearchText()->setText(QStringLiteral("t"));
    dialog.ReplacementText()->setText(QStringLiteral("T"));
    dialog.ReplaceButton()->click();
    EXPECT_EQ(dialog.Lines(), (QStringList{"TiTle", "ArTisT", "a\tb"}));
    EXPECT_EQ(dialog.List()->columnCount(), 2);
    EXPECT_TRUE(dialog.UndoButton()->isEnabled());
    dialog.UndoButton()->click();
    EXPECT_EQ(dialog.Lines()[0], QStringLiteral("Title"));
    dialog.reject();
    TfrmInputReplace again({"x"});
    EXPECT_EQ(again.SearchText()->text(), QStringLiteral("t"));
}

TEST_F(AlbumWindowTest, SearchDialogStaysOpenWithoutMatch)
{
    TAlbumEditor editor(albums_);
    TfrmAlbumSearch dialog(editor);
    EXPECT_FALSE(dialog.SearchButton()->isEnabled());
    dialog.Keyword()->setCurrentText(QStringLiteral("second"));
    EXPECT_TRUE(dialog.SearchButton()->isEnabled());
    dialog.Search();
    ASSERT_TRUE(dialog.Match().has_value());
    EXPECT_EQ(editor.Current(), 1);
    dialog.Keyword()->setCurrentText(QStringLiteral("nothing"));
    dialog.Search();
    EXPECT_FALSE(dialog.Match().has_value());
    EXPECT_EQ(messages_.value(0), QStringLiteral("nothingは見つかりませんでした"));
}

TEST_F(AlbumWindowTest, CsvDialogsExportAndImport)
{
    TfrmAlbumExportCSV exporter(albums_, 0);
    EXPECT_FALSE(exporter.OkButton()->isEnabled());
    EXPECT_EQ(exporter.Preview()->toPlainText(), QStringLiteral(",タイトル,時間,アーティスト,アルバム\nアルバム,First,,,\n1,One,3:25,,"));
    EXPECT_FALSE(exporter.Pages()->isEnabled());
    exporter.Fields()->setCurrentRow(2);
    exporter.MoveField(-1);
    exporter.Fields()->item(4)->setCheckState(Qt::Unchecked);
    EXPECT_EQ(exporter.Preview()->toPlainText().section(QLatin1Char('\n'), 2, 2), QStringLiteral("1,3:25,One,"));
    const QString file = dir_.filePath(QStringLiteral("out.csv"));
    exporter.FileName()->setText(file);
    exporter.AllAlbums()->setChecked(true);
    EXPECT_TRUE(exporter.OkButton()->isEnabled());
    exporter.accept();
    EXPECT_EQ(messages_.value(0), QStringLiteral("正常にCSVファイルへ出力しました"));

    TfrmAlbumImportCSV importer(albums_);
    importer.LoadFile(file);
    EXPECT_FALSE(importer.OkButton()->isEnabled());
    // The exported columns: number, time, title, artist.
    importer.Tie(cfNumber, 0);
    importer.Tie(cfTime, 1);
    importer.Tie(cfTitle, 2);
    importer.Tie(cfArtist, 3);
    importer.Tie(cfAlbum, 1);
    EXPECT_EQ(importer.Mapping()[cfAlbum], -1);
    EXPECT_TRUE(importer.Source()->item(0)->font().bold());
    EXPECT_EQ(importer.Fields()->item(1)->text(), QStringLiteral("タイトル：項目3"));
    EXPECT_TRUE(importer.OkButton()->isEnabled());
    importer.accept();
    EXPECT_EQ(messages_.value(1), QStringLiteral("正常にCSVファイルから入力しました"));
    // Every line is imported: the first header row makes an untitled album, the second
    // header row a track of "First".
    ASSERT_EQ(albums_.Count(), 5);
    EXPECT_EQ(albums_.Album(3).Title(), QStringLiteral("First"));
    EXPECT_EQ(albums_.Album(3).Tracks()->Track(0)->Title(), QStringLiteral("One"));
}
