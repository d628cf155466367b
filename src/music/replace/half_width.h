#pragma once
// Full-width characters to their half-width forms: ASCII letters, digits and symbols, the
// ideographic space, and katakana (a voiced letter becomes the letter and its mark).
// Characters without a half-width form are copied.
// (A small local helper until the text room offers the same conversion.)
#include <QString>

QString ToHalfWidth(const QString& text);
