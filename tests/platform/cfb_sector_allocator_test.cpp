#include "platform/cfb/sector_allocator.h"
#include "platform/platform_error.h"

#include <gtest/gtest.h>
#include <algorithm>
#include <array>

using cfb::TAllocationTable;
using cfb::TSectorAllocator;

namespace {

constexpr std::uint32_t kEntriesPerFatSector = 128; // 512-byte sectors

// An allocator on a new file of 512-byte sectors that has handed out count sectors.
TSectorAllocator WithSectors(std::uint32_t count)
{
    TSectorAllocator sectors(512);
    while (sectors.SectorCount() < count)
        sectors.Allocate();
    return sectors;
}

} // namespace

TEST(SectorAllocator, FirstSectorOfANewFileBringsTheFatSectorThatDescribesIt)
{
    TSectorAllocator sectors(512);
    const std::uint32_t data = sectors.Allocate();
    EXPECT_EQ(data, 1u);
    EXPECT_EQ(sectors.SectorCount(), 2u);
    EXPECT_EQ(sectors.FatSectors(), std::vector<std::uint32_t>{0});
    EXPECT_EQ(sectors.Next(0), cfb::kFatSector);
    EXPECT_EQ(sectors.Next(data), cfb::kEndOfChain);
    EXPECT_TRUE(sectors.IsFresh(0));
    EXPECT_TRUE(sectors.IsFresh(data));
}

TEST(SectorAllocator, FatGrowsBySectorPlacedAtTheEnd)
{
    TSectorAllocator sectors = WithSectors(kEntriesPerFatSector);
    EXPECT_EQ(sectors.FatSectors().size(), 1u);
    const std::uint32_t next = sectors.Allocate();
    // The FAT's first sector is full: a second one takes the next place and the data the one after.
    EXPECT_EQ(sectors.FatSectors(), (std::vector<std::uint32_t>{0, kEntriesPerFatSector}));
    EXPECT_EQ(sectors.Next(kEntriesPerFatSector), cfb::kFatSector);
    EXPECT_EQ(next, kEntriesPerFatSector + 1);
    EXPECT_EQ(sectors.Fat().Size(), 2 * kEntriesPerFatSector);
}

TEST(SectorAllocator, DifatSectorListsTheFatSectorsBeyondTheHeader)
{
    TSectorAllocator sectors(512);
    while (sectors.FatSectors().size() <= cfb::kHeaderDifatEntries)
        sectors.Allocate();
    ASSERT_EQ(sectors.DifatSectors().size(), 1u);
    EXPECT_TRUE(sectors.IsDifatChanged());
    const std::uint32_t difat = sectors.DifatSectors()[0];
    EXPECT_EQ(sectors.Next(difat), cfb::kDifatSector);
    EXPECT_EQ(sectors.FatSectors().size(), cfb::kHeaderDifatEntries + 1);
    // The DIFAT sector comes right after the 110th FAT sector, before any data.
    EXPECT_EQ(difat, sectors.FatSectors().back() + 1);

    cfb::THeader header;
    sectors.DescribeInHeader(header);
    EXPECT_EQ(header.FatSectorCount, cfb::kHeaderDifatEntries + 1);
    EXPECT_EQ(header.DifatSectorCount, 1u);
    EXPECT_EQ(header.FirstDifatSector, difat);
    EXPECT_EQ(header.Difat[108], sectors.FatSectors()[108]);

    std::array<char, 512> bytes{};
    sectors.EncodeDifatSector(0, bytes.data());
    EXPECT_EQ(cfb::ReadU32(bytes.data()), sectors.FatSectors()[109]);
    EXPECT_EQ(cfb::ReadU32(bytes.data() + 4), cfb::kFreeSector);
    EXPECT_EQ(cfb::ReadU32(bytes.data() + 508), cfb::kEndOfChain);

    sectors.Committed();
    EXPECT_FALSE(sectors.IsDifatChanged());
}

TEST(SectorAllocator, FreshSectorGivenUpIsReusedAtOnce)
{
    TSectorAllocator sectors = WithSectors(1);
    const std::uint32_t a = sectors.Allocate();
    const std::uint32_t b = sectors.Allocate();
    const std::uint32_t c = sectors.Allocate();
    sectors.Release(b);
    EXPECT_EQ(sectors.Next(b), cfb::kFreeSector);
    EXPECT_EQ(sectors.Allocate(), b);
    sectors.Release(c);
    sectors.Release(a);
    // The lowest free sector comes first.
    EXPECT_EQ(sectors.Allocate(), a);
    EXPECT_EQ(sectors.Allocate(), c);
}

TEST(SectorAllocator, CommittedSectorGivenUpStaysTakenUntilTheNextCommit)
{
    TSectorAllocator sectors = WithSectors(1);
    const std::uint32_t kept = sectors.Allocate();
    const std::uint32_t next = sectors.Allocate();
    sectors.Link(kept, next);
    sectors.Committed();
    EXPECT_FALSE(sectors.IsFresh(kept));

    sectors.Release(kept);
    // The committed FAT still names the chain, and new data goes elsewhere.
    EXPECT_EQ(sectors.Next(kept), next);
    const std::uint32_t other = sectors.Allocate();
    EXPECT_NE(other, kept);
    EXPECT_TRUE(sectors.IsFresh(other));

    sectors.FreeReleased();
    EXPECT_EQ(sectors.Next(kept), cfb::kFreeSector);
    EXPECT_EQ(sectors.Allocate(), kept);
}

TEST(SectorAllocator, StructureSectorsAreTakenEvenWhenALoadedFatCallsThemFree)
{
    // A damaged FAT that calls every sector free, including its own and the directory's.
    std::vector<char> block(512, '\xFF');
    TAllocationTable fat(kEntriesPerFatSector);
    fat.AppendLoadedBlock(block.data());
    TSectorAllocator sectors(512);
    sectors.Load(std::move(fat), {0}, {}, 6);
    EXPECT_FALSE(sectors.IsFresh(0));

    sectors.ProtectStructure({3, 4}, {5});
    EXPECT_EQ(sectors.Next(0), cfb::kFatSector);
    EXPECT_EQ(sectors.Next(3), 4u);
    EXPECT_EQ(sectors.Next(4), cfb::kEndOfChain);
    EXPECT_EQ(sectors.Next(5), cfb::kEndOfChain);
    std::vector<std::uint32_t> handedOut;
    for (int i = 0; i < 3; ++i)
        handedOut.push_back(sectors.Allocate());
    EXPECT_EQ(handedOut, (std::vector<std::uint32_t>{1, 2, 6}));
}

TEST(SectorAllocator, ChainIsCheckedAgainstTheSectorsTheFileHolds)
{
    TSectorAllocator sectors = WithSectors(1);
    const std::uint32_t a = sectors.Allocate();
    const std::uint32_t b = sectors.Allocate();
    sectors.Link(a, b);
    EXPECT_EQ(sectors.Chain(a, cfb::TFormatFault::Truncated), (std::vector<std::uint32_t>{a, b}));
    sectors.Link(b, a);
    EXPECT_THROW(sectors.Chain(a, cfb::TFormatFault::Truncated), EPlatformError);
}
