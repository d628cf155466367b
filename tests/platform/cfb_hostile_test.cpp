// Damaged and hostile files: each gives the format error, never a crash, a hang or a huge
// allocation. Opening only reads the header, the FAT and the directory, so faults in stream
// data show when the stream is read.
#include "cfb_test_helpers.h"
#include "platform/cfb/cfb_format.h"
#include "platform/cfb/compound_file.h"
#include "platform/platform_error.h"
#include "support/test_support.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

using cfb::TCompoundFile;
using cfb::TEntryRef;

namespace {

// A valid file to damage: root → storage "S" → streams "small" (100 bytes, in the mini
// stream) and "large" (6000 bytes). Entries: 0 root, 1 S, 2 small, 3 large.
QByteArray SampleFile(const QString& path)
{
    const auto file = TCompoundFile::Create(path);
    const TEntryRef storage = file->CreateStorage(file->Root(), QStringLiteral("S"));
    const TEntryRef small = file->CreateStream(storage, QStringLiteral("small"));
    file->Write(small, 0, cfbtest::Pattern(100, 1).constData(), 100);
    const TEntryRef large = file->CreateStream(storage, QStringLiteral("large"));
    file->Write(large, 0, cfbtest::Pattern(6000, 2).constData(), 6000);
    file->Close();
    return testsupport::ReadFileBytes(path);
}

std::uint32_t U32(const QByteArray& bytes, qsizetype at)
{
    return cfb::ReadU32(bytes.constData() + at);
}

void SetU32(QByteArray& bytes, qsizetype at, std::uint32_t value)
{
    cfb::WriteU32(bytes.data() + at, value);
}

qsizetype SectorAt(std::uint32_t sector)
{
    return (static_cast<qsizetype>(sector) + 1) * 512;
}

qsizetype EntryAt(const QByteArray& bytes, int index)
{
    return SectorAt(U32(bytes, 0x30)) + 128 * index;
}

qsizetype FatEntryAt(const QByteArray& bytes, std::uint32_t sector)
{
    return SectorAt(U32(bytes, 0x4C)) + 4 * sector;
}

struct Damage {
    const char* Name;
    std::function<void(QByteArray&)> Apply;
    const char* Fault;   // part of the expected message
    bool OnOpen;         // the fault shows when opening (else when reading the streams)
};

} // namespace

