#pragma once
// The module matrix of a symbol: each module is dark or light and records whether it
// belongs to a function pattern. Module (x, y) has x to the right and y downwards.
#include "objects/qr/qr_tables.h"

#include <cstdint>
#include <span>
#include <vector>

class TQRMatrix {
public:
    static constexpr std::uint8_t kDark = 1;
    static constexpr std::uint8_t kFunction = 2;

    TQRMatrix() = default;
    // A matrix of light data modules.
    explicit TQRMatrix(int size) : size_(size), cells_(static_cast<std::size_t>(size) * static_cast<std::size_t>(size), 0) {}

    int Size() const { return size_; }
    bool IsEmpty() const { return size_ == 0; }
    bool IsDark(int x, int y) const { return cells_[Index(x, y)] & kDark; }
    bool IsFunction(int x, int y) const { return cells_[Index(x, y)] & kFunction; }
    void Set(int x, int y, bool dark, bool function = false)
    {
        cells_[Index(x, y)] = static_cast<std::uint8_t>((dark ? kDark : 0) | (function ? kFunction : 0));
    }
    // The modules row by row, each a combination of kDark and kFunction.
    std::span<const std::uint8_t> Cells() const { return cells_; }
    std::span<std::uint8_t> Cells() { return cells_; }

    friend bool operator==(const TQRMatrix&, const TQRMatrix&) = default;

private:
    std::size_t Index(int x, int y) const
    {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(size_) + static_cast<std::size_t>(x);
    }

    int size_ = 0;
    std::vector<std::uint8_t> cells_;
};

// The unmasked matrix of a version holding the codewords: finder patterns with their
// separators, the format areas reserved as light function modules, version information
// (versions 7 and above), alignment and timing patterns, then the codeword bits in the
// zigzag order; modules after the last codeword stay light.
TQRMatrix BuildQRMatrix(int version, std::span<const std::uint8_t> codewords);

// Writes both copies of the format information of the level and mask, and the fixed dark
// module.
void WriteQRFormatInformation(TQRMatrix& matrix, TQRLevel level, int mask);
