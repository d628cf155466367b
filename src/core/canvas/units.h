#pragma once
// The logical unit (0.1 mm, 254 per inch) and the integer arithmetic that every
// conversion between logical units and device pixels relies on.
#include <QSize>
#include <QString>

// Logical units per inch: one unit is 0.1 mm.
inline constexpr int kUnitsPerInch = 254;

// Pixels per inch assumed for a picture whose physical size is unknown.
inline constexpr int kPictureDefaultDPI = 180;

// a * b / c computed in 64 bits, rounded to the nearest integer with halves away from zero.
// Returns -1 when c is 0 or the result does not fit in 32 bits.
int MulDiv(int a, int b, int c);

// Adds 0.5 to a non-negative value and subtracts 0.5 from a negative one, then truncates.
int RoundHalfAway(long double x);

// A logical length in millimetres as the user sees it: "120" for 1200, "120.5" for 1205.
QString FormatMillimetres(int units);

// The natural logical size of a picture of the given pixel size taken at 180 pixels per
// inch, each side at least 30 units (3 mm).
QSize NaturalLogicalSize(QSize pixels);

// Greatest common divisor by Euclid's rule.
int Gcd(int a, int b);
