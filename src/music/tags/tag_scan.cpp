#include "music/tags/tag_scan.h"

QByteArray TTagScan::ReadAt(std::uint64_t offset, std::uint64_t count) const
{
    if (offset >= FileSize)
        return {};
    count = std::min(count, FileSize - offset);
    QByteArray bytes(static_cast<qsizetype>(count), '\0');
    bytes.truncate(static_cast<qsizetype>(File.ReadAt(offset, bytes.data(), bytes.size())));
    return bytes;
}

QByteArray TTagScan::ReadExactly(std::uint64_t offset, std::uint64_t count) const
{
    QByteArray bytes = ReadAt(offset, count);
    if (static_cast<std::uint64_t>(bytes.size()) != count)
        return {};
    return bytes;
}
