// Files we write are read identically by independent readers (python3-olefile and
// libgsf's gsf tool), and files gsf writes are read identically by us.
#include "cfb_test_helpers.h"
#include "platform/cfb/compound_file.h"
#include "support/test_support.h"

#include <QCryptographicHash>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using cfb::TCompoundFile;
using cfb::TEntryRef;
using cfbtest::Pattern;

namespace {

// path → (kind, size, sha1) as the readers report it.
using TListing = std::map<QString, std::tuple<QString, qint64, QString>>;

TListing ListingOf(const std::map<QString, QByteArray>& elements)
{
    TListing listing;
    for (const auto& [path, data] : elements) {
        if (data == "<storage>")
            listing[path] = {QStringLiteral("storage"), 0, QString()};
        else
            listing[path] = {QStringLiteral("stream"), data.size(),
                             QString::fromLatin1(QCryptographicHash::hash(data, QCryptographicHash::Sha1).toHex())};
    }
    return listing;
}

TListing OlefileListing(const QString& file)
{
    QByteArray output;
    QByteArray errors;
    const int status = testsupport::RunProgram(
        QStringLiteral("/usr/bin/python3"),
        {QStringLiteral(LUMAREST_SOURCE_DIR "/tests/platform/olefile_dump.py"), file}, &output, 60000, &errors);
    EXPECT_EQ(status, 0) << errors.toStdString();
    TListing listing;
    const QJsonObject tree = QJsonDocument::fromJson(output).object();
    for (auto it = tree.begin(); it != tree.end(); ++it) {
        const QJsonArray entry = it.value().toArray();
        listing[it.key()] = {entry[0].toString(), entry[1].toInteger(), entry[2].toString()};
    }
    return listing;
}

// path → (kind, size) from "gsf list": one line per element, "d" or "f", an optional date,
// the size and the path.
std::map<QString, std::pair<QString, qint64>> GsfListing(const QString& file)
{
    QByteArray output;
    QByteArray errors;
    EXPECT_EQ(testsupport::RunProgram(QStringLiteral("gsf"), {QStringLiteral("list"), file}, &output, 60000, &errors), 0)
        << errors.toStdString();
    std::map<QString, std::pair<QString, qint64>> listing;
    for (const QString& line : QString::fromUtf8(output).split(u'\n', Qt::SkipEmptyParts)) {
        const QStringList fields = line.split(u' ', Qt::SkipEmptyParts);
        if (fields.size() < 3 || (fields[0] != u"d" && fields[0] != u"f") || fields.last() == u"*root*")
            continue;
        listing[fields.last()] = {fields[0] == u"d" ? QStringLiteral("storage") : QStringLiteral("stream"),
                                  fields[fields.size() - 2].toLongLong()};
    }
    return listing;
}

QByteArray GsfCat(const QString& file, const QString& path)
{
    QByteArray output;
    EXPECT_EQ(testsupport::RunProgram(QStringLiteral("gsf"), {QStringLiteral("cat"), file, path}, &output), 0) << path.toStdString();
    return output;
}

void WriteStream(TCompoundFile& file, const TEntryRef& parent, const QString& name, const QByteArray& data)
{
    const TEntryRef stream = file.CreateStream(parent, name);
    file.Write(stream, 0, data.constData(), static_cast<std::size_t>(data.size()));
}

// A file with nested storages, Japanese names, streams on both sides of the mini stream
// cutoff, empty streams, many entries, and deletions followed by reuse.
void WriteSample(const QString& path, int majorVersion)
{
    const auto file = TCompoundFile::Create(path, cfb::TCommitMode::Direct, TFileSharing::Exclusive, majorVersion);
    const TEntryRef outer = file->CreateStorage(file->Root(), QStringLiteral("Outer"));
    const TEntryRef inner = file->CreateStorage(outer, QStringLiteral("Inner"));
    const TEntryRef deep = file->CreateStorage(inner, QStringLiteral("深い階層"));
    int seed = 0;
    for (const qsizetype size : {0, 1, 100, 4095, 4096, 4097, 70000}) {
        WriteStream(*file, deep, QStringLiteral("size%1").arg(size), Pattern(size, ++seed));
        WriteStream(*file, file->Root(), QStringLiteral("日本語%1").arg(size), Pattern(size, ++seed));
    }
    const TEntryRef many = file->CreateStorage(file->Root(), QStringLiteral("Many"));
    for (int i = 0; i < 300; ++i)
        WriteStream(*file, many, QStringLiteral("Item%1").arg(i), Pattern(i * 37 % 9000, ++seed));
    const TEntryRef doomed = file->CreateStorage(outer, QStringLiteral("Doomed"));
    WriteStream(*file, doomed, QStringLiteral("gone"), Pattern(20000, ++seed));
    file->Commit();

    for (int i = 0; i < 300; i += 3)
        file->Remove(many, QStringLiteral("Item%1").arg(i));
    file->Remove(outer, QStringLiteral("Doomed"));
    file->Commit();
    for (int i = 0; i < 60; ++i)
        WriteStream(*file, many, QStringLiteral("New%1").arg(i), Pattern(i * 211 % 12000, ++seed));
    file->Close();
}

class InteropTest : public ::testing::TestWithParam<int> {
protected:
    QTemporaryDir folder_;
};

} // namespace

