#include "platform/cfb/sector_runs.h"
#include "platform/platform_error.h"

#include <gtest/gtest.h>
#include <tuple>
#include <vector>

using cfb::ForEachSectorRun;

namespace {

using TRun = std::tuple<std::uint32_t, std::size_t, std::size_t>; // first sector, inner offset, bytes

std::vector<TRun> Runs(const std::vector<std::uint32_t>& chain, std::uint32_t unit, std::uint64_t position,
                       std::size_t length, std::size_t maxRun = SIZE_MAX)
{
    std::vector<TRun> runs;
    ForEachSectorRun(
        chain, unit, position, length,
        [&](std::uint32_t first, std::size_t inner, std::size_t count) { runs.emplace_back(first, inner, count); },
        maxRun);
    return runs;
}

struct TRunCase {
    const char* What;
    std::vector<std::uint32_t> Chain;
    std::uint32_t Unit;
    std::uint64_t Position;
    std::size_t Length;
    std::size_t MaxRun;
    std::vector<TRun> Expected;
};

} // namespace

TEST(SectorRuns, JoinConsecutiveSectorsAndSplitAtGaps)
{
    const std::vector<TRunCase> cases{
        {"whole chain", {5, 6, 7, 10, 11}, 512, 0, 2560, SIZE_MAX, {{5, 0, 1536}, {10, 0, 1024}}},
        {"starts inside a sector", {5, 6, 7, 10, 11}, 512, 700, 1000, SIZE_MAX, {{6, 188, 836}, {10, 0, 164}}},
        {"inside one sector", {5, 6, 7}, 512, 520, 10, SIZE_MAX, {{6, 8, 10}}},
        {"ends on a sector boundary", {2, 3, 9}, 512, 0, 1024, SIZE_MAX, {{2, 0, 1024}}},
        {"descending sectors are separate runs", {4, 3}, 512, 0, 1024, SIZE_MAX, {{4, 0, 512}, {3, 0, 512}}},
        {"runs are capped", {1, 2, 3, 4, 5}, 512, 0, 2560, 2, {{1, 0, 1024}, {3, 0, 1024}, {5, 0, 512}}},
        {"mini sectors", {0, 1, 2, 8}, 64, 100, 150, SIZE_MAX, {{1, 36, 92}, {8, 0, 58}}},
        {"nothing to do", {1}, 512, 0, 0, SIZE_MAX, {}},
    };
    for (const TRunCase& c : cases)
        EXPECT_EQ(Runs(c.Chain, c.Unit, c.Position, c.Length, c.MaxRun), c.Expected) << c.What;
}

TEST(SectorRuns, RangeBeyondTheChainIsAFormatError)
{
    std::vector<TRun> runs;
    const auto collect = [&](std::uint32_t first, std::size_t inner, std::size_t count) {
        runs.emplace_back(first, inner, count);
    };
    EXPECT_THROW(ForEachSectorRun({7, 8}, 512, 1000, 100, collect), EPlatformError);
    // The part inside the chain is visited before the walk fails.
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0], TRun(8, 488, 24));
    EXPECT_THROW(ForEachSectorRun({}, 64, 0, 1, collect), EPlatformError);
}
