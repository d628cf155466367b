#pragma once
// "CSVファイルからのインポート": a CSV file's columns, shown for one record at a time, tied to
// the album fields; OK appends the albums read to the database.
#include "music/csv/album_csv.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QScrollBar;
class TAlbums;

class TfrmAlbumImportCSV : public QDialog {
public:
    TfrmAlbumImportCSV(TAlbums& albums, QWidget* parent = nullptr);

    // Asks for the file once, then shows the dialog.
    int Run();
    // Reads the file; a failure empties the records and says so.
    void LoadFile(const QString& path);
    // Ties the source column to the field, or unties the field (column −1).
    void Tie(int field, int column);
    const TAlbumCsvMapping& Mapping() const { return mapping_; }
    QListWidget* Source() const { return source_; }
    QListWidget* Fields() const { return fields_; }
    QPushButton* OkButton() const { return ok_; }
    // Imports and reports; the dialog then closes.
    void accept() override;

private:
    void Refresh();

    TAlbums& albums_;
    std::vector<QStringList> records_;
    TAlbumCsvMapping mapping_{-1, -1, -1, -1, -1};
    QLineEdit* file_;
    QListWidget* source_;
    QListWidget* fields_;
    QScrollBar* records_bar_;
    QLabel* position_;
    QPushButton* tie_;
    QPushButton* untie_;
    QPushButton* ok_;
};
