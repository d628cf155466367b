#pragma once
// The editing rules of the album window, without the window: one album at a time is edited
// as a copy, which is written back, only when it differs from the stored album, before
// moving to another album, adding, deleting, searching and closing.
#include "music/album/album_search.h"
#include "music/album/albums.h"

class TAlbumEditor {
public:
    enum class TAddPosition { Append, AtCurrent, First };

    // Edits the database's first album.
    explicit TAlbumEditor(TAlbums& albums);

    TAlbums& Albums() const { return albums_; }
    int Current() const { return current_; }
    int Count() const { return albums_.Count(); }
    // The copy being edited.
    TAlbumInfo& Album() const { return *copy_; }

    // Writes the copy back when it differs from the stored album; true when it did.
    bool Store();
    // Stores, then edits the album at index (kept within the database).
    void GoTo(int index);
    // Takes the stored album again as the copy (after the database changed elsewhere).
    void Reload();

    // A new album, empty or a copy of the current one: appended (it becomes current), put
    // at the current position, or put first (it becomes current).
    void AddAlbum(TAddPosition position, bool copyCurrent);
    // Removes the current album; the index stays, or moves to the last album.
    void DeleteCurrent();
    void DeleteAll();

    // Track commands on the copy. A row at or beyond the end first gets empty tracks up to
    // it where the command needs the track.
    void EnsureTrack(int row);
    void InsertTrack(int row);
    void DeleteTrack(int row);
    // Moves the track at row one place up (-1) or down (+1); false when there is no place.
    bool MoveTrack(int row, int delta);

    // Stores, then searches from the album after the current one; a match becomes current.
    std::optional<TAlbumMatch> Find(const QString& keyword, TSearchMode mode, const std::function<void(int)>& progress = {});

private:
    TAlbums& albums_;
    int current_ = 0;
    std::unique_ptr<TAlbumInfo> copy_;
};
