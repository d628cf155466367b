#pragma once
// JAN (EAN-13 and EAN-8) symbols: the check digit, validation and completion of a code,
// and the module layout of a symbol with a 7-module quiet zone on either side.
#include <QString>
#include <vector>

// The check digit of the data digits of a 7- or 8-character code (EAN-8, the first 7 count)
// or a 12- or 13-character code (EAN-13, the first 12 count); -1 for any other length or
// when a counted character is not a digit 0-9.
int CalcJANCheckDigit(const QString& code);

// True for 8 or 13 digits whose last digit is the check digit of the others.
bool IsValidJANCode(const QString& code);

// The data digits of a 7-, 8-, 12- or 13-character code followed by their check digit (a
// wrong check digit is replaced); empty for any other length or for non-digits.
QString MakeJANCode(const QString& code);

// Total modules across a symbol, quiet zones included.
inline constexpr int kEAN13Modules = 109;
inline constexpr int kEAN8Modules = 81;
inline constexpr int kJANQuietModules = 7;
inline constexpr int kJANCellModules = 7;

// One stretch of modules: a guard or the symbol character of one digit.
struct TJANSegment {
    int FirstModule = 0;
    QString Pattern; // "1" dark, "0" light, one character per module
    bool Guard = false;
    int Digit = -1; // index into the code of the digit this character encodes; -1 for guards
};

// The module layout of a code of 8 or 13 digits, left to right; empty for anything else
// (other lengths, non-digits).
struct TJANLayout {
    int Modules = 0;
    std::vector<TJANSegment> Segments;
    // The 7-module cell of each digit's human-readable character, by digit index: EAN-13's
    // first digit sits in the left quiet zone, every other digit under its own character.
    std::vector<int> DigitCells;

    bool IsEmpty() const { return Modules == 0; }
    // The whole symbol as a string of Modules characters, quiet zones as "0".
    QString ModuleString() const;
};

TJANLayout JANLayout(const QString& code);
