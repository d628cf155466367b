#include "music/csv/album_csv.h"

#include "music/album/album_info.h"

const QStringList& AlbumCsvExportNames()
{
    static const QStringList names{QStringLiteral("No."), QStringLiteral("タイトル"), QStringLiteral("時間"),
                                   QStringLiteral("アーティスト"), QStringLiteral("アルバム")};
    return names;
}

QString AlbumCsvHeaderText(int field)
{
    return field == cfNumber ? QString() : AlbumCsvExportNames().value(field);
}

const QStringList& AlbumCsvImportFormats()
{
    static const QStringList formats{QStringLiteral("No.：%1"), QStringLiteral("タイトル：%1"), QStringLiteral("時間：%1"),
                                     QStringLiteral("アーティスト：%1"), QStringLiteral("アルバム：%1")};
    return formats;
}

QString AlbumCsvAlbumMarker()
{
    return QStringLiteral("アルバム");
}

QString AlbumCsvValue(const QString& value)
{
    const bool quote = value.contains(QLatin1Char(',')) || value.contains(QLatin1Char('"')) || value.contains(QLatin1Char('\r'))
                       || value.contains(QLatin1Char('\n'));
    if (!quote)
        return value;
    return QLatin1Char('"') + QString(value).replace(QLatin1String("\""), QLatin1String("\"\"")) + QLatin1Char('"');
}

QStringList AlbumCsvRows(const TAlbumInfo& album, const TAlbumCsvExportOptions& options)
{
    const auto row = [&](const std::function<QString(int field)>& value) {
        QStringList columns;
        for (const int field : options.Order)
            if (field >= 0 && field < cfFieldCount && options.Checked[static_cast<std::size_t>(field)])
                columns << AlbumCsvValue(value(field));
        return columns.join(QLatin1Char(','));
    };
    QStringList lines;
    if (options.HeaderRow)
        lines << row(AlbumCsvHeaderText);
    if (options.AlbumRow)
        lines << row([&](int field) {
            switch (field) {
            case cfNumber: return AlbumCsvAlbumMarker();
            case cfTitle: return album.Title();
            case cfArtist: return album.Artist();
            default: return QString();
            }
        });
    for (int i = 0; i < album.TrackCount(); ++i) {
        const TTrackInfo& track = *album.Tracks()->Track(i);
        lines << row([&](int field) {
            switch (field) {
            case cfNumber: return QString::number(i + 1);
            case cfTitle: return track.Title();
            case cfTime: return track.Time();
            case cfArtist: return track.Artist();
            default: return track.Album();
            }
        });
    }
    return lines;
}

std::vector<QStringList> SplitCsvRecords(const QString& text)
{
    std::vector<QStringList> records;
    const qsizetype size = text.size();
    const auto lineEnd = [&](qsizetype from) {
        qsizetype end = from;
        while (end < size && text[end] != QLatin1Char('\r') && text[end] != QLatin1Char('\n'))
            ++end;
        return end;
    };
    QStringList columns;
    QString column;
    bool quoting = false;
    qsizetype end = lineEnd(0);
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = text[i];
        if ((c == QLatin1Char('\r') || c == QLatin1Char('\n')) && !quoting) {
            columns << column;
            records.push_back(columns);
            columns.clear();
            column.clear();
            if (c == QLatin1Char('\r') && i + 1 < size && text[i + 1] == QLatin1Char('\n'))
                ++i;
            end = lineEnd(i + 1);
            continue;
        }
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            // A line break inside a quoted value: the value goes on in the next line.
            end = lineEnd(i + 1);
        } else if (c == QLatin1Char('"')) {
            if (quoting)
                quoting = false;
            else if (text.indexOf(QLatin1Char('"'), i + 1) >= 0
                     && (column.isEmpty() || text.indexOf(QLatin1Char('"'), i + 1) < end))
                quoting = true;
        } else if (c == QLatin1Char(',') && !quoting) {
            columns << column;
            column.clear();
            continue;
        }
        column += c;
    }
    if (!column.isEmpty() || !columns.isEmpty() || quoting)
        records.push_back(columns << column);
    return records;
}

QString AlbumCsvColumnValue(const QString& column)
{
    if (column.size() < 2 || !column.startsWith(QLatin1Char('"')) || !column.endsWith(QLatin1Char('"')))
        return column;
    return column.mid(1, column.size() - 2).replace(QLatin1String("\"\""), QLatin1String("\""));
}

bool ImportAlbumCsv(const std::vector<QStringList>& records, const TAlbumCsvMapping& mapping,
                    const std::function<void(const TAlbumInfo&)>& take, const std::function<void(int)>& progress)
{
    TAlbumInfo album;
    bool firstRow = true;
    for (std::size_t r = 0; r < records.size(); ++r) {
        if (progress)
            progress(static_cast<int>(r));
        const QStringList& columns = records[r];
        for (const int column : mapping)
            if (column >= columns.size())
                return false;
        const auto value = [&](int field) {
            const int column = mapping[static_cast<std::size_t>(field)];
            return column < 0 ? QString() : AlbumCsvColumnValue(columns[column]);
        };
        if (mapping[cfNumber] >= 0 && value(cfNumber) == AlbumCsvAlbumMarker()) {
            if (!firstRow) {
                take(album);
                album.Assign(TAlbumInfo());
            }
            firstRow = false;
            if (mapping[cfTitle] >= 0)
                album.SetTitle(value(cfTitle));
            if (mapping[cfArtist] >= 0)
                album.SetArtist(value(cfArtist));
            continue;
        }
        TTrackInfo* track = album.Tracks()->AddTrack();
        track->SetTitle(value(cfTitle));
        track->SetTime(value(cfTime));
        track->SetArtist(value(cfArtist));
        track->SetAlbum(value(cfAlbum));
        firstRow = false;
    }
    take(album);
    return true;
}