TEST_P(InteropTest, OurFilesAreReadIdenticallyByOlefile)
{
    const QString path = folder_.filePath("ours.cfb");
    WriteSample(path, GetParam());
    const auto file = TCompoundFile::Open(path, TFileAccess::ReadOnly);
    const TListing ours = ListingOf(cfbtest::Walk(*file));
    ASSERT_EQ(ours.size(), 3u + 14 + 1 + 200 + 60);
    EXPECT_EQ(OlefileListing(path), ours);
}

TEST_P(InteropTest, OurFilesAreListedAndReadIdenticallyByGsf)
{
    const QString path = folder_.filePath("ours.cfb");
    WriteSample(path, GetParam());
    const auto file = TCompoundFile::Open(path, TFileAccess::ReadOnly);
    const auto elements = cfbtest::Walk(*file);
    std::map<QString, std::pair<QString, qint64>> expected;
    for (const auto& [name, entry] : ListingOf(elements))
        expected[name] = {std::get<0>(entry), std::get<1>(entry)};
    EXPECT_EQ(GsfListing(path), expected);
    for (const QString name : {"Outer/Inner/深い階層/size0", "Outer/Inner/深い階層/size100",
                                "Outer/Inner/深い階層/size4096", "日本語4095", "日本語70000", "Many/Item299",
                                "Many/New59", "Many/New17"})
        EXPECT_EQ(GsfCat(path, name), elements.at(name)) << name.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Versions, InteropTest, ::testing::Values(3, 4));

TEST(Interop, FilesWrittenByGsfAreReadIdentically)
{
    QTemporaryDir folder;
    // A folder tree that gsf turns into storages and streams.
    const QString tree = folder.filePath("tree");
    std::map<QString, QByteArray> expected;
    int seed = 0;
    for (const QString relative : {"a", "日本語のファイル", "sub/empty", "sub/small", "sub/deeper/large",
                                    "sub/deeper/cutoff", "sub/deeper/片仮名"}) {
        const qsizetype size = relative.endsWith(u"empty") ? 0
                               : relative.endsWith(u"large") ? 100000
                               : relative.endsWith(u"cutoff") ? 4096
                                                               : 10 + 500 * seed;
        const QByteArray data = Pattern(size, ++seed);
        testsupport::WriteFileBytes(tree + u'/' + relative, data);
        expected[QStringLiteral("tree/") + relative] = data;
    }
    for (const QString storage : {"tree", "tree/sub", "tree/sub/deeper"})
        expected[storage] = QByteArrayLiteral("<storage>");
    for (int i = 0; i < 40; ++i) {
        const QByteArray data = Pattern(i * 150, ++seed);
        testsupport::WriteFileBytes(tree + QStringLiteral("/many/f%1").arg(i), data);
        expected[QStringLiteral("tree/many/f%1").arg(i)] = data;
    }
    expected[QStringLiteral("tree/many")] = QByteArrayLiteral("<storage>");

    const QString path = folder.filePath("gsf.ole");
    QByteArray errors;
    ASSERT_EQ(testsupport::RunProgram(QStringLiteral("gsf"), {QStringLiteral("createole"), path, tree}, nullptr, 60000,
                                      &errors),
              0)
        << errors.toStdString();
    EXPECT_EQ(cfbtest::Walk(*TCompoundFile::Open(path, TFileAccess::ReadOnly)), expected);

    // Changing a gsf file in place keeps it readable by gsf.
    {
        const auto writable = TCompoundFile::Open(path, TFileAccess::ReadWrite);
        const TEntryRef sub = *writable->Find(*writable->Find(writable->Root(), QStringLiteral("tree")),
                                              QStringLiteral("sub"));
        writable->Remove(sub, QStringLiteral("deeper"));
        WriteStream(*writable, sub, QStringLiteral("added"), Pattern(5000, 99));
        writable->Close();
    }
    EXPECT_EQ(GsfCat(path, QStringLiteral("tree/sub/added")), Pattern(5000, 99));
    EXPECT_EQ(GsfCat(path, QStringLiteral("tree/many/f39")), expected.at(QStringLiteral("tree/many/f39")));
    EXPECT_EQ(GsfListing(path).count(QStringLiteral("tree/sub/deeper/large")), 0u);
}
