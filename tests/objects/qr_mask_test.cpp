// The penalty score and the mask choice on hand-made matrices. Rows are written as text:
// "#" dark data module, "." light data module, "F" dark function module, "f" light
// function module.
#include "objects/qr/qr_mask.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

namespace {

TQRMatrix MatrixFrom(const std::vector<std::string>& rows)
{
    TQRMatrix matrix(static_cast<int>(rows.size()));
    for (int y = 0; y < matrix.Size(); ++y)
        for (int x = 0; x < matrix.Size(); ++x) {
            const char c = rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)];
            matrix.Set(x, y, c == '#' || c == 'F', c == 'F' || c == 'f');
        }
    return matrix;
}

TQRMatrix Transposed(const TQRMatrix& matrix)
{
    TQRMatrix transposed(matrix.Size());
    for (int y = 0; y < matrix.Size(); ++y)
        for (int x = 0; x < matrix.Size(); ++x)
            transposed.Set(y, x, matrix.IsDark(x, y), matrix.IsFunction(x, y));
    return transposed;
}

// A 10 x 10 checkerboard (dark where x + y is even, no runs, squares or finder-like
// sequences, half dark) with some rows replaced.
std::vector<std::string> Checkerboard(std::initializer_list<std::pair<int, std::string>> replacedRows = {})
{
    std::vector<std::string> rows;
    for (int y = 0; y < 10; ++y)
        rows.push_back(y % 2 == 0 ? "#.#.#.#.#." : ".#.#.#.#.#");
    for (const auto& [y, row] : replacedRows)
        rows[static_cast<std::size_t>(y)] = row;
    return rows;
}

} // namespace

TEST(QRMask, ScoresHandMadeMatrices)
{
    struct Case {
        const char* name;
        std::vector<std::string> rows;
        int score;
    };
    const Case cases[] = {
        {"checkerboard", Checkerboard(), 0},
        {"a run of exactly 5 scores nothing", Checkerboard({{0, "#####.#.#."}}), 0},
        {"a run of 6 scores 3 + 1", Checkerboard({{0, "######..#."}}), 4},
        {"finder-like sequence between dark modules", Checkerboard({{1, "##.###.###"}}), 40},
        {"one 2 x 2 square", Checkerboard({{0, "###.#.#.#."}, {1, "##.#.#.#.#"}}), 3},
        {"dark function modules read light", Checkerboard({{0, "F.#.#.#.#."}, {1, ".F.#.#.#.#"}}), 3},
        // 50 dark among 90 data modules: 100 x 50 div 90 = 55.
        {"balance counts data modules only", Checkerboard({{0, "#f#f#f#f#f"}, {1, "f#f#f#f#f#"}}), 10},
        {"all light: runs, squares and balance", std::vector<std::string>(6, "......"), 12 * 4 + 25 * 3 + 100},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const TQRMatrix matrix = MatrixFrom(c.rows);
        EXPECT_EQ(EvaluateMask(matrix), c.score);
        EXPECT_EQ(EvaluateMask(Transposed(matrix)), c.score); // columns score as rows do
    }
}

// Masks 2 and 5 agree on both data modules, so they leave the same matrix: one dark module
// at (1, 1), scoring 40 for the all-light rows and columns and 21 x 3 for the squares.
// Mask 0 leaves the dark module at (0, 1) instead (2 fewer squares: 109); masks 4 and 6
// leave none and masks 1, 3 and 7 both, which the balance term punishes.
TEST(QRMask, TieKeepsTheLowerMask)
{
    const TQRMatrix unmasked = MatrixFrom({"ffffff", "##ffff", "ffffff", "ffffff", "ffffff", "ffffff"});
    std::vector<int> scores;
    for (int mask = 0; mask < kQRMaskCount; ++mask) {
        TQRMatrix masked = unmasked;
        ApplyQRMask(masked, mask);
        scores.push_back(EvaluateMask(masked));
    }
    EXPECT_EQ(scores, (std::vector<int>{109, 199, 103, 199, 223, 103, 223, 199}));
    EXPECT_EQ(ChooseQRMask(unmasked), 2);
}

TEST(QRMask, MaskingInvertsDataModulesOnly)
{
    const TQRMatrix unmasked = MatrixFrom({"Ff....", "Ff....", "Ff....", "Ff....", "Ff....", "Ff...."});
    TQRMatrix masked = unmasked;
    ApplyQRMask(masked, 1); // rows with even y
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 6; ++x)
            EXPECT_EQ(masked.IsDark(x, y), x == 0 || (x >= 2 && y % 2 == 0)) << x << "," << y;
}
