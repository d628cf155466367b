#pragma once
// A list of element names kept in a stream of a compound document, numbering the elements
// of its storage: each new element gets the list stream's own name followed by the next
// number of a counter that only grows, so that names are never reused.
//
// Stream format: a 32-bit little-endian counter (the number of the next generated name),
// then the names as Shift-JIS text lines, each ended by CR LF.
#include "core/storage/doc_storage.h"
#include "core/storage/doc_stream.h"

#include <QStringList>
#include <memory>

class TDocNameList {
public:
    // The list at path (resolved against base): its storage is the folder part, its stream
    // the last component. On a writable root the stream is opened read-write, or created
    // (with its storages) when missing; on a read-only root it is opened read-only and must
    // exist. A non-empty stream is loaded.
    TDocNameList(TDocStorage& base, const QString& path);
    virtual ~TDocNameList();

    int Count() const { return static_cast<int>(names_.size()); }
    const QString& Name(int i) const;
    const QStringList& Names() const { return names_; }
    // The storage that holds the list and its elements.
    TDocStorage& Storage() const { return *storage_; }

    // Appends a new name and returns it (the list stream's name and the counter's number).
    QString AddNewName();
    // Puts a name of the caller's choosing at position index (0 ... Count); the counter stays.
    void Insert(int index, const QString& name);
    // The path of entry i from the root: the list's storage path joined with the name.
    QString EntryPath(int i) const;
    std::unique_ptr<TDocStream> OpenStream(int i, int mode);
    std::unique_ptr<TDocStorage> OpenStorage(int i, bool create);
    // False when i is outside the list, else whether the stream exists.
    bool StreamExists(int i);
    // Removes the element named by entry i, then the entry.
    void DeleteEntry(int i);
    // Moves entry from to position to.
    void Move(int from, int to);
    // Empties the list (the elements stay).
    void Clear();

private:
    void Load();
    // Rewrites the stream with these names and counter, then takes them as the list's.
    void Store(const QStringList& names, qint32 counter);
    bool IsTaken(const QString& name);
    void CheckIndex(int i) const;

    std::unique_ptr<TDocStorage> storage_;
    std::unique_ptr<TDocStream> stream_;
    QString listName_;
    qint32 counter_ = 0;
    QStringList names_;
};

// The same list, numbering streams.
class TDocStreamList : public TDocNameList {
public:
    using TDocNameList::TDocNameList;
};

// The same list, numbering storages.
class TDocStorageList : public TDocNameList {
public:
    using TDocNameList::TDocNameList;
};
