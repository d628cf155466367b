#pragma once
// A compound document root opened on a named file.
#include "core/storage/root_storage.h"
#include "core/storage/storage_modes.h"

class TFileStorage : public TRootStorage {
public:
    // Opens file with a file mode (storage_modes.h): fmCreate makes a new file, replacing
    // any old one, and then works read-write; a write-only mode opens read-write. A
    // transacted root keeps its changes apart until Commit.
    TFileStorage(const QString& file, int mode, bool transacted = false);

    const QString& FileName() const { return fileName_; }

private:
    QString fileName_;
};
