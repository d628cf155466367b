#include "music/ui/album_window.h"

#include "core/frame/settings.h"
#include "core/messages.h"
#include "music/album/album_text.h"
#include "music/import/music_import.h"
#include "music/replace/input_replace.h"
#include "music/ui/album_add_dialog.h"
#include "music/ui/album_delete_dialog.h"
#include "music/ui/album_search_dialog.h"
#include "music/ui/album_text_dialog.h"
#include "music/ui/csv_export_dialog.h"
#include "music/ui/csv_import_dialog.h"
#include "editing/ui/dialog_buttons.h"
#include "music/ui/input_replace_dialog.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

// The window's bounds are kept under this key.
const QString kPlacementKey = QStringLiteral("$(SysRegistryKey)\\AlbumsInfo");

// Rows shown beyond the last track, for typing new tracks.
constexpr int kSpareRows = 2;
enum TColumn { colNumber, colTitle, colTime, colArtist, colAlbum };

QString TrackField(const TTrackInfo& track, int column)
{
    switch (column) {
    case colTitle: return track.Title();
    case colTime: return track.Time();
    case colArtist: return track.Artist();
    case colAlbum: return track.Album();
    default: return {};
    }
}

void SetTrackField(TTrackInfo& track, int column, const QString& text)
{
    switch (column) {
    case colTitle: track.SetTitle(text); break;
    case colTime: track.SetTime(text); break;
    case colArtist: track.SetArtist(text); break;
    case colAlbum: track.SetAlbum(text); break;
    default: break;
    }
}

} // namespace

TfrmAlbums::TfrmAlbums(TAlbums& albums, bool editOnly, QWidget* parent)
    : QDialog(parent),
      editor_(albums),
      editOnly_(editOnly),
      title_(new QLineEdit(this)),
      artist_(new QLineEdit(this)),
      grid_(new QTableWidget(this)),
      pages_(new QScrollBar(Qt::Horizontal, this)),
      position_(new QLabel(this))
{
    setWindowTitle(QStringLiteral("アルバム情報"));
    grid_->setColumnCount(5);
    grid_->setHorizontalHeaderLabels({QStringLiteral("No."), QStringLiteral("タイトル"), QStringLiteral("時間"),
                                      QStringLiteral("アーティスト"), QStringLiteral("アルバム")});
    grid_->verticalHeader()->hide();
    grid_->horizontalHeader()->setStretchLastSection(true);
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("タイトル"), title_);
    form->addRow(QStringLiteral("アーティスト"), artist_);
    auto* pageRow = new QHBoxLayout;
    pageRow->addWidget(pages_, 1);
    pageRow->addWidget(position_);
    auto* albumCommands = new QHBoxLayout;
    auto* trackCommands = new QHBoxLayout;
    auto* importCommands = new QHBoxLayout;
    AddCommand(albumCommands, QStringLiteral("アルバムの追加"), [this] { AddAlbum(); });
    AddCommand(albumCommands, QStringLiteral("アルバムの削除"), [this] { DeleteAlbum(); });
    AddCommand(albumCommands, QStringLiteral("キーワードの検索"), [this] { SearchAlbums(); });
    AddCommand(trackCommands, QStringLiteral("挿入"), [this] { editor_.InsertTrack(CurrentTrackRow()); });
    AddCommand(trackCommands, QStringLiteral("削除"), [this] { editor_.DeleteTrack(CurrentTrackRow()); });
    AddCommand(trackCommands, QStringLiteral("↑"), [this] {
        const int row = CurrentTrackRow();
        if (editor_.MoveTrack(row, -1))
            grid_->setCurrentCell(row - 1, grid_->currentColumn());
    });
    AddCommand(trackCommands, QStringLiteral("↓"), [this] {
        const int row = CurrentTrackRow();
        if (editor_.MoveTrack(row, 1))
            grid_->setCurrentCell(row + 1, grid_->currentColumn());
    });
    AddCommand(trackCommands, QStringLiteral("文字置換え"), [this] { ReplaceTexts(); });
    AddCommand(importCommands, QStringLiteral("フォルダからのインポート(&F)..."), [this] { ChooseFolder(); });
    AddCommand(importCommands, QStringLiteral("MP3プレイリストからのインポート(&P)..."), [this] { ChoosePlaylist(); });
    AddCommand(importCommands, QStringLiteral("CSVファイルへのエクスポート(&X)..."), [this] { ExportCsv(); });
    AddCommand(importCommands, QStringLiteral("CSVファイルからのインポート(&I)..."), [this] { ImportCsv(); });
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(trackCommands);
    layout->addWidget(grid_, 1);
    layout->addLayout(pageRow);
    layout->addLayout(albumCommands);
    layout->addLayout(importCommands);
    layout->addWidget(OkCancelButtons(*this));
    const TRegistryKey placement(kPlacementKey);
    resize(placement.ReadInteger(QStringLiteral("FormWidth"), 720), placement.ReadInteger(QStringLiteral("FormHeight"), 520));
    if (placement.ValueExists(QStringLiteral("FormLeft")))
        move(placement.ReadInteger(QStringLiteral("FormLeft"), 0), placement.ReadInteger(QStringLiteral("FormTop"), 0));

    connect(title_, &QLineEdit::textEdited, this, [this](const QString& text) { editor_.Album().SetTitle(text); });
    connect(artist_, &QLineEdit::textEdited, this, [this](const QString& text) { editor_.Album().SetArtist(text); });
    connect(grid_, &QTableWidget::cellChanged, this, &TfrmAlbums::CellEdited);
    connect(grid_, &QTableWidget::currentCellChanged, this, [this] { UpdateCommands(); });
    connect(pages_, &QScrollBar::valueChanged, this, [this](int value) {
        if (!refreshing_)
            ShowAlbum(value);
    });
    Refresh();
}

