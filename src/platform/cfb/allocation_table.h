#pragma once
// An allocation table held in memory: the FAT of a compound file (one entry per sector) or
// its mini FAT (one entry per 64-byte mini sector). Each entry names the next sector of its
// chain or holds a special value. The table is stored in blocks of one sector each; the
// blocks changed since the last save are remembered so that only they are written back.
#include "platform/cfb/cfb_errors.h"

#include <cstdint>
#include <vector>

namespace cfb {

class TAllocationTable {
public:
    explicit TAllocationTable(std::uint32_t entriesPerBlock = 128) : perBlock_(entriesPerBlock) {}

    std::uint32_t EntriesPerBlock() const { return perBlock_; }
    std::uint32_t Size() const { return static_cast<std::uint32_t>(entries_.size()); }
    std::uint32_t BlockCount() const { return Size() / perBlock_; }

    std::uint32_t At(std::uint32_t index) const { return entries_[index]; }
    void Set(std::uint32_t index, std::uint32_t value);

    // Replaces the whole table with one decoded block after another (not marked changed).
    void AppendLoadedBlock(const char* bytes);
    // Adds one block of free entries, marked changed.
    void AppendFreeBlock();

    // The chain that begins at start, in order. Raises the format error when it names an
    // entry outside the table or a special value other than its end (out of range), an
    // entry at or beyond limit (beyondLimit), or loops.
    std::vector<std::uint32_t> Chain(std::uint32_t start, std::uint32_t limit, TFormatFault beyondLimit) const;

    // The first free entry in [from, end), or end when there is none.
    std::uint32_t FindFree(std::uint32_t from, std::uint32_t end) const;
    // The index after the last entry that is not free.
    std::uint32_t UsedExtent() const;

    bool IsBlockChanged(std::uint32_t block) const { return changed_[block]; }
    void EncodeBlock(std::uint32_t block, char* bytes) const;
    void ForgetChanges();

private:
    std::uint32_t perBlock_;
    std::vector<std::uint32_t> entries_;
    std::vector<bool> changed_;
};

} // namespace cfb
