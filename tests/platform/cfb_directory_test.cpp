#include "platform/cfb/directory.h"
#include "platform/cfb/element_names.h"
#include "platform/platform_error.h"

#include <QStringList>
#include <algorithm>
#include <gtest/gtest.h>
#include <random>

using cfb::kNoStream;
using cfb::TDirectory;
using cfb::TDirectoryEntry;
using cfb::TEntryType;

namespace {

TDirectoryEntry Entry(TEntryType type, const QString& name, std::uint32_t left = kNoStream,
                      std::uint32_t right = kNoStream, std::uint32_t child = kNoStream)
{
    TDirectoryEntry entry;
    entry.Type = type;
    entry.Name = name;
    entry.Left = left;
    entry.Right = right;
    entry.Child = child;
    return entry;
}

// A directory of whole sectors holding only the root.
TDirectory EmptyDirectory()
{
    std::vector<TDirectoryEntry> entries(4);
    entries[0] = Entry(TEntryType::Root, QStringLiteral("Root Entry"));
    TDirectory directory;
    directory.Load(entries);
    return directory;
}

QStringList NamesOf(const TDirectory& directory, std::uint32_t storage)
{
    QStringList names;
    for (const std::uint32_t index : directory.Children(storage))
        names << directory.At(index).Name;
    return names;
}

bool InNameOrder(const QStringList& names)
{
    return std::is_sorted(names.begin(), names.end(),
                          [](const QString& a, const QString& b) { return cfb::CompareNames(a, b) < 0; });
}

void ExpectLoadFails(std::vector<TDirectoryEntry> entries, const char* fragment)
{
    TDirectory directory;
    try {
        directory.Load(std::move(entries));
        ADD_FAILURE() << "loaded";
    } catch (const EPlatformError& error) {
        EXPECT_TRUE(error.Message().contains(QString::fromUtf8(fragment))) << error.what();
    }
}

} // namespace

TEST(ElementNames, OrderIsLengthFirstThenUpperCase)
{
    struct Case { const char16_t* a; const char16_t* b; int order; };
    const Case cases[] = {
        {u"b", u"aa", -1}, {u"abc", u"ABC", 0}, {u"abc", u"abd", -1}, {u"Zeta", u"alfa", 1},
        {u"ａｂ", u"ＡＢ", 0}, {u"日本", u"日本語", -1}, {u"_", u"a", 1}, // '_' sorts after 'A'
    };
    for (const Case& c : cases) {
        const int order = cfb::CompareNames(QString::fromUtf16(c.a), QString::fromUtf16(c.b));
        EXPECT_EQ((order > 0) - (order < 0), c.order) << QString::fromUtf16(c.a).toStdString();
    }
}

TEST(ElementNames, ValidityTable)
{
    EXPECT_TRUE(cfb::IsValidName(QString(31, u'あ')));
    EXPECT_TRUE(cfb::IsValidName(QStringLiteral("Preview0")));
    for (const QString& bad : {QString(), QString(32, u'a'), QStringLiteral("a/b"), QStringLiteral("a\\b"),
                               QStringLiteral("a:b"), QStringLiteral("a!b"), QString(QChar(u'\0'))})
        EXPECT_FALSE(cfb::IsValidName(bad)) << bad.toStdString();
}

TEST(Directory, RandomInsertionsAndRemovalsKeepASoundTree)
{
    TDirectory directory = EmptyDirectory();
    std::mt19937 random(7);
    std::vector<std::uint32_t> present;
    for (int step = 0; step < 3000; ++step) {
        if (present.empty() || random() % 3 != 0) {
            const QString name = QStringLiteral("n%1").arg(random() % 100000);
            if (directory.Find(0, name) != kNoStream)
                continue;
            std::uint32_t index = directory.Allocate(TEntryType::Stream, name);
            if (index == kNoStream) {
                directory.AppendFreeSector();
                index = directory.Allocate(TEntryType::Stream, name);
            }
            directory.Insert(0, index);
            present.push_back(index);
        } else {
            const std::size_t pick = random() % present.size();
            directory.Unlink(present[pick]);
            directory.Release(present[pick]);
            present.erase(present.begin() + static_cast<std::ptrdiff_t>(pick));
        }
        ASSERT_TRUE(directory.IsSoundTree(0)) << "step " << step;
    }
    const QStringList names = NamesOf(directory, 0);
    EXPECT_EQ(names.size(), static_cast<qsizetype>(present.size()));
    EXPECT_TRUE(InNameOrder(names));
    for (const std::uint32_t index : present)
        EXPECT_EQ(directory.Find(0, directory.At(index).Name.toUpper()), index);
}

TEST(Directory, UnsoundSiblingTreesAreRebuiltOnLoad)
{
    // Some writers chain siblings as a list to the right, in any order.
    for (int count : {1, 2, 3, 7, 8, 40, 100}) {
        std::vector<TDirectoryEntry> entries;
        entries.push_back(Entry(TEntryType::Root, QStringLiteral("Root Entry"), kNoStream, kNoStream, 1));
        for (int i = 0; i < count; ++i) {
            const std::uint32_t next = i + 1 < count ? static_cast<std::uint32_t>(i + 2) : kNoStream;
            entries.push_back(Entry(TEntryType::Stream, QStringLiteral("s%1").arg((i * 37) % count), kNoStream, next));
        }
        while (entries.size() % 4 != 0)
            entries.emplace_back();
        TDirectory directory;
        directory.Load(entries);
        EXPECT_TRUE(directory.IsSoundTree(0)) << count;
        const QStringList names = NamesOf(directory, 0);
        EXPECT_EQ(names.size(), count);
        EXPECT_TRUE(InNameOrder(names));
        EXPECT_EQ(directory.Find(0, QStringLiteral("S0")), directory.Children(0).front());
    }
}

TEST(Directory, DamagedTreesAreRefused)
{
    const QString root = QStringLiteral("Root Entry");
    // A storage that holds itself.
    ExpectLoadFails({Entry(TEntryType::Root, root, kNoStream, kNoStream, 1),
                     Entry(TEntryType::Storage, QStringLiteral("A"), kNoStream, kNoStream, 1), {}, {}},
                    "循環");
    // A sibling that points back up the tree.
    ExpectLoadFails({Entry(TEntryType::Root, root, kNoStream, kNoStream, 1),
                     Entry(TEntryType::Stream, QStringLiteral("A"), kNoStream, 2),
                     Entry(TEntryType::Stream, QStringLiteral("B"), 1), {}},
                    "循環");
    // A link outside the directory, and a link to a free entry.
    ExpectLoadFails({Entry(TEntryType::Root, root, kNoStream, kNoStream, 9999), {}, {}, {}}, "項目");
    ExpectLoadFails({Entry(TEntryType::Root, root, kNoStream, kNoStream, 2), {}, {}, {}}, "項目");
    // No root first.
    ExpectLoadFails({Entry(TEntryType::Storage, root), {}, {}, {}}, "項目");
}
