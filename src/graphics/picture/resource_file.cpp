#include "graphics/picture/resource_file.h"

#include <QtEndian>

namespace {

constexpr quint16 kOrdinalMark = 0xFFFF;
constexpr quint16 kRtBitmap = 2;
constexpr quint16 kRtIcon = 3;

qint64 Align4(qint64 value)
{
    return (value + 3) & ~qint64(3);
}

// Reads a type or name field inside [pos, end); advances pos past it. False when the field
// does not fit.
bool ReadId(const QByteArray& file, qint64& pos, qint64 end, TResourceId& id)
{
    auto word = [&](qint64 at) { return qFromLittleEndian<quint16>(file.constData() + at); };
    if (pos + 2 > end)
        return false;
    if (word(pos) == kOrdinalMark) {
        if (pos + 4 > end)
            return false;
        id.Ordinal = word(pos + 2);
        pos += 4;
        return true;
    }
    for (qint64 at = pos; at + 2 <= end; at += 2) {
        if (word(at) == 0) {
            id.Name = QString::fromUtf16(reinterpret_cast<const char16_t*>(file.constData() + pos), (at - pos) / 2);
            pos = at + 2;
            return true;
        }
    }
    return false;
}

bool Matches(const TResourceId& found, const TResourceId& wanted)
{
    if (found.Ordinal || wanted.Ordinal)
        return found.Ordinal == wanted.Ordinal;
    return found.Name.compare(wanted.Name, Qt::CaseInsensitive) == 0;
}

} // namespace

TResourceId TResourceId::FromName(const QString& name)
{
    bool ok = false;
    const uint ordinal = name.startsWith(u'#') ? name.mid(1).toUInt(&ok) : 0;
    if (ok && ordinal <= 0xFFFF)
        return {quint16(ordinal), {}};
    return {std::nullopt, name};
}

TResourceId TResourceId::FromType(const QString& type)
{
    if (type.compare(QLatin1String("RT_BITMAP"), Qt::CaseInsensitive) == 0)
        return {kRtBitmap, {}};
    if (type.compare(QLatin1String("RT_ICON"), Qt::CaseInsensitive) == 0)
        return {kRtIcon, {}};
    return FromName(type);
}

std::optional<QByteArray> FindResource(const QByteArray& file, const TResourceId& type, const TResourceId& name)
{
    const qint64 size = file.size();
    qint64 record = 0;
    while (record + 8 <= size) {
        const qint64 dataSize = qFromLittleEndian<quint32>(file.constData() + record);
        const qint64 headerSize = qFromLittleEndian<quint32>(file.constData() + record + 4);
        const qint64 headerEnd = record + headerSize;
        const qint64 dataStart = record + Align4(headerSize);
        if (headerSize < 16 || dataStart > size || dataSize > size - dataStart)
            return std::nullopt;
        qint64 pos = record + 8;
        TResourceId foundType;
        TResourceId foundName;
        if (!ReadId(file, pos, headerEnd, foundType) || !ReadId(file, pos, headerEnd, foundName))
            return std::nullopt;
        if (Matches(foundType, type) && Matches(foundName, name))
            return file.mid(dataStart, dataSize);
        record = dataStart + Align4(dataSize);
    }
    return std::nullopt;
}
