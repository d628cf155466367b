#pragma once
// Albums exchanged as CSV: the exported rows of an album with a chosen set and order of
// columns, the splitting of CSV text into records of columns, and the import that ties
// source columns to album fields and recognises album rows by "アルバム" in the number
// column.
#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <memory>
#include <vector>

class TAlbumInfo;

// The album fields in their fixed order (field ids 0 to 4).
enum TAlbumCsvField { cfNumber, cfTitle, cfTime, cfArtist, cfAlbum, cfFieldCount };

// The export list items and header texts, and the import list formats, by field id.
const QStringList& AlbumCsvExportNames();
QString AlbumCsvHeaderText(int field);
const QStringList& AlbumCsvImportFormats();

// The marker of an album row in the number column.
QString AlbumCsvAlbumMarker();

struct TAlbumCsvExportOptions {
    std::vector<int> Order{cfNumber, cfTitle, cfTime, cfArtist, cfAlbum}; // field ids in list order
    std::array<bool, cfFieldCount> Checked{true, true, true, true, true};
    bool HeaderRow = true;
    bool AlbumRow = true;
    bool AllAlbums = false;
    bool Utf8 = false;
};

// A value as an exported column: quoted, with inner quotes doubled, when it holds a comma,
// a double quote, CR or LF.
QString AlbumCsvValue(const QString& value);

// The exported lines of one album: the header row and the album row when chosen, then
// one row per track, the checked columns in list order.
QStringList AlbumCsvRows(const TAlbumInfo& album, const TAlbumCsvExportOptions& options);

// The records of a CSV text, each split into columns: a "," ends a column unless quoting is
// on; a double quote turns quoting on when another one follows later in the line (or, at the
// start of a column, later in the text, so that quoted values may hold line breaks) and
// off when it is on; every character but a column-ending "," is kept, quotes included. An
// empty line is one empty column.
std::vector<QStringList> SplitCsvRecords(const QString& text);

// A column as a value: one pair of enclosing double quotes removed, and inside such a
// pair a doubled quote read as one.
QString AlbumCsvColumnValue(const QString& column);

// The source column tied to each field id, or -1.
using TAlbumCsvMapping = std::array<int, cfFieldCount>;

// Builds albums from the records and hands each finished album to take. False when a
// record lacks a tied column: the import stops there and the album being built is
// dropped. progress is told each record's index.
bool ImportAlbumCsv(const std::vector<QStringList>& records, const TAlbumCsvMapping& mapping,
                    const std::function<void(const TAlbumInfo&)>& take, const std::function<void(int)>& progress = {});
