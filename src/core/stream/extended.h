#pragma once
// The 80-bit extended floating-point format of component streams (little-endian: 64-bit
// significand with an explicit integer bit, then sign and a 15-bit exponent biased by 16383).
#include <array>
#include <cstdint>

std::array<std::uint8_t, 10> ToExtended(double value);
double FromExtended(const std::uint8_t* bytes);
