#pragma once
// One track of an album and the ordered list of them.
#include "core/persistent/collection.h"

class TTrackInfo : public TCollectionItem {
    LR_CLASS(TTrackInfo, TCollectionItem)
public:
    TTrackInfo() = default;

    QString Title() const { return title_; }
    void SetTitle(const QString& title) { title_ = title; }
    QString Artist() const { return artist_; }
    void SetArtist(const QString& artist) { artist_ = artist; }
    // Free text, typically minutes and seconds ("3:25").
    QString Time() const { return time_; }
    void SetTime(const QString& time) { time_ = time; }
    QString Album() const { return album_; }
    void SetAlbum(const QString& album) { album_ = album; }

    // All four texts equal, compared exactly.
    bool SameAs(const TTrackInfo& other) const;

private:
    QString title_;
    QString artist_;
    QString time_;
    QString album_;
};

class TTracks : public TCollection {
    LR_CLASS(TTracks, TCollection)
public:
    explicit TTracks(TPersistent* owner = nullptr);

    TTrackInfo* Track(int index) const { return ItemAs<TTrackInfo>(index); }
    TTrackInfo* AddTrack() { return static_cast<TTrackInfo*>(Add()); }
    // A new empty track at index (0 ... Count).
    TTrackInfo* InsertTrack(int index);
};
