#include "core/error.h"
#include "core/storage/doc_stream.h"
#include "core/storage/file_storage.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

void WriteText(TDocStorage& storage, const QString& path, const QByteArray& text)
{
    TDocStream stream(storage, fmCreate, path);
    stream.Write(text.constData(), text.size());
}

} // namespace

TEST(RootStorage, OpenModes)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("modes.cfb");
    {
        QFile junk(path);
        ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
        junk.write("not a compound file");
    }
    EXPECT_THROW(TFileStorage(path, fmOpenRead), EAppError);
    {
        TFileStorage created(path, fmCreate); // replaces whatever was there
        EXPECT_FALSE(created.IsReadOnly());
        WriteText(created, QStringLiteral("s"), "x");
    }
    {
        TFileStorage reader(path, fmOpenRead | fmShareDenyWrite);
        EXPECT_TRUE(reader.IsReadOnly());
        EXPECT_THROW(WriteText(reader, QStringLiteral("t"), "y"), EAppError);
        EXPECT_THROW(TDocStream(reader, fmOpenReadWrite, QStringLiteral("s")), EAppError);
        TFileStorage secondReader(path, fmOpenRead | fmShareDenyWrite);
        EXPECT_THROW(TFileStorage(path, fmOpenReadWrite), EAppError); // exclusive
    }
    {
        TFileStorage writer(path, fmOpenWrite); // write-only opens read-write
        EXPECT_FALSE(writer.IsReadOnly());
        EXPECT_TRUE(writer.StreamExists(QStringLiteral("s")));
    }
    EXPECT_THROW(TFileStorage(folder.filePath("missing.cfb"), fmOpenRead), EAppError);
}

TEST(RootStorage, ModificationSnapshot)
{
    QTemporaryDir folder;
    TFileStorage root(folder.filePath("modified.cfb"), fmCreate);
    EXPECT_FALSE(root.IsModified());
    WriteText(root, QStringLiteral("a"), "x");
    EXPECT_TRUE(root.IsModified());
    root.MarkUnmodified();
    EXPECT_FALSE(root.IsModified());
    {
        TDocStream stream(root, fmOpenRead, QStringLiteral("a"));
        stream.readAll();
    }
    root.StreamExists(QStringLiteral("a"));
    EXPECT_FALSE(root.IsModified()); // reading changes nothing
    root.DeleteElement(QStringLiteral("a"));
    EXPECT_TRUE(root.IsModified());
    root.MarkUnmodified(true);
    EXPECT_TRUE(root.IsModified()); // no snapshot to compare with
    const QDateTime before = QDateTime::currentDateTimeUtc().addSecs(-1);
    EXPECT_GE(root.ModificationTime(), before);
}

TEST(RootStorage, TransactedRootCommitsAndReverts)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("transacted.cfb");
    {
        TFileStorage created(path, fmCreate);
        WriteText(created, QStringLiteral("kept"), "old");
    }
    TFileStorage root(path, fmOpenReadWrite | fmShareDenyNone, true);
    WriteText(root, QStringLiteral("kept"), "new");
    WriteText(root, QStringLiteral("Added\\s"), "x");
    const auto onDisk = [&path](const QString& element) {
        TFileStorage reader(path, fmOpenRead | fmShareDenyNone);
        return TDocStream(reader, fmOpenRead, element).readAll();
    };
    EXPECT_EQ(onDisk(QStringLiteral("kept")), QByteArray("old"));

    root.Revert();
    EXPECT_FALSE(root.StorageExists(QStringLiteral("Added")));
    EXPECT_EQ(TDocStream(root, fmOpenRead, QStringLiteral("kept")).readAll(), QByteArray("old"));

    WriteText(root, QStringLiteral("kept"), "committed");
    root.Commit();
    EXPECT_EQ(onDisk(QStringLiteral("kept")), QByteArray("committed"));
}
