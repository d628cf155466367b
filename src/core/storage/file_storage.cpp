#include "core/storage/file_storage.h"

#include "core/storage/storage_call.h"

TFileStorage::TFileStorage(const QString& file, int mode, bool transacted) : fileName_(file)
{
    const cfb::TCommitMode commitMode = transacted ? cfb::TCommitMode::Transacted : cfb::TCommitMode::Direct;
    SetFile(StorageCall([&] {
                if (mode == fmCreate)
                    return cfb::TCompoundFile::Create(file, commitMode, ModeSharing(mode));
                const TFileAccess access = ModeWrites(mode) ? TFileAccess::ReadWrite : TFileAccess::ReadOnly;
                return cfb::TCompoundFile::Open(file, access, ModeSharing(mode), commitMode);
            }),
            mode);
}
