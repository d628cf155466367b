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

// Real weights summing to 1 as integers summing exactly to kUnit, each within one unit of
// its real value: all rounded down, then the units still missing go to the weights with the
// largest remainders.
void AddRounded(const std::vector<double>& weights, std::vector<std::int16_t>& out)
{
    const std::size_t first = out.size();
    std::vector<std::pair<double, std::size_t>> remainders;
    int sum = 0;
    for (std::size_t i = 0; i < weights.size(); ++i) {
        const double scaled = weights[i] * kUnit;
        const int w = int(std::floor(scaled));
        out.push_back(std::int16_t(w));
        sum += w;
        remainders.push_back({scaled - w, i});
    }
    std::stable_sort(remainders.begin(), remainders.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
    for (std::size_t i = 0; sum < kUnit && i < remainders.size(); ++i, ++sum)
        ++out[first + remainders[i].second];
}

// The four Catmull-Rom weights at fraction t of the way from sample 0 to sample 1.
std::vector<double> CubicWeights(double t)
{
    return {-t * (1 - t) * (1 - t) / 2, (3 * t * t * t - 5 * t * t + 2) / 2, (-3 * t * t * t + 4 * t * t + t) / 2,
            t * t * (t - 1) / 2};
}

} // namespace

TResampleAxis MakeResampleAxis(int start, int length, int bitmapLength, int outputs, TResampleEdge edge,
                               TResampleFilter filter, int firstOutput, int outputCount)
{
    const int made = outputCount < 0 ? outputs : outputCount;
    std::vector<std::vector<int>> indices(made);
    std::vector<std::int16_t> weights;
    std::vector<std::vector<std::int32_t>> coverage(made);
    std::vector<std::int64_t> footprint(made);
    std::vector<int> counts(made);
    for (int m = 0; m < made; ++m) {
        const std::int64_t k = std::int64_t(firstOutput) + m; // the output's place on the whole axis
        std::vector<int>& index = indices[m];
        const std::size_t before = weights.size();
        if (outputs == length) {
            index.push_back(start + int(k));
            weights.push_back(kUnit);
        } else if (outputs < length) {
            // Area average over the output's footprint [a, b) in 16.16 source units.
            const std::int64_t a = k * length * 65536 / outputs;
            const std::int64_t b = (k + 1) * length * 65536 / outputs;
            std::vector<double> share;
            for (std::int64_t i = a >> 16; i <= (b - 1) >> 16; ++i) {
                const std::int64_t overlap = std::min(b, (i + 1) << 16) - std::max(a, i << 16);
                index.push_back(start + int(i));
                share.push_back(double(overlap) / double(b - a));
                coverage[m].push_back(std::int32_t(overlap));
            }
            footprint[m] = b - a;
            AddRounded(share, weights);
        } else {
            // Interpolation at the output's centre: position (k + 1/2) length / outputs - 1/2,
            // in 16.16; the fraction in steps of 1/256.
            const std::int64_t position =
                ((2 * k + 1) * length * 65536) / (2 * std::int64_t(outputs)) - 32768;
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
        counts[m] = int(weights.size() - before);
    }

    TResampleAxis axis;
    axis.BitmapLength = bitmapLength;
    axis.Outputs = made;
    axis.Taps = made ? *std::max_element(counts.begin(), counts.end()) : 0;
    axis.Taps += axis.Taps % 2;
    axis.Index.reserve(std::size_t(made) * axis.Taps);
    axis.Weight.reserve(std::size_t(made) * axis.Taps);
    std::size_t w = 0;
    for (int k = 0; k < made; ++k) {
        for (int t = 0; t < axis.Taps; ++t) {
            const bool real = t < counts[k];
            axis.Index.push_back(real ? indices[k][t] : indices[k].back());
            axis.Weight.push_back(real ? weights[w + t] : 0);
        }
        w += counts[k];
    }
    if (outputs < length && axis.Taps > kResampleMaxWeightedTaps) {
        axis.Exact = true;
        axis.Footprint = std::move(footprint);
        for (int k = 0; k < made; ++k)
            for (int t = 0; t < axis.Taps; ++t)
                axis.Coverage.push_back(t < counts[k] ? coverage[k][t] : 0);
    }
    if (axis.Taps == 2) {
        for (int k = 0; k < made; ++k) {
            const int first = axis.Index[2 * k];
            axis.Adjacent.push_back(axis.Index[2 * k + 1] == first + 1 && first + 3 <= bitmapLength);
        }
        for (int k = 0; k + 3 < made; k += 4)
            axis.AdjacentFour.push_back(axis.Adjacent[k] & axis.Adjacent[k + 1] & axis.Adjacent[k + 2] &
                                        axis.Adjacent[k + 3]);
    }
    return axis;
}

void ResampleRowReference(const std::uint8_t* row, int channels, const TResampleAxis& axis, std::int16_t* values)
{
    const int taps = axis.Taps;
    for (int k = 0; k < axis.Outputs; ++k) {
        const int* index = axis.Index.data() + std::size_t(k) * taps;
        const std::int16_t* weight = axis.Weight.data() + std::size_t(k) * taps;
        for (int c = 0; c < channels; ++c) {
            std::int32_t sum = 0;
            for (int t = 0; t < taps; ++t)
                sum += weight[t] * row[index[t] * channels + c];
            values[k * channels + c] = ResampleRowValue(sum);
        }
    }
}

void ResampleRowExact(const std::uint8_t* row, int channels, const TResampleAxis& axis, std::int16_t* values)
{
    const int taps = axis.Taps;
    for (int k = 0; k < axis.Outputs; ++k) {
        const int* index = axis.Index.data() + std::size_t(k) * taps;
        const std::int32_t* coverage = axis.Coverage.data() + std::size_t(k) * taps;
        for (int c = 0; c < channels; ++c) {
            std::int64_t sum = 0;
            for (int t = 0; t < taps; ++t)
                sum += std::int64_t(coverage[t]) * row[index[t] * channels + c];
            values[k * channels + c] =
                std::int16_t(ResampleRoundedDivision(sum << kResampleRowBits, axis.Footprint[k]));
        }
    }
}

namespace {

std::uint8_t ColumnValue(const std::int16_t* const* rows, const std::int16_t* weights, int taps, int i)
{
    std::int32_t sum = 0;
    for (int t = 0; t < taps; ++t)
        sum += weights[t] * rows[t][i];
    return ResampleOutputValue(sum);
}

} // namespace

void ResampleColumnReference(const std::int16_t* const* rows, const std::int16_t* weights, int taps, int count,
                             std::uint8_t* out)
{
    for (int i = 0; i < count; ++i)
        out[i] = ColumnValue(rows, weights, taps, i);
}

#ifdef LR_HAVE_X86

namespace {

// One pixel of Channels (3 or 4) bytes in the low lanes, without reading past it.
template <int Channels>
__attribute__((target("avx2"))) inline __m128i LoadPixel(const std::uint8_t* p)
{
    std::uint32_t value = 0;
    std::memcpy(&value, p, Channels);
    return _mm_cvtsi32_si128(int(value));
}

// One output from any number of taps (even).
template <int Channels>
__attribute__((target("avx2"))) inline void RowOutput(const std::uint8_t* row, const int* index,
                                                      const std::int16_t* weight, int taps, std::int16_t* value)
{
    __m128i sum = _mm_setzero_si128();
    for (int t = 0; t < taps; t += 2) {
        // Channels of two samples interleaved as 16-bit pairs, times the pair of weights.
        const __m128i pair = _mm_cvtepu8_epi16(_mm_unpacklo_epi8(LoadPixel<Channels>(row + index[t] * Channels),
                                                                 LoadPixel<Channels>(row + index[t + 1] * Channels)));
        std::uint32_t weights;
        std::memcpy(&weights, weight + t, sizeof weights);
        sum = _mm_add_epi32(sum, _mm_madd_epi16(pair, _mm_set1_epi32(int(weights))));
    }
    const __m128i shifted =
        _mm_srai_epi32(_mm_add_epi32(sum, _mm_set1_epi32(1 << (kResampleRowShift - 1))), kResampleRowShift);
    // Four values stored: with three channels the fourth is overwritten by the next output
    // (or lands in the spare value at the end of the buffer).
    _mm_storel_epi64(reinterpret_cast<__m128i*>(value), _mm_packs_epi32(shifted, shifted));
}

template <int Channels>
__attribute__((target("avx2"))) void RowAvx2(const std::uint8_t* row, const TResampleAxis& axis, std::int16_t* values)
{
    const int taps = axis.Taps;
    const int* index = axis.Index.data();
    const std::int16_t* weight = axis.Weight.data();
    int k = 0;
    if (taps == 2) {
        // Interpolation reads two neighbouring pixels: eight bytes loaded at once serve one
        // output, and four outputs share two 256-bit multiplies. Where a pair is not adjacent
        // (a repeated edge) or eight bytes would reach past the row, one output at a time.
        const __m256i interleave = Channels == 4
            ? _mm256_setr_epi8(0, 4, 1, 5, 2, 6, 3, 7, 8, 12, 9, 13, 10, 14, 11, 15,
                               0, 4, 1, 5, 2, 6, 3, 7, 8, 12, 9, 13, 10, 14, 11, 15)
            : _mm256_setr_epi8(0, 3, 1, 4, 2, 5, -1, -1, 8, 11, 9, 12, 10, 13, -1, -1,
                               0, 3, 1, 4, 2, 5, -1, -1, 8, 11, 9, 12, 10, 13, -1, -1);
        const __m256i round = _mm256_set1_epi32(1 << (kResampleRowShift - 1));
        const __m256i spreadFirst = _mm256_setr_epi32(0, 0, 0, 0, 1, 1, 1, 1);
        const __m256i spreadSecond = _mm256_setr_epi32(2, 2, 2, 2, 3, 3, 3, 3);
        // Sample indices are never negative: widened without sign extension.
        const auto eightBytes = [&](int sample) {
            return _mm_loadl_epi64(reinterpret_cast<const __m128i*>(row + std::size_t(unsigned(sample)) * Channels));
        };
        const std::uint8_t* adjacentFour = axis.AdjacentFour.data();
        const int outputs = axis.Outputs;
        for (; k + 3 < outputs; k += 4) {
            const int* pairs = index + 2 * k;
            if (!adjacentFour[k / 4]) {
                for (int j = 0; j < 4; ++j)
                    RowOutput<Channels>(row, pairs + 2 * j, weight + 2 * (k + j), 2, values + (k + j) * Channels);
                continue;
            }
            // Lane 0: outputs k and k + 1; lane 1: k + 2 and k + 3; each output's channels
            // interleaved as (first, second) pairs.
            const __m256i samples = _mm256_inserti128_si256(
                _mm256_castsi128_si256(_mm_unpacklo_epi64(eightBytes(pairs[0]), eightBytes(pairs[2]))),
                _mm_unpacklo_epi64(eightBytes(pairs[4]), eightBytes(pairs[6])), 1);
            const __m256i mixed = _mm256_shuffle_epi8(samples, interleave);
            const __m256i weights =
                _mm256_castsi128_si256(_mm_loadu_si128(reinterpret_cast<const __m128i*>(weight + 2 * k)));
            const __m256i first = _mm256_madd_epi16(_mm256_cvtepu8_epi16(_mm256_castsi256_si128(mixed)),
                                                    _mm256_permutevar8x32_epi32(weights, spreadFirst));
            const __m256i second = _mm256_madd_epi16(_mm256_cvtepu8_epi16(_mm256_extracti128_si256(mixed, 1)),
                                                     _mm256_permutevar8x32_epi32(weights, spreadSecond));
            // Packed lanes: (k, k + 2) and (k + 1, k + 3).
            const __m256i packed =
                _mm256_packs_epi32(_mm256_srai_epi32(_mm256_add_epi32(first, round), kResampleRowShift),
                                   _mm256_srai_epi32(_mm256_add_epi32(second, round), kResampleRowShift));
            if constexpr (Channels == 4) {
                _mm256_storeu_si256(reinterpret_cast<__m256i*>(values + k * Channels),
                                    _mm256_permute4x64_epi64(packed, 0xD8));
                continue;
            }
            const __m128i low = _mm256_castsi256_si128(packed);
            const __m128i high = _mm256_extracti128_si256(packed, 1);
            // In output order, so that each store's spare fourth value is overwritten by the
            // next one.
            _mm_storel_epi64(reinterpret_cast<__m128i*>(values + k * Channels), low);
            _mm_storel_epi64(reinterpret_cast<__m128i*>(values + (k + 1) * Channels), high);
            _mm_storel_epi64(reinterpret_cast<__m128i*>(values + (k + 2) * Channels), _mm_unpackhi_epi64(low, low));
            _mm_storel_epi64(reinterpret_cast<__m128i*>(values + (k + 3) * Channels), _mm_unpackhi_epi64(high, high));
        }
    }
    for (; k < axis.Outputs; ++k)
        RowOutput<Channels>(row, index + k * taps, weight + k * taps, taps, values + k * Channels);
}

} // namespace

void ResampleRowAvx2(const std::uint8_t* row, int channels, const TResampleAxis& axis, std::int16_t* values)
{
    if (channels == 4)
        RowAvx2<4>(row, axis, values);
    else if (channels == 3)
        RowAvx2<3>(row, axis, values);
    else
        ResampleRowReference(row, channels, axis, values);
}

namespace {

// Taps > 0: that many taps, known when compiling; 0: any even number given at run time.
template <int Taps>
__attribute__((target("avx2"))) void ColumnAvx2(const std::int16_t* const* rows, const std::int16_t* weights, int taps,
                                                int count, std::uint8_t* out)
{
    constexpr int kMaxHoisted = 8;
    const int n = Taps > 0 ? Taps : taps;
    // Pairs of rows and their pairs of weights, fixed for the whole row.
    const std::int16_t* source[kMaxHoisted];
    __m256i pairWeights[kMaxHoisted / 2];
    const bool hoisted = n <= kMaxHoisted;
    if (hoisted)
        for (int t = 0; t < n; t += 2) {
            source[t] = rows[t];
            source[t + 1] = rows[t + 1];
            std::uint32_t pair;
            std::memcpy(&pair, weights + t, sizeof pair);
            pairWeights[t / 2] = _mm256_set1_epi32(int(pair));
        }
    const __m256i round = _mm256_set1_epi32(1 << (kResampleColumnShift - 1));
    const bool streaming = (reinterpret_cast<std::uintptr_t>(out) & 15) == 0;
    int i = 0;
    for (; i + 16 <= count; i += 16) {
        __m256i low = _mm256_setzero_si256();
        __m256i high = _mm256_setzero_si256();
        for (int t = 0; t < n; t += 2) {
            // Values of two rows interleaved as pairs, times the pair of weights.
            const std::int16_t* a = hoisted ? source[t] : rows[t];
            const std::int16_t* b = hoisted ? source[t + 1] : rows[t + 1];
            __m256i w;
            if (hoisted) {
                w = pairWeights[t / 2];
            } else {
                std::uint32_t pair;
                std::memcpy(&pair, weights + t, sizeof pair);
                w = _mm256_set1_epi32(int(pair));
            }
            const __m256i va = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(a + i));
            const __m256i vb = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(b + i));
            low = _mm256_add_epi32(low, _mm256_madd_epi16(_mm256_unpacklo_epi16(va, vb), w));
            high = _mm256_add_epi32(high, _mm256_madd_epi16(_mm256_unpackhi_epi16(va, vb), w));
        }
        low = _mm256_srai_epi32(_mm256_add_epi32(low, round), kResampleColumnShift);
        high = _mm256_srai_epi32(_mm256_add_epi32(high, round), kResampleColumnShift);
        // The pack undoes the unpack's interleave within each 128-bit lane; saturation clamps
        // to 0 .. 255 as the reference does, and the permute joins the lanes in order.
        const __m256i words = _mm256_packs_epi32(low, high);
        const __m256i bytes = _mm256_permute4x64_epi64(_mm256_packus_epi16(words, words), 0xD8);
        // Output rows are written once: where aligned, stores that bypass the cache spare
        // reading the destination's lines in first.
        auto* target = reinterpret_cast<__m128i*>(out + i);
        if (streaming)
            _mm_stream_si128(target, _mm256_castsi256_si128(bytes));
        else
            _mm_storeu_si128(target, _mm256_castsi256_si128(bytes));
    }
    if (streaming)
        _mm_sfence();
    for (; i < count; ++i)
        out[i] = ColumnValue(rows, weights, n, i);
}

} // namespace

void ResampleColumnAvx2(const std::int16_t* const* rows, const std::int16_t* weights, int taps, int count,
                        std::uint8_t* out)
{
    switch (taps) {
    case 2: ColumnAvx2<2>(rows, weights, taps, count, out); break;
    case 4: ColumnAvx2<4>(rows, weights, taps, count, out); break;
    default: ColumnAvx2<0>(rows, weights, taps, count, out); break;
    }
}

#else

void ResampleRowAvx2(const std::uint8_t* row, int channels, const TResampleAxis& axis, std::int16_t* values)
{
    ResampleRowReference(row, channels, axis, values);
}

void ResampleColumnAvx2(const std::int16_t* const* rows, const std::int16_t* weights, int taps, int count,
                        std::uint8_t* out)
{
    ResampleColumnReference(rows, weights, taps, count, out);
}

#endif