TEST(HostileFiles, EachDamageGivesTheFormatError)
{
    QTemporaryDir folder;
    const QByteArray sample = SampleFile(folder.filePath("sample.cfb"));
    const std::vector<Damage> damages = {
        {"empty file", [](QByteArray& b) { b.clear(); }, "複合ファイルではありません", true},
        {"foreign bytes", [](QByteArray& b) { b.fill('x'); }, "複合ファイルではありません", true},
        {"header cut short", [](QByteArray& b) { b.truncate(300); }, "途中で切れて", true},
        {"header only", [](QByteArray& b) { b.truncate(512); }, "ヘッダー", true},
        {"unknown version", [](QByteArray& b) { b[0x1A] = 5; }, "ヘッダー", true},
        {"byte order", [](QByteArray& b) { b[0x1C] = 0; }, "ヘッダー", true},
        {"FAT count beyond the file", [](QByteArray& b) { SetU32(b, 0x2C, 0xFFFFFFFF); }, "ヘッダー", true},
        {"FAT sector out of range", [](QByteArray& b) { SetU32(b, 0x4C, 0x00FFFFFF); }, "範囲外", true},
        {"DIFAT that loops",
         [](QByteArray& b) {
             SetU32(b, 0x2C, 200); // more FAT sectors than the header lists...
             SetU32(b, 0x44, 0);   // ...continued in a DIFAT "sector" 0 that is the FAT itself
             SetU32(b, 0x48, 1);
         },
         "ヘッダー", true},
        {"directory start out of range", [](QByteArray& b) { SetU32(b, 0x30, 0x7FFFFFF0); }, "範囲外", true},
        {"directory chain loops",
         [](QByteArray& b) { SetU32(b, FatEntryAt(b, U32(b, 0x30)), U32(b, 0x30)); }, "循環", true},
        {"directory cycle", [](QByteArray& b) { SetU32(b, EntryAt(b, 1) + 0x4C, 1); }, "循環", true},
        {"sibling link outside", [](QByteArray& b) { SetU32(b, EntryAt(b, 2) + 0x44, 4000); }, "項目", true},
        {"root not first", [](QByteArray& b) { b[EntryAt(b, 0) + 0x42] = 1; }, "項目", true},
        {"stream size beyond the file", [](QByteArray& b) { SetU32(b, EntryAt(b, 3) + 0x78, 0x7FFFFFF0); },
         "サイズ", false},
        {"stream chain loops",
         [](QByteArray& b) {
             const std::uint32_t start = U32(b, EntryAt(b, 3) + 0x74);
             SetU32(b, FatEntryAt(b, start + 1), start);
         },
         "循環", false},
        {"stream start out of range", [](QByteArray& b) { SetU32(b, EntryAt(b, 3) + 0x74, 0x00FFFFFF); }, "範囲外",
         false},
        {"mini stream beyond its container", [](QByteArray& b) { SetU32(b, EntryAt(b, 2) + 0x74, 5000); }, "範囲外",
         false},
        {"small stream larger than the mini stream", [](QByteArray& b) { SetU32(b, EntryAt(b, 2) + 0x78, 4000); },
         "サイズ", false},
        {"file cut inside stream data", [](QByteArray& b) { b.truncate(b.size() - 1000); }, "途中で切れて", false},
    };
    for (const Damage& damage : damages) {
        QByteArray bytes = sample;
        damage.Apply(bytes);
        const QString path = folder.filePath(QStringLiteral("damaged.cfb"));
        testsupport::WriteFileBytes(path, bytes);
        bool opened = false;
        try {
            const auto file = TCompoundFile::Open(path, TFileAccess::ReadOnly);
            opened = true;
            cfbtest::Walk(*file);
            ADD_FAILURE() << damage.Name << ": no error";
        } catch (const EPlatformError& error) {
            EXPECT_EQ(opened, !damage.OnOpen) << damage.Name;
            EXPECT_TRUE(error.Message().contains(QString::fromUtf8(damage.Fault))) << damage.Name << ": " << error.what();
            EXPECT_TRUE(error.Message().startsWith(QStringLiteral("ファイルの形式が正しくありません"))) << damage.Name;
        }
    }
}

TEST(HostileFiles, ADamagedStreamLeavesTheRestReadable)
{
    QTemporaryDir folder;
    QByteArray bytes = SampleFile(folder.filePath("sample.cfb"));
    SetU32(bytes, EntryAt(bytes, 3) + 0x74, 0x00FFFFFF);
    const QString path = folder.filePath("damaged.cfb");
    testsupport::WriteFileBytes(path, bytes);

    const auto file = TCompoundFile::Open(path, TFileAccess::ReadWrite);
    const TEntryRef storage = *file->Find(file->Root(), QStringLiteral("S"));
    EXPECT_EQ(cfbtest::ReadAll(*file, *file->Find(storage, QStringLiteral("small"))), cfbtest::Pattern(100, 1));
    // The damaged stream can still be removed; its sectors are simply not reclaimed.
    EXPECT_TRUE(file->Remove(storage, QStringLiteral("large")));
    file->Close();
    const auto reopened = TCompoundFile::Open(path, TFileAccess::ReadOnly);
    EXPECT_EQ(cfbtest::Walk(*reopened).size(), 2u);
}

TEST(HostileFiles, ChangingAFileWithAnOversizedMiniStreamFailsAtOnce)
{
    // A mini stream claiming 4 GiB must not make the mini FAT grow to match before the
    // claim is checked.
    QTemporaryDir folder;
    QByteArray bytes = SampleFile(folder.filePath("sample.cfb"));
    SetU32(bytes, EntryAt(bytes, 0) + 0x78, 0xFFFFFFFF);
    const QString path = folder.filePath("damaged.cfb");
    testsupport::WriteFileBytes(path, bytes);

    const auto file = TCompoundFile::Open(path, TFileAccess::ReadWrite);
    const TEntryRef stream = file->CreateStream(file->Root(), QStringLiteral("new"));
    EXPECT_THROW(file->Write(stream, 0, "abc", 3), EPlatformError);
    file->Close();
    EXPECT_LT(QFileInfo(path).size(), 64 * 1024);
}
