#pragma once
// The final codeword sequence of a symbol: the data codewords split into the blocks of the
// version and level, each block's error-correction codewords computed, then the data
// codewords interleaved column by column across the blocks (the longer blocks' extra
// codeword last), followed by the error-correction codewords interleaved the same way.
#include "objects/qr/qr_tables.h"

#include <cstdint>
#include <span>
#include <vector>

// `data` holds exactly the data codewords of the version and level.
std::vector<std::uint8_t> QRInterleavedCodewords(std::span<const std::uint8_t> data, int version, TQRLevel level);
