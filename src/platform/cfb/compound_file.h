#pragma once
// A compound file (Compound File Binary Format, versions 3 and 4 read, version 3 written):
// a tree of named storages and streams inside one file.
//
// Opening reads the header, the FAT and the directory only; stream data and the mini FAT are
// read when first needed. Changes go into the file in place: new data goes to free sectors
// or to the end of the file, and a commit writes back only the FAT, mini FAT, directory and
// header sectors that changed. Sectors given up become free for reuse at the next commit, so
// the last committed state never refers to a sector that was written since.
//
// In direct mode every change belongs to the file and is made durable by Commit (and by
// Close). In transacted mode the committed state on disk is never overwritten before
// Commit: data written to sectors of the committed state is written to fresh sectors
// instead, and Revert drops everything since the last commit.
//
// Elements are addressed by TEntryRef handles. A handle stays valid while its element
// exists; after the element is removed, or after a revert, using it raises an error.
//
// Damaged or hostile files raise EPlatformError with the format error; nothing is read
// beyond what the file holds and loops in sector chains or the directory are detected.
#include "platform/cfb/allocation_table.h"
#include "platform/cfb/cfb_format.h"
#include "platform/cfb/directory.h"
#include "platform/cfb/sector_allocator.h"
#include "platform/posix_file.h"

#include <QString>
#include <QUuid>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <unordered_map>
#include <vector>

namespace cfb {

struct TEntryRef {
    std::uint32_t Index = kNoStream;
    std::uint64_t Serial = 0;

    bool IsNull() const { return Serial == 0; }
    bool operator==(const TEntryRef&) const = default;
};

struct TEntryInfo {
    QString Name;
    TEntryType Type = TEntryType::Empty;
    QUuid ClassId;
    std::uint32_t StateBits = 0;
    std::uint64_t CreationTime = 0;     // file time; 0 when not set
    std::uint64_t ModificationTime = 0; // file time; 0 when not set
    std::uint64_t Size = 0;             // streams only

    bool IsStorage() const { return Type == TEntryType::Storage || Type == TEntryType::Root; }
    bool IsStream() const { return Type == TEntryType::Stream; }
};

enum class TCommitMode { Direct, Transacted };

class TCompoundFile {
public:
    // Largest stream the layer writes (version 3 keeps sizes below 2 GiB).
    static constexpr std::uint64_t kMaxStreamSize = 0x7FFFFFFF;

    // Makes an empty compound file at path, replacing any file there. Version 3 unless 4 is
    // asked for.
    static std::unique_ptr<TCompoundFile> Create(const QString& path, TCommitMode mode = TCommitMode::Direct,
                                                 TFileSharing sharing = TFileSharing::Exclusive, int majorVersion = 3);
    // Opens an existing compound file.
    static std::unique_ptr<TCompoundFile> Open(const QString& path, TFileAccess access,
                                               TFileSharing sharing = TFileSharing::Exclusive,
                                               TCommitMode mode = TCommitMode::Direct);

    TCompoundFile(const TCompoundFile&) = delete;
    TCompoundFile& operator=(const TCompoundFile&) = delete;
    // Closes the file; errors of the final commit are lost (call Close to see them).
    ~TCompoundFile();
    // Commits a direct file, drops the uncommitted changes of a transacted one, and releases
    // the file. Later calls other than destruction are not allowed.
    void Close();

    const QString& Path() const { return file_.Path(); }
    bool IsWritable() const { return file_.IsWritable(); }
    TCommitMode Mode() const { return mode_; }
    int MajorVersion() const { return header_.MajorVersion; }
    // Counts every change made through this object; compare two readings to learn whether
    // anything was written in between.
    std::uint64_t ChangeCount() const { return changeCount_; }

    TEntryRef Root() const;
    bool IsValid(const TEntryRef& entry) const;
    TEntryInfo Info(const TEntryRef& entry) const;
    // The storage that holds entry; a null handle for the root.
    TEntryRef ParentOf(const TEntryRef& entry) const;
    // The child of storage with the given name (names compare without regard to case).
    std::optional<TEntryRef> Find(const TEntryRef& storage, const QString& name) const;
    // The named storage, respectively stream, inside storage; raises when it is missing or of
    // the other kind.
    TEntryRef OpenStorage(const TEntryRef& storage, const QString& name) const;
    TEntryRef OpenStream(const TEntryRef& storage, const QString& name) const;
    // The children of storage in the directory's name order.
    std::vector<TEntryRef> Children(const TEntryRef& storage) const;

