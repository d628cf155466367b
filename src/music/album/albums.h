#pragma once
// The album database: a compound file whose storage "Albums" holds one component stream
// per album, named "$" and eight lower-case hexadecimal digits; album order is the order
// of the names. Every change is committed at once through the compound file's transacted
// commit, so that an interrupted save never loses the albums already stored.
//
// A stream that cannot be read as an album is reported by name and left untouched in the
// file; the other albums open as usual. The database always holds at least one album.
#include "music/album/album_info.h"

#include <QStringList>
#include <memory>
#include <vector>

class TDocStorage;
class TFileStorage;

class TAlbums {
public:
    TAlbums();
    ~TAlbums();
    TAlbums(const TAlbums&) = delete;
    TAlbums& operator=(const TAlbums&) = delete;

    // "$(UserPreferenceFolder)Albums.dat".
    static QString DefaultFileName();

    // Opens the database: with createNew a new file replaces any old one; otherwise an
    // existing file is opened read-write, or created when missing (with its folder).
    void Open(const QString& fileName, bool createNew = false);

    int Count() const { return static_cast<int>(albums_.size()); }
    const TAlbumInfo& Album(int index) const;
    // The stream name of the album at index.
    QString StreamName(int index) const;
    // The streams that could not be read, each as "name: reason".
    const QStringList& DamagedStreams() const { return damaged_; }

    // Rewrites the album at index, or (index outside 0 ... Count − 1) appends it under the
    // number after the last name.
    void Write(const TAlbumInfo& album, int index);
    // Puts the album at index: the streams from the last down to the one at index move to
    // the next higher number, and the album takes the name the index had.
    void Insert(const TAlbumInfo& album, int index);
    // Removes the album at index; the last album's removal leaves one empty album.
    void Delete(int index);
    // Removes every album from the last to the first, leaving one empty album.
    void DeleteAll();

private:
    struct TEntry {
        QString Name;
        std::unique_ptr<TAlbumInfo> Album; // nullptr for a stream that could not be read
    };

    void ReadEntries();
    void WriteStream(const QString& name, const TAlbumInfo& album);
    // Removes the album's stream and entry, without the commit.
    void Remove(int index);
    void EnsureOneAlbum();
    // The entry position of album index.
    std::size_t EntryOf(int index) const;
    void RebuildAlbumIndex();
    void Commit();

    std::unique_ptr<TFileStorage> file_;
    std::unique_ptr<TDocStorage> storage_;
    std::vector<TEntry> entries_; // every numbered stream, in name order
    std::vector<std::size_t> albums_; // the readable entries
    QStringList damaged_;
};

// The stream name of album number n: "$%.8x".
QString AlbumStreamName(quint32 n);
