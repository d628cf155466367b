#pragma once
// The walk over a byte range of a sector chain that every read and write of the compound
// file shares: consecutive sectors of the chain are joined into runs, so that each run is
// one call into the file.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <limits>
#include <vector>

namespace cfb {

// Calls visit for each run of consecutive sectors (of unitBytes each) that the byte range
// [position, position + length) of the chain covers: the run's first sector, the offset of
// the range inside that sector, and the number of bytes of the range in the run. A run holds
// at most maxRunSectors sectors. Raises the format error ChainTooShort when the range goes
// beyond the chain.
using TSectorRunVisit = std::function<void(std::uint32_t firstSector, std::size_t inner, std::size_t count)>;
void ForEachSectorRun(const std::vector<std::uint32_t>& chain, std::uint32_t unitBytes, std::uint64_t position,
                      std::size_t length, const TSectorRunVisit& visit,
                      std::size_t maxRunSectors = std::numeric_limits<std::size_t>::max());

} // namespace cfb
