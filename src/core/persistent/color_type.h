#pragma once
// Colour values and font character sets as streams name them.
#include "core/persistent/persistent.h"

#include <QColor>

// A colour: 0x00BBGGRR for plain colours, negative values for system colours, clNone for
// no colour.
using TColor = int;

inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clWhite = 0xFFFFFF;
inline constexpr TColor clRed = 0x0000FF;
inline constexpr TColor clBlue = 0xFF0000;
inline constexpr TColor clNone = 0x1FFFFFFF;
inline constexpr TColor clWindow = static_cast<TColor>(0x80000005);

// The colour identifiers (clBlack ... clWhite, the system colours, clNone).
extern const TTypeInfo ColorType;
// The font character set identifiers (ANSI_CHARSET ... EASTEUROPE_CHARSET).
extern const TTypeInfo FontCharsetType;

// The colour to paint with: plain colours as they are, system colours from the
// application's palette. clNone gives an invalid QColor.
QColor ToQColor(TColor color);
