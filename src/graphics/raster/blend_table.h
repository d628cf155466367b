#pragma once
// The blend arithmetic as one table: for an opacity a (0..255) and a difference
// d = source - destination (-255..255), the entry is trunc(a * d / 255) kept as its low byte,
// so that destination + entry (modulo 256) is the blended value with no multiplication or
// division per pixel.
#include <cstdint>

// The row of opacity a, indexed by the difference: row[d] for d in -255..255.
const std::uint8_t* BlendTableRow(int alpha);

// The opacity that a map value a takes under a ratio in percent: min(255, MulDiv(a, r, 100))
// with r clamped to 0..100.
int RatioAlpha(int alpha, int ratio);
