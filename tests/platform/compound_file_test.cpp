#include "cfb_test_helpers.h"
#include "platform/cfb/compound_file.h"
#include "platform/platform_error.h"
#include "support/test_support.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using cfb::TCompoundFile;
using cfb::TEntryRef;
using cfbtest::Pattern;
using cfbtest::ReadAll;
using cfbtest::Walk;

namespace {

class CompoundFileTest : public ::testing::Test {
protected:
    QString PathOf(const QString& name) const { return folder_.filePath(name); }

    static TEntryRef WriteStream(TCompoundFile& file, const TEntryRef& parent, const QString& name,
                                 const QByteArray& data)
    {
        const TEntryRef stream = file.CreateStream(parent, name);
        file.Write(stream, 0, data.constData(), static_cast<std::size_t>(data.size()));
        return stream;
    }

    QTemporaryDir folder_;
};

// Sizes around the mini sector, the mini stream cutoff and the regular sector.
const qsizetype kSizes[] = {0, 1, 63, 64, 65, 511, 512, 513, 4095, 4096, 4097, 70000};

} // namespace

TEST_F(CompoundFileTest, WrittenTreeReadsBackAfterReopening)
{
    std::map<QString, QByteArray> expected;
    {
        const auto file = TCompoundFile::Create(PathOf("tree.cfb"));
        const TEntryRef docs = file->CreateStorage(file->Root(), QStringLiteral("Docs"));
        const TEntryRef inner = file->CreateStorage(docs, QStringLiteral("日本語の名前"));
        expected["Docs"] = expected["Docs/日本語の名前"] = QByteArrayLiteral("<storage>");
        int seed = 0;
        for (const qsizetype size : kSizes) {
            const QString name = QStringLiteral("s%1").arg(size);
            WriteStream(*file, size % 2 ? docs : inner, name, Pattern(size, ++seed));
            expected[(size % 2 ? QStringLiteral("Docs/") : QStringLiteral("Docs/日本語の名前/")) + name] =
                Pattern(size, seed);
        }
        file->Close();
    }
    const auto file = TCompoundFile::Open(PathOf("tree.cfb"), TFileAccess::ReadOnly);
    EXPECT_EQ(Walk(*file), expected);
    EXPECT_EQ(file->MajorVersion(), 3);
}

TEST_F(CompoundFileTest, StreamsCrossTheMiniStreamCutoffBothWays)
{
    const auto file = TCompoundFile::Create(PathOf("cutoff.cfb"));
    const TEntryRef neighbour = WriteStream(*file, file->Root(), QStringLiteral("neighbour"), Pattern(700, 1));
    const TEntryRef stream = WriteStream(*file, file->Root(), QStringLiteral("moving"), Pattern(3000, 2));
    QByteArray expected = Pattern(3000, 2);

    // Growing past the cutoff moves the data to regular sectors.
    const QByteArray tail = Pattern(5000, 3);
    file->Write(stream, 3000, tail.constData(), static_cast<std::size_t>(tail.size()));
    expected += tail;
    EXPECT_EQ(ReadAll(*file, stream), expected);

    // Shrinking below it moves the data back into the mini stream.
    file->SetStreamSize(stream, 100);
    expected.truncate(100);
    EXPECT_EQ(ReadAll(*file, stream), expected);

    // Growing by size alone adds zeros; a write beyond the end leaves a zero gap.
    file->SetStreamSize(stream, 5000);
    expected += QByteArray(4900, '\0');
    EXPECT_EQ(ReadAll(*file, stream), expected);
    file->Write(stream, 9000, "xyz", 3);
    expected += QByteArray(4000, '\0') + "xyz";
    EXPECT_EQ(ReadAll(*file, stream), expected);
    file->Write(stream, 10, "abc", 3);
    expected.replace(10, 3, "abc");

    file->Close();
    const auto reopened = TCompoundFile::Open(PathOf("cutoff.cfb"), TFileAccess::ReadOnly);
    EXPECT_EQ(Walk(*reopened)["moving"], expected);
    EXPECT_EQ(Walk(*reopened)["neighbour"], Pattern(700, 1));
    (void)neighbour;
}