    // A new storage; raises when the name is invalid or taken.
    TEntryRef CreateStorage(const TEntryRef& parent, const QString& name);
    // A new empty stream; an existing stream of that name is emptied and returned instead.
    // Raises when the name is invalid or a storage has it.
    TEntryRef CreateStream(const TEntryRef& parent, const QString& name);
    // Removes the named element (a storage with everything in it); false when it does not
    // exist.
    bool Remove(const TEntryRef& parent, const QString& name);
    // Moves the named element into another storage (or the same) under a new name.
    void Move(const TEntryRef& parent, const QString& name, const TEntryRef& newParent, const QString& newName);

    void SetClassId(const TEntryRef& entry, const QUuid& classId);
    void SetStateBits(const TEntryRef& entry, std::uint32_t bits, std::uint32_t mask);
    void SetTimes(const TEntryRef& entry, std::uint64_t creationTime, std::uint64_t modificationTime);

    // Reads up to length bytes at position; fewer at the end of the stream.
    std::size_t Read(const TEntryRef& stream, std::uint64_t position, char* data, std::size_t length);
    // Writes length bytes at position, growing the stream as needed (a gap reads as zeros).
    void Write(const TEntryRef& stream, std::uint64_t position, const char* data, std::size_t length);
    // Shortens or lengthens the stream; new bytes read as zeros.
    void SetStreamSize(const TEntryRef& stream, std::uint64_t size);

    // Makes every change so far part of the file on disk.
    void Commit();
    // Transacted mode: drops every change since the last commit; all handles become stale.
    // Direct mode: nothing to drop.
    void Revert();

private:
    struct TChain {
        bool Mini = false;
        std::vector<std::uint32_t> Sectors;
    };

    TCompoundFile() = default;
    void InitializeEmpty(int majorVersion);
    void Load();
    void LoadFat(std::uint32_t fileSectors);
    void LoadDirectory();
    void EnsureMiniFat();

    std::uint64_t SectorOffset(std::uint32_t sector) const;
    void ReadWholeSector(std::uint32_t sector, char* data) const;
    void WriteWholeSector(std::uint32_t sector, const char* data);

    std::uint32_t Resolve(const TEntryRef& entry) const;
    std::uint32_t ResolveStorage(const TEntryRef& entry) const;
    std::uint32_t ResolveStream(const TEntryRef& entry) const;
    TEntryRef RefOf(std::uint32_t index) const;
    void RequireWritable() const;
    void Changed();
    void StampModified(std::uint32_t storage);

    bool IsMini(std::uint32_t entry) const;
    std::uint32_t ContainerMiniSectors() const;
    std::vector<std::uint32_t>& ChainOf(std::uint32_t entry, bool mini);

    std::uint32_t AllocateMiniSector();
    void GrowMiniFat();
    void GrowDirectory();
    void ProtectStructureSectors();

    void ResizeRegularChain(std::uint32_t entry, std::uint64_t sectors);
    void ResizeMiniChain(std::uint32_t entry, std::uint64_t miniSectors);
    void Resize(std::uint32_t entry, std::uint64_t size, std::uint64_t zeroUntil);
    void ReleaseData(std::uint32_t entry);

    void ReadEntry(std::uint32_t entry, std::uint64_t position, char* data, std::size_t length);
    void ReadRegular(std::uint32_t entry, std::uint64_t position, char* data, std::size_t length);
    void ReadMini(std::uint32_t entry, std::uint64_t position, char* data, std::size_t length);
    void WriteEntry(std::uint32_t entry, std::uint64_t position, const char* data, std::size_t length);
    void WriteRegular(std::uint32_t entry, std::uint64_t position, const char* data, std::size_t length);
    void WriteMini(std::uint32_t entry, std::uint64_t position, const char* data, std::size_t length);
    // Calls visit with each run of consecutive mini sectors that the byte range covers, as
    // an offset in the mini stream and a byte count.
    void ForEachMiniRun(std::uint32_t entry, std::uint64_t position, std::size_t length,
                        const std::function<void(std::uint64_t offset, std::size_t count)>& visit);
    void WriteZeros(std::uint32_t entry, std::uint64_t from, std::uint64_t to);
    void CopyOnWrite(std::uint32_t entry, std::size_t chainIndex, bool keepContent);

    std::uint32_t NewEntry(std::uint32_t parent, TEntryType type, const QString& name);
    void WriteMetadata();

    TPosixFile file_;
    TCommitMode mode_ = TCommitMode::Direct;
    THeader header_;
    std::uint32_t sectorBytes_ = 512;
    TSectorAllocator sectors_;
    TDirectory directory_;
    std::vector<std::uint32_t> directorySectors_;
    TAllocationTable miniFat_;
    std::vector<std::uint32_t> miniFatSectors_;
    bool miniFatLoaded_ = false;

    std::uint32_t miniFreeHint_ = 0; // no free mini sector below
    std::unordered_map<std::uint32_t, TChain> chains_;

    bool changed_ = false;
    std::uint64_t changeCount_ = 0;
    std::uint64_t committedFileSize_ = 0;
};

} // namespace cfb
