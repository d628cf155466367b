#pragma once
// The root of a compound document: the compound file itself, its open mode, the list of
// storages open on it and the modification snapshot.
#include "core/storage/doc_storage.h"

#include <QDateTime>
#include <memory>
#include <optional>

class TRootStorage : public TDocStorage {
public:
    ~TRootStorage() override;

    cfb::TCompoundFile& File() const;
    int Mode() const { return mode_; }
    bool IsReadOnly() const;

    // Whether anything was written since the snapshot (always, when there is none).
    bool IsModified() const;
    // Takes a new snapshot, or with clear drops it.
    void MarkUnmodified(bool clear = false);
    // Commits, then gives the root's modification time.
    QDateTime ModificationTime();

    // Makes the changes so far part of the file; for a transacted root the only way to.
    void Commit();
    // Drops the changes of a transacted root since its last commit; storages and streams
    // open on it can no longer be used.
    void Revert();

protected:
    TRootStorage() = default;
    // Takes file as this root's file (the previous one is closed) with a fresh snapshot.
    void SetFile(std::unique_ptr<cfb::TCompoundFile> file, int mode);
    // Closes the file: a direct one is committed first; failures go to the error display.
    void CloseFile() noexcept;

private:
    friend class TDocStorage;
    enum class TMissing { Raise, Create, Report };

    // The handles from the root down to the storage at components. A missing storage is
    // created, raises, or (Report) makes the result empty.
    std::optional<std::vector<cfb::TEntryRef>> OpenChain(const QStringList& components, TMissing missing);
    bool IsIntactChain(const TDocStorage& storage, std::size_t length) const;
    void Register(TDocStorage* storage);
    void Unregister(TDocStorage* storage);

    std::unique_ptr<cfb::TCompoundFile> file_;
    int mode_ = 0;
    std::optional<std::uint64_t> snapshot_;
    std::vector<TDocStorage*> openStorages_;
};
