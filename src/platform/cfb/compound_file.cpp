#include "platform/cfb/compound_file.h"

#include "platform/cfb/cfb_errors.h"
#include "platform/cfb/element_names.h"
#include "platform/cfb/sector_runs.h"
#include "platform/file_time.h"
#include "platform/platform_error.h"

#include <algorithm>
#include <functional>
#include <cstring>

namespace cfb {

namespace {

std::uint64_t CeilDiv(std::uint64_t value, std::uint64_t unit)
{
    return value / unit + (value % unit != 0 ? 1 : 0);
}

// Sectors of a run that are read or written with one call at most.
constexpr std::size_t kMaxRunSectors = 256;

} // namespace

// ---------------------------------------------------------------------------------------
// Opening, creating, closing

std::unique_ptr<TCompoundFile> TCompoundFile::Create(const QString& path, TCommitMode mode, TFileSharing sharing,
                                                     int majorVersion)
{
    std::unique_ptr<TCompoundFile> file(new TCompoundFile);
    file->file_.Open(path, TFileAccess::ReadWrite, TFileCreation::CreateOrTruncate, sharing);
    file->mode_ = mode;
    file->InitializeEmpty(majorVersion);
    return file;
}

std::unique_ptr<TCompoundFile> TCompoundFile::Open(const QString& path, TFileAccess access, TFileSharing sharing,
                                                   TCommitMode mode)
{
    std::unique_ptr<TCompoundFile> file(new TCompoundFile);
    file->file_.Open(path, access, TFileCreation::OpenExisting, sharing);
    file->mode_ = mode;
    file->Load();
    return file;
}

TCompoundFile::~TCompoundFile()
{
    try {
        Close();
    } catch (const EPlatformError&) {
        // Nothing can be reported from here; callers that care call Close themselves.
    }
}

void TCompoundFile::Close()
{
    if (!file_.IsOpen())
        return;
    if (mode_ == TCommitMode::Direct)
        Commit();
    else if (IsWritable() && file_.Size() > committedFileSize_)
        file_.Truncate(committedFileSize_);
    file_.Close();
}

void TCompoundFile::InitializeEmpty(int majorVersion)
{
    header_ = THeader{};
    header_.MajorVersion = majorVersion == 4 ? 4 : 3;
    header_.SectorShift = majorVersion == 4 ? 12 : 9;
    sectorBytes_ = header_.SectorBytes();
    sectors_ = TSectorAllocator(sectorBytes_);
    miniFat_ = TAllocationTable(sectorBytes_ / 4);
    miniFatLoaded_ = true;
    directory_ = TDirectory(sectorBytes_ / kDirectoryEntryBytes);

    directorySectors_.push_back(sectors_.Append(kEndOfChain));
    directory_.AppendFreeSector();
    const std::uint32_t root = directory_.Allocate(TEntryType::Root, QStringLiteral("Root Entry"));
    directory_.Edit(root).StartSector = kEndOfChain;
    Changed();
    Commit();
}

void TCompoundFile::Load()
{
    char head[kHeaderBytes]{};
    const std::size_t got = file_.ReadAt(0, head, kHeaderBytes);
    if (got < kSignature.size() || std::memcmp(head, kSignature.data(), kSignature.size()) != 0)
        RaiseFormatError(TFormatFault::NotCompoundFile);
    if (got < kHeaderBytes)
        RaiseFormatError(TFormatFault::Truncated);
    header_ = DecodeHeader(head);
    sectorBytes_ = header_.SectorBytes();

    const std::uint64_t fileSize = file_.Size();
    const std::uint64_t fileSectors = CeilDiv(fileSize > sectorBytes_ ? fileSize - sectorBytes_ : 0, sectorBytes_);
    if (fileSectors > kMaxRegularSector)
        RaiseFormatError(TFormatFault::BadHeader);

    chains_.clear();
    miniFreeHint_ = 0;
    changed_ = false;
    miniFatLoaded_ = false;
    miniFat_ = TAllocationTable(sectorBytes_ / 4);
    miniFatSectors_.clear();

    LoadFat(static_cast<std::uint32_t>(fileSectors));
    LoadDirectory();
    committedFileSize_ = fileSize;
    if (IsWritable())
        ProtectStructureSectors();
}

void TCompoundFile::LoadFat(std::uint32_t fileSectors)
{
    if (header_.FatSectorCount > fileSectors || header_.DifatSectorCount > fileSectors)
        RaiseFormatError(TFormatFault::BadHeader);
    std::vector<std::uint32_t> fatSectors;
    std::vector<std::uint32_t> difatSectors;
    const std::uint32_t wanted = header_.FatSectorCount;
    for (std::uint32_t i = 0; i < std::min(wanted, kHeaderDifatEntries); ++i)
        fatSectors.push_back(header_.Difat[i]);

    std::vector<char> buffer(sectorBytes_);
    const std::uint32_t perDifat = sectorBytes_ / 4 - 1;
    std::uint32_t next = header_.FirstDifatSector;
    while (fatSectors.size() < wanted) {
        if (next >= fileSectors)
            RaiseFormatError(TFormatFault::SectorOutOfRange);
        if (difatSectors.size() >= header_.DifatSectorCount)
            RaiseFormatError(TFormatFault::BadHeader);
        difatSectors.push_back(next);
        ReadWholeSector(next, buffer.data());
        for (std::uint32_t j = 0; j < perDifat && fatSectors.size() < wanted; ++j)
            fatSectors.push_back(ReadU32(buffer.data() + 4 * j));
        next = ReadU32(buffer.data() + 4 * perDifat);
    }

    TAllocationTable fat(sectorBytes_ / 4);
    std::vector<char> run;
    ForEachSectorRun(
        fatSectors, sectorBytes_, 0, fatSectors.size() * sectorBytes_,
        [&](std::uint32_t first, std::size_t, std::size_t count) {
            const std::size_t runSectors = count / sectorBytes_;
            for (std::size_t k = 0; k < runSectors; ++k) {
                if (first + k >= fileSectors)
                    RaiseFormatError(TFormatFault::SectorOutOfRange);
            }
            run.resize(count);
            if (file_.ReadAt(SectorOffset(first), run.data(), run.size()) < run.size())
                RaiseFormatError(TFormatFault::Truncated);
            for (std::size_t k = 0; k < runSectors; ++k)
                fat.AppendLoadedBlock(run.data() + k * sectorBytes_);
        },
        kMaxRunSectors);
    sectors_.Load(std::move(fat), std::move(fatSectors), std::move(difatSectors), fileSectors);
}

void TCompoundFile::LoadDirectory()
{
    directorySectors_ = sectors_.Chain(header_.FirstDirectorySector, TFormatFault::Truncated);
    if (directorySectors_.empty())
        RaiseFormatError(TFormatFault::BadEntry);
    directory_ = TDirectory(sectorBytes_ / kDirectoryEntryBytes);
    std::vector<TDirectoryEntry> entries;
    entries.reserve(directorySectors_.size() * directory_.EntriesPerSector());
    std::vector<char> buffer(sectorBytes_);
    for (const std::uint32_t sector : directorySectors_) {
        ReadWholeSector(sector, buffer.data());
        for (std::uint32_t i = 0; i < directory_.EntriesPerSector(); ++i)
            entries.push_back(DecodeDirectoryEntry(buffer.data() + i * kDirectoryEntryBytes, header_.MajorVersion));
    }
    directory_.Load(std::move(entries));
}

void TCompoundFile::EnsureMiniFat()
{
    if (miniFatLoaded_)
        return;
    std::vector<std::uint32_t> sectors = sectors_.Chain(header_.FirstMiniFatSector, TFormatFault::Truncated);
    TAllocationTable table(sectorBytes_ / 4);
    std::vector<char> buffer(sectorBytes_);
    for (const std::uint32_t sector : sectors) {
        ReadWholeSector(sector, buffer.data());
        table.AppendLoadedBlock(buffer.data());
    }
    miniFat_ = std::move(table);
    miniFatSectors_ = std::move(sectors);
    miniFatLoaded_ = true;
}

std::uint64_t TCompoundFile::SectorOffset(std::uint32_t sector) const
{
    // The header occupies the place of one sector before sector 0.
    return (static_cast<std::uint64_t>(sector) + 1) * sectorBytes_;
}

void TCompoundFile::ReadWholeSector(std::uint32_t sector, char* data) const
{
    if (file_.ReadAt(SectorOffset(sector), data, sectorBytes_) < sectorBytes_)
        RaiseFormatError(TFormatFault::Truncated);
}

void TCompoundFile::WriteWholeSector(std::uint32_t sector, const char* data)
{
    file_.WriteAt(SectorOffset(sector), data, sectorBytes_);
}

// ---------------------------------------------------------------------------------------
// Handles

std::uint32_t TCompoundFile::Resolve(const TEntryRef& entry) const
{
    if (!IsValid(entry))
        RaiseStaleEntry();
    return entry.Index;
}

std::uint32_t TCompoundFile::ResolveStorage(const TEntryRef& entry) const
{
    const std::uint32_t index = Resolve(entry);
    const TEntryType type = directory_.At(index).Type;
    if (type != TEntryType::Storage && type != TEntryType::Root)
        RaiseNotAStorage(directory_.At(index).Name);
    return index;
}

std::uint32_t TCompoundFile::ResolveStream(const TEntryRef& entry) const
{
    const std::uint32_t index = Resolve(entry);
    if (directory_.At(index).Type != TEntryType::Stream)
        RaiseNotAStream(directory_.At(index).Name);
    return index;
}

TEntryRef TCompoundFile::RefOf(std::uint32_t index) const
{
    return TEntryRef{index, directory_.At(index).Serial};
}

void TCompoundFile::RequireWritable() const
{
    if (!IsWritable())
        RaiseReadOnly();
}

void TCompoundFile::Changed()
{
    changed_ = true;
    ++changeCount_;
}

void TCompoundFile::StampModified(std::uint32_t storage)
{
    directory_.Edit(storage).ModificationTime = FileTimeNow();
}

TEntryRef TCompoundFile::Root() const
{
    return RefOf(0);
}

bool TCompoundFile::IsValid(const TEntryRef& entry) const
{
    return entry.Serial != 0 && entry.Index < directory_.Count() && directory_.At(entry.Index).Serial == entry.Serial;
}

TEntryInfo TCompoundFile::Info(const TEntryRef& entry) const
{
    const TDirectoryNode& node = directory_.At(Resolve(entry));
    TEntryInfo info;
    info.Name = node.Name;
    info.Type = node.Type;
    info.ClassId = node.ClassId;
    info.StateBits = node.StateBits;
    info.CreationTime = node.CreationTime;
    info.ModificationTime = node.ModificationTime;
    info.Size = node.Type == TEntryType::Stream ? node.Size : 0;
    return info;
}

TEntryRef TCompoundFile::ParentOf(const TEntryRef& entry) const
{
    const std::uint32_t owner = directory_.At(Resolve(entry)).Owner;
    return owner == kNoStream ? TEntryRef{} : RefOf(owner);
}

std::optional<TEntryRef> TCompoundFile::Find(const TEntryRef& storage, const QString& name) const
{
    const std::uint32_t index = directory_.Find(ResolveStorage(storage), name);
    if (index == kNoStream)
        return std::nullopt;
    return RefOf(index);
}

TEntryRef TCompoundFile::OpenStorage(const TEntryRef& storage, const QString& name) const
{
    const std::optional<TEntryRef> found = Find(storage, name);
    if (!found)
        RaiseNotFound(name);
    if (!Info(*found).IsStorage())
        RaiseNotAStorage(name);
    return *found;
}

TEntryRef TCompoundFile::OpenStream(const TEntryRef& storage, const QString& name) const
{
    const std::optional<TEntryRef> found = Find(storage, name);
    if (!found)
        RaiseNotFound(name);
    if (!Info(*found).IsStream())
        RaiseNotAStream(name);
    return *found;
}

std::vector<TEntryRef> TCompoundFile::Children(const TEntryRef& storage) const
{
    std::vector<TEntryRef> children;
    for (const std::uint32_t index : directory_.Children(ResolveStorage(storage)))
        children.push_back(RefOf(index));
    return children;
}

// ---------------------------------------------------------------------------------------
// Elements

std::uint32_t TCompoundFile::NewEntry(std::uint32_t parent, TEntryType type, const QString& name)
{
    std::uint32_t index = directory_.Allocate(type, name);
    if (index == kNoStream) {
        GrowDirectory();
        index = directory_.Allocate(type, name);
    }
    if (type == TEntryType::Storage) {
        TDirectoryNode& node = directory_.Edit(index);
        node.CreationTime = node.ModificationTime = FileTimeNow();
    }
    directory_.Insert(parent, index);
    StampModified(parent);
    Changed();
    return index;
}

TEntryRef TCompoundFile::CreateStorage(const TEntryRef& parent, const QString& name)
{
    RequireWritable();
    const std::uint32_t storage = ResolveStorage(parent);
    CheckName(name);
    if (directory_.Find(storage, name) != kNoStream)
        RaiseAlreadyExists(name);
    return RefOf(NewEntry(storage, TEntryType::Storage, name));
}

TEntryRef TCompoundFile::CreateStream(const TEntryRef& parent, const QString& name)
{
    RequireWritable();
    const std::uint32_t storage = ResolveStorage(parent);
    CheckName(name);
    const std::uint32_t existing = directory_.Find(storage, name);
    if (existing == kNoStream)
        return RefOf(NewEntry(storage, TEntryType::Stream, name));
    if (directory_.At(existing).Type != TEntryType::Stream)
        RaiseAlreadyExists(name);
    Resize(existing, 0, 0);
    if (directory_.At(existing).Name != name)
        directory_.Edit(existing).Name = name; // same place in the tree: the names compare equal
    StampModified(storage);
    Changed();
    return RefOf(existing);
}

bool TCompoundFile::Remove(const TEntryRef& parent, const QString& name)
{
    RequireWritable();
    const std::uint32_t storage = ResolveStorage(parent);
    const std::uint32_t index = directory_.Find(storage, name);
    if (index == kNoStream)
        return false;
    if (directory_.At(index).Type == TEntryType::Storage) {
        for (const std::uint32_t inner : directory_.Descendants(index)) {
            ReleaseData(inner);
            directory_.Release(inner);
        }
    }
    ReleaseData(index);
    directory_.Unlink(index);
    directory_.Release(index);
    StampModified(storage);
    Changed();
    return true;
}

void TCompoundFile::Move(const TEntryRef& parent, const QString& name, const TEntryRef& newParent,
                         const QString& newName)
{
    RequireWritable();
    const std::uint32_t from = ResolveStorage(parent);
    const std::uint32_t to = ResolveStorage(newParent);
    CheckName(newName);
    const std::uint32_t index = directory_.Find(from, name);
    if (index == kNoStream)
        RaiseNotFound(name);
    for (std::uint32_t at = to; at != kNoStream; at = directory_.At(at).Owner) {
        if (at == index)
            RaiseIntoItself(name);
    }
    const std::uint32_t taken = directory_.Find(to, newName);
    if (taken != kNoStream && taken != index)
        RaiseAlreadyExists(newName);
    directory_.Unlink(index);
    directory_.Edit(index).Name = newName;
    directory_.Insert(to, index);
    StampModified(from);
    StampModified(to);
    Changed();
}

void TCompoundFile::SetClassId(const TEntryRef& entry, const QUuid& classId)
{
    RequireWritable();
    directory_.Edit(Resolve(entry)).ClassId = classId;
    Changed();
}

void TCompoundFile::SetStateBits(const TEntryRef& entry, std::uint32_t bits, std::uint32_t mask)
{
    RequireWritable();
    TDirectoryNode& node = directory_.Edit(Resolve(entry));
    node.StateBits = (node.StateBits & ~mask) | (bits & mask);
    Changed();
}

void TCompoundFile::SetTimes(const TEntryRef& entry, std::uint64_t creationTime, std::uint64_t modificationTime)
{
    RequireWritable();
    TDirectoryNode& node = directory_.Edit(Resolve(entry));
    node.CreationTime = creationTime;
    node.ModificationTime = modificationTime;
    Changed();
}

// ---------------------------------------------------------------------------------------
// Stream data

std::size_t TCompoundFile::Read(const TEntryRef& stream, std::uint64_t position, char* data, std::size_t length)
{
    const std::uint32_t index = ResolveStream(stream);
    const std::uint64_t size = directory_.At(index).Size;
    if (position >= size || length == 0)
        return 0;
    const std::size_t count = static_cast<std::size_t>(std::min<std::uint64_t>(length, size - position));
    ReadEntry(index, position, data, count);
    return count;
}

void TCompoundFile::Write(const TEntryRef& stream, std::uint64_t position, const char* data, std::size_t length)
{
    RequireWritable();
    const std::uint32_t index = ResolveStream(stream);
    if (length == 0)
        return;
    if (position > kMaxStreamSize || length > kMaxStreamSize - position)
        RaiseTooLarge();
    const std::uint64_t end = position + length;
    if (end > directory_.At(index).Size)
        Resize(index, end, position);
    WriteEntry(index, position, data, length);
    Changed();
}

void TCompoundFile::SetStreamSize(const TEntryRef& stream, std::uint64_t size)
{
    RequireWritable();
    const std::uint32_t index = ResolveStream(stream);
    if (size > kMaxStreamSize)
        RaiseTooLarge();
    Resize(index, size, size);
    Changed();
}

bool TCompoundFile::IsMini(std::uint32_t entry) const
{
    return entry != 0 && directory_.At(entry).Size < kMiniStreamCutoff;
}

std::uint32_t TCompoundFile::ContainerMiniSectors() const
{
    return static_cast<std::uint32_t>(
        std::min<std::uint64_t>(CeilDiv(directory_.At(0).Size, kMiniSectorBytes), kMaxRegularSector));
}

std::vector<std::uint32_t>& TCompoundFile::ChainOf(std::uint32_t entry, bool mini)
{
    const auto found = chains_.find(entry);
    if (found != chains_.end() && found->second.Mini == mini)
        return found->second.Sectors;
    const TDirectoryNode& node = directory_.At(entry);
    TChain chain;
    chain.Mini = mini;
    // An empty stream owns no sectors, whatever its start sector says.
    if (node.Size > 0) {
        std::uint64_t needed;
        if (mini) {
            EnsureMiniFat();
            chain.Sectors = miniFat_.Chain(node.StartSector, ContainerMiniSectors(), TFormatFault::SectorOutOfRange);
            needed = CeilDiv(node.Size, kMiniSectorBytes);
        } else {
            chain.Sectors = sectors_.Chain(node.StartSector, TFormatFault::Truncated);
            needed = CeilDiv(node.Size, sectorBytes_);
        }
        if (chain.Sectors.size() < needed)
            RaiseFormatError(TFormatFault::ChainTooShort);
    }
    return chains_.insert_or_assign(entry, std::move(chain)).first->second.Sectors;
}

void TCompoundFile::ReadEntry(std::uint32_t entry, std::uint64_t position, char* data, std::size_t length)
{
    if (IsMini(entry))
        ReadMini(entry, position, data, length);
    else
        ReadRegular(entry, position, data, length);
}

void TCompoundFile::WriteEntry(std::uint32_t entry, std::uint64_t position, const char* data, std::size_t length)
{
    if (IsMini(entry))
        WriteMini(entry, position, data, length);
    else
        WriteRegular(entry, position, data, length);
}

void TCompoundFile::ReadRegular(std::uint32_t entry, std::uint64_t position, char* data, std::size_t length)
{
    ForEachSectorRun(ChainOf(entry, false), sectorBytes_, position, length,
                     [&](std::uint32_t first, std::size_t inner, std::size_t count) {
                         if (file_.ReadAt(SectorOffset(first) + inner, data, count) < count)
                             RaiseFormatError(TFormatFault::Truncated);
                         data += count;
                     });
}

void TCompoundFile::WriteRegular(std::uint32_t entry, std::uint64_t position, const char* data, std::size_t length)
{
    std::vector<std::uint32_t>& chain = ChainOf(entry, false);
    const std::uint64_t end = position + length;
    if (CeilDiv(end, sectorBytes_) > chain.size())
        RaiseFormatError(TFormatFault::ChainTooShort);
    if (mode_ == TCommitMode::Transacted) {
        // Sectors of the committed state are left alone: their data moves to fresh sectors.
        const std::uint64_t size = directory_.At(entry).Size;
        for (std::uint64_t index = position / sectorBytes_; index * sectorBytes_ < end; ++index) {
            if (sectors_.IsFresh(chain[index]))
                continue;
            const std::uint64_t sectorStart = index * sectorBytes_;
            const std::uint64_t validEnd = std::min<std::uint64_t>(sectorStart + sectorBytes_, size);
            CopyOnWrite(entry, index, position > sectorStart || end < validEnd);
        }
    }
    ForEachSectorRun(chain, sectorBytes_, position, length, [&](std::uint32_t first, std::size_t inner, std::size_t count) {
        file_.WriteAt(SectorOffset(first) + inner, data, count);
        data += count;
    });
}

void TCompoundFile::ForEachMiniRun(std::uint32_t entry, std::uint64_t position, std::size_t length,
                                   const std::function<void(std::uint64_t offset, std::size_t count)>& visit)
{
    const std::uint64_t containerSize = directory_.At(0).Size;
    ForEachSectorRun(ChainOf(entry, true), kMiniSectorBytes, position, length,
                     [&](std::uint32_t first, std::size_t inner, std::size_t count) {
                         const std::uint64_t offset = static_cast<std::uint64_t>(first) * kMiniSectorBytes + inner;
                         if (offset + count > containerSize)
                             RaiseFormatError(TFormatFault::ChainTooShort);
                         visit(offset, count);
                     });
}

void TCompoundFile::ReadMini(std::uint32_t entry, std::uint64_t position, char* data, std::size_t length)
{
    ForEachMiniRun(entry, position, length, [&](std::uint64_t offset, std::size_t count) {
        ReadRegular(0, offset, data, count);
        data += count;
    });
}

void TCompoundFile::WriteMini(std::uint32_t entry, std::uint64_t position, const char* data, std::size_t length)
{
    ForEachMiniRun(entry, position, length, [&](std::uint64_t offset, std::size_t count) {
        WriteRegular(0, offset, data, count);
        data += count;
    });
}

void TCompoundFile::WriteZeros(std::uint32_t entry, std::uint64_t from, std::uint64_t to)
{
    static const std::vector<char> zeros(64 * 1024, 0);
    while (from < to) {
        const std::size_t count = static_cast<std::size_t>(std::min<std::uint64_t>(to - from, zeros.size()));
        WriteEntry(entry, from, zeros.data(), count);
        from += count;
    }
}

void TCompoundFile::CopyOnWrite(std::uint32_t entry, std::size_t chainIndex, bool keepContent)
{
    std::vector<std::uint32_t>& chain = chains_.at(entry).Sectors;
    const std::uint32_t old = chain[chainIndex];
    const std::uint32_t fresh = sectors_.Allocate();
    if (keepContent) {
        std::vector<char> buffer(sectorBytes_, 0);
        file_.ReadAt(SectorOffset(old), buffer.data(), buffer.size()); // beyond the end reads as zeros
        WriteWholeSector(fresh, buffer.data());
    }
    sectors_.Link(fresh, sectors_.Next(old));
    if (chainIndex == 0)
        directory_.Edit(entry).StartSector = fresh;
    else
        sectors_.Link(chain[chainIndex - 1], fresh);
    chain[chainIndex] = fresh;
    sectors_.Release(old);
}

void TCompoundFile::Resize(std::uint32_t entry, std::uint64_t size, std::uint64_t zeroUntil)
{
    const std::uint64_t oldSize = directory_.At(entry).Size;
    if (size == oldSize)
        return;
    const bool wasMini = oldSize < kMiniStreamCutoff;
    const bool becomesMini = size < kMiniStreamCutoff;
    if (wasMini && !becomesMini) {
        std::vector<char> kept(oldSize);
        ReadEntry(entry, 0, kept.data(), kept.size());
        ResizeMiniChain(entry, 0);
        directory_.Edit(entry).Size = 0;
        ResizeRegularChain(entry, CeilDiv(size, sectorBytes_));
        directory_.Edit(entry).Size = size;
        WriteRegular(entry, 0, kept.data(), kept.size());
    } else if (!wasMini && becomesMini) {
        std::vector<char> kept(size);
        ReadEntry(entry, 0, kept.data(), kept.size());
        ResizeRegularChain(entry, 0);
        directory_.Edit(entry).Size = 0;
        ResizeMiniChain(entry, CeilDiv(size, kMiniSectorBytes));
        directory_.Edit(entry).Size = size;
        WriteMini(entry, 0, kept.data(), kept.size());
    } else if (becomesMini) {
        ResizeMiniChain(entry, CeilDiv(size, kMiniSectorBytes));
        directory_.Edit(entry).Size = size;
    } else {
        ResizeRegularChain(entry, CeilDiv(size, sectorBytes_));
        directory_.Edit(entry).Size = size;
    }
    if (zeroUntil > oldSize)
        WriteZeros(entry, oldSize, std::min(zeroUntil, size));
}

void TCompoundFile::ReleaseData(std::uint32_t entry)
{
    if (directory_.At(entry).Type == TEntryType::Stream && directory_.At(entry).Size > 0) {
        try {
            if (IsMini(entry))
                ResizeMiniChain(entry, 0);
            else
                ResizeRegularChain(entry, 0);
        } catch (const EPlatformError&) {
            // A damaged chain cannot be followed; its sectors simply stay allocated.
        }
    }
    chains_.erase(entry);
}

// ---------------------------------------------------------------------------------------
// Sector allocation

void TCompoundFile::ResizeRegularChain(std::uint32_t entry, std::uint64_t sectors)
{
    std::vector<std::uint32_t>& chain = ChainOf(entry, false);
    if (sectors > kMaxRegularSector)
        RaiseTooLarge();
    while (chain.size() < sectors) {
        const std::uint32_t sector = sectors_.Allocate();
        if (chain.empty())
            directory_.Edit(entry).StartSector = sector;
        else
            sectors_.Link(chain.back(), sector);
        chain.push_back(sector);
    }
    if (chain.size() > sectors) {
        for (std::size_t i = sectors; i < chain.size(); ++i)
            sectors_.Release(chain[i]);
        if (sectors == 0)
            directory_.Edit(entry).StartSector = kEndOfChain;
        else
            sectors_.Link(chain[sectors - 1], kEndOfChain);
        chain.resize(sectors);
    }
}

void TCompoundFile::ResizeMiniChain(std::uint32_t entry, std::uint64_t miniSectors)
{
    std::vector<std::uint32_t>& chain = ChainOf(entry, true);
    while (chain.size() < miniSectors) {
        const std::uint32_t sector = AllocateMiniSector();
        if (chain.empty())
            directory_.Edit(entry).StartSector = sector;
        else
            miniFat_.Set(chain.back(), sector);
        chain.push_back(sector);
    }
    if (chain.size() > miniSectors) {
        for (std::size_t i = miniSectors; i < chain.size(); ++i) {
            miniFat_.Set(chain[i], kFreeSector);
            miniFreeHint_ = std::min(miniFreeHint_, chain[i]);
        }
        if (miniSectors == 0)
            directory_.Edit(entry).StartSector = kEndOfChain;
        else
            miniFat_.Set(chain[miniSectors - 1], kEndOfChain);
        chain.resize(miniSectors);
    }
}

std::uint32_t TCompoundFile::AllocateMiniSector()
{
    EnsureMiniFat();
    // The mini stream's size must be backed by its sectors before it decides how far the
    // mini FAT grows.
    ChainOf(0, false);
    const std::uint32_t used = ContainerMiniSectors();
    const std::uint32_t free = miniFat_.FindFree(miniFreeHint_, used);
    if (free < used) {
        miniFreeHint_ = free + 1;
        miniFat_.Set(free, kEndOfChain);
        return free;
    }
    // The mini stream grows by one mini sector at its end.
    const std::uint32_t sector = used;
    miniFreeHint_ = sector + 1;
    while (sector >= miniFat_.Size())
        GrowMiniFat();
    miniFat_.Set(sector, kEndOfChain);
    const std::uint64_t containerSize = (static_cast<std::uint64_t>(sector) + 1) * kMiniSectorBytes;
    ResizeRegularChain(0, CeilDiv(containerSize, sectorBytes_));
    directory_.Edit(0).Size = containerSize;
    return sector;
}

void TCompoundFile::GrowMiniFat()
{
    const std::uint32_t sector = sectors_.Allocate();
    if (!miniFatSectors_.empty())
        sectors_.Link(miniFatSectors_.back(), sector);
    miniFatSectors_.push_back(sector);
    miniFat_.AppendFreeBlock();
}

void TCompoundFile::GrowDirectory()
{
    const std::uint32_t sector = sectors_.Allocate();
    sectors_.Link(directorySectors_.back(), sector);
    directorySectors_.push_back(sector);
    directory_.AppendFreeSector();
}

void TCompoundFile::ProtectStructureSectors()
{
    sectors_.ProtectStructure(directorySectors_, miniFatSectors_);
}

// ---------------------------------------------------------------------------------------
// Commit and revert

void TCompoundFile::Commit()
{
    if (!IsWritable() || !changed_)
        return;
    sectors_.FreeReleased();
    ProtectStructureSectors();
    directory_.Edit(0).ModificationTime = FileTimeNow();
    WriteMetadata();
    committedFileSize_ = file_.Size();
    changed_ = false;
}

void TCompoundFile::Revert()
{
    if (mode_ != TCommitMode::Transacted)
        return;
    if (IsWritable() && file_.Size() > committedFileSize_)
        file_.Truncate(committedFileSize_);
    Load();
}

void TCompoundFile::WriteMetadata()
{
    std::vector<char> buffer(sectorBytes_);
    if (miniFatLoaded_) {
        for (std::uint32_t block = 0; block < miniFat_.BlockCount(); ++block) {
            if (!miniFat_.IsBlockChanged(block))
                continue;
            miniFat_.EncodeBlock(block, buffer.data());
            WriteWholeSector(miniFatSectors_[block], buffer.data());
        }
    }
    for (std::uint32_t i = 0; i < directorySectors_.size(); ++i) {
        if (!directory_.IsSectorChanged(i))
            continue;
        directory_.EncodeSector(i, buffer.data());
        WriteWholeSector(directorySectors_[i], buffer.data());
    }
    const TAllocationTable& fat = sectors_.Fat();
    for (std::uint32_t block = 0; block < fat.BlockCount(); ++block) {
        if (!fat.IsBlockChanged(block))
            continue;
        fat.EncodeBlock(block, buffer.data());
        WriteWholeSector(sectors_.FatSectors()[block], buffer.data());
    }
    if (sectors_.IsDifatChanged()) {
        for (std::size_t i = 0; i < sectors_.DifatSectors().size(); ++i) {
            sectors_.EncodeDifatSector(i, buffer.data());
            WriteWholeSector(sectors_.DifatSectors()[i], buffer.data());
        }
    }

    sectors_.DescribeInHeader(header_);
    header_.FirstDirectorySector = directorySectors_.front();
    header_.DirectorySectorCount =
        header_.MajorVersion == 4 ? static_cast<std::uint32_t>(directorySectors_.size()) : 0;
    if (miniFatLoaded_) {
        header_.FirstMiniFatSector = miniFatSectors_.empty() ? kEndOfChain : miniFatSectors_.front();
        header_.MiniFatSectorCount = static_cast<std::uint32_t>(miniFatSectors_.size());
    }
    char head[kHeaderBytes];
    EncodeHeader(header_, head);
    file_.WriteAt(0, head, kHeaderBytes);
    // Every allocated sector lies inside the file, even one not written yet.
    const std::uint64_t needed = SectorOffset(sectors_.SectorCount());
    if (file_.Size() < needed)
        file_.Truncate(needed);

    sectors_.Committed();
    miniFat_.ForgetChanges();
    directory_.ForgetChanges();
}

} // namespace cfb
