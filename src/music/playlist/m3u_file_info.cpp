#include "music/playlist/m3u_file_info.h"

#include "music/playlist/playlist_text.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace {

// Playlists larger than this are no playlists.
constexpr qint64 kMaxPlaylistSize = 64 * 1024 * 1024;

} // namespace

bool TM3UFileInfo::Read()
{
    entries_.clear();
    listAlbum_.clear();
    listArtist_.clear();
    QFile file(FileName);
    if (!QFileInfo(FileName).isFile() || file.size() > kMaxPlaylistSize || !file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = file.read(kMaxPlaylistSize);
    if (file.error() != QFileDevice::NoError)
        return false;
    return ReadText(PlaylistText(FileName, bytes));
}

bool TM3UFileInfo::ReadText(const QString& text)
{
    entries_.clear();
    listAlbum_.clear();
    listArtist_.clear();
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
    const QStringList lines = text.split(lineBreak);
    if (!lines.isEmpty() && lines.front().left(4).compare(QLatin1String("<ASX"), Qt::CaseInsensitive) == 0)
        ReadAsx(lines);
    else
        ReadM3U(lines);
    return !entries_.empty();
}

QString TM3UFileInfo::ResolvedPath(const QString& written) const
{
    QString path = written;
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (path.isEmpty() || QDir::isAbsolutePath(path) || FileName.isEmpty())
        return path;
    return QDir::cleanPath(QFileInfo(FileName).absoluteDir().filePath(path));
}

QString TM3UFileInfo::Text(int i, QString TPlaylistEntry::*field) const
{
    return i >= 1 && i <= Count() ? entries_[i - 1].*field : QString();
}

QString TM3UFileInfo::Path(int i) const
{
    return Text(i, &TPlaylistEntry::Path);
}

QString TM3UFileInfo::Title(int i) const
{
    return Text(i, &TPlaylistEntry::Title);
}

QString TM3UFileInfo::Artist(int i) const
{
    return Text(i, &TPlaylistEntry::Artist);
}

QString TM3UFileInfo::Album(int i) const
{
    return Text(i, &TPlaylistEntry::Album);
}

int TM3UFileInfo::Time(int i) const
{
    return Text(i, &TPlaylistEntry::Time).trimmed().toInt();
}
