#pragma once
// TPapers: the papers of one paper database file. The file is a compound file; each paper
// is a component stream in the storage "Papers", named "$" and eight hexadecimal digits,
// and the papers' order is the sorted order of these names. Beside the papers the file
// holds the purpose catalogue. The papers are loaded when the database opens; changes go
// to a working copy that is written back to the file on closing.
#include "catalogue/paper/paper_info.h"

#include <QHash>
#include <QStringList>
#include <memory>
#include <vector>

class TDocStorage;
class TRootStorage;

class TPapers {
public:
    // Opens the database of the file. With workOnCopy the database works on a temporary
    // copy of the file (an empty one when the file does not exist) that is written back
    // on closing; otherwise on the file itself. A read-only database is never written back.
    TPapers(const QString& fileName, bool workOnCopy, bool readOnly);
    TPapers(const TPapers&) = delete;
    TPapers& operator=(const TPapers&) = delete;
    // Closes the database; a failure to write it back goes to the error display.
    virtual ~TPapers();

    const QString& FileName() const { return fileName_; }
    bool IsReadOnly() const { return readOnly_; }
    // The working storage.
    TRootStorage& Storage() const { return *storage_; }

    int Count() const { return static_cast<int>(entries_.size()); }
    // The loaded paper i, in stored order.
    const TPaperInfo& Paper(int index) const;
    // The index of the first paper of exactly that name, or -1.
    int IndexOfName(const QString& name) const;
    // Appends each distinct group name in paper order.
    void Groups(QStringList& groups) const;

    // Stores a copy of the paper (in portrait, with its purpose list), replacing the paper
    // of the same name in its place or adding it after the last one, and merges its
    // purposes into the catalogue.
    void SavePaper(const TPaperInfo& paper);
    // Removes paper i and what the database keeps about it.
    void DeletePaper(int index);
    // Gives the named papers new element names after the last one, in list order, so that
    // they follow the other papers in that order. An unknown name fails with
    // "Bad paper name" before anything is changed.
    void Reorder(const QStringList& names);

    // The purposes of all papers (the default catalogue when the file has none).
    const TPurposeList& PurposeCatalogue() const { return *purposes_; }
    void SetPurposeCatalogue(const TPurposeList& list);

    // Whether anything was written since the database was opened or marked unmodified.
    bool IsModified() const { return modified_; }
    void SetModified(bool modified) { modified_ = modified; }

    // Writes the working copy back to the file when the database is writable and modified,
    // then releases the storage. Later calls do nothing.
    void Close();

protected:
    // Called after a paper was removed, with its name.
    virtual void PaperDeleted(const QString& paperName);
    // The storage of the papers, created when asked for.
    TDocStorage& PapersStorage(bool create);

private:
    struct TEntry {
        QString Element;
        std::unique_ptr<TPaperInfo> Paper;
    };

    void LoadPurposeCatalogue();
    void LoadPapers();
    void WritePurposeCatalogue();
    QStringList ElementNames() const;
    void SortEntries();
    void ForgetNameIndex() { nameIndexValid_ = false; }

    QString fileName_;
    bool workOnCopy_;
    bool readOnly_;
    bool modified_ = false;
    std::unique_ptr<TRootStorage> storage_;
    std::unique_ptr<TDocStorage> papers_;
    std::vector<TEntry> entries_;
    // The first index of each paper name; rebuilt after papers were removed or moved.
    mutable QHash<QString, int> nameIndex_;
    mutable bool nameIndexValid_ = false;
    // The number of the next new element: one past the highest in use.
    quint64 nextNumber_ = 1;
    std::unique_ptr<TPurposeList> purposes_ = std::make_unique<TPurposeList>();
};
