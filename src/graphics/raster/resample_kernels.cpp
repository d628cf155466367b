#include "graphics/raster/resample_kernels.h"

#include "graphics/raster/resample.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#define LR_HAVE_X86 1
#endif

namespace {

constexpr int kUnit = 1 << kResampleWeightBits; // weights of one output sum to this
constexpr int kRowShift = kResampleWeightBits - 8; // the row pass keeps 8 fractional bits
constexpr int kColumnShift = kResampleWeightBits + 8;

// A sample index relative to the rectangle, resolved by the edge mode to a bitmap index.
int ResolveIndex(std::int64_t i, int start, int length, int bitmapLength, TResampleEdge edge)
{
    switch (edge) {
    case TResampleEdge::Outside:
        return int(std::clamp<std::int64_t>(start + i, 0, bitmapLength - 1));
    case TResampleEdge::Wrap:
        return start + int(((i % length) + length) % length);
    case TResampleEdge::Repeat:
        break;
    }
    return start + int(std::clamp<std::int64_t>(i, 0, length - 1));
}

// Rounds real weights to integers summing exactly to kUnit; the rounding difference goes to
// the largest weight.
void AddRounded(const std::vector<double>& weights, std::vector<std::int16_t>& out)
{
    std::size_t largest = 0;
    int sum = 0;
    const std::size_t first = out.size();
    for (std::size_t i = 0; i < weights.size(); ++i) {
        const int w = int(std::lround(weights[i] * kUnit));
        out.push_back(std::int16_t(w));
        sum += w;
        if (std::abs(weights[i]) > std::abs(weights[largest]))
            largest = i;
    }
    out[first + largest] = std::int16_t(out[first + largest] + kUnit - sum);
}

// The four Catmull-Rom weights at fraction t of the way from sample 0 to sample 1.
std::vector<double> CubicWeights(double t)
{
    return {-t * (1 - t) * (1 - t) / 2, (3 * t * t * t - 5 * t * t + 2) / 2, (-3 * t * t * t + 4 * t * t + t) / 2,
            t * t * (t - 1) / 2};
}

} // namespace

TResampleAxis MakeResampleAxis(int start, int length, int bitmapLength, int outputs, TResampleEdge edge,
                               TResampleFilter filter)
{
    std::vector<std::vector<int>> indices(outputs);
    std::vector<std::int16_t> weights;
    std::vector<int> counts(outputs);
    for (int k = 0; k < outputs; ++k) {
        std::vector<int>& index = indices[k];
        const std::size_t before = weights.size();
        if (outputs == length) {
            index.push_back(start + k);
            weights.push_back(kUnit);
        } else if (outputs < length) {
            // Area average over the output's footprint [a, b) in 16.16 source units.
            const std::int64_t a = std::int64_t(k) * length * 65536 / outputs;
            const std::int64_t b = std::int64_t(k + 1) * length * 65536 / outputs;
            std::vector<double> share;
            for (std::int64_t i = a >> 16; i <= (b - 1) >> 16; ++i) {
                const std::int64_t overlap = std::min(b, (i + 1) << 16) - std::max(a, i << 16);
                index.push_back(start + int(i));
                share.push_back(double(overlap) / double(b - a));
            }
            AddRounded(share, weights);
        } else {
            // Interpolation at the output's centre: position (k + 1/2) length / outputs - 1/2,
            // in 16.16; the fraction in steps of 1/256.
            const std::int64_t position = (std::int64_t(2 * k + 1) * length * 65536) / (2 * std::int64_t(outputs)) - 32768;
            const std::int64_t i = position >> 16;
            const int t = int((position & 0xFFFF) >> 8);
            if (filter == TResampleFilter::Cubic) {
                for (int j = -1; j <= 2; ++j)
                    index.push_back(ResolveIndex(i + j, start, length, bitmapLength, edge));
                AddRounded(CubicWeights(t / 256.0), weights);
            } else {
                index.push_back(ResolveIndex(i, start, length, bitmapLength, edge));
                index.push_back(ResolveIndex(i + 1, start, length, bitmapLength, edge));
                weights.push_back(std::int16_t((256 - t) * (kUnit / 256)));
                weights.push_back(std::int16_t(t * (kUnit / 256)));
            }
        }
        counts[k] = int(weights.size() - before);
    }

    TResampleAxis axis;
    axis.Outputs = outputs;
    axis.Taps = outputs ? *std::max_element(counts.begin(), counts.end()) : 0;
    axis.Taps += axis.Taps % 2;
    axis.Index.reserve(std::size_t(outputs) * axis.Taps);
    axis.Weight.reserve(std::size_t(outputs) * axis.Taps);
    std::size_t w = 0;
    for (int k = 0; k < outputs; ++k) {
        for (int t = 0; t < axis.Taps; ++t) {
            const bool real = t < counts[k];
            axis.Index.push_back(real ? indices[k][t] : indices[k].back());
            axis.Weight.push_back(real ? weights[w + t] : 0);
        }
        w += counts[k];
    }
    return axis;
}

