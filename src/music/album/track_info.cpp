#include "music/album/track_info.h"

LR_DEFINE_CLASS(TTrackInfo, TCollectionItem, LR_CREATABLE(TTrackInfo),
    prop::String("Title", &Self::Title, &Self::SetTitle),
    prop::String("Artist", &Self::Artist, &Self::SetArtist),
    prop::String("Time", &Self::Time, &Self::SetTime),
    prop::String("Album", &Self::Album, &Self::SetAlbum))

LR_DEFINE_CLASS(TTracks, TCollection, LR_ABSTRACT)

bool TTrackInfo::SameAs(const TTrackInfo& other) const
{
    return title_ == other.title_ && artist_ == other.artist_ && time_ == other.time_ && album_ == other.album_;
}

TTracks::TTracks(TPersistent* owner) : TCollection(TTrackInfo::StaticClassInfo(), owner)
{
}

TTrackInfo* TTracks::InsertTrack(int index)
{
    AddTrack();
    Move(Count() - 1, index);
    return Track(index);
}
