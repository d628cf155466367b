#include "objects/qr/qr_mask.h"

#include <array>
#include <cstdlib>
#include <vector>

namespace {

constexpr bool MaskFormula(int mask, int x, int y)
{
    switch (mask) {
    case 0:
        return (x + y) % 2 == 0;
    case 1:
        return y % 2 == 0;
    case 2:
        return x % 3 == 0;
    case 3:
        return (x + y) % 3 == 0;
    case 4:
        return (y / 2 + x / 3) % 2 == 0;
    case 5:
        return (x * y) % 2 + (x * y) % 3 == 0;
    case 6:
        return ((x * y) % 2 + (x * y) % 3) % 2 == 0;
    case 7:
        return ((x + y) % 2 + (x * y) % 3) % 2 == 0;
    }
    return false;
}

// Every mask repeats every 12 rows and every 6 columns, so one 12 x 6 tile per mask
// holds all of its conditions.
constexpr int kTileRows = 12;
constexpr int kTileColumns = 6;
using TMaskTile = std::array<std::array<std::uint8_t, kTileColumns>, kTileRows>;
using TMaskTiles = std::array<TMaskTile, kQRMaskCount>;

constexpr TMaskTiles MakeMaskTiles()
{
    TMaskTiles tiles{};
    for (int mask = 0; mask < kQRMaskCount; ++mask)
        for (int y = 0; y < kTileRows; ++y)
            for (int x = 0; x < kTileColumns; ++x)
                tiles[mask][y][x] = MaskFormula(mask, x, y) ? 1 : 0;
    return tiles;
}

constexpr TMaskTiles kMaskTiles = MakeMaskTiles();

// The sequence dark, light, dark, dark, dark, light, dark as the last 7 bits read.
constexpr unsigned kFinderLike = 0b1011101;

// Runs of 6 or more and finder-like sequences along one line of 0 (light) and 1 (dark).
int LinePenalty(const std::uint8_t* line, int n)
{
    int score = 0;
    int run = 1;
    unsigned recent = line[0];
    for (int i = 1; i < n; ++i) {
        recent = ((recent << 1) | line[i]) & 0x7F;
        if (i >= 6 && recent == kFinderLike)
            score += 40;
        if (line[i] == line[i - 1]) {
            ++run;
        } else {
            if (run >= 6)
                score += 3 + (run - 5);
            run = 1;
        }
    }
    if (run >= 6)
        score += 3 + (run - 5);
    return score;
}

// The score of a matrix read as 0 (light) and 1 (dark), row by row in `rows` and column by
// column in `columns`, with `dark` dark modules among `dataModules` data modules.
int ScoreModules(const std::vector<std::uint8_t>& rows, const std::vector<std::uint8_t>& columns, int n, int dark,
                 int dataModules)
{
    int score = 0;
    for (int i = 0; i < n; ++i) {
        score += LinePenalty(&rows[static_cast<std::size_t>(i * n)], n);
        score += LinePenalty(&columns[static_cast<std::size_t>(i * n)], n);
    }
    for (int y = 0; y + 1 < n; ++y) {
        const std::uint8_t* top = &rows[static_cast<std::size_t>(y * n)];
        const std::uint8_t* bottom = top + n;
        for (int x = 0; x + 1 < n; ++x) {
            const unsigned sum = top[x] + top[x + 1] + bottom[x] + bottom[x + 1];
            if (sum == 0 || sum == 4)
                score += 3;
        }
    }
    if (dataModules > 0)
        score += 10 * (std::abs(50 - 100 * dark / dataModules) / 5);
    return score;
}

// Reads a matrix as the score sees it, with the mask tile applied to its data modules
// (none when the tile is null), and scores it.
int ScoreMatrix(const TQRMatrix& matrix, const TMaskTile* tile)
{
    static constexpr TMaskTile kNoMask{};
    if (!tile)
        tile = &kNoMask;
    const int n = matrix.Size();
    const std::span<const std::uint8_t> cells = matrix.Cells();
    std::vector<std::uint8_t> rows(cells.size());
    std::vector<std::uint8_t> columns(cells.size());
    int dark = 0;
    int dataModules = 0;
    for (int y = 0; y < n; ++y) {
        const auto& tileRow = (*tile)[static_cast<std::size_t>(y % kTileRows)];
        const std::uint8_t* cell = &cells[static_cast<std::size_t>(y * n)];
        for (int x = 0, column = 0; x < n; ++x, column = column + 1 == kTileColumns ? 0 : column + 1) {
            std::uint8_t reads = 0;
            if (!(cell[x] & TQRMatrix::kFunction)) {
                reads = (cell[x] & TQRMatrix::kDark) ^ tileRow[static_cast<std::size_t>(column)];
                dark += reads;
                ++dataModules;
            }
            rows[static_cast<std::size_t>(y * n + x)] = reads;
            columns[static_cast<std::size_t>(x * n + y)] = reads;
        }
    }
    return ScoreModules(rows, columns, n, dark, dataModules);
}

} // namespace

bool QRMaskCondition(int mask, int x, int y)
{
    return kMaskTiles[static_cast<std::size_t>(mask)][static_cast<std::size_t>(y % kTileRows)][static_cast<std::size_t>(x % kTileColumns)] != 0;
}

void ApplyQRMask(TQRMatrix& matrix, int mask)
{
    const int n = matrix.Size();
    std::span<std::uint8_t> cells = matrix.Cells();
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x) {
            std::uint8_t& cell = cells[static_cast<std::size_t>(y * n + x)];
            if (!(cell & TQRMatrix::kFunction) && QRMaskCondition(mask, x, y))
                cell ^= TQRMatrix::kDark;
        }
}

int EvaluateMask(const TQRMatrix& matrix)
{
    return ScoreMatrix(matrix, nullptr);
}

int ChooseQRMask(const TQRMatrix& unmasked)
{
    int best = 0;
    int bestScore = 0;
    for (int mask = 0; mask < kQRMaskCount; ++mask) {
        const int score = ScoreMatrix(unmasked, &kMaskTiles[static_cast<std::size_t>(mask)]);
        if (mask == 0 || score < bestScore) {
            best = mask;
            bestScore = score;
        }
    }
    return best;
}
