#include "core/storage/temporary_storage.h"

#include "core/error.h"
#include "core/storage/storage_call.h"
#include "core/storage/storage_modes.h"
#include "platform/cfb/storage_copy.h"
#include "platform/replace_file.h"

#include <QDir>
#include <QFile>
#include <QTemporaryFile>

TTemporaryStorage::TTemporaryStorage()
{
    SetFile(CreateTemporaryFile(fileName_), fmCreate);
}

TTemporaryStorage::~TTemporaryStorage()
{
    CloseFile();
    QFile::remove(fileName_);
}

std::unique_ptr<cfb::TCompoundFile> TTemporaryStorage::CreateTemporaryFile(QString& fileName)
{
    QTemporaryFile temporary(QDir::tempPath() + QStringLiteral("/mtfXXXXXX"));
    temporary.setAutoRemove(false);
    if (!temporary.open())
        throw EAppError(QStringLiteral("一時ファイルを作成できません (%1)。").arg(temporary.errorString()));
    const QString path = temporary.fileName();
    temporary.close();
    try {
        auto file = StorageCall([&] { return cfb::TCompoundFile::Create(path); });
        fileName = path;
        return file;
    } catch (...) {
        QFile::remove(path);
        throw;
    }
}

TTemporaryStorage::TTemporaryStorage(const QString& file)
{
    SetFile(CopyToTemporaryFile(file, fileName_), fmCreate);
}

std::unique_ptr<cfb::TCompoundFile> TTemporaryStorage::CopyToTemporaryFile(const QString& file, QString& fileName)
{
    QString freshName;
    std::unique_ptr<cfb::TCompoundFile> fresh;
    try {
        StorageCall([&] {
            const auto source = cfb::TCompoundFile::Open(file, TFileAccess::ReadOnly, TFileSharing::DenyWrite);
            fresh = CreateTemporaryFile(freshName);
            cfb::CopyStorageContents(*source, source->Root(), *fresh, fresh->Root());
            fresh->Commit();
        });
    } catch (...) {
        fresh.reset();
        if (!freshName.isEmpty())
            QFile::remove(freshName);
        throw;
    }
    fileName = freshName;
    return fresh;
}

void TTemporaryStorage::LoadFrom(const QString& file)
{
    QString freshName;
    std::unique_ptr<cfb::TCompoundFile> fresh = CopyToTemporaryFile(file, freshName);
    const QString oldName = fileName_;
    SetFile(std::move(fresh), fmCreate);
    QFile::remove(oldName);
    fileName_ = freshName;
}

void TTemporaryStorage::SaveTo(const QString& file)
{
    StorageCall([&] {
        SaveReplacingFile(file, [this](const QString& temporaryPath) {
            const auto target = cfb::TCompoundFile::Create(temporaryPath);
            cfb::CopyStorageContents(File(), File().Root(), *target, target->Root());
            target->Close();
        });
    });
    MarkUnmodified();
}