QPushButton* TfrmAlbums::AddCommand(QLayout* layout, const QString& caption, const std::function<void()>& command)
{
    auto* button = new QPushButton(caption, this);
    button->setAutoDefault(false);
    layout->addWidget(button);
    connect(button, &QPushButton::clicked, this, [this, command] {
        try {
            command();
        } catch (const std::exception& error) {
            ShowError(error);
        }
        Refresh();
    });
    commands_.push_back(button);
    return button;
}

QPushButton* TfrmAlbums::Command(const QString& caption) const
{
    for (QPushButton* button : commands_)
        if (button->text() == caption)
            return button;
    return nullptr;
}

void TfrmAlbums::ShowAlbum(int index)
{
    try {
        editor_.GoTo(index);
    } catch (const std::exception& error) {
        ShowError(error);
    }
    Refresh();
}

int TfrmAlbums::CurrentTrackRow() const
{
    return grid_->currentRow();
}

void TfrmAlbums::Refresh()
{
    refreshing_ = true;
    const TAlbumInfo& album = editor_.Album();
    title_->setText(album.Title());
    artist_->setText(album.Artist());
    const int rows = album.TrackCount() + kSpareRows;
    grid_->setRowCount(rows);
    for (int row = 0; row < rows; ++row) {
        auto* number = new QTableWidgetItem(QString::number(row + 1));
        number->setFlags(number->flags() & ~Qt::ItemIsEditable);
        grid_->setItem(row, colNumber, number);
        for (int column = colTitle; column <= colAlbum; ++column) {
            const QString text = row < album.TrackCount() ? TrackField(*album.Tracks()->Track(row), column) : QString();
            grid_->setItem(row, column, new QTableWidgetItem(text));
        }
    }
    pages_->setRange(0, editor_.Count() - 1);
    pages_->setValue(editor_.Current());
    position_->setText(QStringLiteral("%1/%2").arg(editor_.Current() + 1).arg(editor_.Count()));
    refreshing_ = false;
    UpdateCommands();
}

void TfrmAlbums::UpdateCommands()
{
    const int tracks = editor_.Album().TrackCount();
    const int row = CurrentTrackRow();
    const bool onTrack = row >= 0 && row < tracks;
    Command(QStringLiteral("削除"))->setEnabled(onTrack);
    Command(QStringLiteral("↑"))->setEnabled(onTrack && row > 0);
    Command(QStringLiteral("↓"))->setEnabled(onTrack && row + 1 < tracks);
    Command(QStringLiteral("文字置換え"))->setEnabled(tracks > 0);
}

void TfrmAlbums::CellEdited(int row, int column)
{
    if (refreshing_ || column == colNumber)
        return;
    const QString text = grid_->item(row, column)->text();
    const bool grows = row >= editor_.Album().TrackCount();
    editor_.EnsureTrack(row);
    SetTrackField(*editor_.Album().Tracks()->Track(row), column, text);
    if (grows) {
        const int current = grid_->currentColumn();
        Refresh();
        grid_->setCurrentCell(row, current);
    }
}

