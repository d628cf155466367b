#include "objects/qr/qr_mask.h"

#include <array>
#include <bit>
#include <cstdlib>
#include <vector>

// The score works on lines (rows and columns) held as bit sets, bit i for module i, so
// that runs, squares and finder-like sequences are found many modules at a time.

namespace {

constexpr int kWords = 3; // 192 bits hold the largest symbol's 177 modules
static_assert(QRSymbolSize(kQRMaxVersion) <= 64 * kWords);

struct TLine {
    std::array<std::uint64_t, kWords> Words{};

    constexpr void SetBit(int i) { Words[static_cast<std::size_t>(i / 64)] |= std::uint64_t{1} << (i % 64); }
    friend constexpr TLine operator&(TLine a, const TLine& b)
    {
        for (int i = 0; i < kWords; ++i)
            a.Words[i] &= b.Words[i];
        return a;
    }
    friend constexpr TLine operator^(TLine a, const TLine& b)
    {
        for (int i = 0; i < kWords; ++i)
            a.Words[i] ^= b.Words[i];
        return a;
    }
    constexpr TLine operator~() const
    {
        TLine result;
        for (int i = 0; i < kWords; ++i)
            result.Words[i] = ~Words[i];
        return result;
    }
    // Bit i of the result is bit i + k of this line (k from 1 to 63).
    constexpr TLine Next(int k) const
    {
        TLine result;
        for (int i = 0; i < kWords; ++i)
            result.Words[i] = (Words[i] >> k) | (i + 1 < kWords ? Words[i + 1] << (64 - k) : 0);
        return result;
    }
    int Count() const
    {
        int count = 0;
        for (const std::uint64_t word : Words)
            count += std::popcount(word);
        return count;
    }
};

// Bits 0 to count - 1.
TLine FirstBits(int count)
{
    TLine line;
    for (int i = 0; i < count; ++i)
        line.SetBit(i);
    return line;
}

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

// Every mask repeats every 12 rows and every 6 columns, so 12 row lines and 6 column
// lines per mask hold all of its conditions.
constexpr int kRowPeriod = 12;
constexpr int kColumnPeriod = 6;

struct TMaskLines {
    std::array<TLine, kRowPeriod> Rows{};       // bit x of row y % 12
    std::array<TLine, kColumnPeriod> Columns{}; // bit y of column x % 6
};

constexpr std::array<TMaskLines, kQRMaskCount> MakeMaskLines()
{
    std::array<TMaskLines, kQRMaskCount> masks{};
    for (int mask = 0; mask < kQRMaskCount; ++mask)
        for (int i = 0; i < 64 * kWords; ++i) {
            for (int y = 0; y < kRowPeriod; ++y)
                if (MaskFormula(mask, i, y))
                    masks[mask].Rows[y].SetBit(i);
            for (int x = 0; x < kColumnPeriod; ++x)
                if (MaskFormula(mask, x, i))
                    masks[mask].Columns[x].SetBit(i);
        }
    return masks;
}

constexpr std::array<TMaskLines, kQRMaskCount> kMaskLines = MakeMaskLines();
constexpr TMaskLines kNoMask{};

// The matrix as lines: its dark data modules and its data modules, by row and by column.
struct TLines {
    int Size = 0;
    int DataModules = 0;
    std::vector<TLine> RowDark, RowData, ColumnDark, ColumnData;

