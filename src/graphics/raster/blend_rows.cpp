#include "graphics/raster/blend_rows.h"

#include "graphics/raster/blend_table.h"
#include "graphics/raster/cpu_features.h"

#include <algorithm>

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#define LR_HAVE_X86 1
#endif

TBlendLevels::TBlendLevels(int ratio) : Ratio(std::clamp(ratio, 0, 100))
{
    for (int a = 0; a < 256; ++a)
        Rows[a] = BlendTableRow(RatioAlpha(a, Ratio));
}

void BlendRowReference(std::uint8_t* destination, const std::uint8_t* source, const std::uint8_t* alpha, int count,
                       int bytesPerPixel, const TBlendLevels& levels)
{
    for (int x = 0; x < count; ++x) {
        const std::uint8_t* row = levels.Rows[alpha[x]];
        std::uint8_t* d = destination + x * bytesPerPixel;
        const std::uint8_t* s = source + x * bytesPerPixel;
        d[0] = static_cast<std::uint8_t>(d[0] + row[s[0] - d[0]]);
        d[1] = static_cast<std::uint8_t>(d[1] + row[s[1] - d[1]]);
        d[2] = static_cast<std::uint8_t>(d[2] + row[s[2] - d[2]]);
    }
}

#ifdef LR_HAVE_X86

namespace {

// Sixteen bytes blended: d + sign(s - d) * floor(a * |s - d| / 255), where the division by
// 255 of m <= 65025 is exactly (m + 1 + (m >> 8)) >> 8. This equals the table's
// trunc(a * (s - d) / 255).
__attribute__((target("avx2"))) inline __m128i Blend16(__m128i destination, __m128i source, __m128i alpha)
{
    const __m256i d = _mm256_cvtepu8_epi16(destination);
    const __m256i diff = _mm256_sub_epi16(_mm256_cvtepu8_epi16(source), d);
    const __m256i m = _mm256_mullo_epi16(_mm256_cvtepu8_epi16(alpha), _mm256_abs_epi16(diff));
    const __m256i q =
        _mm256_srli_epi16(_mm256_add_epi16(_mm256_add_epi16(m, _mm256_set1_epi16(1)), _mm256_srli_epi16(m, 8)), 8);
    const __m256i r = _mm256_add_epi16(d, _mm256_sign_epi16(q, diff));
    return _mm_packus_epi16(_mm256_castsi256_si128(r), _mm256_extracti128_si256(r, 1));
}

// Sixteen map values under a ratio: MulDiv(a, r, 100) = floor((a * r + 50) / 100), and for
// x <= 25550 floor(x / 100) = (x * 5243) >> 19.
__attribute__((target("avx2"))) inline __m128i ApplyRatio(__m128i alpha, int ratio)
{
    const __m256i x = _mm256_add_epi16(_mm256_mullo_epi16(_mm256_cvtepu8_epi16(alpha), _mm256_set1_epi16(short(ratio))),
                                       _mm256_set1_epi16(50));
    const __m256i q = _mm256_srli_epi16(_mm256_mulhi_epu16(x, _mm256_set1_epi16(5243)), 3);
    return _mm_packus_epi16(_mm256_castsi256_si128(q), _mm256_extracti128_si256(q, 1));
}

} // namespace

__attribute__((target("avx2"))) void BlendRowAvx2(std::uint8_t* destination, const std::uint8_t* source,
                                                  const std::uint8_t* alpha, int count, int bytesPerPixel,
                                                  const TBlendLevels& levels)
{
    // Byte shuffles spreading the opacities of 16 pixels over their colour bytes; -1 gives 0,
    // so a fourth byte is blended with opacity 0 and keeps its value.
    const __m128i spread32[4] = {
        _mm_setr_epi8(0, 0, 0, -1, 1, 1, 1, -1, 2, 2, 2, -1, 3, 3, 3, -1),
        _mm_setr_epi8(4, 4, 4, -1, 5, 5, 5, -1, 6, 6, 6, -1, 7, 7, 7, -1),
        _mm_setr_epi8(8, 8, 8, -1, 9, 9, 9, -1, 10, 10, 10, -1, 11, 11, 11, -1),
        _mm_setr_epi8(12, 12, 12, -1, 13, 13, 13, -1, 14, 14, 14, -1, 15, 15, 15, -1),
    };
    const __m128i spread24[3] = {
        _mm_setr_epi8(0, 0, 0, 1, 1, 1, 2, 2, 2, 3, 3, 3, 4, 4, 4, 5),
        _mm_setr_epi8(5, 5, 6, 6, 6, 7, 7, 7, 8, 8, 8, 9, 9, 9, 10, 10),
        _mm_setr_epi8(10, 11, 11, 11, 12, 12, 12, 13, 13, 13, 14, 14, 14, 15, 15, 15),
    };
    const int blocks = bytesPerPixel == 4 ? 4 : 3;
    const __m128i* spread = bytesPerPixel == 4 ? spread32 : spread24;
    const int ratio = levels.Ratio;

    int x = 0;
    for (; x + 16 <= count; x += 16) {
        __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(alpha + x));
        if (ratio != 100)
            a = ApplyRatio(a, ratio);
        if (_mm_testz_si128(a, a))
            continue;
        auto* d = reinterpret_cast<__m128i*>(destination + x * bytesPerPixel);
        const auto* s = reinterpret_cast<const __m128i*>(source + x * bytesPerPixel);
        for (int b = 0; b < blocks; ++b) {
            const __m128i blended =
                Blend16(_mm_loadu_si128(d + b), _mm_loadu_si128(s + b), _mm_shuffle_epi8(a, spread[b]));
            _mm_storeu_si128(d + b, blended);
        }
    }
    BlendRowReference(destination + x * bytesPerPixel, source + x * bytesPerPixel, alpha + x, count - x,
                      bytesPerPixel, levels);
}

#else

void BlendRowAvx2(std::uint8_t* destination, const std::uint8_t* source, const std::uint8_t* alpha, int count,
                  int bytesPerPixel, const TBlendLevels& levels)
{
    BlendRowReference(destination, source, alpha, count, bytesPerPixel, levels);
}

#endif

void BlendRow(std::uint8_t* destination, const std::uint8_t* source, const std::uint8_t* alpha, int count,
              int bytesPerPixel, const TBlendLevels& levels)
{
    if (CpuHasAvx2())
        BlendRowAvx2(destination, source, alpha, count, bytesPerPixel, levels);
    else
        BlendRowReference(destination, source, alpha, count, bytesPerPixel, levels);
}
