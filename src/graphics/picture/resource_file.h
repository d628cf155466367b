#pragma once
// Resource files (.res): a sequence of records, each the data size and the header size
// (32 bits each), the type and the name (each either 0xFFFF and a 16-bit ordinal, or a
// zero-terminated UTF-16 string), further header fields, then the data; header and data are
// padded to multiples of 4 bytes.
#include <QByteArray>
#include <QString>
#include <optional>

// A resource type or name: an ordinal or a string.
struct TResourceId {
    std::optional<quint16> Ordinal;
    QString Name;

    // "#123" is ordinal 123, anything else a string.
    static TResourceId FromName(const QString& name);
    // The type names "RT_BITMAP" and "RT_ICON" are ordinals 2 and 3; otherwise as FromName.
    static TResourceId FromType(const QString& type);
};

// The data of the first record whose type and name match (strings case-insensitively,
// ordinals exactly). Nothing when no record matches; the search ends at the first record
// that does not fit in the file.
std::optional<QByteArray> FindResource(const QByteArray& file, const TResourceId& type, const TResourceId& name);
