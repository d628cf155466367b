#include "music/album/album_info.h"

LR_DEFINE_CLASS(TAlbumInfo, TComponent, LR_CREATABLE(TAlbumInfo),
    prop::String("Title", &Self::Title, &Self::SetTitle),
    prop::String("Artist", &Self::Artist, &Self::SetArtist),
    prop::Integer("TrackCount", &Self::TrackCount, &Self::SetTrackCount),
    prop::Object("Tracks", &Self::Tracks, &Self::Tracks, TPropKind::Collection))

TAlbumInfo::TAlbumInfo() : tracks_(std::make_unique<TTracks>(this))
{
}

TAlbumInfo::~TAlbumInfo() = default;

void TAlbumInfo::Assign(const TPersistent& source)
{
    if (const auto* album = dynamic_cast<const TAlbumInfo*>(&source)) {
        title_ = album->title_;
        artist_ = album->artist_;
        tracks_->Assign(*album->tracks_);
        return;
    }
    TComponent::Assign(source);
}

std::unique_ptr<TAlbumInfo> TAlbumInfo::Clone() const
{
    auto copy = std::make_unique<TAlbumInfo>();
    copy->Assign(*this);
    return copy;
}

bool TAlbumInfo::SameAs(const TAlbumInfo& other) const
{
    if (title_ != other.title_ || artist_ != other.artist_ || TrackCount() != other.TrackCount())
        return false;
    for (int i = 0; i < TrackCount(); ++i)
        if (!tracks_->Track(i)->SameAs(*other.tracks_->Track(i)))
            return false;
    return true;
}
