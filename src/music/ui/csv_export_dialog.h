#pragma once
// "CSVファイルへのエクスポート": the columns to write and their order, the header, album
// row and all-albums options, the output file and its text encoding, and a preview of the
// rows of the album at the scroll position. The options are kept until the program ends.
#include "music/csv/album_csv.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QScrollBar;
class TAlbums;

class TfrmAlbumExportCSV : public QDialog {
public:
    TfrmAlbumExportCSV(const TAlbums& albums, int current, QWidget* parent = nullptr);

    TAlbumCsvExportOptions Options() const;
    QListWidget* Fields() const { return fields_; }
    QLineEdit* FileName() const { return file_; }
    QCheckBox* AllAlbums() const { return all_; }
    QPlainTextEdit* Preview() const { return preview_; }
    QScrollBar* Pages() const { return pages_; }
    QPushButton* OkButton() const { return ok_; }
    // Moves the selected field one place up (-1) or down (+1), with its check mark.
    void MoveField(int delta);
    // Writes the file and reports; a file that cannot be made keeps the dialog open.
    void accept() override;

private:
    void Refresh();

    const TAlbums& albums_;
    int current_;
    QListWidget* fields_;
    QCheckBox* header_;
    QCheckBox* albumRow_;
    QCheckBox* all_;
    QCheckBox* utf8_;
    QLineEdit* file_;
    QPlainTextEdit* preview_;
    QScrollBar* pages_;
    QLabel* position_;
    QPushButton* up_;
    QPushButton* down_;
    QPushButton* ok_;
};