void TfrmAlbums::AddAlbum()
{
    TfrmAddAlbum dialog(this);
    if (dialog.exec() == QDialog::Accepted)
        editor_.AddAlbum(dialog.Position(), dialog.CopyCurrent());
}

void TfrmAlbums::DeleteAlbum()
{
    TfrmDeleteAlbum dialog(this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (dialog.DeleteAll())
        editor_.DeleteAll();
    else
        editor_.DeleteCurrent();
}

void TfrmAlbums::SearchAlbums()
{
    TfrmAlbumSearch dialog(editor_, this);
    if (dialog.exec() != QDialog::Accepted || !dialog.Match())
        return;
    Refresh();
    const TAlbumMatch& match = *dialog.Match();
    if (match.Field == TAlbumMatch::TField::Title)
        title_->setFocus();
    else if (match.Field == TAlbumMatch::TField::Artist)
        artist_->setFocus();
    else {
        grid_->setFocus();
        grid_->setCurrentCell(match.Track, colTitle);
    }
}

void TfrmAlbums::ReplaceTexts()
{
    TfrmInputReplace dialog(AlbumReplaceLines(editor_.Album()), this);
    if (dialog.exec() == QDialog::Accepted)
        ApplyReplaceLines(dialog.Lines(), editor_.Album());
}

void TfrmAlbums::ImportFolder(const QString& folder, bool plainNames)
{
    MusicToAlbum(MusicFromFolder(folder, MusicFolderFiles(folder), plainNames), editor_.Album());
    Refresh();
}

bool TfrmAlbums::ImportPlaylist(const QString& path)
{
    const std::optional<TMusicInfo> music = MusicFromPlaylist(path);
    if (!music) {
        ShowInformation(QStringLiteral("プレイリストの読み込みに失敗したか、内容が正しくありません"));
        return false;
    }
    MusicToAlbum(*music, editor_.Album());
    Refresh();
    return true;
}

void TfrmAlbums::ChooseFolder()
{
    // Shift held when the command starts reads file and folder names as they stand.
    const bool plainNames = QGuiApplication::queryKeyboardModifiers() & Qt::ShiftModifier;
    const QString file = QFileDialog::getOpenFileName(this, QStringLiteral("パスの選択"), {}, QStringLiteral("*.* (*)"));
    if (!file.isEmpty())
        ImportFolder(QFileInfo(file).absolutePath(), plainNames);
}

void TfrmAlbums::ChoosePlaylist()
{
    const QString file = QFileDialog::getOpenFileName(
        this, QStringLiteral("プレイリストファイルの選択"), playlistFolder_,
        QStringLiteral("プレイリスト(*.m3u;*.m3u8;*.wax;*.wvx;*.asx) (*.m3u *.m3u8 *.wax *.wvx *.asx);;すべてのファイル(*.*) (*)"));
    if (file.isEmpty())
        return;
    playlistFolder_ = QFileInfo(file).absolutePath();
    ImportPlaylist(file);
}

void TfrmAlbums::ExportCsv()
{
    editor_.Store();
    TfrmAlbumExportCSV dialog(editor_.Albums(), editor_.Current(), this);
    dialog.exec();
}

void TfrmAlbums::ImportCsv()
{
    editor_.Store();
    TfrmAlbumImportCSV dialog(editor_.Albums(), this);
    if (dialog.Run() == QDialog::Accepted)
        editor_.GoTo(0);
}

void TfrmAlbums::done(int result)
{
    TRegistryKey placement(kPlacementKey);
    const QRect bounds = normalGeometry();
    placement.WriteInteger(QStringLiteral("FormLeft"), bounds.left());
    placement.WriteInteger(QStringLiteral("FormTop"), bounds.top());
    placement.WriteInteger(QStringLiteral("FormWidth"), bounds.width());
    placement.WriteInteger(QStringLiteral("FormHeight"), bounds.height());
    QDialog::done(result);
}

void TfrmAlbums::accept()
{
    try {
        editor_.Store();
    } catch (const std::exception& error) {
        ShowError(error);
        return;
    }
    if (!editOnly_) {
        TfrmAlbumText choice(editor_.Album(), {}, this);
        if (choice.exec() != QDialog::Accepted)
            return;
        lines_ = choice.Lines();
    }
    QDialog::accept();
}
