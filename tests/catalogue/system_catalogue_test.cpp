// The generated system catalogue: read by independent compound-file readers (olefile, gsf)
// and by ours, every paper sound; and the generator refusing bad sources.
#include "catalogue/catalogue_classes.h"
#include "catalogue/database/papers_v2.h"
#include "catalogue/database/stored_elements.h"
#include "core/storage/root_storage.h"
#include "support/test_support.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using testsupport::RunProgram;

namespace {

const QString kCatalogue = QStringLiteral(LUMAREST_BINARY_DIR "/data/Lumarest.ppr");
const QString kSources = QStringLiteral(LUMAREST_SOURCE_DIR "/data/papers");

int SourcePaperCount()
{
    return static_cast<int>(QDir(kSources).entryList({QStringLiteral("*.json")}, QDir::Files).size()) - 1;
}

// The element paths olefile lists, one per line, and with --dump the bytes of one stream.
QByteArray Olefile(const QStringList& arguments)
{
    const QString script = QStringLiteral(
        "import olefile, sys\n"
        "ole = olefile.OleFileIO(sys.argv[1])\n"
        "if len(sys.argv) > 2:\n"
        "    sys.stdout.buffer.write(ole.openstream(sys.argv[2]).read())\n"
        "else:\n"
        "    print('\\n'.join('/'.join(entry) for entry in ole.listdir()))\n");
    QByteArray out;
    EXPECT_EQ(RunProgram(QStringLiteral("/usr/bin/python3"), QStringList{QStringLiteral("-c"), script} + arguments, &out), 0);
    return out;
}

} // namespace

TEST(SystemCatalogue, IndependentReadersSeeTheSameFile)
{
    ASSERT_GE(SourcePaperCount(), 30);
    const QList<QByteArray> elements = Olefile({kCatalogue}).trimmed().split('\n');
    int papers = 0;
    for (const QByteArray& element : elements)
        papers += element.startsWith("Papers/$") ? 1 : 0;
    EXPECT_EQ(papers, SourcePaperCount());
    for (const char* expected : {"PurposeList/PurposeList", "ExtraInfos/$00000001", "UpdateInfo/UpdateInfo",
                                 "CompanyList/CompanyList", "GroupList/GroupList", "GlobalInfo/GenreInfo",
                                 "GlobalInfo/SearchExtKeyInfo"})
        EXPECT_TRUE(elements.contains(expected)) << expected;

    RegisterCatalogueClasses();
    TPapersV2 database(kCatalogue, false, true);
    EXPECT_EQ(Olefile({kCatalogue, QStringLiteral("Papers/$00000001")}),
              ReadStoredBytes(database.Storage(), QStringLiteral("Papers\\$00000001")));

    QByteArray listing;
    ASSERT_EQ(RunProgram(QStringLiteral("gsf"), {QStringLiteral("list"), kCatalogue}, &listing), 0);
    EXPECT_TRUE(listing.contains("Papers"));
    EXPECT_TRUE(listing.contains("GlobalInfo"));
}

TEST(SystemCatalogue, EveryPaperLiesOnItsSheetWithoutOverlaps)
{
    RegisterCatalogueClasses();
    TPapersV2 database(kCatalogue, false, true);
    database.AttachExtensionStores();
    ASSERT_EQ(database.Count(), SourcePaperCount());
    QStringList tabs;
    for (int i = 0; i < database.Count(); ++i) {
        const TPaperInfo& paper = database.Paper(i);
        SCOPED_TRACE(paper.PaperName().toStdString());
        EXPECT_TRUE(paper.ReadOnly());
        EXPECT_EQ(paper.FirstFaceOutside(), -1);
        EXPECT_EQ(paper.FirstOverlappingFace(), -1);
        EXPECT_GT(paper.FaceCount(), 0);
        const auto extra = database.ExtraInfo(QStringLiteral("ExtraInfos"), paper.PaperName());
        ASSERT_TRUE(extra);
        EXPECT_EQ(static_cast<const TExPaperInfo&>(*extra).Company(), QStringLiteral("汎用"));
        const std::optional<QString> tab = database.GenreTab(paper.GroupName());
        ASSERT_TRUE(tab) << paper.GroupName().toStdString();
        if (!tabs.contains(*tab))
            tabs << *tab;
    }
    for (const char* tab : {"ダイレクトプリント\\エプソン", "ダイレクトプリント\\キヤノン", "ダイレクトプリント\\その他"})
        EXPECT_TRUE(tabs.contains(QString::fromUtf8(tab))) << tab;
}

TEST(SystemCatalogue, GeneratorRefusesBadPapers)
{
    const QString disc = QStringLiteral(R"({"name": "bad", "group": "g", "maker": "m", "sheet": {"width": 210, "height": 297},
        "purposes": ["CD"], %1})");
    struct Case {
        const char* what;
        QString source;
        const char* message;
    };
    const Case cases[] = {
        {"overlap",
         disc.arg(R"("faces": [{"left": 10, "top": 10, "width": 100, "height": 100, "shape": "fsEllipse"},
                                {"left": 50, "top": 50, "width": 100, "height": 100, "shape": "fsEllipse"}])"),
         "face 1 overlaps"},
        {"outside",
         disc.arg(R"("matrix": {"left": 1, "top": 1, "faceWidth": 117, "faceHeight": 117},
                     "face": {"shape": "fsDoughnut", "margin": 2})"),
         "face 0 is not on the sheet"},
        {"typo", disc.arg(R"("matrix": {"left": 10, "top": 10, "faceWidth": 117, "faceHeigth": 117}, "face": {"shape": "fsRect"})"),
         "unknown key \"faceHeigth\""},
        {"hundredths", disc.arg(R"("matrix": {"left": 10.25, "top": 10, "faceWidth": 117, "faceHeight": 117}, "face": {"shape": "fsRect"})"),
         "millimetres to a tenth"},
        {"unknown purpose", disc.arg(R"("matrix": {"left": 10, "top": 10, "faceWidth": 117, "faceHeight": 117}, "face": {"shape": "fsRect", "purpose": "X"})"),
         "not in the catalogue"},
    };
    for (const Case& c : cases) {
        QTemporaryDir folder;
        ASSERT_TRUE(folder.isValid());
        QDir().mkpath(folder.filePath(QStringLiteral("papers")));
        QFile::copy(kSources + QStringLiteral("/catalogue.json"), folder.filePath(QStringLiteral("papers/catalogue.json")));
        testsupport::WriteFileBytes(folder.filePath(QStringLiteral("papers/bad.json")), c.source.toUtf8());
        const QString output = folder.filePath(QStringLiteral("out.ppr"));
        QByteArray err;
        EXPECT_EQ(RunProgram(QStringLiteral(PAPER_CATALOGUE_PROGRAM), {folder.filePath(QStringLiteral("papers")), output},
                             nullptr, 60000, &err),
                  1)
            << c.what;
        EXPECT_TRUE(err.contains(c.message)) << c.what << ": " << err.toStdString();
        EXPECT_FALSE(QFile::exists(output)) << c.what;
    }
}
