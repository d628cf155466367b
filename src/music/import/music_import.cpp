#include "music/import/music_import.h"

#include "music/playlist/m3u_file_info.h"
#include "music/tags/audio_file.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

namespace {

// A record made from the file name: "(artist)title" or the whole name as the title.
TMusicRec RecordFromName(const QString& name, bool plainNames)
{
    TMusicRec record;
    QString base = name;
    const QString suffix = QFileInfo(name).suffix();
    if (!suffix.isEmpty())
        base.truncate(name.indexOf(QLatin1Char('.') + suffix));
    const qsizetype close = base.indexOf(QLatin1Char(')'));
    if (!plainNames && base.startsWith(QLatin1Char('(')) && close >= 2) {
        record.Artist = base.mid(1, close - 1).trimmed();
        record.Title = base.mid(close + 1).trimmed();
    } else {
        record.Title = base;
    }
    return record;
}

// The leading run of digits, without leading zeros.
QStringView LeadingNumber(QStringView text)
{
    qsizetype end = 0;
    while (end < text.size() && text[end].isDigit() && text[end].unicode() < 0x80)
        ++end;
    QStringView digits = text.first(end);
    while (digits.size() > 1 && digits.front() == QLatin1Char('0'))
        digits = digits.sliced(1);
    return end > 0 ? digits : QStringView();
}

// Titles that both begin with digits compare by the value of the digits, others as text.
bool TitleLess(const TMusicRec& a, const TMusicRec& b)
{
    const QStringView left = LeadingNumber(a.Title);
    const QStringView right = LeadingNumber(b.Title);
    if (!left.isEmpty() && !right.isEmpty()) {
        if (left.size() != right.size())
            return left.size() < right.size();
        return left.compare(right) < 0;
    }
    return QString::localeAwareCompare(a.Title, b.Title) < 0;
}

// The text every record has in that field, or an empty text.
QString SharedText(const std::vector<TMusicRec>& records, QString TMusicRec::*field)
{
    if (records.empty())
        return {};
    const QString& first = records.front().*field;
    for (const TMusicRec& record : records)
        if (record.*field != first)
            return {};
    return first;
}

} // namespace

QStringList MusicFolderFiles(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}

TMusicInfo MusicFromFolder(const QString& folder, const QStringList& names, bool plainNames)
{
    TMusicInfo music;
    const QDir dir(folder);
    for (const QString& name : names) {
        const QString path = dir.filePath(name);
        const TAudioFileInfo audio = ReadAudioFile(path);
        TMusicRec record;
        if (audio.Read && (!audio.Album.isEmpty() || !audio.Title.isEmpty() || !audio.Artist.isEmpty() || audio.Seconds != 0))
            record = {audio.Album, audio.Title, audio.Artist, audio.Seconds, {}};
        else
            record = RecordFromName(name, plainNames);
        record.Path = path;
        music.Add(record);
    }
    std::vector<TMusicRec>& records = music.Records();
    std::stable_sort(records.begin(), records.end(), TitleLess);
    music.AlbumTitle = SharedText(records, &TMusicRec::Album);
    music.AlbumArtist = SharedText(records, &TMusicRec::Artist);
    if (music.AlbumTitle.isEmpty() && music.AlbumArtist.isEmpty() && !plainNames) {
        const QString folderName = QFileInfo(QDir::cleanPath(folder)).fileName();
        const qsizetype open = folderName.indexOf(QStringLiteral("「"));
        const qsizetype close = open >= 1 ? folderName.indexOf(QStringLiteral("」"), open + 1) : -1;
        if (close > open) {
            music.AlbumArtist = folderName.left(open);
            music.AlbumTitle = folderName.mid(open + 1, close - open - 1);
        }
    }
    if (music.AlbumTitle.isEmpty() && music.AlbumArtist.isEmpty()) {
        const auto source = std::find_if(records.begin(), records.end(), [](const TMusicRec& record) {
            return !record.Album.isEmpty() || !record.Artist.isEmpty();
        });
        if (source != records.end()) {
            music.AlbumTitle = source->Album;
            music.AlbumArtist = source->Artist;
        }
    }
    return music;
}

std::optional<TMusicInfo> MusicFromPlaylist(const QString& path)
{
    TM3UFileInfo playlist;
    playlist.FileName = path;
    if (!playlist.Read())
        return std::nullopt;
    TMusicInfo music;
    music.AlbumTitle = playlist.ListAlbum();
    music.AlbumArtist = playlist.ListArtist();
    for (int i = 1; i <= playlist.Count(); ++i) {
        TMusicRec record{playlist.Album(i), playlist.Title(i), playlist.Artist(i), playlist.Time(i), playlist.Path(i)};
        // An entry without a title is named after its file.
        if (record.Title.isEmpty())
            record.Title = QFileInfo(record.Path).completeBaseName();
        music.Add(record);
    }
    if (music.AlbumArtist.isEmpty())
        music.AlbumArtist = SharedText(music.Records(), &TMusicRec::Artist);
    if (music.AlbumTitle.isEmpty())
        music.AlbumTitle = SharedText(music.Records(), &TMusicRec::Album);
    return music;
}
