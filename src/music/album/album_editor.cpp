#include "music/album/album_editor.h"

TAlbumEditor::TAlbumEditor(TAlbums& albums) : albums_(albums)
{
    Reload();
}

void TAlbumEditor::Reload()
{
    current_ = std::clamp(current_, 0, albums_.Count() - 1);
    copy_ = albums_.Album(current_).Clone();
}

bool TAlbumEditor::Store()
{
    if (copy_->SameAs(albums_.Album(current_)))
        return false;
    albums_.Write(*copy_, current_);
    return true;
}

void TAlbumEditor::GoTo(int index)
{
    Store();
    current_ = index;
    Reload();
}

void TAlbumEditor::AddAlbum(TAddPosition position, bool copyCurrent)
{
    Store();
    const std::unique_ptr<TAlbumInfo> album = copyCurrent ? copy_->Clone() : std::make_unique<TAlbumInfo>();
    switch (position) {
    case TAddPosition::Append:
        albums_.Write(*album, -1);
        current_ = albums_.Count() - 1;
        break;
    case TAddPosition::AtCurrent:
        albums_.Insert(*album, current_);
        break;
    case TAddPosition::First:
        albums_.Insert(*album, 0);
        current_ = 0;
        break;
    }
    Reload();
}

void TAlbumEditor::DeleteCurrent()
{
    albums_.Delete(current_);
    Reload();
}

void TAlbumEditor::DeleteAll()
{
    albums_.DeleteAll();
    Reload();
}

void TAlbumEditor::EnsureTrack(int row)
{
    while (copy_->TrackCount() <= row)
        copy_->Tracks()->AddTrack();
}

void TAlbumEditor::InsertTrack(int row)
{
    copy_->Tracks()->InsertTrack(std::clamp(row, 0, copy_->TrackCount()));
}

void TAlbumEditor::DeleteTrack(int row)
{
    if (row >= 0 && row < copy_->TrackCount())
        copy_->Tracks()->Delete(row);
}

bool TAlbumEditor::MoveTrack(int row, int delta)
{
    const int target = row + delta;
    if (row < 0 || row >= copy_->TrackCount() || target < 0 || target >= copy_->TrackCount())
        return false;
    copy_->Tracks()->Move(row, target);
    return true;
}

std::optional<TAlbumMatch> TAlbumEditor::Find(const QString& keyword, TSearchMode mode, const std::function<void(int)>& progress)
{
    Store();
    const std::optional<TAlbumMatch> match = FindInAlbums(albums_, current_ + 1, keyword, mode, progress);
    if (match) {
        current_ = match->Album;
        Reload();
    }
    return match;
}
