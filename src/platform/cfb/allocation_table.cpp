#include "platform/cfb/allocation_table.h"

#include "platform/cfb/cfb_format.h"

#include <algorithm>

namespace cfb {

void TAllocationTable::Set(std::uint32_t index, std::uint32_t value)
{
    if (entries_[index] == value)
        return;
    entries_[index] = value;
    changed_[index / perBlock_] = true;
}

void TAllocationTable::AppendLoadedBlock(const char* bytes)
{
    for (std::uint32_t i = 0; i < perBlock_; ++i)
        entries_.push_back(ReadU32(bytes + 4 * i));
    changed_.push_back(false);
}

void TAllocationTable::AppendFreeBlock()
{
    entries_.insert(entries_.end(), perBlock_, kFreeSector);
    changed_.push_back(true);
}

std::vector<std::uint32_t> TAllocationTable::Chain(std::uint32_t start, std::uint32_t limit,
                                                   TFormatFault beyondLimit) const
{
    limit = std::min(limit, Size());
    std::vector<std::uint32_t> chain;
    for (std::uint32_t at = start; at != kEndOfChain; at = entries_[at]) {
        if (at >= Size())
            RaiseFormatError(TFormatFault::SectorOutOfRange);
        if (at >= limit)
            RaiseFormatError(beyondLimit);
        // A chain visits each entry below the limit at most once, so a longer one loops.
        if (chain.size() >= limit)
            RaiseFormatError(TFormatFault::ChainLoops);
        chain.push_back(at);
    }
    return chain;
}

std::uint32_t TAllocationTable::FindFree(std::uint32_t from, std::uint32_t end) const
{
    const std::uint32_t last = std::min(end, Size());
    for (std::uint32_t i = from; i < last; ++i) {
        if (entries_[i] == kFreeSector)
            return i;
    }
    return end;
}

std::uint32_t TAllocationTable::UsedExtent() const
{
    std::uint32_t extent = Size();
    while (extent > 0 && entries_[extent - 1] == kFreeSector)
        --extent;
    return extent;
}

void TAllocationTable::EncodeBlock(std::uint32_t block, char* bytes) const
{
    for (std::uint32_t i = 0; i < perBlock_; ++i)
        WriteU32(bytes + 4 * i, entries_[block * perBlock_ + i]);
}

void TAllocationTable::ForgetChanges()
{
    std::fill(changed_.begin(), changed_.end(), false);
}

} // namespace cfb
