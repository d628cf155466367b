#pragma once
// Texts of audio tags as the files hold them.
#include <QByteArrayView>
#include <QString>

// Single-byte tag text (ID3v1 fields, RIFF INFO texts, ID3v2 texts of encoding 0): taken up
// to the first NUL byte, read as Shift-JIS when it is valid Shift-JIS (Japanese tags in
// practice) and as Latin-1 otherwise, then stripped of trailing blanks and control
// characters.
QString SingleByteTagText(QByteArrayView bytes);

// The body of an ID3v2 text frame: its first byte names the encoding (0 single-byte text,
// 1 UTF-16 with a byte-order mark, 2 UTF-16 big-endian, 3 UTF-8); the first of the
// NUL-separated texts is taken and stripped like single-byte text.
QString Id3v2FrameText(QByteArrayView body);
