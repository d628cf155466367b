#include "core/error.h"
#include "core/storage/doc_name_list.h"
#include "core/storage/file_storage.h"
#include "platform/shift_jis.h"
#include "support/test_support.h"

#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>

namespace {

class DocNameListTest : public ::testing::Test {
protected:
    DocNameListTest() : path_(folder_.filePath("lists.cfb")) {}

    QByteArray StreamBytes(TDocStorage& storage, const QString& path)
    {
        return TDocStream(storage, fmOpenRead, path).readAll();
    }

    QTemporaryDir folder_;
    QString path_;
};

} // namespace

TEST_F(DocNameListTest, StreamHoldsTheCounterAndTheNames)
{
    TFileStorage root(path_, fmCreate);
    TDocStorageList list(root, QStringLiteral("Sheets\\NameList"));
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.AddNewName(), QStringLiteral("NameList0"));
    EXPECT_EQ(list.AddNewName(), QStringLiteral("NameList1"));
    EXPECT_EQ(StreamBytes(root, QStringLiteral("Sheets\\NameList")),
              QByteArray("\x02\x00\x00\x00NameList0\r\nNameList1\r\n", 4 + 22));
    EXPECT_EQ(list.EntryPath(1), QStringLiteral("Sheets\\NameList1"));
    EXPECT_EQ(list.Storage().Path(), QStringLiteral("Sheets"));

    TDocStreamList previews(root, QStringLiteral("Sheets\\NameList0\\Preview"));
    EXPECT_EQ(previews.AddNewName(), QStringLiteral("Preview0"));
}

TEST_F(DocNameListTest, AListClaimingMoreBytesThanTheFileHoldsIsRefused)
{
    {
        TFileStorage root(path_, fmCreate);
        TDocStorageList(root, QStringLiteral("NameList")).AddNewName();
    }
    // The directory entry of the list claims almost 4 GiB; the file holds a few bytes.
    QByteArray bytes = testsupport::ReadFileBytes(path_);
    const qsizetype entry = bytes.indexOf(QByteArray("N\0a\0m\0e\0L\0i\0s\0t\0\0\0", 18));
    ASSERT_GT(entry, 0);
    qToLittleEndian<quint32>(0xFFFFFFF0u, bytes.data() + entry + 0x78);
    testsupport::WriteFileBytes(path_, bytes);

    TFileStorage root(path_, fmOpenRead);
    try {
        TDocStorageList list(root, QStringLiteral("NameList"));
        ADD_FAILURE() << "the list was read with " << list.Count() << " names";
    } catch (const EAppError& error) {
        EXPECT_EQ(error.Message(), QStringLiteral("ストリームからの読み込みエラー"));
    }
}

TEST_F(DocNameListTest, NamesAreNeverReused)
{
    TFileStorage root(path_, fmCreate);
    {
        TDocStorageList list(root, QStringLiteral("NameList"));
        list.AddNewName();
        list.AddNewName();
        list.OpenStorage(0, true);
        list.DeleteEntry(0);
        EXPECT_FALSE(root.StorageExists(QStringLiteral("NameList0")));
        EXPECT_EQ(list.Names(), QStringList{"NameList1"});
        EXPECT_EQ(list.AddNewName(), QStringLiteral("NameList2"));
    }
    // The counter survives reopening.
    TDocStorageList list(root, QStringLiteral("NameList"));
    EXPECT_EQ(list.Names(), QStringList({"NameList1", "NameList2"}));
    EXPECT_EQ(list.AddNewName(), QStringLiteral("NameList3"));
}

TEST_F(DocNameListTest, ACounterThatFellBehindSkipsNamesInUse)
{
    TFileStorage root(path_, fmCreate);
    {
        TDocStream stream(root, fmCreate, QStringLiteral("L"));
        const QByteArray bytes("\x01\x00\x00\x00L0\r\nL1\r\nL2\r\n", 16);
        stream.Write(bytes.constData(), bytes.size());
        TDocStream(root, fmCreate, QStringLiteral("L3")).Write("orphan", 6);
    }
    TDocStreamList list(root, QStringLiteral("L"));
    EXPECT_EQ(list.AddNewName(), QStringLiteral("L4"));
}