TEST_F(CompoundFileTest, CreateStreamOnAnExistingStreamEmptiesIt)
{
    const auto file = TCompoundFile::Create(PathOf("replace.cfb"));
    const TEntryRef first = WriteStream(*file, file->Root(), QStringLiteral("Data"), Pattern(9000, 1));
    const TEntryRef again = file->CreateStream(file->Root(), QStringLiteral("DATA"));
    EXPECT_EQ(again, first);
    EXPECT_EQ(file->Info(again).Size, 0u);
    EXPECT_EQ(file->Info(again).Name, QStringLiteral("DATA"));
    EXPECT_EQ(file->Children(file->Root()).size(), 1u);
}

TEST_F(CompoundFileTest, ElementNamesFollowTheFormatLimits)
{
    const auto file = TCompoundFile::Create(PathOf("names.cfb"));
    const QString longest(31, u'x');
    EXPECT_NO_THROW(file->CreateStream(file->Root(), longest));
    for (const QString& bad : {QString(32, u'x'), QString(), QStringLiteral("a/b"), QStringLiteral("a\\b"),
                               QStringLiteral("c:"), QStringLiteral("hey!")}) {
        try {
            file->CreateStorage(file->Root(), bad);
            ADD_FAILURE() << "accepted " << bad.toStdString();
        } catch (const EPlatformError& error) {
            EXPECT_TRUE(error.Message().contains(QStringLiteral("31 文字以下"))) << error.what();
        }
    }
    EXPECT_THROW(file->CreateStorage(file->Root(), longest.toUpper()), EPlatformError); // taken, case aside
}

TEST_F(CompoundFileTest, RemoveDropsWholeStoragesAndReportsMissingOnes)
{
    const auto file = TCompoundFile::Create(PathOf("remove.cfb"));
    const TEntryRef outer = file->CreateStorage(file->Root(), QStringLiteral("Outer"));
    const TEntryRef inner = file->CreateStorage(outer, QStringLiteral("Inner"));
    const TEntryRef stream = WriteStream(*file, inner, QStringLiteral("x"), Pattern(5000, 1));
    WriteStream(*file, file->Root(), QStringLiteral("kept"), Pattern(10, 2));

    EXPECT_FALSE(file->Remove(file->Root(), QStringLiteral("missing")));
    EXPECT_TRUE(file->Remove(file->Root(), QStringLiteral("outer")));
    EXPECT_FALSE(file->Find(file->Root(), QStringLiteral("Outer")).has_value());
    // Handles of removed elements no longer work.
    EXPECT_THROW(file->Info(inner), EPlatformError);
    char byte;
    EXPECT_THROW(file->Read(stream, 0, &byte, 1), EPlatformError);
    EXPECT_EQ(Walk(*file).size(), 1u);
}

TEST_F(CompoundFileTest, FreedSectorsAreReusedAfterCommit)
{
    const QString path = PathOf("reuse.cfb");
    const auto file = TCompoundFile::Create(path);
    for (int i = 0; i < 20; ++i)
        WriteStream(*file, file->Root(), QStringLiteral("big%1").arg(i), Pattern(20000, i));
    for (int i = 0; i < 40; ++i)
        WriteStream(*file, file->Root(), QStringLiteral("small%1").arg(i), Pattern(300, i));
    file->Commit();
    const qint64 fullSize = QFileInfo(path).size();

    for (int i = 0; i < 20; i += 2)
        file->Remove(file->Root(), QStringLiteral("big%1").arg(i));
    for (int i = 0; i < 40; i += 2)
        file->Remove(file->Root(), QStringLiteral("small%1").arg(i));
    file->Commit();
    for (int i = 0; i < 20; i += 2)
        WriteStream(*file, file->Root(), QStringLiteral("new%1").arg(i), Pattern(20000, 100 + i));
    for (int i = 0; i < 40; i += 2)
        WriteStream(*file, file->Root(), QStringLiteral("newsmall%1").arg(i), Pattern(300, 100 + i));
    file->Close();

    EXPECT_EQ(QFileInfo(path).size(), fullSize);
    const auto reopened = TCompoundFile::Open(path, TFileAccess::ReadOnly);
    const auto elements = Walk(*reopened);
    EXPECT_EQ(elements.size(), 60u);
    EXPECT_EQ(elements.at("big1"), Pattern(20000, 1));
    EXPECT_EQ(elements.at("new4"), Pattern(20000, 104));
    EXPECT_EQ(elements.at("small3"), Pattern(300, 3));
    EXPECT_EQ(elements.at("newsmall6"), Pattern(300, 106));
}

