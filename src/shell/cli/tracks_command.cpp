// "lumarest tracks (FOLDER | PLAYLIST) [--json] [--plain-names]": the tracks that the album
// window imports from a folder of audio files or from a playlist: title, time, artist and
// album as a table (after a line with the album title and artist), or (--json) as a JSON
// array of objects with title, artist, album, seconds and path. --plain-names turns off
// the reading of "(artist)title" file names and "artist「album」" folder names.
#include "cli_command.h"

#include "music/album/music_info.h"
#include "music/import/music_import.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

int Run(const QStringList& arguments);

const TCliRegistration registration{
    {"tracks", "(FOLDER|PLAYLIST) [--json] [--plain-names]",
     "フォルダーの音楽ファイルまたはプレイリストから読み込む曲を表示します", &Run}};

int Usage()
{
    return CliUsage(*FindCliCommand(QStringLiteral("tracks")));
}

QString Table(const TMusicInfo& music)
{
    QString table = QStringLiteral("アルバム\t%1\t%2\n").arg(music.AlbumTitle, music.AlbumArtist);
    table += QStringLiteral("No.\tタイトル\t時間\tアーティスト\tアルバム\n");
    for (int i = 0; i < music.Count(); ++i) {
        const TMusicRec& record = music.Record(i);
        table += QStringList{QString::number(i + 1), record.Title, MusicTimeText(record.Seconds), record.Artist, record.Album}
                     .join(QLatin1Char('\t'))
                 + QLatin1Char('\n');
    }
    return table;
}

QString Json(const TMusicInfo& music)
{
    QJsonArray list;
    for (const TMusicRec& record : music.Records())
        list.append(QJsonObject{{QStringLiteral("title"), record.Title},
                                {QStringLiteral("artist"), record.Artist},
                                {QStringLiteral("album"), record.Album},
                                {QStringLiteral("seconds"), record.Seconds},
                                {QStringLiteral("path"), record.Path}});
    return QString::fromUtf8(QJsonDocument(list).toJson());
}

int Run(const QStringList& arguments)
{
    bool json = false;
    bool plainNames = false;
    QString source;
    for (const QString& argument : arguments) {
        if (argument == QLatin1String("--json"))
            json = true;
        else if (argument == QLatin1String("--plain-names"))
            plainNames = true;
        else if (source.isEmpty() && !argument.startsWith(QLatin1String("--")))
            source = argument;
        else
            return Usage();
    }
    if (source.isEmpty())
        return Usage();
    const QFileInfo info(source);
    TMusicInfo music;
    if (info.isDir()) {
        music = MusicFromFolder(source, MusicFolderFiles(source), plainNames);
    } else if (std::optional<TMusicInfo> playlist = MusicFromPlaylist(source)) {
        music = std::move(*playlist);
    } else {
        CliError(QStringLiteral("%1: プレイリストの読み込みに失敗したか、内容が正しくありません").arg(source));
        return 1;
    }
    CliOut(json ? Json(music) : Table(music));
    return 0;
}

} // namespace
