#pragma once
// The playlist reader: M3U playlists (with "#EXTINF" lines) and ASX playlists, read line
// by line. Each entry has a path, a title, a time in seconds as decimal text, an artist
// and an album; missing values are empty.
#include <QString>
#include <vector>

struct TPlaylistEntry {
    QString Path;
    QString Title;
    QString Time;
    QString Artist;
    QString Album;
};

class TM3UFileInfo {
public:
    QString FileName;

    // Reads the playlist: true when the file exists and at least one entry was read. The
    // entries read before a malformed ASX line stay.
    bool Read();
    // Reads playlist text as it comes from a file of that name (used by Read).
    bool ReadText(const QString& text);

    int Count() const { return static_cast<int>(entries_.size()); }
    // Entry accessors take a 1-based index; outside 1 ... Count they give empty text or 0.
    QString Path(int i) const;
    QString Title(int i) const;
    QString Artist(int i) const;
    QString Album(int i) const;
    // The entry's time in seconds, 0 when it is no number.
    int Time(int i) const;
    const std::vector<TPlaylistEntry>& Entries() const { return entries_; }

    // Album and artist of the whole list (ASX only).
    QString ListAlbum() const { return listAlbum_; }
    QString ListArtist() const { return listArtist_; }

private:
    void ReadM3U(const QStringList& lines);
    void ReadAsx(const QStringList& lines);
    // The path as a file on this system: backslashes become folder separators and a
    // relative path is taken from the playlist's folder.
    QString ResolvedPath(const QString& written) const;
    // A text of entry i (1-based), empty outside 1 ... Count.
    QString Text(int i, QString TPlaylistEntry::*field) const;

    std::vector<TPlaylistEntry> entries_;
    QString listAlbum_;
    QString listArtist_;
};
