#pragma once
// An album: title, artist and its ordered tracks, stored as one component stream per
// album in the album database.
#include "core/persistent/component.h"
#include "music/album/track_info.h"

#include <memory>

class TAlbumInfo : public TComponent {
    LR_CLASS(TAlbumInfo, TComponent)
public:
    TAlbumInfo();
    ~TAlbumInfo() override;

    QString Title() const { return title_; }
    void SetTitle(const QString& title) { title_ = title; }
    QString Artist() const { return artist_; }
    void SetArtist(const QString& artist) { artist_ = artist; }
    TTracks* Tracks() { return tracks_.get(); }
    const TTracks* Tracks() const { return tracks_.get(); }
    int TrackCount() const { return tracks_->Count(); }
    // The count is streamed for readers that want it before the tracks; the tracks
    // themselves decide it, so a stored value is taken as information only.
    void SetTrackCount(int) {}

    // Copies title, artist and every track.
    void Assign(const TPersistent& source) override;
    std::unique_ptr<TAlbumInfo> Clone() const;

    // Title, artist, track count and all four texts of every track equal, compared exactly.
    bool SameAs(const TAlbumInfo& other) const;

private:
    QString title_;
    QString artist_;
    std::unique_ptr<TTracks> tracks_;
};
