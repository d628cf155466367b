#include "music/album/music_info.h"

#include "music/album/album_info.h"

QString MusicTimeText(int seconds)
{
    if (seconds <= 0)
        return {};
    return QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

void MusicToAlbum(const TMusicInfo& music, TAlbumInfo& album)
{
    if (album.Title().isEmpty())
        album.SetTitle(music.AlbumTitle);
    if (album.Artist().isEmpty())
        album.SetArtist(music.AlbumArtist);
    for (const TMusicRec& record : music.Records()) {
        TTrackInfo* track = album.Tracks()->AddTrack();
        track->SetTitle(record.Title);
        track->SetArtist(record.Artist);
        track->SetAlbum(record.Album);
        track->SetTime(MusicTimeText(record.Seconds));
    }
}
