#include "platform/platform_error.h"
#include "platform/replace_file.h"
#include "support/test_support.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {

QStringList FilesIn(const QTemporaryDir& folder)
{
    return QDir(folder.path()).entryList(QDir::Files | QDir::Hidden | QDir::System);
}

void WriteThrough(const QString& target, const QByteArray& bytes)
{
    SaveReplacingFile(target, [&bytes](const QString& temporary) { testsupport::WriteFileBytes(temporary, bytes); });
}

} // namespace

TEST(SaveReplacingFile, ReplacesTheTargetKeepingItsPermissions)
{
    QTemporaryDir folder;
    const QString target = folder.filePath("data.bin");
    WriteThrough(target, "first");
    EXPECT_EQ(testsupport::ReadFileBytes(target), QByteArray("first"));
    QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
    WriteThrough(target, "second");
    EXPECT_EQ(testsupport::ReadFileBytes(target), QByteArray("second"));
    const QFile::Permissions ownerGroupOthers(0xF0FF);
    EXPECT_EQ(QFileInfo(target).permissions() & ownerGroupOthers, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
    EXPECT_EQ(FilesIn(folder), QStringList{"data.bin"});
}

TEST(SaveReplacingFile, FollowsASymbolicLink)
{
    QTemporaryDir folder;
    const QString real = folder.filePath("real.bin");
    const QString link = folder.filePath("link.bin");
    testsupport::WriteFileBytes(real, "old");
    ASSERT_TRUE(QFile::link(real, link));
    WriteThrough(link, "new");
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(testsupport::ReadFileBytes(real), QByteArray("new"));
}

TEST(SaveReplacingFile, AFailingWriterLeavesTheOldFileAndNoTrace)
{
    QTemporaryDir folder;
    const QString target = folder.filePath("data.bin");
    testsupport::WriteFileBytes(target, "precious");
    EXPECT_THROW(SaveReplacingFile(target,
                                   [](const QString& temporary) {
                                       testsupport::WriteFileBytes(temporary, "half of it");
                                       throw std::runtime_error("disk full");
                                   }),
                 std::runtime_error);
    EXPECT_EQ(testsupport::ReadFileBytes(target), QByteArray("precious"));
    EXPECT_EQ(FilesIn(folder), QStringList{"data.bin"});
    EXPECT_THROW(WriteThrough(folder.filePath("missing/data.bin"), "x"), EPlatformError);
}
