#pragma once
// The picture data inside component streams (the binary property "Data" of a picture): one
// length byte and the graphic's class name (at most 63 characters), then the graphic's
// data: a 32-bit little-endian length and the graphic's file. Bitmaps are written as plain
// BMP files; a compressed bitmap is accepted when reading.
#include <QByteArray>
#include <memory>

class TGraphic;

// The data of a graphic; a lone 0 byte (no class name) without one.
QByteArray WritePictureData(const TGraphic* graphic);

// The graphic the data describes: nullptr when the data names no class or a class that is
// not registered. An empty file leaves the graphic empty. Fails with
// "ストリームからの読み込みエラー" when the data ends early, and with the graphic's own
// message when its file is invalid.
std::unique_ptr<TGraphic> ReadPictureData(const QByteArray& data);
