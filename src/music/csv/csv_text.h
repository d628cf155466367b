#pragma once
// The text of CSV files: read as UTF-8 when they begin with a byte-order mark or are valid
// UTF-8 (spreadsheets write either), otherwise as Shift-JIS; written as Shift-JIS, or as
// UTF-8 with a byte-order mark when asked.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

QString DecodeCsvBytes(const QByteArray& bytes);

// The bytes of the text, or nothing when a character has no Shift-JIS form.
std::optional<QByteArray> EncodeCsvText(const QString& text, bool utf8);

// The lines of a text split at CR LF, CR or LF; a line break at the very end makes no
// further empty line.
QStringList CsvTextLines(const QString& text);
