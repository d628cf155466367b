#include "objects/qr/qr_matrix.h"

#include <algorithm>
#include <cstdlib>

namespace {

// The remainder of value * x^degree(generator) divided by the generator, over GF(2).
std::uint32_t BchRemainder(std::uint32_t value, std::uint32_t generator)
{
    int generatorDegree = 0;
    while ((generator >> (generatorDegree + 1)) != 0)
        ++generatorDegree;
    std::uint32_t remainder = value << generatorDegree;
    for (int bit = 31; bit >= generatorDegree; --bit)
        if (remainder & (1u << bit))
            remainder ^= generator << (bit - generatorDegree);
    return remainder;
}

// A 7 x 7 finder pattern centred on (cx, cy) with its light separator ring (clipped to
// the symbol).
void DrawFinder(TQRMatrix& matrix, int cx, int cy)
{
    const int n = matrix.Size();
    for (int dy = -4; dy <= 4; ++dy) {
        for (int dx = -4; dx <= 4; ++dx) {
            const int x = cx + dx;
            const int y = cy + dy;
            if (x < 0 || x >= n || y < 0 || y >= n)
                continue;
            const int ring = std::max(std::abs(dx), std::abs(dy));
            matrix.Set(x, y, ring != 2 && ring != 4, true);
        }
    }
}

void DrawAlignment(TQRMatrix& matrix, int cx, int cy)
{
    for (int dy = -2; dy <= 2; ++dy)
        for (int dx = -2; dx <= 2; ++dx)
            matrix.Set(cx + dx, cy + dy, std::max(std::abs(dx), std::abs(dy)) != 1, true);
}

// Sets the 15 format bits (bit 0 first) into both copies.
void SetFormatBits(TQRMatrix& matrix, std::uint32_t bits)
{
    const int n = matrix.Size();
    const auto bit = [bits](int i) { return ((bits >> i) & 1) != 0; };
    // Beside the top-left finder: down column 8 (skipping the timing row), then left
    // along row 8 (skipping the timing column).
    for (int i = 0; i <= 5; ++i)
        matrix.Set(8, i, bit(i), true);
    matrix.Set(8, 7, bit(6), true);
    matrix.Set(8, 8, bit(7), true);
    matrix.Set(7, 8, bit(8), true);
    for (int i = 9; i < 15; ++i)
        matrix.Set(14 - i, 8, bit(i), true);
    // Below the top-right finder along row 8, and beside the bottom-left finder up
    // column 8.
    for (int i = 0; i < 8; ++i)
        matrix.Set(n - 1 - i, 8, bit(i), true);
    for (int i = 8; i < 15; ++i)
        matrix.Set(8, n - 15 + i, bit(i), true);
}

void SetDarkModule(TQRMatrix& matrix, bool dark)
{
    matrix.Set(8, matrix.Size() - 8, dark, true);
}

void DrawVersionInformation(TQRMatrix& matrix, int version)
{
    const int n = matrix.Size();
    const std::uint32_t bits = (static_cast<std::uint32_t>(version) << 12) | BchRemainder(static_cast<std::uint32_t>(version), 0x1F25);
    for (int i = 0; i < 18; ++i) {
        const bool dark = ((bits >> i) & 1) != 0;
        const int across = n - 11 + i % 3;
        const int along = i / 3;
        matrix.Set(across, along, dark, true); // above the bottom-right corner of the top-right finder
        matrix.Set(along, across, dark, true); // beside the bottom-left finder
    }
}

void PlaceCodewords(TQRMatrix& matrix, std::span<const std::uint8_t> codewords)
{
    const int n = matrix.Size();
    const std::size_t totalBits = codewords.size() * 8;
    std::size_t next = 0;
    // Two-column strips from the right edge, alternately upwards and downwards; the
    // vertical timing column is skipped.
    for (int right = n - 1; right >= 1; right -= 2) {
        if (right == 6)
            right = 5;
        const bool upward = ((right + 1) & 2) == 0;
        for (int step = 0; step < n; ++step) {
            const int y = upward ? n - 1 - step : step;
            for (int x = right; x >= right - 1; --x) {
                if (matrix.IsFunction(x, y))
                    continue;
                bool dark = false;
                if (next < totalBits) {
                    dark = ((codewords[next >> 3] >> (7 - (next & 7))) & 1) != 0;
                    ++next;
                }
                matrix.Set(x, y, dark);
            }
        }
    }
}

} // namespace

TQRMatrix BuildQRMatrix(int version, std::span<const std::uint8_t> codewords)
{
    const int n = QRSymbolSize(version);
    TQRMatrix matrix(n);
    DrawFinder(matrix, 3, 3);
    DrawFinder(matrix, n - 4, 3);
    DrawFinder(matrix, 3, n - 4);
    SetFormatBits(matrix, 0);
    SetDarkModule(matrix, false);
    if (version >= 7)
        DrawVersionInformation(matrix, version);
    // Alignment patterns on every pair of centre coordinates, except where the centre
    // already belongs to a function pattern (the three that would overlap the finders).
    const auto centres = QRAlignmentCentres(version);
    for (const int cy : centres)
        for (const int cx : centres)
            if (!matrix.IsFunction(cx, cy))
                DrawAlignment(matrix, cx, cy);
    for (int i = 8; i < n - 8; ++i) {
        matrix.Set(i, 6, i % 2 == 0, true);
        matrix.Set(6, i, i % 2 == 0, true);
    }
    PlaceCodewords(matrix, codewords);
    return matrix;
}

void WriteQRFormatInformation(TQRMatrix& matrix, TQRLevel level, int mask)
{
    // Level bits: L 01, M 00, Q 11, H 10.
    static constexpr std::uint32_t kLevelBits[] = {1, 0, 3, 2};
    const std::uint32_t data = (kLevelBits[static_cast<int>(level)] << 3) | static_cast<std::uint32_t>(mask);
    SetFormatBits(matrix, ((data << 10) | BchRemainder(data, 0x537)) ^ 0x5412);
    SetDarkModule(matrix, true);
}
