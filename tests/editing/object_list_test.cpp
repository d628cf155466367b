// The clipboard's object lists: written and read back, and hostile lists refused whole.
#include "editing_fixture.h"

#include "core/stream/class_registry.h"
#include "editing/clipboard/object_list.h"

#include <QBuffer>

namespace {

using ObjectListTest = EditingTest;

TEST_F(ObjectListTest, ListsRoundTripWithNamesAndClasses)
{
    TTestRect rect(TRect(1, 2, 30, 40), 15, true);
    rect.SetName(QStringLiteral("rect1"));
    TTestLine line(QPoint(-5, 6), QPoint(70, -80));
    const QByteArray bytes = ObjectListBytes({&rect, &line});
    const auto objects = ReadObjectListBytes(bytes);
    ASSERT_EQ(objects.size(), 2u);
    EXPECT_EQ(objects[0]->Name(), "rect1");
    EXPECT_EQ(ComponentBytes(*objects[0]), ComponentBytes(rect));
    EXPECT_EQ(ComponentBytes(*objects[1]), ComponentBytes(line));
}

TEST_F(ObjectListTest, AnEmptyListReadsAsNothing)
{
    EXPECT_TRUE(ReadObjectListBytes(QByteArray(4, '\0')).empty());
}

TEST_F(ObjectListTest, ACountBeyondTheBytesIsRefusedWithoutAllocating)
{
    const QByteArray bytes = QByteArray::fromHex("ffffffff") + QByteArray("TPF0");
    EXPECT_THROW(ReadObjectListBytes(bytes), std::exception);
}

TEST_F(ObjectListTest, ATruncatedListKeepsNothing)
{
    TTestRect a(TRect(1, 2, 3, 4));
    TTestRect b(TRect(5, 6, 7, 8));
    const QByteArray bytes = ObjectListBytes({&a, &b});
    for (int cut : {5, 20, static_cast<int>(bytes.size()) - 1})
        EXPECT_THROW(ReadObjectListBytes(bytes.left(cut)), std::exception) << cut;
}

TEST_F(ObjectListTest, ComponentsThatAreNotDrawObjectsAreDropped)
{
    RegisterClass(TDrawSiteModel::StaticClassInfo());
    TTestRect a(TRect(1, 2, 3, 4));
    TDrawSiteModel notAnObject;
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    buffer.write(QByteArray::fromHex("02000000"));
    WriteComponent(buffer, notAnObject);
    WriteComponent(buffer, a);
    const auto objects = ReadObjectListBytes(buffer.data());
    ASSERT_EQ(objects.size(), 1u);
    EXPECT_EQ(ComponentBytes(*objects[0]), ComponentBytes(a));
}

} // namespace
