#pragma once
// The two passes of separable resampling. Weights are 14-bit fixed point summing to 16384
// per output; the row pass keeps 6 fractional bits in 16-bit values (cubic over- and
// undershoot included), the column pass rounds to bytes and clamps. Each pass has a scalar
// reference loop and an AVX2 loop that must give the same values.
#include <algorithm>
#include <cstdint>
#include <vector>

inline constexpr int kResampleWeightBits = 14;
// Axes that reduce by more than this many samples per output average areas exactly (64-bit
// sums over the coverage of each sample) rather than through 14-bit weights, whose rounding
// would add up over many samples.
inline constexpr int kResampleMaxWeightedTaps = 16;
inline constexpr int kResampleRowBits = 6; // fractional bits kept between the passes
inline constexpr int kResampleRowShift = kResampleWeightBits - kResampleRowBits;
inline constexpr int kResampleColumnShift = kResampleWeightBits + kResampleRowBits;

// A row-pass value from its weighted sum of bytes.
inline std::int16_t ResampleRowValue(std::int32_t sum)
{
    return std::int16_t((sum + (1 << (kResampleRowShift - 1))) >> kResampleRowShift);
}

// An output byte from the weighted sum of row-pass values.
inline std::uint8_t ResampleOutputValue(std::int32_t sum)
{
    return std::uint8_t(std::clamp((sum + (1 << (kResampleColumnShift - 1))) >> kResampleColumnShift, 0, 255));
}

// Sampling of one axis: for output k, Taps source indices (absolute, already resolved by the
// edge mode) and their weights. Taps is even; padding taps have weight 0.
struct TResampleAxis {
    int BitmapLength = 0; // samples along the bitmap's axis
    int Outputs = 0;
    int Taps = 0;
    std::vector<int> Index;
    std::vector<std::int16_t> Weight;
    // With two taps: 1 where output k reads two neighbouring samples and eight bytes from the
    // first stay inside a row of three or four bytes per sample; AdjacentFour[g] is 1 where
    // that holds for all four outputs 4g .. 4g + 3.
    std::vector<std::uint8_t> Adjacent;
    std::vector<std::uint8_t> AdjacentFour;
    // Exact area averages: each tap's coverage of the output's footprint and the footprint's
    // length, both in 1/65536 of a sample.
    bool Exact = false;
    std::vector<std::int32_t> Coverage;
    std::vector<std::int64_t> Footprint;
};

// n / d rounded to nearest, halves up, for d > 0.
inline std::int64_t ResampleRoundedDivision(std::int64_t n, std::int64_t d)
{
    const std::int64_t twice = 2 * n + d;
    std::int64_t q = twice / (2 * d);
    if (twice % (2 * d) != 0 && twice < 0)
        --q;
    return q;
}

enum class TResampleEdge;
enum class TResampleFilter;

// The axis sampling from [start, start + length) of a bitmap axis of bitmapLength samples
// onto outputs samples; only the outputCount outputs from firstOutput on are made (all of
// them when outputCount is negative), numbered from 0 in the result.
TResampleAxis MakeResampleAxis(int start, int length, int bitmapLength, int outputs, TResampleEdge edge,
                               TResampleFilter filter, int firstOutput = 0, int outputCount = -1);

// Row pass: values[k * channels + c] = ResampleRowValue(sum of weight x sample). The buffer
// holds one extra value at its end for the vector loop.
void ResampleRowReference(const std::uint8_t* row, int channels, const TResampleAxis& axis, std::int16_t* values);
void ResampleRowAvx2(const std::uint8_t* row, int channels, const TResampleAxis& axis, std::int16_t* values);

// Row pass of an exact axis: values[k * channels + c] = (sum of coverage x sample) x 64 /
// footprint, rounded.
void ResampleRowExact(const std::uint8_t* row, int channels, const TResampleAxis& axis, std::int16_t* values);

// Column pass over count values: out[i] = ResampleOutputValue(sum of weight x rows[t][i]);
// taps is even.
void ResampleColumnReference(const std::int16_t* const* rows, const std::int16_t* weights, int taps, int count,
                             std::uint8_t* out);
void ResampleColumnAvx2(const std::int16_t* const* rows, const std::int16_t* weights, int taps, int count,
                        std::uint8_t* out);