TEST_F(CompoundFileTest, AddingToALargeFileRewritesOnlyAFewSectors)
{
    const QString path = PathOf("append.cfb");
    {
        const auto file = TCompoundFile::Create(path);
        for (int i = 0; i < 200; ++i)
            WriteStream(*file, file->Root(), QStringLiteral("item%1").arg(i), Pattern(5000 + i, i));
        file->Close();
    }
    const QByteArray before = testsupport::ReadFileBytes(path);
    {
        const auto file = TCompoundFile::Open(path, TFileAccess::ReadWrite);
        WriteStream(*file, file->Root(), QStringLiteral("another"), Pattern(6000, 999));
        file->Close();
    }
    const QByteArray after = testsupport::ReadFileBytes(path);
    ASSERT_GT(after.size(), before.size());
    int changedSectors = 0;
    for (qsizetype at = 0; at < before.size(); at += 512)
        changedSectors += before.mid(at, 512) != after.mid(at, 512);
    // The header, one FAT sector and one or two directory sectors.
    EXPECT_LE(changedSectors, 5);
    const auto file = TCompoundFile::Open(path, TFileAccess::ReadOnly);
    EXPECT_EQ(Walk(*file).at("another"), Pattern(6000, 999));
    EXPECT_EQ(Walk(*file).at("item150"), Pattern(5150, 150));
}

TEST_F(CompoundFileTest, ManyEntriesAndAFatBeyondTheHeaderList)
{
    const QString path = PathOf("many.cfb");
    {
        const auto file = TCompoundFile::Create(path);
        const TEntryRef storage = file->CreateStorage(file->Root(), QStringLiteral("Many"));
        for (int i = 0; i < 1500; ++i)
            WriteStream(*file, storage, QStringLiteral("e%1").arg(i), Pattern(i % 97, i));
        // 8 MB need more FAT sectors than the header lists, so DIFAT sectors follow.
        WriteStream(*file, file->Root(), QStringLiteral("huge"), Pattern(8 << 20, 7));
        file->Close();
    }
    const auto file = TCompoundFile::Open(path, TFileAccess::ReadOnly);
    const auto elements = Walk(*file);
    EXPECT_EQ(elements.size(), 1502u);
    EXPECT_EQ(elements.at("Many/e1234"), Pattern(1234 % 97, 1234));
    EXPECT_EQ(elements.at("huge"), Pattern(8 << 20, 7));
    const auto children = file->Children(*file->Find(file->Root(), QStringLiteral("Many")));
    ASSERT_EQ(children.size(), 1500u);
    EXPECT_EQ(file->Info(children.front()).Name, QStringLiteral("e0")); // shorter names first
    EXPECT_EQ(file->Info(children.back()).Name, QStringLiteral("e1499"));
}

TEST_F(CompoundFileTest, MoveRenamesAcrossStoragesButNotIntoItself)
{
    const auto file = TCompoundFile::Create(PathOf("move.cfb"));
    const TEntryRef a = file->CreateStorage(file->Root(), QStringLiteral("A"));
    const TEntryRef b = file->CreateStorage(a, QStringLiteral("B"));
    WriteStream(*file, a, QStringLiteral("s"), Pattern(100, 1));
    file->Move(a, QStringLiteral("s"), file->Root(), QStringLiteral("t"));
    EXPECT_EQ(Walk(*file).at("t"), Pattern(100, 1));
    EXPECT_FALSE(file->Find(a, QStringLiteral("s")).has_value());
    EXPECT_THROW(file->Move(file->Root(), QStringLiteral("A"), b, QStringLiteral("A2")), EPlatformError);
    EXPECT_THROW(file->Move(file->Root(), QStringLiteral("t"), file->Root(), QStringLiteral("A")), EPlatformError);
    EXPECT_THROW(file->Move(file->Root(), QStringLiteral("none"), a, QStringLiteral("x")), EPlatformError);
}

