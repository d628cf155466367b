#pragma once
// GIF decoding through giflib: the first frame only.
#include <QByteArray>
#include <QImage>

// Decodes the first frame of a GIF file onto its logical screen. A frame that covers the
// whole screen without a transparent colour becomes Format_Indexed8 with the frame's colour
// table (256 entries); otherwise the result is Format_ARGB32 with the uncovered and
// transparent pixels clear. Fails with "イメージの読み込みに失敗しました" on malformed data,
// a missing colour table or a size beyond the picture bounds.
QImage DecodeGIF(const QByteArray& data);
