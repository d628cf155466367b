#pragma once
// Colours as the pixel work needs them: plain 0x00BBGGRR values and their channels.
#include "core/persistent/color_type.h"

#include <cstdint>

// The colour as plain 0x00BBGGRR: plain colours keep their low 24 bits (flags above them are
// dropped), system colours take their value from the application's palette.
int ColorToRGB(TColor color);

inline std::uint8_t RedOf(int rgb) { return std::uint8_t(rgb & 0xFF); }
inline std::uint8_t GreenOf(int rgb) { return std::uint8_t((rgb >> 8) & 0xFF); }
inline std::uint8_t BlueOf(int rgb) { return std::uint8_t((rgb >> 16) & 0xFF); }
