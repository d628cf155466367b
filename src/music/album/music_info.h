#pragma once
// Tracks as read from audio files and playlists, before they become tracks of an album.
#include <QString>
#include <vector>

class TAlbumInfo;

struct TMusicRec {
    QString Album;
    QString Title;
    QString Artist;
    int Seconds = 0;
    // The file the record was read from (empty when it is not known).
    QString Path;
};

class TMusicInfo {
public:
    int Count() const { return static_cast<int>(records_.size()); }
    const TMusicRec& Record(int index) const { return records_.at(index); }
    void Add(const TMusicRec& record) { records_.push_back(record); }
    std::vector<TMusicRec>& Records() { return records_; }
    const std::vector<TMusicRec>& Records() const { return records_; }

    // Album title and album artist of the whole source.
    QString AlbumTitle;
    QString AlbumArtist;

private:
    std::vector<TMusicRec> records_;
};

// A playing time as the album shows it: minutes and two-digit seconds ("3:25"); empty for
// 0 seconds or less.
QString MusicTimeText(int seconds);

// Sets the album's title and artist from the music where the album's own are empty, then
// appends every record as a track.
void MusicToAlbum(const TMusicInfo& music, TAlbumInfo& album);
