#include "platform/cfb/sector_runs.h"

#include "platform/cfb/cfb_errors.h"

#include <algorithm>

namespace cfb {

void ForEachSectorRun(const std::vector<std::uint32_t>& chain, std::uint32_t unitBytes, std::uint64_t position,
                      std::size_t length, const TSectorRunVisit& visit, std::size_t maxRunSectors)
{
    while (length > 0) {
        const std::uint64_t index = position / unitBytes;
        const std::size_t inner = position % unitBytes;
        if (index >= chain.size())
            RaiseFormatError(TFormatFault::ChainTooShort);
        std::size_t run = 1;
        while (index + run < chain.size() && run < maxRunSectors && run * unitBytes - inner < length
               && chain[index + run] == chain[index + run - 1] + 1)
            ++run;
        const std::size_t count = std::min<std::size_t>(length, run * unitBytes - inner);
        visit(chain[index], inner, count);
        position += count;
        length -= count;
    }
}

} // namespace cfb
