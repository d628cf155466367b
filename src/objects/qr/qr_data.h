#pragma once
// The data bit stream of a symbol: one segment in one of three modes (mode indicator,
// character count, data), then the terminator, zero bits up to a byte boundary and the pad
// codewords up to the data capacity of the version and level.
#include "objects/qr/qr_tables.h"

#include <QByteArrayView>
#include <cstdint>
#include <vector>

// Encoding mode of the segment; the values are the characters that name the modes.
enum class TQRMode : char { Numeric = '0', Alphanumeric = 'A', Byte = '8' };

// The mode a payload is encoded in: "8" when it is empty or holds a byte that has no
// alphanumeric value, else "A" when it holds a non-digit, else "0".
TQRMode SelectEncodeMode(QByteArrayView payload);

// Whether every byte is a digit "0"-"9".
bool IsAllDigits(QByteArrayView payload);

// Bits of the segment of `length` characters with its character count in the width of
// versions 1-9: mode indicator, count and data.
int QRSegmentBits(TQRMode mode, int length);

// The bits by which the character count is wider at the version than at versions 1-9.
int QRCountExtraBits(TQRMode mode, int version);

// Whether the segment fits the data capacity of the version at the level.
bool QRSegmentFits(TQRMode mode, int length, int version, TQRLevel level);

// The smallest version that holds the segment at the level, or 0 when none does.
int SelectQRVersion(TQRMode mode, int length, TQRLevel level);

// The data codewords of the payload in the mode at the version and level, which must hold
// it. In numeric mode the payload must be all digits; in alphanumeric mode a byte outside
// the table is encoded as the value 0.
std::vector<std::uint8_t> QRDataCodewords(QByteArrayView payload, TQRMode mode, int version, TQRLevel level);
