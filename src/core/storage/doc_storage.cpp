#include "core/storage/doc_storage.h"

#include "core/error.h"
#include "core/storage/root_storage.h"
#include "core/storage/storage_call.h"
#include "core/storage/storage_path.h"
#include "platform/cfb/storage_copy.h"

TDocStorage::TDocStorage(TDocStorage& parent, bool create, const QString& path)
    : root_(&parent.Root()), components_(ResolveStoragePath(parent.components_, path))
{
    chain_ = *root_->OpenChain(components_, create ? TRootStorage::TMissing::Create : TRootStorage::TMissing::Raise);
    root_->Register(this);
}

TDocStorage::~TDocStorage()
{
    if (root_ && root_ != this)
        root_->Unregister(this);
}

TRootStorage& TDocStorage::Root() const
{
    if (!root_)
        throw EAppError(QStringLiteral("ストレージはすでに閉じられています。"));
    return *root_;
}

QString TDocStorage::Path() const
{
    return StoragePathText(components_);
}

cfb::TCompoundFile& TDocStorage::File() const
{
    return Root().File();
}

std::optional<std::pair<cfb::TEntryRef, QString>> TDocStorage::Locate(const QString& path)
{
    QStringList target = ResolveStoragePath(components_, path);
    if (target.isEmpty())
        return std::nullopt;
    const QString name = target.takeLast();
    const auto chain = Root().OpenChain(target, TRootStorage::TMissing::Report);
    if (!chain)
        return std::nullopt;
    return std::make_pair(chain->back(), name);
}

void TDocStorage::CopyTo(TDocStorage& destination)
{
    StorageCall([&] { cfb::CopyStorageContents(File(), Handle(), destination.File(), destination.Handle()); });
}

bool TDocStorage::DeleteElement(const QString& path)
{
    const auto place = Locate(path);
    return place && StorageCall([&] { return File().Remove(place->first, place->second); });
}

bool TDocStorage::StreamExists(const QString& path)
{
    const auto place = Locate(path);
    return place && StorageCall([&] {
        const std::optional<cfb::TEntryRef> found = File().Find(place->first, place->second);
        return found && File().Info(*found).IsStream();
    });
}

bool TDocStorage::StorageExists(const QString& path)
{
    if (ResolveStoragePath(components_, path).isEmpty())
        return true;
    const auto place = Locate(path);
    return place && StorageCall([&] {
        const std::optional<cfb::TEntryRef> found = File().Find(place->first, place->second);
        return found && File().Info(*found).IsStorage();
    });
}

void TDocStorage::ListStorages(QStringList& list)
{
    StorageCall([&] {
        for (const cfb::TEntryRef& child : File().Children(Handle())) {
            const cfb::TEntryInfo info = File().Info(child);
            if (info.IsStorage())
                list.append(info.Name);
        }
    });
}

void TDocStorage::ListStreams(QStringList& list)
{
    StorageCall([&] {
        for (const cfb::TEntryRef& child : File().Children(Handle())) {
            const cfb::TEntryInfo info = File().Info(child);
            if (info.IsStream())
                list.append(info.Name);
        }
    });
}

void TDocStorage::MoveElement(const QString& fromPath, const QString& toPath)
{
    QStringList from = ResolveStoragePath(components_, fromPath);
    QStringList to = ResolveStoragePath(components_, toPath);
    if (from.isEmpty() || to.isEmpty())
        throw EAppError(QStringLiteral("ルートストレージは移動できません。"));
    const QString fromName = from.takeLast();
    const QString toName = to.takeLast();
    const cfb::TEntryRef fromParent = Root().OpenChain(from, TRootStorage::TMissing::Raise)->back();
    const cfb::TEntryRef toParent = Root().OpenChain(to, TRootStorage::TMissing::Raise)->back();
    StorageCall([&] { File().Move(fromParent, fromName, toParent, toName); });
}
