#include "platform/cfb/sector_allocator.h"

#include "platform/cfb/cfb_errors.h"

#include <algorithm>

namespace cfb {

TSectorAllocator::TSectorAllocator(std::uint32_t sectorBytes) : sectorBytes_(sectorBytes), fat_(sectorBytes / 4)
{
}

void TSectorAllocator::Load(TAllocationTable fat, std::vector<std::uint32_t> fatSectors,
                            std::vector<std::uint32_t> difatSectors, std::uint32_t sectorCount)
{
    fat_ = std::move(fat);
    fatSectors_ = std::move(fatSectors);
    difatSectors_ = std::move(difatSectors);
    difatChanged_ = false;
    sectorCount_ = sectorCount;
    freeHint_ = 0;
    fresh_.assign(sectorCount_, false);
    pendingRelease_.clear();
}

std::uint32_t TSectorAllocator::Allocate()
{
    const std::uint32_t free = fat_.FindFree(freeHint_, sectorCount_);
    if (free < sectorCount_) {
        freeHint_ = free + 1;
        fat_.Set(free, kEndOfChain);
        MarkFresh(free);
        return free;
    }
    freeHint_ = sectorCount_;
    return Append(kEndOfChain);
}

std::uint32_t TSectorAllocator::Append(std::uint32_t value)
{
    for (;;) {
        const std::uint32_t sector = sectorCount_;
        if (sector >= kMaxRegularSector)
            RaiseTooLarge();
        if (sector >= fat_.Size()) {
            freeHint_ = std::min(freeHint_, fat_.Size());
            fat_.AppendFreeBlock();
            fatSectors_.push_back(sector);
            fat_.Set(sector, kFatSector);
            difatChanged_ = true;
        } else if (fatSectors_.size() > kHeaderDifatEntries + difatSectors_.size() * (sectorBytes_ / 4 - 1)) {
            difatSectors_.push_back(sector);
            fat_.Set(sector, kDifatSector);
            difatChanged_ = true;
        } else {
            fat_.Set(sector, value);
            sectorCount_ = sector + 1;
            MarkFresh(sector);
            return sector;
        }
        sectorCount_ = sector + 1;
        MarkFresh(sector);
    }
}

void TSectorAllocator::MarkFresh(std::uint32_t sector)
{
    if (sector >= fresh_.size())
        fresh_.resize(std::max<std::size_t>(sector + 1, fresh_.size() * 2), false);
    fresh_[sector] = true;
}

void TSectorAllocator::Release(std::uint32_t sector)
{
    if (IsFresh(sector)) {
        fresh_[sector] = false;
        fat_.Set(sector, kFreeSector);
        freeHint_ = std::min(freeHint_, sector);
    } else {
        pendingRelease_.push_back(sector);
    }
}

void TSectorAllocator::ProtectStructure(const std::vector<std::uint32_t>& directorySectors,
                                        const std::vector<std::uint32_t>& miniFatSectors)
{
    const auto mark = [this](std::uint32_t sector, std::uint32_t value) {
        if (sector < fat_.Size())
            fat_.Set(sector, value);
    };
    for (const std::uint32_t sector : fatSectors_)
        mark(sector, kFatSector);
    for (const std::uint32_t sector : difatSectors_)
        mark(sector, kDifatSector);
    for (const std::vector<std::uint32_t>* chain : {&directorySectors, &miniFatSectors})
        for (std::size_t i = 0; i < chain->size(); ++i)
            mark((*chain)[i], i + 1 < chain->size() ? (*chain)[i + 1] : kEndOfChain);
}

void TSectorAllocator::FreeReleased()
{
    for (const std::uint32_t sector : pendingRelease_) {
        fat_.Set(sector, kFreeSector);
        freeHint_ = std::min(freeHint_, sector);
    }
    pendingRelease_.clear();
}

void TSectorAllocator::Committed()
{
    std::fill(fresh_.begin(), fresh_.end(), false);
    fat_.ForgetChanges();
    difatChanged_ = false;
}

void TSectorAllocator::EncodeDifatSector(std::size_t index, char* bytes) const
{
    const std::uint32_t perDifat = sectorBytes_ / 4 - 1;
    for (std::uint32_t j = 0; j < perDifat; ++j) {
        const std::size_t at = kHeaderDifatEntries + index * perDifat + j;
        WriteU32(bytes + 4 * j, at < fatSectors_.size() ? fatSectors_[at] : kFreeSector);
    }
    WriteU32(bytes + 4 * perDifat, index + 1 < difatSectors_.size() ? difatSectors_[index + 1] : kEndOfChain);
}

void TSectorAllocator::DescribeInHeader(THeader& header) const
{
    header.FatSectorCount = static_cast<std::uint32_t>(fatSectors_.size());
    for (std::uint32_t i = 0; i < kHeaderDifatEntries; ++i)
        header.Difat[i] = i < fatSectors_.size() ? fatSectors_[i] : kFreeSector;
    header.DifatSectorCount = static_cast<std::uint32_t>(difatSectors_.size());
    header.FirstDifatSector = difatSectors_.empty() ? kEndOfChain : difatSectors_.front();
}

} // namespace cfb
