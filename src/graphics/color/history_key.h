#pragma once
// The key under which the colour history stores a fill. The fill (its
// picture left out) is written as a component stream, followed by the picture stream of its
// preview and four zero bytes; the bytes are taken as little-endian signed 32-bit words and
// folded into 64 bits, each step turning the value left by one bit (the top bit coming round
// to the bottom) and XORing the word, sign-extended. Turning rather than shifting keeps every
// word's bits in the key, so that fills with equal previews but different settings
// get different keys. The key is the value as a signed decimal number.
#include <QByteArray>
#include <QString>

class TColorSpec;

// The side of the square preview of a history entry, in pixels.
inline constexpr int kHistoryPreviewSize = 48;

// The preview of a fill (its sample on 48 x 48 pixels, as a PNG image) in the
// picture stream form.
QByteArray HistoryPreviewData(const TColorSpec& spec);
// The bytes the key is folded from.
QByteArray HistoryKeyData(const TColorSpec& spec, const QByteArray& previewData);
// The key of those bytes.
QString FoldHistoryKey(const QByteArray& data);
// Whether a text has the form of a key: a signed decimal number of at most 20 digits.
bool IsHistoryKey(const QString& text);
