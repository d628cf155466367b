#pragma once
// The one place where Shift-JIS text (code page 932, windows-31j) is converted.
// Decoding follows the code page exactly; encoding also takes the characters that Linux
// input methods produce for the same glyphs (U+301C wave dash, U+2016, U+2212, U+00A2,
// U+00A3, U+00AC, U+2014) to their code page 932 forms, and reports characters that have
// no Shift-JIS form instead of replacing them.
#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <optional>

// Bytes to text. A byte sequence that is no character of the code page becomes U+FFFD.
QString DecodeShiftJIS(QByteArrayView bytes);

// Text to bytes, or nothing when a character has no Shift-JIS form; the characters that
// have none are then appended to *unmappable (each once, in order of appearance).
std::optional<QByteArray> EncodeShiftJIS(QStringView text, QString* unmappable = nullptr);

// Whether every character of the text has a Shift-JIS form.
bool FitsShiftJIS(QStringView text);
