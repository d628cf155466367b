// Fuzzes the CSV readers: the text detection (UTF-8 or Shift-JIS), the album record
// splitting and import with every column tied, and the general table's row parsing, find
// and sort.
#include "music/album/album_info.h"
#include "music/csv/album_csv.h"
#include "music/csv/csv_data.h"
#include "music/csv/csv_text.h"

#include <QCoreApplication>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    static QCoreApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const std::vector<QStringList> records = SplitCsvRecords(DecodeCsvBytes(bytes));
    ImportAlbumCsv(records, {0, 1, 2, 3, 4}, [](const TAlbumInfo&) {});
    ImportAlbumCsv(records, {-1, 0, -1, 1, -1}, [](const TAlbumInfo&) {});
    TCSVData table;
    table.SetHasHeader(size % 2 == 1);
    table.Load(bytes);
    for (int row = 0; row < table.RowCount() && row < 64; ++row)
        table.PutRow(row, table.Row(row));
    table.Find(1, QStringLiteral("x"));
    table.Sort(0);
    table.Save(true);
    return 0;
}