void ResampleRowReference(const std::uint8_t* row, int channels, const TResampleAxis& axis, std::int32_t* sums)
{
    const int taps = axis.Taps;
    for (int k = 0; k < axis.Outputs; ++k) {
        const int* index = axis.Index.data() + std::size_t(k) * taps;
        const std::int16_t* weight = axis.Weight.data() + std::size_t(k) * taps;
        for (int c = 0; c < channels; ++c) {
            std::int32_t sum = 0;
            for (int t = 0; t < taps; ++t)
                sum += weight[t] * row[index[t] * channels + c];
            sums[k * channels + c] = (sum + (1 << (kRowShift - 1))) >> kRowShift;
        }
    }
}

namespace {

std::uint8_t ColumnValue(const std::int32_t* const* rows, const std::int16_t* weights, int taps, int i)
{
    std::int32_t sum = 0;
    for (int t = 0; t < taps; ++t)
        sum += weights[t] * rows[t][i];
    return std::uint8_t(std::clamp((sum + (1 << (kColumnShift - 1))) >> kColumnShift, 0, 255));
}

} // namespace

void ResampleColumnReference(const std::int32_t* const* rows, const std::int16_t* weights, int taps, int count,
                             std::uint8_t* out)
{
    for (int i = 0; i < count; ++i)
        out[i] = ColumnValue(rows, weights, taps, i);
}

#ifdef LR_HAVE_X86

namespace {

// One pixel of three or four bytes in the low lanes, without reading past it.
inline __m128i LoadPixel(const std::uint8_t* p, int channels)
{
    std::uint32_t value = 0;
    std::memcpy(&value, p, std::size_t(channels));
    return _mm_cvtsi32_si128(int(value));
}

} // namespace

__attribute__((target("avx2"))) void ResampleRowAvx2(const std::uint8_t* row, int channels, const TResampleAxis& axis,
                                                     std::int32_t* sums)
{
    if (channels != 3 && channels != 4) {
        ResampleRowReference(row, channels, axis, sums);
        return;
    }
    const int taps = axis.Taps;
    const __m128i round = _mm_set1_epi32(1 << (kRowShift - 1));
    for (int k = 0; k < axis.Outputs; ++k) {
        const int* index = axis.Index.data() + std::size_t(k) * taps;
        const std::int16_t* weight = axis.Weight.data() + std::size_t(k) * taps;
        __m128i sum = _mm_setzero_si128();
        for (int t = 0; t < taps; t += 2) {
            // Channels of two samples interleaved as 16-bit pairs, times the pair of weights.
            const __m128i pair = _mm_cvtepu8_epi16(
                _mm_unpacklo_epi8(LoadPixel(row + index[t] * channels, channels),
                                  LoadPixel(row + index[t + 1] * channels, channels)));
            const __m128i w = _mm_set1_epi32(
                int(std::uint32_t(std::uint16_t(weight[t])) | (std::uint32_t(std::uint16_t(weight[t + 1])) << 16)));
            sum = _mm_add_epi32(sum, _mm_madd_epi16(pair, w));
        }
        // Four values stored: with three channels the fourth is overwritten by the next output
        // (or lands in the spare value at the end of the buffer).
        _mm_storeu_si128(reinterpret_cast<__m128i*>(sums + k * channels),
                         _mm_srai_epi32(_mm_add_epi32(sum, round), kRowShift));
    }
}

__attribute__((target("avx2"))) void ResampleColumnAvx2(const std::int32_t* const* rows, const std::int16_t* weights,
                                                        int taps, int count, std::uint8_t* out)
{
    const __m256i round = _mm256_set1_epi32(1 << (kColumnShift - 1));
    int i = 0;
    for (; i + 16 <= count; i += 16) {
        __m256i low = _mm256_setzero_si256();
        __m256i high = _mm256_setzero_si256();
        for (int t = 0; t < taps; ++t) {
            const __m256i w = _mm256_set1_epi32(weights[t]);
            low = _mm256_add_epi32(low, _mm256_mullo_epi32(w, _mm256_loadu_si256(reinterpret_cast<const __m256i*>(rows[t] + i))));
            high = _mm256_add_epi32(
                high, _mm256_mullo_epi32(w, _mm256_loadu_si256(reinterpret_cast<const __m256i*>(rows[t] + i + 8))));
        }
        low = _mm256_srai_epi32(_mm256_add_epi32(low, round), kColumnShift);
        high = _mm256_srai_epi32(_mm256_add_epi32(high, round), kColumnShift);
        // Saturating packs clamp to 0 .. 255 as the reference does; the permute undoes the
        // per-lane interleave of the 32 -> 16 bit pack.
        const __m256i words = _mm256_permute4x64_epi64(_mm256_packs_epi32(low, high), 0xD8);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i),
                         _mm_packus_epi16(_mm256_castsi256_si128(words), _mm256_extracti128_si256(words, 1)));
    }
    for (; i < count; ++i)
        out[i] = ColumnValue(rows, weights, taps, i);
}

#else

void ResampleRowAvx2(const std::uint8_t* row, int channels, const TResampleAxis& axis, std::int32_t* sums)
{
    ResampleRowReference(row, channels, axis, sums);
}

void ResampleColumnAvx2(const std::int32_t* const* rows, const std::int16_t* weights, int taps, int count,
                        std::uint8_t* out)
{
    ResampleColumnReference(rows, weights, taps, count, out);
}

#endif
