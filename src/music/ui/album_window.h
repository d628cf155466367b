#pragma once
// The album window "アルバム情報": one album at a time with its title, artist and track grid,
// a scroll bar over the albums, the album and track commands, imports from folders,
// playlists and CSV files, and, unless opened only for editing, the choice of the lines
// that go onto the label.
#include "music/album/album_editor.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;
class QTableWidget;

class TfrmAlbums : public QDialog {
public:
    TfrmAlbums(TAlbums& albums, bool editOnly, QWidget* parent = nullptr);

    TAlbumEditor& Editor() { return editor_; }
    // The lines chosen in the display-items dialog (after OK).
    const QStringList& Lines() const { return lines_; }

    QLineEdit* TitleEdit() const { return title_; }
    QLineEdit* ArtistEdit() const { return artist_; }
    QTableWidget* Grid() const { return grid_; }
    QScrollBar* Pages() const { return pages_; }
    QLabel* Position() const { return position_; }
    QPushButton* Command(const QString& caption) const;

    // Shows the album at index, writing the current one back first when it changed.
    void ShowAlbum(int index);
    // Appends the tracks of a folder's audio files, or of a playlist, to the album.
    void ImportFolder(const QString& folder, bool plainNames);
    bool ImportPlaylist(const QString& path);
    // Asks for the lines (unless opened only for editing) and closes on OK.
    void accept() override;
    // Keeps the window's bounds for the next opening.
    void done(int result) override;

private:
    QPushButton* AddCommand(class QLayout* layout, const QString& caption, const std::function<void()>& command);
    void Refresh();
    void UpdateCommands();
    void CellEdited(int row, int column);
    int CurrentTrackRow() const;
    void AddAlbum();
    void DeleteAlbum();
    void SearchAlbums();
    void ReplaceTexts();
    void ChooseFolder();
    void ChoosePlaylist();
    void ExportCsv();
    void ImportCsv();

    TAlbumEditor editor_;
    bool editOnly_;
    bool refreshing_ = false;
    QStringList lines_;
    QString playlistFolder_;
    QLineEdit* title_;
    QLineEdit* artist_;
    QTableWidget* grid_;
    QScrollBar* pages_;
    QLabel* position_;
    std::vector<QPushButton*> commands_;
};
