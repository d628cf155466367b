#pragma once
// A compound document root on a new temporary file in the user's temporary folder (named
// "mtf" and a unique suffix), removed when the storage is closed. Documents and catalogues
// are edited in such a working copy and copied to their real file on save.
#include "core/storage/root_storage.h"

class TTemporaryStorage : public TRootStorage {
public:
    TTemporaryStorage();
    // A working copy of file, unmodified; raises when file cannot be copied.
    explicit TTemporaryStorage(const QString& file);
    ~TTemporaryStorage() override;

    // The temporary file's path.
    const QString& FileName() const { return fileName_; }

    // Replaces the working copy by a copy of file and marks it unmodified. When anything
    // fails, the working copy stays as it was.
    void LoadFrom(const QString& file);
    // Writes the working copy to file (replacing it safely: the old file stays intact when
    // anything fails) and marks it unmodified.
    void SaveTo(const QString& file);

private:
    // A fresh temporary compound file; its path goes to fileName.
    static std::unique_ptr<cfb::TCompoundFile> CreateTemporaryFile(QString& fileName);
    // A fresh temporary compound file holding a copy of file; nothing is left behind when
    // the copy fails.
    static std::unique_ptr<cfb::TCompoundFile> CopyToTemporaryFile(const QString& file, QString& fileName);

    QString fileName_;
};
