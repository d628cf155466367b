#pragma once
// The modifier keys that editing gestures look at: Shift = 1, Alt = 2, Ctrl = 4.
#include <QPoint>
#include <climits>

using TShiftState = int;
inline constexpr TShiftState ssShift = 1;
inline constexpr TShiftState ssAlt = 2;
inline constexpr TShiftState ssCtrl = 4;
inline constexpr TShiftState kShiftMask = ssShift | ssAlt | ssCtrl;

// A snap offset per axis; kNoSnap on an axis that has no candidate.
inline constexpr int kNoSnap = INT_MAX;
struct TSnapOffset {
    int dx = kNoSnap;
    int dy = kNoSnap;
    friend bool operator==(const TSnapOffset&, const TSnapOffset&) = default;
};
