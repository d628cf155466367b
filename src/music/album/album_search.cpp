#include "music/album/album_search.h"

#include "music/album/albums.h"
#include "text/kana_conversions.h"

QString AlbumSearchKey(const QString& text, TSearchMode mode)
{
    if (mode == TSearchMode::Exact)
        return text;
    return KanaFold(HanToZenConvert(text.toUpper()).toUpper());
}

std::optional<TAlbumMatch> FindInAlbums(const TAlbums& albums, int from, const QString& keyword, TSearchMode mode,
                                        const std::function<void(int)>& progress)
{
    const QString key = AlbumSearchKey(keyword, mode);
    if (key.isEmpty())
        return std::nullopt;
    const auto matches = [&](const QString& text) { return AlbumSearchKey(text, mode).contains(key); };
    for (int i = std::max(from, 0); i < albums.Count(); ++i) {
        if (progress)
            progress(i);
        const TAlbumInfo& album = albums.Album(i);
        if (matches(album.Title()))
            return TAlbumMatch{i, TAlbumMatch::TField::Title, -1};
        if (matches(album.Artist()))
            return TAlbumMatch{i, TAlbumMatch::TField::Artist, -1};
        for (int t = 0; t < album.TrackCount(); ++t) {
            const TTrackInfo& track = *album.Tracks()->Track(t);
            if (matches(track.Title()) || matches(track.Artist()) || matches(track.Album()) || matches(track.Time()))
                return TAlbumMatch{i, TAlbumMatch::TField::Track, t};
        }
    }
    return std::nullopt;
}
