#include "music/album/albums.h"

#include "core/error.h"
#include "core/frame/macro_string.h"
#include "core/storage/doc_stream.h"
#include "core/storage/file_storage.h"
#include "core/storage/storage_modes.h"
#include "core/stream/component_stream.h"
#include "platform/platform_error.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

namespace {

const QString kStorageName = QStringLiteral("Albums");

// The number of a name "$" + eight hexadecimal digits, or nothing for other names.
std::optional<quint32> StreamNumber(const QString& name)
{
    if (name.size() != 9 || name[0] != QLatin1Char('$'))
        return std::nullopt;
    bool ok = false;
    const quint32 number = name.mid(1).toUInt(&ok, 16);
    return ok ? std::optional<quint32>(number) : std::nullopt;
}

} // namespace

QString AlbumStreamName(quint32 n)
{
    return QStringLiteral("$%1").arg(n, 8, 16, QLatin1Char('0'));
}

TAlbums::TAlbums() = default;

TAlbums::~TAlbums()
{
    storage_.reset();
    file_.reset();
}

QString TAlbums::DefaultFileName()
{
    return Expand(QStringLiteral("$(UserPreferenceFolder)")) + QStringLiteral("Albums.dat");
}

void TAlbums::Open(const QString& fileName, bool createNew)
{
    storage_.reset();
    file_.reset();
    entries_.clear();
    albums_.clear();
    damaged_.clear();
    QDir().mkpath(QFileInfo(fileName).absolutePath());
    const bool create = createNew || !QFileInfo::exists(fileName);
    try {
        file_ = std::make_unique<TFileStorage>(fileName, create ? fmCreate : fmOpenReadWrite | fmShareDenyWrite, true);
    } catch (const EPlatformError& error) {
        throw EAppError(error.Message());
    }
    storage_ = std::make_unique<TDocStorage>(*file_, true, kStorageName);
    ReadEntries();
    EnsureOneAlbum();
    Commit();
}

void TAlbums::ReadEntries()
{
    QStringList names;
    storage_->ListStreams(names);
    names.removeIf([](const QString& name) { return !StreamNumber(name); });
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });
    for (const QString& name : names) {
        TEntry entry{name, nullptr};
        try {
            TDocStream stream(*storage_, fmOpenRead, name);
            auto album = std::make_unique<TAlbumInfo>();
            ReadComponentBytes(ReadWholeStream(stream), *album);
            entry.Album = std::move(album);
        } catch (const std::exception& error) {
            damaged_.append(QStringLiteral("%1: %2").arg(name, ErrorText(error)));
        }
        entries_.push_back(std::move(entry));
    }
    RebuildAlbumIndex();
}

void TAlbums::RebuildAlbumIndex()
{
    albums_.clear();
    for (std::size_t i = 0; i < entries_.size(); ++i)
        if (entries_[i].Album)
            albums_.push_back(i);
}

std::size_t TAlbums::EntryOf(int index) const
{
    if (index < 0 || index >= Count())
        throw EAppError(QStringLiteral("アルバム %1 がありません").arg(index));
    return albums_[static_cast<std::size_t>(index)];
}

const TAlbumInfo& TAlbums::Album(int index) const
{
    return *entries_[EntryOf(index)].Album;
}

QString TAlbums::StreamName(int index) const
{
    return entries_[EntryOf(index)].Name;
}

void TAlbums::WriteStream(const QString& name, const TAlbumInfo& album)
{
    storage_->DeleteElement(name);
    TDocStream stream(*storage_, fmCreate, name);
    const QByteArray bytes = ComponentBytes(album);
    stream.Write(bytes.constData(), bytes.size());
}

void TAlbums::Write(const TAlbumInfo& album, int index)
{
    if (index >= 0 && index < Count()) {
        TEntry& entry = entries_[EntryOf(index)];
        WriteStream(entry.Name, album);
        entry.Album = album.Clone();
    } else {
        const quint32 next = entries_.empty() ? 1 : *StreamNumber(entries_.back().Name) + 1;
        const QString name = AlbumStreamName(next);
        WriteStream(name, album);
        entries_.push_back({name, album.Clone()});
        RebuildAlbumIndex();
    }
    Commit();
}

void TAlbums::Insert(const TAlbumInfo& album, int index)
{
    if (index < 0 || index >= Count()) {
        Write(album, index);
        return;
    }
    const std::size_t first = EntryOf(index);
    const QString name = entries_[first].Name;
    for (std::size_t i = entries_.size(); i-- > first;) {
        const QString higher = AlbumStreamName(*StreamNumber(entries_[i].Name) + 1);
        storage_->MoveElement(entries_[i].Name, higher);
        entries_[i].Name = higher;
    }
    WriteStream(name, album);
    entries_.insert(entries_.begin() + static_cast<std::ptrdiff_t>(first), TEntry{name, album.Clone()});
    RebuildAlbumIndex();
    Commit();
}

void TAlbums::Remove(int index)
{
    const std::size_t entry = EntryOf(index);
    storage_->DeleteElement(entries_[entry].Name);
    entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(entry));
    RebuildAlbumIndex();
}

void TAlbums::Delete(int index)
{
    Remove(index);
    EnsureOneAlbum();
    Commit();
}

void TAlbums::DeleteAll()
{
    for (int i = Count() - 1; i >= 0; --i)
        Remove(i);
    EnsureOneAlbum();
    Commit();
}

void TAlbums::EnsureOneAlbum()
{
    if (Count() == 0)
        Write(TAlbumInfo(), -1);
}

void TAlbums::Commit()
{
    file_->Commit();
}
