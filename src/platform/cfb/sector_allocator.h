#pragma once
// The sector allocation of a compound file: the FAT with the sectors that hold it and the
// DIFAT sectors that list those beyond the header's first 109, the number of sectors the
// file holds or has handed out, and the hint below which no sector is free.
//
// It also keeps the last committed state intact: a sector handed out since the last commit
// is "fresh" and may be overwritten or freed at once, while a sector of the committed state
// that is given up becomes free only at the next commit, so that the committed FAT and
// directory never refer to a sector that was reused in between. Transacted writers ask
// IsFresh before overwriting a sector in place.
#include "platform/cfb/allocation_table.h"
#include "platform/cfb/cfb_format.h"

#include <cstdint>
#include <vector>

namespace cfb {

class TSectorAllocator {
public:
    explicit TSectorAllocator(std::uint32_t sectorBytes = 512);

    // Starts over from a FAT read from a file: the sectors that hold it, the DIFAT sectors
    // and the number of sectors the file holds. Nothing is fresh or waiting to be freed.
    void Load(TAllocationTable fat, std::vector<std::uint32_t> fatSectors, std::vector<std::uint32_t> difatSectors,
              std::uint32_t sectorCount);

    // Sectors the file holds or has handed out.
    std::uint32_t SectorCount() const { return sectorCount_; }
    const TAllocationTable& Fat() const { return fat_; }
    const std::vector<std::uint32_t>& FatSectors() const { return fatSectors_; }
    const std::vector<std::uint32_t>& DifatSectors() const { return difatSectors_; }

    // The FAT entry of a sector: the next sector of its chain or a special value.
    std::uint32_t Next(std::uint32_t sector) const { return fat_.At(sector); }
    void Link(std::uint32_t sector, std::uint32_t next) { fat_.Set(sector, next); }
    // The chain that begins at start, checked as TAllocationTable::Chain does against the
    // sectors the file holds (beyondEnd is the fault for a sector past them).
    std::vector<std::uint32_t> Chain(std::uint32_t start, TFormatFault beyondEnd) const
    {
        return fat_.Chain(start, sectorCount_, beyondEnd);
    }

    // A sector for new data, marked as the end of a chain: the lowest free one, else a new
    // one at the end of the file.
    std::uint32_t Allocate();
    // A new sector at the end of the file with the given FAT entry. The FAT grows by a
    // sector placed at the end and described by itself when it has no entry left, and a
    // DIFAT sector is added when the header and the DIFAT sectors cannot list another FAT
    // sector.
    std::uint32_t Append(std::uint32_t value);
    // Gives a sector up: a fresh one is free at once, any other at the next commit.
    void Release(std::uint32_t sector);
    // Whether the sector was handed out since the last commit.
    bool IsFresh(std::uint32_t sector) const { return sector < fresh_.size() && fresh_[sector]; }

    // Sets the FAT entries of the FAT and DIFAT sectors and of the directory and mini FAT
    // chains from the lists held in memory, so that a damaged FAT never hands them out as
    // free.
    void ProtectStructure(const std::vector<std::uint32_t>& directorySectors,
                          const std::vector<std::uint32_t>& miniFatSectors);
    // The first step of a commit: the sectors given up since the last one become free.
    void FreeReleased();
    // The last step of a commit: every sector handed out belongs to the committed state, and
    // the FAT and DIFAT count as written.
    void Committed();

    // The FAT blocks and DIFAT sectors to write back, and the header fields that list them.
    bool IsDifatChanged() const { return difatChanged_; }
    void EncodeDifatSector(std::size_t index, char* bytes) const;
    void DescribeInHeader(THeader& header) const;

private:
    void MarkFresh(std::uint32_t sector);

    std::uint32_t sectorBytes_;
    TAllocationTable fat_;
    std::vector<std::uint32_t> fatSectors_;
    std::vector<std::uint32_t> difatSectors_;
    bool difatChanged_ = false;
    std::uint32_t sectorCount_ = 0;
    std::uint32_t freeHint_ = 0;               // no free sector below
    std::vector<bool> fresh_;                  // handed out since the last commit
    std::vector<std::uint32_t> pendingRelease_; // given up since the last commit
};

} // namespace cfb
