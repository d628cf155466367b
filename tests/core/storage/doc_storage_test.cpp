#include "core/error.h"
#include "core/storage/doc_storage.h"
#include "core/storage/doc_stream.h"
#include "core/storage/file_storage.h"

#include <QDataStream>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class DocStorageTest : public ::testing::Test {
protected:
    DocStorageTest() : root_(folder_.filePath("doc.cfb"), fmCreate) {}

    void WriteText(TDocStorage& storage, const QString& path, const QByteArray& text)
    {
        TDocStream stream(storage, fmCreate, path);
        stream.Write(text.constData(), text.size());
    }

    QByteArray ReadText(TDocStorage& storage, const QString& path)
    {
        TDocStream stream(storage, fmOpenRead, path);
        return stream.readAll();
    }

    QTemporaryDir folder_;
    TFileStorage root_;
};

} // namespace

TEST_F(DocStorageTest, NestedStoragesOpenRelativeToTheirParent)
{
    TDocStorage ac(root_, true, QStringLiteral("A\\C"));
    EXPECT_EQ(ac.Path(), QStringLiteral("A\\C"));
    TDocStorage ab(ac, true, QStringLiteral("..\\B"));
    EXPECT_EQ(ab.Path(), QStringLiteral("A\\B"));
    TDocStorage x(ac, true, QStringLiteral("\\X"));
    EXPECT_EQ(x.Path(), QStringLiteral("X"));
    WriteText(ab, QStringLiteral("..\\C\\note"), "from B");
    EXPECT_EQ(ReadText(root_, QStringLiteral("a\\c\\NOTE")), QByteArray("from B"));
    EXPECT_TRUE(root_.StorageExists(QStringLiteral("X")));
    EXPECT_THROW(TDocStorage(ac, true, QStringLiteral("..\\..\\..")), EAppError);
}

TEST_F(DocStorageTest, MissingStoragesRaiseUnlessCreated)
{
    try {
        TDocStorage missing(root_, false, QStringLiteral("Nowhere\\Deeper"));
        ADD_FAILURE();
    } catch (const EAppError& error) {
        EXPECT_TRUE(error.Message().contains(QStringLiteral("Nowhere"))) << error.what();
    }
    WriteText(root_, QStringLiteral("stream"), "x");
    EXPECT_THROW(TDocStorage(root_, true, QStringLiteral("stream\\inner")), EAppError);
    EXPECT_FALSE(root_.StorageExists(QStringLiteral("Nowhere")));
}

TEST_F(DocStorageTest, OpenChainsAreReusedOnlyWhileTheyStillLeadToTheirPath)
{
    auto b = std::make_unique<TDocStorage>(root_, true, QStringLiteral("A\\B"));
    WriteText(*b, QStringLiteral("first"), "1");
    TDocStorage sibling(root_, true, QStringLiteral("A\\B\\Sibling"));
    EXPECT_EQ(ReadText(sibling, QStringLiteral("..\\first")), QByteArray("1"));

    // B moves away while open: a new A\B must be a new storage, not the moved one.
    root_.MoveElement(QStringLiteral("A\\B"), QStringLiteral("Moved"));
    TDocStorage again(root_, true, QStringLiteral("A\\B"));
    WriteText(again, QStringLiteral("second"), "2");
    EXPECT_FALSE(root_.StreamExists(QStringLiteral("Moved\\second")));
    EXPECT_TRUE(root_.StreamExists(QStringLiteral("A\\B\\second")));

    // Removed while open: its handle no longer works, and raises instead of touching another
    // element.
    root_.DeleteElement(QStringLiteral("Moved"));
    QStringList names;
    EXPECT_THROW(b->ListStreams(names), EAppError);
}

TEST_F(DocStorageTest, DeleteElementTellsWhetherSomethingWasRemoved)
{
    WriteText(root_, QStringLiteral("S\\T\\deep"), "x");
    WriteText(root_, QStringLiteral("plain"), "y");
    EXPECT_FALSE(root_.DeleteElement(QStringLiteral("missing")));
    EXPECT_FALSE(root_.DeleteElement(QStringLiteral("NoStorage\\missing")));
    EXPECT_FALSE(root_.DeleteElement(QStringLiteral("plain\\inside")));
    EXPECT_TRUE(root_.DeleteElement(QStringLiteral("plain")));
    EXPECT_TRUE(root_.DeleteElement(QStringLiteral("S")));
    EXPECT_FALSE(root_.StorageExists(QStringLiteral("S")));
    EXPECT_FALSE(root_.StreamExists(QStringLiteral("S\\T\\deep")));
}

