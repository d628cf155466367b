// Feeds arbitrary bytes to the compound file reader: open, walk the whole tree and read
// every stream; then open the same bytes for writing, change them, commit and read the
// result again. Every failure must be the format error, never a crash or a hang.
#include "platform/cfb/compound_file.h"
#include "platform/platform_error.h"

#include <QString>
#include <cstdint>
#include <sys/mman.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace {

void ReadEverything(cfb::TCompoundFile& file)
{
    static std::vector<char> buffer(64 * 1024);
    std::vector<cfb::TEntryRef> storages{file.Root()};
    while (!storages.empty()) {
        const cfb::TEntryRef storage = storages.back();
        storages.pop_back();
        for (const cfb::TEntryRef& child : file.Children(storage)) {
            if (file.Info(child).IsStorage()) {
                storages.push_back(child);
                continue;
            }
            try {
                for (std::uint64_t at = 0;;) {
                    const std::size_t got = file.Read(child, at, buffer.data(), buffer.size());
                    if (got == 0)
                        break;
                    at += got;
                }
            } catch (const EPlatformError&) {
                // One damaged stream; the others are still read.
            }
        }
    }
}

void Change(cfb::TCompoundFile& file)
{
    const std::vector<cfb::TEntryRef> children = file.Children(file.Root());
    if (!children.empty())
        file.Remove(file.Root(), file.Info(children.front()).Name);
    const cfb::TEntryRef storage = file.CreateStorage(file.Root(), QStringLiteral("fuzz storage"));
    static const std::vector<char> data(5000, 'x');
    const cfb::TEntryRef small = file.CreateStream(storage, QStringLiteral("small"));
    file.Write(small, 0, data.data(), 100);
    const cfb::TEntryRef large = file.CreateStream(file.Root(), QStringLiteral("large"));
    file.Write(large, 0, data.data(), data.size());
    if (children.size() > 1 && file.Info(children.back()).IsStream()) {
        file.Write(children.back(), 10, data.data(), 300);
        file.SetStreamSize(children.back(), 5);
    }
    file.Commit();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const int fd = ::memfd_create("cfb", 0);
    static const QString path = QStringLiteral("/proc/self/fd/%1").arg(fd);
    if (::ftruncate(fd, 0) != 0 || ::pwrite(fd, data, size, 0) != static_cast<ssize_t>(size))
        return 0;

    try {
        const auto file = cfb::TCompoundFile::Open(path, TFileAccess::ReadOnly, TFileSharing::DenyNone);
        ReadEverything(*file);
    } catch (const EPlatformError&) {
        return 0;
    }
    for (const cfb::TCommitMode mode : {cfb::TCommitMode::Transacted, cfb::TCommitMode::Direct}) {
        try {
            const auto file = cfb::TCompoundFile::Open(path, TFileAccess::ReadWrite, TFileSharing::DenyNone, mode);
            Change(*file);
            file->Close();
            const auto reopened = cfb::TCompoundFile::Open(path, TFileAccess::ReadOnly, TFileSharing::DenyNone);
            ReadEverything(*reopened);
        } catch (const EPlatformError&) {
        }
    }
    return 0;
}
