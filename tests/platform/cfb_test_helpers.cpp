#include "cfb_test_helpers.h"

#include <vector>

namespace cfbtest {

QByteArray Pattern(qsizetype size, int seed)
{
    QByteArray bytes(size, Qt::Uninitialized);
    std::uint32_t state = 2166136261u ^ static_cast<std::uint32_t>(seed);
    for (qsizetype i = 0; i < size; ++i) {
        state = state * 1664525u + 1013904223u;
        bytes[i] = static_cast<char>(state >> 24);
    }
    return bytes;
}

QByteArray ReadAll(cfb::TCompoundFile& file, const cfb::TEntryRef& stream)
{
    QByteArray bytes(static_cast<qsizetype>(file.Info(stream).Size), Qt::Uninitialized);
    const std::size_t got = file.Read(stream, 0, bytes.data(), static_cast<std::size_t>(bytes.size()));
    bytes.truncate(static_cast<qsizetype>(got));
    return bytes;
}

std::map<QString, QByteArray> Walk(cfb::TCompoundFile& file)
{
    std::map<QString, QByteArray> elements;
    std::vector<std::pair<cfb::TEntryRef, QString>> pending{{file.Root(), QString()}};
    while (!pending.empty()) {
        const auto [storage, prefix] = pending.back();
        pending.pop_back();
        for (const cfb::TEntryRef& child : file.Children(storage)) {
            const cfb::TEntryInfo info = file.Info(child);
            const QString path = prefix.isEmpty() ? info.Name : prefix + u'/' + info.Name;
            if (info.IsStorage()) {
                elements[path] = QByteArrayLiteral("<storage>");
                pending.emplace_back(child, path);
            } else {
                elements[path] = ReadAll(file, child);
            }
        }
    }
    return elements;
}

} // namespace cfbtest
