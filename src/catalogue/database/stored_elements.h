#pragma once
// Reading and writing the elements of a paper database: component streams (without
// resource header), text lines (Shift-JIS, one per line, each ended by CR LF) and raw bytes.
#include "core/persistent/component.h"

#include <QStringList>
#include <memory>

class TDocStorage;

// Reads the component stream at path into a new component, which must be of a registered
// class derived from base; any other class fails as an unknown class.
std::unique_ptr<TComponent> ReadStoredComponent(TDocStorage& storage, const QString& path, const TClassInfo& base);
template <class T>
std::unique_ptr<T> ReadStoredComponent(TDocStorage& storage, const QString& path)
{
    return std::unique_ptr<T>(static_cast<T*>(ReadStoredComponent(storage, path, T::StaticClassInfo()).release()));
}
// Reads the component stream at path into an existing instance.
void ReadStoredComponent(TDocStorage& storage, const QString& path, TComponent& instance);
// Writes the component at path, replacing what was there.
void WriteStoredComponent(TDocStorage& storage, const QString& path, const TComponent& component);

// The lines of a text stream (split at CR LF, LF or CR).
QStringList ReadStoredLines(TDocStorage& storage, const QString& path);
// Writes the lines; fails when a line has characters without a Shift-JIS form.
void WriteStoredLines(TDocStorage& storage, const QString& path, const QStringList& lines);

QByteArray ReadStoredBytes(TDocStorage& storage, const QString& path);
void WriteStoredBytes(TDocStorage& storage, const QString& path, const QByteArray& bytes);
