#pragma once
// The two passes of separable resampling. Weights are 14-bit fixed point summing to 16384
// per output; the row pass keeps 8 fractional bits in 32-bit sums, the column pass rounds
// to bytes and clamps. Each pass has a scalar reference loop and an AVX2 loop that must give
// the same values.
#include <cstdint>
#include <vector>

inline constexpr int kResampleWeightBits = 14;

// Sampling of one axis: for output k, Taps source indices (absolute, already resolved by the
// edge mode) and their weights. Taps is even; padding taps have weight 0.
struct TResampleAxis {
    int Outputs = 0;
    int Taps = 0;
    std::vector<int> Index;
    std::vector<std::int16_t> Weight;
};

enum class TResampleEdge;
enum class TResampleFilter;

// The axis sampling from [start, start + length) of a bitmap axis of bitmapLength samples
// onto outputs samples.
TResampleAxis MakeResampleAxis(int start, int length, int bitmapLength, int outputs, TResampleEdge edge,
                               TResampleFilter filter);

// Row pass: sums[k * channels + c] = (sum of weight x sample + 32) >> 6. The sums buffer holds
// one extra value at its end for the vector loop.
void ResampleRowReference(const std::uint8_t* row, int channels, const TResampleAxis& axis, std::int32_t* sums);
void ResampleRowAvx2(const std::uint8_t* row, int channels, const TResampleAxis& axis, std::int32_t* sums);

// Column pass over count values: out = clamp((sum of weight x rows[t][i] + 2^21) >> 22).
void ResampleColumnReference(const std::int32_t* const* rows, const std::int16_t* weights, int taps, int count,
                             std::uint8_t* out);
void ResampleColumnAvx2(const std::int32_t* const* rows, const std::int16_t* weights, int taps, int count,
                        std::uint8_t* out);
