#include "music/replace/input_replace.h"

#include "music/album/album_info.h"
#include "text/kana_conversions.h"

QString ReplaceKey(const QString& text)
{
    QString key = KanaFold(text);
    for (QChar& c : key)
        c = c.toUpper();
    return key;
}

void TInputReplace::SetLines(const QStringList& lines)
{
    initial_ = lines;
    working_ = lines;
    changed_ = false;
}

void TInputReplace::Undo()
{
    working_ = initial_;
    changed_ = false;
}

void TInputReplace::ReplaceAll(const QString& search, const QString& replacement, bool strict)
{
    if (search.isEmpty())
        return;
    const QString searchKey = strict ? search : ReplaceKey(search);
    for (QString& line : working_) {
        const QString lineKey = strict ? line : ReplaceKey(line);
        QString result;
        qsizetype from = 0;
        while (from < line.size()) {
            const qsizetype at = lineKey.indexOf(searchKey, from);
            if (at < 0)
                break;
            result += QStringView(line).sliced(from, at - from);
            result += replacement;
            from = at + searchKey.size();
        }
        result += QStringView(line).sliced(from);
        line = result;
    }
    changed_ = true;
}

void TInputReplace::Convert(QString (*convert)(const QString&))
{
    for (QString& line : working_)
        line = convert(line);
    changed_ = true;
}

void TInputReplace::ToFullWidth()
{
    Convert([](const QString& line) { return HanToZenConvert(line); });
}

void TInputReplace::ToHalfWidth()
{
    Convert([](const QString& line) { return ZenToHanConvert(line); });
}

void TInputReplace::ToUpper()
{
    Convert([](const QString& line) { return line.toUpper(); });
}

void TInputReplace::ToLower()
{
    Convert([](const QString& line) { return line.toLower(); });
}

QStringList AlbumReplaceLines(const TAlbumInfo& album)
{
    QStringList lines{album.Title(), album.Artist()};
    for (int i = 0; i < album.TrackCount(); ++i) {
        const TTrackInfo& track = *album.Tracks()->Track(i);
        lines << QStringList{track.Title(), track.Time(), track.Artist(), track.Album()}.join(QLatin1Char('\t'));
    }
    return lines;
}

void ApplyReplaceLines(const QStringList& lines, TAlbumInfo& album)
{
    if (lines.size() > 0)
        album.SetTitle(lines[0]);
    if (lines.size() > 1)
        album.SetArtist(lines[1]);
    for (int i = 0; i + 2 < lines.size() && i < album.TrackCount(); ++i) {
        TTrackInfo& track = *album.Tracks()->Track(i);
        const QStringList fields = lines[i + 2].split(QLatin1Char('\t'));
        // A line with fewer fields leaves the remaining ones as they were.
        if (fields.size() > 0)
            track.SetTitle(fields[0]);
        if (fields.size() > 1)
            track.SetTime(fields[1]);
        if (fields.size() > 2)
            track.SetArtist(fields[2]);
        if (fields.size() > 3)
            track.SetAlbum(fields[3]);
    }
}
