#pragma once
// PNG decoding and encoding through libpng.
#include <QByteArray>
#include <QImage>

// Decodes a PNG file: pictures with an alpha channel or a transparent colour to
// Format_ARGB32, all others to Format_BGR888 (16-bit channels keep their high byte). Fails
// with "イメージの読み込みに失敗しました" on malformed data or a size beyond the picture
// bounds.
QImage DecodePNG(const QByteArray& data);

// Encodes an image: with alpha as 8-bit RGBA, otherwise as 8-bit RGB.
QByteArray EncodePNG(const QImage& image);
