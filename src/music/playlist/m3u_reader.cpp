// M3U playlists: a path per line, optionally preceded by an "#EXTINF:time,title" line. An
// entry without a title takes title and time from the file's tags.
#include "music/playlist/m3u_file_info.h"

#include "music/tags/audio_file.h"

#include <QStringList>

namespace {

constexpr int kMaxTitle = 255;

struct TPending {
    QString Path;
    QString Title;
    QString Time;
};

bool IsExtInf(const QString& line)
{
    return line.startsWith(QLatin1Char('#')) && line.mid(1, 6).compare(QLatin1String("EXTINF"), Qt::CaseInsensitive) == 0;
}

} // namespace

void TM3UFileInfo::ReadM3U(const QStringList& lines)
{
    TPending pending;
    const auto close = [&] {
        if (pending.Path.isEmpty())
            return;
        TPlaylistEntry entry;
        entry.Path = ResolvedPath(pending.Path);
        if (!pending.Title.isEmpty()) {
            entry.Title = pending.Title;
            entry.Time = pending.Time;
        } else {
            const TAudioFileInfo audio = ReadAudioFile(entry.Path);
            if (audio.Read) {
                entry.Title = audio.Title;
                entry.Time = QString::number(audio.Seconds);
            }
        }
        entries_.push_back(entry);
        pending = {};
    };
    for (const QString& line : lines) {
        if (line.isEmpty())
            continue;
        if (IsExtInf(line)) {
            close();
            const QString info = line.mid(8);
            const qsizetype comma = info.indexOf(QLatin1Char(','));
            if (comma >= 0) {
                pending.Time = info.left(comma);
                pending.Title = info.mid(comma + 1, kMaxTitle);
            }
        } else if (!line.startsWith(QLatin1Char('#'))) {
            close();
            pending.Path = line;
        }
    }
    close();
}