TEST_F(DocStorageTest, ExistenceAndListing)
{
    WriteText(root_, QStringLiteral("Store\\in"), "x");
    WriteText(root_, QStringLiteral("s1"), "x");
    WriteText(root_, QStringLiteral("s22"), "x");
    EXPECT_TRUE(root_.StreamExists(QStringLiteral("S1")));
    EXPECT_FALSE(root_.StreamExists(QStringLiteral("Store")));
    EXPECT_TRUE(root_.StorageExists(QStringLiteral("store")));
    EXPECT_FALSE(root_.StorageExists(QStringLiteral("s1")));
    QStringList list{QStringLiteral("kept")};
    root_.ListStreams(list);
    EXPECT_EQ(list, QStringList({"kept", "s1", "s22"}));
    list.clear();
    root_.ListStorages(list);
    EXPECT_EQ(list, QStringList({"Store"}));
}

TEST_F(DocStorageTest, CopyToCopiesEverythingAndRefusesItsOwnInside)
{
    WriteText(root_, QStringLiteral("Src\\a"), QByteArray(5000, 'a'));
    WriteText(root_, QStringLiteral("Src\\Sub\\b"), "b");
    TDocStorage source(root_, false, QStringLiteral("Src"));
    TDocStorage copy(root_, true, QStringLiteral("Copy"));
    source.CopyTo(copy);
    EXPECT_EQ(ReadText(root_, QStringLiteral("Copy\\a")), QByteArray(5000, 'a'));
    EXPECT_EQ(ReadText(root_, QStringLiteral("Copy\\Sub\\b")), QByteArray("b"));

    TFileStorage other(folder_.filePath("other.cfb"), fmCreate);
    root_.CopyTo(other);
    EXPECT_EQ(ReadText(other, QStringLiteral("Src\\Sub\\b")), QByteArray("b"));

    TDocStorage inside(root_, true, QStringLiteral("Src\\Sub\\Inner"));
    EXPECT_THROW(source.CopyTo(inside), EAppError);
}

TEST_F(DocStorageTest, MoveElementRenamesIntoAnotherStorage)
{
    WriteText(root_, QStringLiteral("A\\s"), "moved");
    TDocStorage b(root_, true, QStringLiteral("B"));
    b.MoveElement(QStringLiteral("..\\A\\s"), QStringLiteral("t"));
    EXPECT_EQ(ReadText(root_, QStringLiteral("B\\t")), QByteArray("moved"));
    EXPECT_FALSE(root_.StreamExists(QStringLiteral("A\\s")));
    EXPECT_THROW(root_.MoveElement(QStringLiteral("B\\t"), QStringLiteral("Missing\\t")), EAppError);
}

TEST_F(DocStorageTest, StreamsAreRandomAccessDevices)
{
    {
        TDocStream stream(root_, fmCreate, QStringLiteral("S\\data"));
        QDataStream out(&stream);
        out << qint32(7) << QStringLiteral("日本語");
        EXPECT_TRUE(stream.seek(100));
        stream.Write("end", 3);
        EXPECT_EQ(stream.size(), 103);
        stream.SetSize(50);
        EXPECT_EQ(stream.size(), 50);
        stream.Write(nullptr, 0);
        EXPECT_EQ(stream.Read(nullptr, -1), 0);
    }
    TDocStream stream(root_, fmOpenRead, QStringLiteral("S\\data"));
    QDataStream in(&stream);
    qint32 number = 0;
    QString text;
    in >> number >> text;
    EXPECT_EQ(number, 7);
    EXPECT_EQ(text, QStringLiteral("日本語"));
    EXPECT_EQ(stream.readAll(), QByteArray(50 - stream.pos(), '\0'));
    EXPECT_THROW(stream.Write("x", 1), EAppError);
    EXPECT_THROW(stream.SetSize(0), EAppError);
}

TEST_F(DocStorageTest, CreatingAnExistingStreamEmptiesIt)
{
    WriteText(root_, QStringLiteral("s"), QByteArray(9000, 'x'));
    TDocStream stream(root_, fmCreate, QStringLiteral("s"));
    EXPECT_EQ(stream.size(), 0);
    EXPECT_THROW(TDocStream(root_, fmOpenRead, QStringLiteral("absent")), EAppError);
    EXPECT_THROW(TDocStream(root_, fmOpenRead, QStringLiteral("\\")), EAppError);
}

TEST_F(DocStorageTest, StoragesOutlivingTheirRootRaiseInsteadOfCrashing)
{
    auto root = std::make_unique<TFileStorage>(folder_.filePath("short.cfb"), fmCreate);
    TDocStorage child(*root, true, QStringLiteral("C"));
    auto stream = std::make_unique<TDocStream>(child, fmCreate, QStringLiteral("s"));
    root.reset();
    EXPECT_THROW(child.StreamExists(QStringLiteral("s")), EAppError);
    EXPECT_THROW(stream->Write("x", 1), EAppError);
}
