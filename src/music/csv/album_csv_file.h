#pragma once
// CSV files of albums: export of the current album or all albums of the database, and
// import that appends the albums read to the database.
#include "music/csv/album_csv.h"

#include <optional>

class TAlbums;

enum class TCsvExportResult {
    Written,
    CreateFailed, // "ファイルの作成に失敗しました"
    WriteFailed,  // "CSVファイルへ出力に失敗しました"
};

// Writes the rows of the current album, or of every album (each with its own header
// row), as lines ended by CR LF. The file is replaced as a whole, so a failure leaves any
// old file as it was. progress is told each album's index.
TCsvExportResult ExportAlbumsCsv(const TAlbums& albums, int current, const TAlbumCsvExportOptions& options,
                                 const QString& path, const std::function<void(int)>& progress = {});

// The records of a CSV file, or nothing when it cannot be read.
std::optional<std::vector<QStringList>> ReadCsvRecords(const QString& path);

// Imports the records into new albums appended to the database; false when a record lacked
// a tied column (the albums appended before it stay).
bool ImportAlbumsCsv(TAlbums& albums, const std::vector<QStringList>& records, const TAlbumCsvMapping& mapping,
                     const std::function<void(int)>& progress = {});
