#pragma once
// Conversions between the half-width and full-width forms of Japanese text, and the
// folding of hiragana onto katakana that search keys use.
#include <QString>

// Half-width characters to their full-width forms: ASCII digits, letters and symbols and
// half-width katakana (a letter followed by a voicing mark becomes one voiced letter).
// Characters without a half-width form are copied. With minusExc, "-" is kept as it is.
QString HanToZenConvert(const QString& text, bool minusExc = false);

// Hiragana to katakana, voiced and small letters included; everything else is copied.
QString KanaFold(const QString& text);