TEST_F(DocNameListTest, EntriesOpenMoveAndClear)
{
    TFileStorage root(path_, fmCreate);
    TDocStreamList list(root, QStringLiteral("Store\\Items"));
    for (int i = 0; i < 3; ++i)
        list.AddNewName();
    list.OpenStream(1, fmCreate)->Write("one", 3);
    EXPECT_FALSE(list.StreamExists(0));
    EXPECT_TRUE(list.StreamExists(1));
    EXPECT_FALSE(list.StreamExists(3));
    EXPECT_FALSE(list.StreamExists(-1));
    EXPECT_EQ(list.OpenStream(1, fmOpenRead)->readAll(), QByteArray("one"));
    list.Move(2, 0);
    EXPECT_EQ(list.Names(), QStringList({"Items2", "Items0", "Items1"}));
    EXPECT_THROW(list.Move(0, 3), EAppError);
    EXPECT_THROW(list.EntryPath(5), EAppError);
    list.Clear();
    EXPECT_EQ(StreamBytes(root, QStringLiteral("Store\\Items")), QByteArray("\x03\x00\x00\x00", 4));
    EXPECT_TRUE(root.StreamExists(QStringLiteral("Store\\Items1"))); // the elements stay
}

TEST_F(DocNameListTest, LoadingDoesNotRewrite)
{
    {
        TFileStorage root(path_, fmCreate);
        TDocStreamList list(root, QStringLiteral("NameList"));
        list.AddNewName();
    }
    TFileStorage root(path_, fmOpenReadWrite);
    TDocStreamList list(root, QStringLiteral("NameList"));
    EXPECT_EQ(list.Count(), 1);
    EXPECT_FALSE(root.IsModified());
}

TEST_F(DocNameListTest, OnAReadOnlyRootTheListMustExist)
{
    {
        TFileStorage root(path_, fmCreate);
        TDocStreamList list(root, QStringLiteral("Present"));
        list.AddNewName();
    }
    TFileStorage root(path_, fmOpenRead);
    EXPECT_THROW(TDocStreamList(root, QStringLiteral("Missing")), EAppError);
    EXPECT_THROW(TDocStreamList(root, QStringLiteral("Folder\\Missing")), EAppError);
    EXPECT_FALSE(root.StreamExists(QStringLiteral("Missing")));
    TDocStreamList present(root, QStringLiteral("Present"));
    EXPECT_EQ(present.Names(), QStringList{"Present0"});
    EXPECT_THROW(present.AddNewName(), EAppError);
    EXPECT_EQ(present.Names(), QStringList{"Present0"}); // unchanged by the failed addition
}

TEST_F(DocNameListTest, ADamagedListStreamIsRefused)
{
    {
        TFileStorage root(path_, fmCreate);
        TDocStream(root, fmCreate, QStringLiteral("Short")).Write("\x01\x00", 2);
    }
    TFileStorage root(path_, fmOpenReadWrite);
    EXPECT_THROW(TDocStreamList(root, QStringLiteral("Short")), EAppError);
}

TEST_F(DocNameListTest, NamesAreShiftJisText)
{
    TFileStorage root(path_, fmCreate);
    TDocStreamList list(root, QStringLiteral("一覧"));
    EXPECT_EQ(list.AddNewName(), QStringLiteral("一覧0"));
    EXPECT_EQ(StreamBytes(root, QStringLiteral("一覧")),
              QByteArray("\x01\x00\x00\x00", 4) + *EncodeShiftJIS(u"一覧0") + "\r\n");

    // A name the list cannot hold leaves the list as it was.
    TDocStreamList odd(root, QStringLiteral("\U0001F600"));
    EXPECT_THROW(odd.AddNewName(), EAppError);
    EXPECT_EQ(odd.Count(), 0);
    EXPECT_EQ(StreamBytes(root, QStringLiteral("\U0001F600")), QByteArray());
}

TEST_F(DocNameListTest, InsertPutsAChosenNameAnywhere)
{
    TFileStorage root(path_, fmCreate);
    {
        TDocStreamList list(root, QStringLiteral("Keys\\NameList"));
        list.AddNewName();
        list.Insert(0, QStringLiteral("-42"));
        list.Insert(2, QStringLiteral("7"));
        EXPECT_EQ(list.Names(), QStringList({"-42", "NameList0", "7"}));
        EXPECT_THROW(list.Insert(4, QStringLiteral("8")), EAppError);
        EXPECT_THROW(list.Insert(-1, QStringLiteral("8")), EAppError);
    }
    // Stored at once, and the counter stays where the generated names left it.
    TDocStreamList list(root, QStringLiteral("Keys\\NameList"));
    EXPECT_EQ(list.Names(), QStringList({"-42", "NameList0", "7"}));
    EXPECT_EQ(list.AddNewName(), QStringLiteral("NameList1"));
}
