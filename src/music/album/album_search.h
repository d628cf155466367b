#pragma once
// The keyword search over the albums of the database.
#include <QString>
#include <functional>
#include <optional>

class TAlbums;

enum class TSearchMode {
    Fuzzy, // letter case, character width and hiragana/katakana ignored
    Exact,
};

// The text as the search compares it: in fuzzy mode upper-cased, widened to full-width
// forms and with hiragana turned into katakana; in exact mode as it stands.
QString AlbumSearchKey(const QString& text, TSearchMode mode);

struct TAlbumMatch {
    enum class TField { Title, Artist, Track };
    int Album = 0;
    TField Field = TField::Title;
    int Track = -1; // the matching track's row, for TField::Track
};

// The first match from album `from` to the last (no wrapping around): album title, album
// artist, then each track's title, artist, album and time. progress is told each album
// index before it is searched.
std::optional<TAlbumMatch> FindInAlbums(const TAlbums& albums, int from, const QString& keyword, TSearchMode mode,
                                        const std::function<void(int)>& progress = {});
