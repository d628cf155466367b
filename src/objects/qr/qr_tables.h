#pragma once
// The code tables of the QR Code symbol (model 2): the error-correction block structure of
// every version and level, the alignment pattern centres of every version and the
// alphanumeric character values.
#include <cstdint>
#include <span>

// Error-correction level, in the order L, M, Q, H.
enum class TQRLevel : std::uint8_t { L, M, Q, H };

constexpr int kQRMinVersion = 1;
constexpr int kQRMaxVersion = 40;

// Modules on each side of a symbol of the version.
constexpr int QRSymbolSize(int version)
{
    return 4 * version + 17;
}

// How the codewords of one version at one level are split into blocks. Every block has
// the same number of error-correction codewords; the blocks of the first group carry
// ShortBlockData() data codewords, the remaining blocks one more.
struct TQRBlockLayout {
    int TotalCodewords = 0; // data and error-correction codewords of the symbol
    int EcPerBlock = 0;
    int Blocks = 0;

    constexpr int DataCodewords() const { return TotalCodewords - Blocks * EcPerBlock; }
    constexpr int ShortBlocks() const { return Blocks - TotalCodewords % Blocks; }
    constexpr int ShortBlockData() const { return TotalCodewords / Blocks - EcPerBlock; }
};

// The block layout of a version (1-40) at a level.
TQRBlockLayout QRBlockLayout(int version, TQRLevel level);

// Data capacity in bits: the data codewords of the version and level times 8.
int QRDataCapacityBits(int version, TQRLevel level);

// Row and column coordinates of the alignment pattern centres (empty for version 1).
std::span<const std::uint8_t> QRAlignmentCentres(int version);

// The value of a byte in the 45-character alphanumeric table, or -1.
int QRAlphanumericValue(unsigned char byte);
