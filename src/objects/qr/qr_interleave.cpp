#include "objects/qr/qr_interleave.h"

#include "objects/qr/reed_solomon.h"

#include <cassert>

std::vector<std::uint8_t> QRInterleavedCodewords(std::span<const std::uint8_t> data, int version, TQRLevel level)
{
    const TQRBlockLayout layout = QRBlockLayout(version, level);
    assert(data.size() == static_cast<std::size_t>(layout.DataCodewords()));
    const auto blocks = static_cast<std::size_t>(layout.Blocks);
    const auto shortBlocks = static_cast<std::size_t>(layout.ShortBlocks());
    const auto shortData = static_cast<std::size_t>(layout.ShortBlockData());
    const auto ecLength = static_cast<std::size_t>(layout.EcPerBlock);

    std::vector<std::uint8_t> result(static_cast<std::size_t>(layout.TotalCodewords));
    std::vector<std::uint8_t> ec(ecLength);
    std::size_t blockStart = 0;
    for (std::size_t b = 0; b < blocks; ++b) {
        const std::size_t blockData = shortData + (b < shortBlocks ? 0 : 1);
        const std::span<const std::uint8_t> block = data.subspan(blockStart, blockData);
        // Data codeword i of block b goes to column i; the extra codeword of the longer
        // blocks comes after every short block's last one.
        for (std::size_t i = 0; i < blockData; ++i) {
            const std::size_t position = i < shortData ? i * blocks + b : shortData * blocks + (b - shortBlocks);
            result[position] = block[i];
        }
        ReedSolomonRemainder(block, ec);
        for (std::size_t i = 0; i < ecLength; ++i)
            result[data.size() + i * blocks + b] = ec[i];
        blockStart += blockData;
    }
    return result;
}
