#include "music/csv/album_csv_file.h"

#include "music/album/albums.h"
#include "music/csv/csv_text.h"
#include "platform/platform_error.h"
#include "platform/replace_file.h"

#include <QFile>

namespace {

// CSV files larger than this are not read.
constexpr qint64 kMaxCsvSize = 256 * 1024 * 1024;

} // namespace

TCsvExportResult ExportAlbumsCsv(const TAlbums& albums, int current, const TAlbumCsvExportOptions& options,
                                 const QString& path, const std::function<void(int)>& progress)
{
    QString text;
    const int first = options.AllAlbums ? 0 : current;
    const int last = options.AllAlbums ? albums.Count() - 1 : current;
    for (int i = first; i <= last; ++i) {
        if (progress)
            progress(i);
        for (const QString& line : AlbumCsvRows(albums.Album(i), options))
            text += line + QStringLiteral("\r\n");
    }
    const std::optional<QByteArray> bytes = EncodeCsvText(text, options.Utf8);
    if (!bytes)
        return TCsvExportResult::WriteFailed;
    try {
        SaveReplacingFile(path, [&](const QString& temporaryPath) {
            QFile file(temporaryPath);
            if (!file.open(QIODevice::WriteOnly) || file.write(*bytes) != bytes->size() || !file.flush())
                throw EPlatformError(file.errorString());
        });
    } catch (const EPlatformError&) {
        return TCsvExportResult::CreateFailed;
    }
    return TCsvExportResult::Written;
}

std::optional<std::vector<QStringList>> ReadCsvRecords(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxCsvSize)
        return std::nullopt;
    const QByteArray bytes = file.read(kMaxCsvSize);
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return SplitCsvRecords(DecodeCsvBytes(bytes));
}

bool ImportAlbumsCsv(TAlbums& albums, const std::vector<QStringList>& records, const TAlbumCsvMapping& mapping,
                     const std::function<void(int)>& progress)
{
    return ImportAlbumCsv(records, mapping, [&](const TAlbumInfo& album) { albums.Write(album, -1); }, progress);
}
