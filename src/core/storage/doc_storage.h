#pragma once
// One storage inside a compound document, addressed by a backslash path relative to
// another storage (see storage_path.h). A storage keeps the chain of handles from the root
// down to itself; opening a new one continues from the open storage of the same root whose
// path shares the longest run of leading components, so that common folders are not looked
// up again.
#include "platform/cfb/compound_file.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

class TRootStorage;

class TDocStorage {
public:
    // Opens the storage at path (resolved against parent's path). With create, missing
    // storages on the way are created; otherwise a missing one raises.
    TDocStorage(TDocStorage& parent, bool create, const QString& path);
    TDocStorage(const TDocStorage&) = delete;
    TDocStorage& operator=(const TDocStorage&) = delete;
    virtual ~TDocStorage();

    // Raises when the root was closed before this storage.
    TRootStorage& Root() const;
    // The path relative to the root: components joined by "\", empty for the root.
    QString Path() const;
    const QStringList& PathComponents() const { return components_; }

    // Copies every element of this storage into destination (replacing same-named ones).
    void CopyTo(TDocStorage& destination);
    // Removes the element at path (a storage with all it holds); false when it does not
    // exist.
    bool DeleteElement(const QString& path);
    bool StreamExists(const QString& path);
    bool StorageExists(const QString& path);
    // Append the names of the storages, respectively streams, directly inside this storage.
    void ListStorages(QStringList& list);
    void ListStreams(QStringList& list);
    // Moves the element at fromPath to toPath (another storage, a new name); the storage
    // of toPath must exist.
    void MoveElement(const QString& fromPath, const QString& toPath);

    // The compound file and this storage's handle in it.
    cfb::TCompoundFile& File() const;
    cfb::TEntryRef Handle() const { return chain_.back(); }

protected:
    // For the root, which sets itself up.
    TDocStorage() = default;

private:
    friend class TRootStorage;

    // The storage holding the element at path, with the element's name; nothing when that
    // storage does not exist or path names the root.
    std::optional<std::pair<cfb::TEntryRef, QString>> Locate(const QString& path);

    TRootStorage* root_ = nullptr;
    QStringList components_;
    std::vector<cfb::TEntryRef> chain_; // the root's handle, then one per component
};
