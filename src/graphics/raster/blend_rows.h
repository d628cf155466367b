#pragma once
// One row of the alpha-weighted blend: for each pixel, each of its first three bytes becomes
// d + trunc(a * (s - d) / 255), where a is the pixel's alpha-map value under the ratio. A
// fourth byte (32-bit pixels) is left untouched.
#include <cstdint>

// The 256 table rows one blend uses, chosen once from the ratio (clamped to 0..100).
struct TBlendLevels {
    explicit TBlendLevels(int ratio);
    int Ratio;
    const std::uint8_t* Rows[256];
};

// The reference loop: one table lookup and one byte addition per channel.
void BlendRowReference(std::uint8_t* destination, const std::uint8_t* source, const std::uint8_t* alpha, int count,
                       int bytesPerPixel, const TBlendLevels& levels);

// The same bytes computed 16 at a time with AVX2; callable only when CpuHasAvx2().
void BlendRowAvx2(std::uint8_t* destination, const std::uint8_t* source, const std::uint8_t* alpha, int count,
                  int bytesPerPixel, const TBlendLevels& levels);

// The fastest loop the processor offers.
void BlendRow(std::uint8_t* destination, const std::uint8_t* source, const std::uint8_t* alpha, int count,
              int bytesPerPixel, const TBlendLevels& levels);