    explicit TLines(const TQRMatrix& matrix) : Size(matrix.Size())
    {
        const auto n = static_cast<std::size_t>(Size);
        RowDark.resize(n);
        RowData.resize(n);
        ColumnDark.resize(n);
        ColumnData.resize(n);
        const std::span<const std::uint8_t> cells = matrix.Cells();
        for (int y = 0; y < Size; ++y)
            for (int x = 0; x < Size; ++x) {
                const std::uint8_t cell = cells[static_cast<std::size_t>(y * Size + x)];
                if (cell & TQRMatrix::kFunction)
                    continue;
                ++DataModules;
                RowData[static_cast<std::size_t>(y)].SetBit(x);
                ColumnData[static_cast<std::size_t>(x)].SetBit(y);
                if (cell & TQRMatrix::kDark) {
                    RowDark[static_cast<std::size_t>(y)].SetBit(x);
                    ColumnDark[static_cast<std::size_t>(x)].SetBit(y);
                }
            }
    }
};

// Runs of 6 or more equal modules and finder-like sequences along one line of n modules
// (bits at n and above are 0).
int LinePenalty(const TLine& line, const TLine& firstNMinus1)
{
    // Bit i: modules i and i + 1 are equal; then: modules i to i + 5 are equal.
    const TLine equal = ~(line ^ line.Next(1)) & firstNMinus1;
    const TLine six = equal & equal.Next(1) & equal.Next(2) & equal.Next(3) & equal.Next(4);
    // A run of length L >= 6 holds L - 5 such windows; its last window is followed by none.
    const int windows = six.Count();
    const int runs = (six & ~six.Next(1)).Count();
    // dark, light, dark, dark, dark, light, dark starting at module i.
    const TLine finder = line & ~line.Next(1) & line.Next(2) & line.Next(3) & line.Next(4) & ~line.Next(5) & line.Next(6);
    return windows + 3 * runs + 40 * finder.Count();
}

// 2 x 2 squares of equal modules between two adjacent rows.
int SquarePenalty(const TLine& top, const TLine& bottom, const TLine& firstNMinus1)
{
    const TLine vertical = ~(top ^ bottom);
    const TLine squares = vertical & vertical.Next(1) & ~(top ^ top.Next(1)) & firstNMinus1;
    return 3 * squares.Count();
}

int Score(const TLines& lines, const TMaskLines& mask)
{
    const int n = lines.Size;
    const TLine firstNMinus1 = FirstBits(n - 1);
    int score = 0;
    int dark = 0;
    TLine previous;
    for (int y = 0; y < n; ++y) {
        const auto i = static_cast<std::size_t>(y);
        const TLine row = (lines.RowDark[i] ^ mask.Rows[i % kRowPeriod]) & lines.RowData[i];
        dark += row.Count();
        score += LinePenalty(row, firstNMinus1);
        if (y > 0)
            score += SquarePenalty(previous, row, firstNMinus1);
        previous = row;
    }
    for (int x = 0; x < n; ++x) {
        const auto i = static_cast<std::size_t>(x);
        score += LinePenalty((lines.ColumnDark[i] ^ mask.Columns[i % kColumnPeriod]) & lines.ColumnData[i], firstNMinus1);
    }
    if (lines.DataModules > 0)
        score += 10 * (std::abs(50 - 100 * dark / lines.DataModules) / 5);
    return score;
}

} // namespace

bool QRMaskCondition(int mask, int x, int y)
{
    return MaskFormula(mask, x, y);
}

void ApplyQRMask(TQRMatrix& matrix, int mask)
{
    const int n = matrix.Size();
    std::span<std::uint8_t> cells = matrix.Cells();
    for (int y = 0; y < n; ++y) {
        const TLine& condition = kMaskLines[static_cast<std::size_t>(mask)].Rows[static_cast<std::size_t>(y % kRowPeriod)];
        for (int x = 0; x < n; ++x) {
            std::uint8_t& cell = cells[static_cast<std::size_t>(y * n + x)];
            if (!(cell & TQRMatrix::kFunction) && ((condition.Words[static_cast<std::size_t>(x / 64)] >> (x % 64)) & 1))
                cell ^= TQRMatrix::kDark;
        }
    }
}

int EvaluateMask(const TQRMatrix& matrix)
{
    return Score(TLines(matrix), kNoMask);
}

int ChooseQRMask(const TQRMatrix& unmasked)
{
    const TLines lines(unmasked);
    int best = 0;
    int bestScore = 0;
    for (int mask = 0; mask < kQRMaskCount; ++mask) {
        const int score = Score(lines, kMaskLines[static_cast<std::size_t>(mask)]);
        if (mask == 0 || score < bestScore) {
            best = mask;
            bestScore = score;
        }
    }
    return best;
}
