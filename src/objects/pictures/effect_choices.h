#pragma once
// The choices of the effect page of picture dialogs and the filter values behind them: the
// monotone tint and the focus (blur or sharpening).
#include "core/persistent/color_type.h"

#include <QString>
#include <QStringList>

enum class TMonotoneChoice { None, BlackWhite, Sepia, Custom };

inline constexpr TColor kSepiaRefColor = 0x6680A0;   // red 0xA0, green 0x80, blue 0x66
inline constexpr TColor kCustomRefColorStart = 0xC0C0C0;

// The choice that shows a RefColor: none, white and sepia have their own, any other colour
// is a custom one.
TMonotoneChoice MonotoneChoiceOf(TColor refColor);
// The RefColor of a choice (the custom colour for a custom choice).
TColor RefColorOf(TMonotoneChoice choice, TColor custom);

// The focus choices in display order ("ソフト強" ... "シャープ強") and their blur counts.
QStringList FocusChoiceNames();
int FocusBlurCount(int choice);
// The choice that shows a blur count.
int FocusChoiceOf(int blurCount);
