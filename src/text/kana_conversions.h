#pragma once
// Conversions between the half-width and full-width forms of Japanese text, and the
// folding of hiragana onto katakana that search keys use.
#include <QString>

// Half-width characters to their full-width forms: ASCII digits, letters and symbols and
// half-width katakana (a letter followed by a voicing mark becomes one voiced letter).
// Characters without a half-width form are copied. With minusExc, "-" is kept as it is.
QString HanToZenConvert(const QString& text, bool minusExc = false);

// Full-width digits to kanji numerals (０ to 〇, １ to 一 ...); everything else is copied.
QString NumToKanjiConvert(const QString& text);

// Full-width characters to their half-width forms, the HanToZenConvert tables read
// backwards: symbols, digits, letters, katakana and hiragana; voiced letters become the
// letter and its mark. ヰ and ヱ have no half-width form and are kept.
QString ZenToHanConvert(const QString& text);

// Hiragana to katakana, voiced and small letters included; everything else is copied.
QString KanaFold(const QString& text);
