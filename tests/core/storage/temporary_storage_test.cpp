#include "core/error.h"
#include "core/storage/doc_stream.h"
#include "core/storage/file_storage.h"
#include "core/storage/temporary_storage.h"
#include "support/test_support.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>

namespace {

// Points the user's temporary folder at a private folder for the test's duration.
class TemporaryStorageTest : public ::testing::Test {
protected:
    TemporaryStorageTest() : oldTemp_(qgetenv("TMPDIR")) { qputenv("TMPDIR", temp_.path().toLocal8Bit()); }
    ~TemporaryStorageTest() override { qputenv("TMPDIR", oldTemp_); }

    QStringList TemporaryFiles() const { return QDir(temp_.path()).entryList(QDir::Files | QDir::Hidden); }

    static void WriteText(TDocStorage& storage, const QString& path, const QByteArray& text)
    {
        TDocStream stream(storage, fmCreate, path);
        stream.Write(text.constData(), text.size());
    }

    static QByteArray ReadText(TDocStorage& storage, const QString& path)
    {
        return TDocStream(storage, fmOpenRead, path).readAll();
    }

    QTemporaryDir temp_;
    QTemporaryDir folder_;
    QByteArray oldTemp_;
};

} // namespace

TEST_F(TemporaryStorageTest, LivesInAnMtfFileThatGoesWithIt)
{
    QString name;
    {
        TTemporaryStorage storage;
        name = storage.FileName();
        EXPECT_EQ(QFileInfo(name).absolutePath(), QDir(temp_.path()).absolutePath());
        EXPECT_TRUE(QFileInfo(name).fileName().startsWith(QStringLiteral("mtf")));
        EXPECT_TRUE(QFile::exists(name));
        EXPECT_FALSE(storage.IsModified());
    }
    EXPECT_FALSE(QFile::exists(name));
    EXPECT_TRUE(TemporaryFiles().isEmpty());
}

TEST_F(TemporaryStorageTest, SaveToAndLoadFromCopyTheWholeFile)
{
    const QString target = folder_.filePath("doc.cld");
    {
        TTemporaryStorage storage;
        WriteText(storage, QStringLiteral("Sheets\\NameList0\\Label0"), QByteArray(6000, 'L'));
        WriteText(storage, QStringLiteral("DataInfo"), "info");
        EXPECT_TRUE(storage.IsModified());
        storage.SaveTo(target);
        EXPECT_FALSE(storage.IsModified());
    }
    TTemporaryStorage storage;
    const QString first = storage.FileName();
    WriteText(storage, QStringLiteral("old"), "replaced");
    storage.LoadFrom(target);
    EXPECT_FALSE(storage.IsModified());
    EXPECT_FALSE(QFile::exists(first));
    EXPECT_EQ(TemporaryFiles().size(), 1);
    EXPECT_FALSE(storage.StreamExists(QStringLiteral("old")));
    EXPECT_EQ(ReadText(storage, QStringLiteral("Sheets\\NameList0\\Label0")), QByteArray(6000, 'L'));
    EXPECT_EQ(ReadText(storage, QStringLiteral("DataInfo")), QByteArray("info"));
    // The copy is a working copy: the loaded file itself is not held.
    EXPECT_NO_THROW(TFileStorage(target, fmOpenReadWrite));
}

TEST_F(TemporaryStorageTest, AFailedLoadKeepsTheWorkingCopy)
{
    // One file that is no compound file, one that fails in the middle of the copy.
    const QString foreign = folder_.filePath("foreign.cld");
    testsupport::WriteFileBytes(foreign, QByteArray(2000, 'x'));
    const QString damaged = folder_.filePath("damaged.cld");
    {
        TFileStorage file(damaged, fmCreate);
        WriteText(file, QStringLiteral("good"), "fine");
        WriteText(file, QStringLiteral("zbad"), QByteArray(6000, 'b'));
    }
    QByteArray bytes = testsupport::ReadFileBytes(damaged);
    bytes.truncate(bytes.size() - 2048); // the large stream's data now lies beyond the end
    testsupport::WriteFileBytes(damaged, bytes);

    TTemporaryStorage storage;
    WriteText(storage, QStringLiteral("mine"), "keep me");
    const QString name = storage.FileName();
    for (const QString& file : {foreign, damaged, folder_.filePath("missing.cld")}) {
        try {
            storage.LoadFrom(file);
            ADD_FAILURE() << file.toStdString();
        } catch (const EAppError& error) {
            EXPECT_FALSE(error.Message().isEmpty());
        }
        EXPECT_EQ(storage.FileName(), name);
        EXPECT_EQ(ReadText(storage, QStringLiteral("mine")), QByteArray("keep me"));
        EXPECT_EQ(TemporaryFiles(), QStringList{QFileInfo(name).fileName()});
        // A working copy made straight from the file fails the same way, leaving nothing.
        EXPECT_THROW(TTemporaryStorage{file}, EAppError) << file.toStdString();
        EXPECT_EQ(TemporaryFiles(), QStringList{QFileInfo(name).fileName()});
    }
    const QString saved = folder_.filePath("saved.cld");
    storage.SaveTo(saved);
    TTemporaryStorage copy(saved);
    EXPECT_EQ(ReadText(copy, QStringLiteral("mine")), QByteArray("keep me"));
    EXPECT_FALSE(copy.IsModified());
    EXPECT_EQ(TemporaryFiles().size(), 2);
}

TEST_F(TemporaryStorageTest, ASaveThatFailsHalfwayLeavesTheOldFile)
{
    const QString target = folder_.filePath("doc.cld");
    TTemporaryStorage storage;
    WriteText(storage, QStringLiteral("small"), "version 1");
    storage.SaveTo(target);
    const QByteArray saved = testsupport::ReadFileBytes(target);

    WriteText(storage, QStringLiteral("large"), QByteArray(400000, 'z'));
    // Let the file system refuse writes beyond 64 KiB, as a full disk would.
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit oldLimit{};
    getrlimit(RLIMIT_FSIZE, &oldLimit);
    rlimit limit = oldLimit;
    limit.rlim_cur = 64 * 1024;
    setrlimit(RLIMIT_FSIZE, &limit);
    try {
        storage.SaveTo(target);
        ADD_FAILURE() << "saved beyond the limit";
    } catch (const EAppError& error) {
        EXPECT_TRUE(error.Message().contains(QStringLiteral("読み書きに失敗"))) << error.what();
    }
    setrlimit(RLIMIT_FSIZE, &oldLimit);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_EQ(testsupport::ReadFileBytes(target), saved);
    EXPECT_EQ(QDir(folder_.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"doc.cld"});
    EXPECT_TRUE(storage.IsModified());
    EXPECT_THROW(storage.SaveTo(folder_.filePath("no such folder/doc.cld")), EAppError);

    // The working copy is unharmed, and the next save goes through.
    storage.SaveTo(target);
    TFileStorage reopened(target, fmOpenRead);
    EXPECT_EQ(ReadText(reopened, QStringLiteral("large")), QByteArray(400000, 'z'));
}