TEST_F(CompoundFileTest, AttributesAndTimesRoundTrip)
{
    const QUuid classId(QStringLiteral("{12345678-9abc-def0-1234-56789abcdef0}"));
    {
        const auto file = TCompoundFile::Create(PathOf("attributes.cfb"));
        const TEntryRef storage = file->CreateStorage(file->Root(), QStringLiteral("S"));
        file->SetClassId(storage, classId);
        file->SetStateBits(storage, 0xA5, 0xFF);
        file->SetTimes(storage, 132000000000000000ULL, 133000000000000000ULL);
        file->SetClassId(file->Root(), classId);
        file->Close();
    }
    const auto file = TCompoundFile::Open(PathOf("attributes.cfb"), TFileAccess::ReadOnly);
    const cfb::TEntryInfo info = file->Info(*file->Find(file->Root(), QStringLiteral("s")));
    EXPECT_EQ(info.ClassId, classId);
    EXPECT_EQ(info.StateBits, 0xA5u);
    EXPECT_EQ(info.CreationTime, 132000000000000000ULL);
    EXPECT_EQ(info.ModificationTime, 133000000000000000ULL);
    EXPECT_EQ(file->Info(file->Root()).ClassId, classId);
    EXPECT_NE(file->Info(file->Root()).ModificationTime, 0u);
}

TEST_F(CompoundFileTest, ReadOnlyFilesRefuseChanges)
{
    TCompoundFile::Create(PathOf("ro.cfb"))->Close();
    const auto file = TCompoundFile::Open(PathOf("ro.cfb"), TFileAccess::ReadOnly);
    EXPECT_THROW(file->CreateStream(file->Root(), QStringLiteral("x")), EPlatformError);
    EXPECT_THROW(file->Remove(file->Root(), QStringLiteral("x")), EPlatformError);
}

TEST_F(CompoundFileTest, ExclusiveOpenersKeepOthersOut)
{
    const QString path = PathOf("shared.cfb");
    const auto writer = TCompoundFile::Create(path);
    EXPECT_THROW(TCompoundFile::Open(path, TFileAccess::ReadOnly, TFileSharing::DenyWrite), EPlatformError);
    writer->Close();
    const auto reader = TCompoundFile::Open(path, TFileAccess::ReadOnly, TFileSharing::DenyWrite);
    EXPECT_NO_THROW(TCompoundFile::Open(path, TFileAccess::ReadOnly, TFileSharing::DenyWrite));
    EXPECT_THROW(TCompoundFile::Open(path, TFileAccess::ReadWrite, TFileSharing::Exclusive), EPlatformError);
}

TEST_F(CompoundFileTest, TransactedChangesStayApartUntilCommit)
{
    const QString path = PathOf("transacted.cfb");
    {
        const auto file = TCompoundFile::Create(path);
        WriteStream(*file, file->Root(), QStringLiteral("old"), Pattern(6000, 1));
        WriteStream(*file, file->Root(), QStringLiteral("tiny"), Pattern(100, 2));
        file->Close();
    }
    const auto file =
        TCompoundFile::Open(path, TFileAccess::ReadWrite, TFileSharing::DenyNone, cfb::TCommitMode::Transacted);
    const TEntryRef old = *file->Find(file->Root(), QStringLiteral("old"));
    const TEntryRef tiny = *file->Find(file->Root(), QStringLiteral("tiny"));
    file->Write(old, 100, "CHANGED", 7);
    file->Write(tiny, 0, "changed", 7);
    WriteStream(*file, file->Root(), QStringLiteral("new"), Pattern(5000, 3));
    file->Remove(file->Root(), QStringLiteral("tiny"));
    WriteStream(*file, file->Root(), QStringLiteral("tiny2"), Pattern(100, 4));

    const auto peek = [&path] {
        const auto other = TCompoundFile::Open(path, TFileAccess::ReadOnly, TFileSharing::DenyNone);
        return Walk(*other);
    };
    // Nothing of it is visible in the file before the commit...
    const auto before = peek();
    EXPECT_EQ(before.size(), 2u);
    EXPECT_EQ(before.at("old"), Pattern(6000, 1));
    EXPECT_EQ(before.at("tiny"), Pattern(100, 2));

    // ...and all of it after.
    file->Commit();
    QByteArray changed = Pattern(6000, 1);
    changed.replace(100, 7, "CHANGED");
    const auto after = peek();
    EXPECT_EQ(after.size(), 3u);
    EXPECT_EQ(after.at("old"), changed);
    EXPECT_EQ(after.at("new"), Pattern(5000, 3));
    EXPECT_EQ(after.at("tiny2"), Pattern(100, 4));
}

