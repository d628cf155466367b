#include "platform/cfb/storage_copy.h"

#include "platform/cfb/cfb_errors.h"

#include <utility>
#include <vector>

namespace cfb {

namespace {

constexpr std::size_t kCopyChunk = 256 * 1024;

void CopyAttributes(const TEntryInfo& info, TCompoundFile& to, const TEntryRef& target)
{
    to.SetClassId(target, info.ClassId);
    to.SetStateBits(target, info.StateBits, 0xFFFFFFFF);
}

void CopyStreamData(TCompoundFile& from, const TEntryRef& source, TCompoundFile& to, const TEntryRef& target,
                    std::vector<char>& buffer)
{
    for (std::uint64_t at = 0;;) {
        const std::size_t got = from.Read(source, at, buffer.data(), buffer.size());
        if (got == 0)
            break;
        to.Write(target, at, buffer.data(), got);
        at += got;
    }
}

// The element named like source inside parent, made to be of source's kind: an existing
// element of the other kind is removed first.
TEntryRef MakeLike(TCompoundFile& to, const TEntryRef& parent, const TEntryInfo& source)
{
    if (const std::optional<TEntryRef> existing = to.Find(parent, source.Name)) {
        const bool isStorage = to.Info(*existing).IsStorage();
        if (isStorage && source.IsStorage())
            return *existing; // copied into, as storages merge
        if (isStorage != source.IsStorage())
            to.Remove(parent, source.Name);
    }
    return source.IsStorage() ? to.CreateStorage(parent, source.Name) : to.CreateStream(parent, source.Name);
}

} // namespace

void CopyStorageContents(TCompoundFile& from, const TEntryRef& source, TCompoundFile& to, const TEntryRef& target)
{
    if (&from == &to) {
        // Copying a storage into itself would go on for ever.
        for (TEntryRef at = target; !at.IsNull(); at = from.ParentOf(at)) {
            if (at == source)
                RaiseIntoItself(from.Info(source).Name);
        }
    }
    CopyAttributes(from.Info(source), to, target);
    std::vector<char> buffer(kCopyChunk);
    std::vector<std::pair<TEntryRef, TEntryRef>> pending{{source, target}};
    while (!pending.empty()) {
        const auto [storage, destination] = pending.back();
        pending.pop_back();
        for (const TEntryRef& child : from.Children(storage)) {
            const TEntryInfo info = from.Info(child);
            const TEntryRef copy = MakeLike(to, destination, info);
            CopyAttributes(info, to, copy);
            to.SetTimes(copy, info.CreationTime, info.ModificationTime);
            if (info.IsStorage())
                pending.emplace_back(child, copy);
            else
                CopyStreamData(from, child, to, copy, buffer);
        }
    }
}

} // namespace cfb
