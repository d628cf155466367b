#include "core/storage/root_storage.h"

#include "core/error.h"
#include "core/messages.h"
#include "core/storage/storage_call.h"
#include "platform/cfb/element_names.h"
#include "platform/file_time.h"

#include <algorithm>

TRootStorage::~TRootStorage()
{
    CloseFile();
}

void TRootStorage::SetFile(std::unique_ptr<cfb::TCompoundFile> file, int mode)
{
    CloseFile();
    file_ = std::move(file);
    mode_ = mode;
    root_ = this;
    chain_ = {file_->Root()};
    MarkUnmodified();
}

void TRootStorage::CloseFile() noexcept
{
    for (TDocStorage* storage : openStorages_)
        storage->root_ = nullptr;
    openStorages_.clear();
    if (!file_)
        return;
    try {
        StorageCall([this] { file_->Close(); });
    } catch (const EAppError& error) {
        ShowError(error);
    }
    file_.reset();
}

cfb::TCompoundFile& TRootStorage::File() const
{
    if (!file_)
        throw EAppError(QStringLiteral("ストレージはすでに閉じられています。"));
    return *file_;
}

bool TRootStorage::IsReadOnly() const
{
    return !File().IsWritable();
}

bool TRootStorage::IsModified() const
{
    return !snapshot_ || *snapshot_ != File().ChangeCount();
}

void TRootStorage::MarkUnmodified(bool clear)
{
    if (clear)
        snapshot_.reset();
    else
        snapshot_ = File().ChangeCount();
}

QDateTime TRootStorage::ModificationTime()
{
    Commit();
    return StorageCall([this] { return DateTimeFromFileTime(File().Info(File().Root()).ModificationTime); });
}

void TRootStorage::Commit()
{
    StorageCall([this] { File().Commit(); });
}

void TRootStorage::Revert()
{
    StorageCall([this] {
        File().Revert();
        chain_ = {File().Root()};
    });
}

std::optional<std::vector<cfb::TEntryRef>> TRootStorage::OpenChain(const QStringList& components, TMissing missing)
{
    // Start from the open storage that shares the longest run of leading components.
    const TDocStorage* best = this;
    std::size_t shared = 0;
    for (const TDocStorage* storage : openStorages_) {
        std::size_t common = 0;
        const std::size_t limit = std::min<std::size_t>(storage->components_.size(), components.size());
        while (common < limit && cfb::CompareNames(storage->components_[common], components[common]) == 0)
            ++common;
        if (common > shared && IsIntactChain(*storage, common)) {
            best = storage;
            shared = common;
        }
    }
    std::vector<cfb::TEntryRef> chain(best->chain_.begin(), best->chain_.begin() + static_cast<std::ptrdiff_t>(shared) + 1);
    return StorageCall([&]() -> std::optional<std::vector<cfb::TEntryRef>> {
        cfb::TCompoundFile& file = File();
        for (std::size_t i = shared; i < static_cast<std::size_t>(components.size()); ++i) {
            const QString& name = components[i];
            const std::optional<cfb::TEntryRef> found = file.Find(chain.back(), name);
            if (found && file.Info(*found).IsStorage())
                chain.push_back(*found);
            else if (missing == TMissing::Report)
                return std::nullopt;
            else if (missing == TMissing::Create && !found)
                chain.push_back(file.CreateStorage(chain.back(), name));
            else
                chain.push_back(file.OpenStorage(chain.back(), name)); // raises the right error
        }
        return chain;
    });
}

bool TRootStorage::IsIntactChain(const TDocStorage& storage, std::size_t length) const
{
    // The elements of an open storage may have been removed or moved since it was opened.
    const cfb::TCompoundFile& file = File();
    for (std::size_t i = 1; i <= length; ++i) {
        const cfb::TEntryRef& handle = storage.chain_[i];
        if (!file.IsValid(handle) || file.ParentOf(handle) != storage.chain_[i - 1]
            || cfb::CompareNames(file.Info(handle).Name, storage.components_[static_cast<qsizetype>(i - 1)]) != 0)
            return false;
    }
    return true;
}

void TRootStorage::Register(TDocStorage* storage)
{
    openStorages_.push_back(storage);
}

void TRootStorage::Unregister(TDocStorage* storage)
{
    std::erase(openStorages_, storage);
}
