#include "album_fixtures.h"

std::unique_ptr<TAlbumInfo> MakeAlbum(const QString& title, const QString& artist,
                                      const std::vector<QStringList>& tracks)
{
    auto album = std::make_unique<TAlbumInfo>();
    album->SetTitle(title);
    album->SetArtist(artist);
    for (const QStringList& fields : tracks) {
        TTrackInfo* track = album->Tracks()->AddTrack();
        track->SetTitle(fields.value(0));
        track->SetTime(fields.value(1));
        track->SetArtist(fields.value(2));
        track->SetAlbum(fields.value(3));
    }
    return album;
}