TEST_F(CompoundFileTest, RevertDropsUncommittedChanges)
{
    const QString path = PathOf("revert.cfb");
    {
        const auto file = TCompoundFile::Create(path);
        WriteStream(*file, file->Root(), QStringLiteral("keep"), Pattern(7000, 1));
        file->Close();
    }
    const qint64 committedSize = QFileInfo(path).size();
    const auto file =
        TCompoundFile::Open(path, TFileAccess::ReadWrite, TFileSharing::Exclusive, cfb::TCommitMode::Transacted);
    const TEntryRef keep = *file->Find(file->Root(), QStringLiteral("keep"));
    file->Write(keep, 0, "zzz", 3);
    const TEntryRef added = WriteStream(*file, file->Root(), QStringLiteral("added"), Pattern(90000, 2));
    file->Revert();

    EXPECT_THROW(file->Info(added), EPlatformError);
    const auto elements = Walk(*file);
    EXPECT_EQ(elements.size(), 1u);
    EXPECT_EQ(elements.at("keep"), Pattern(7000, 1));
    EXPECT_EQ(QFileInfo(path).size(), committedSize);

    // Work goes on after a revert, and a later commit keeps it.
    WriteStream(*file, file->Root(), QStringLiteral("later"), Pattern(50, 3));
    file->Commit();
    file->Close();
    const auto reopened = TCompoundFile::Open(path, TFileAccess::ReadOnly);
    EXPECT_EQ(Walk(*reopened).at("later"), Pattern(50, 3));
}

TEST_F(CompoundFileTest, ClosingATransactedFileWithoutCommitLeavesItUnchanged)
{
    const QString path = PathOf("dropped.cfb");
    {
        const auto file = TCompoundFile::Create(path);
        WriteStream(*file, file->Root(), QStringLiteral("keep"), Pattern(7000, 1));
        file->Close();
    }
    const QByteArray before = testsupport::ReadFileBytes(path);
    {
        const auto file = TCompoundFile::Open(path, TFileAccess::ReadWrite, TFileSharing::Exclusive,
                                              cfb::TCommitMode::Transacted);
        const TEntryRef keep = *file->Find(file->Root(), QStringLiteral("keep"));
        file->Write(keep, 0, Pattern(7000, 9).constData(), 7000);
        file->Remove(file->Root(), QStringLiteral("keep"));
        WriteStream(*file, file->Root(), QStringLiteral("x"), Pattern(20000, 2));
    }
    EXPECT_EQ(testsupport::ReadFileBytes(path), before);
}

TEST_F(CompoundFileTest, Version4FilesAreWrittenOnRequestAndRead)
{
    const QString path = PathOf("v4.cfb");
    {
        const auto file = TCompoundFile::Create(path, cfb::TCommitMode::Direct, TFileSharing::Exclusive, 4);
        const TEntryRef storage = file->CreateStorage(file->Root(), QStringLiteral("Inner"));
        WriteStream(*file, storage, QStringLiteral("small"), Pattern(100, 1));
        WriteStream(*file, storage, QStringLiteral("large"), Pattern(10000, 2));
        file->Close();
    }
    EXPECT_EQ(QFileInfo(path).size() % 4096, 0);
    const auto file = TCompoundFile::Open(path, TFileAccess::ReadOnly);
    EXPECT_EQ(file->MajorVersion(), 4);
    const auto elements = Walk(*file);
    EXPECT_EQ(elements.at("Inner/small"), Pattern(100, 1));
    EXPECT_EQ(elements.at("Inner/large"), Pattern(10000, 2));
}
