#pragma once
// Object lists as the clipboard carries them between instances of the program: a 32-bit
// little-endian count, then each object as one component stream.
#include <QByteArray>
#include <QIODevice>
#include <QString>
#include <memory>
#include <vector>

class TDrawObject;

void WriteObjectList(const std::vector<TDrawObject*>& objects, QIODevice& device);
// Reads a list written by any program: the count must fit in the bytes that remain, each
// object goes through the component reader, components that are not draw objects are
// dropped. Any fault raises the reader's error and nothing read is kept.
std::vector<std::unique_ptr<TDrawObject>> ReadObjectList(QIODevice& device);

// The bytes of a list of copies (each named like its source), as placed on the clipboard.
QByteArray ObjectListBytes(const std::vector<TDrawObject*>& objects);
std::vector<std::unique_ptr<TDrawObject>> ReadObjectListBytes(const QByteArray& bytes);

