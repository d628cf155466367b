#include "catalogue/catalogue_classes.h"
#include "catalogue/database/copy_papers.h"
#include "catalogue/database/element_names.h"
#include "catalogue/database/paper_matching.h"
#include "catalogue/database/papers_v2.h"
#include "catalogue/database/stored_elements.h"
#include "catalogue_test_support.h"
#include "core/error.h"
#include "core/storage/doc_storage.h"
#include "core/storage/file_storage.h"
#include "core/storage/root_storage.h"
#include "core/storage/storage_modes.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace cataloguetest;

namespace {

class Papers : public testing::Test {
protected:
    void SetUp() override
    {
        RegisterCatalogueClasses();
        ASSERT_TRUE(folder_.isValid());
    }

    QString File(const QString& name) const { return folder_.filePath(name); }

    // A database on a fresh file (a working copy that is written back on closing).
    std::unique_ptr<TPapersV2> Open(const QString& name, bool readOnly = false)
    {
        auto papers = std::make_unique<TPapersV2>(File(name), true, readOnly);
        papers->AttachExtensionStores();
        return papers;
    }

    static std::unique_ptr<TMatrixPaperInfo> Named(const QString& name, bool readOnly = false,
                                                   const QString& group = QStringLiteral("グループ"))
    {
        auto paper = MatrixPaper(2100, 2970, fsDoughnut);
        paper->SetFaceCountX(1);
        paper->SetFaceCountY(2);
        paper->SetFaceWidth(1170);
        paper->SetFaceHeight(1170);
        paper->SetPaperName(name);
        paper->SetGroupName(group);
        paper->SetReadOnly(readOnly);
        return paper;
    }

    static QStringList Elements(TPapers& papers, const QString& storage, bool storages = false)
    {
        TDocStorage docs(papers.Storage(), false, storage);
        QStringList names;
        if (storages)
            docs.ListStorages(names);
        else
            docs.ListStreams(names);
        SortElementNames(names);
        return names;
    }

    static QStringList Names(const TPapers& papers)
    {
        QStringList names;
        for (int i = 0; i < papers.Count(); ++i)
            names << papers.Paper(i).PaperName();
        return names;
    }

    static std::unique_ptr<TExPaperInfo> Extra(const QString& paper, const QString& company)
    {
        auto extra = std::make_unique<TExPaperInfo>();
        extra->SetPaperName(paper);
        extra->SetCompany(company);
        return extra;
    }

    static QString Company(TPapersV2& papers, const QString& paper)
    {
        const auto record = papers.ExtraInfo(QStringLiteral("ExtraInfos"), paper);
        const auto* extra = dynamic_cast<const TExPaperInfo*>(record.get());
        return extra ? extra->Company() : QStringLiteral("(none)");
    }

    QTemporaryDir folder_;
};

QString Failure(const std::function<void()>& action)
{
    try {
        action();
    } catch (const EAppError& error) {
        return error.Message();
    }
    return {};
}

} // namespace

TEST_F(Papers, StreamNamesCountUpInHexadecimal)
{
    auto papers = Open(QStringLiteral("a.ppr"));
    papers->SavePaper(*Named(QStringLiteral("P1")));
    EXPECT_EQ(Elements(*papers, QStringLiteral("Papers")), QStringList{QStringLiteral("$00000001")});
    for (int i = 2; i <= 16; ++i)
        papers->SavePaper(*Named(QStringLiteral("P%1").arg(i)));
    const QStringList elements = Elements(*papers, QStringLiteral("Papers"));
    ASSERT_EQ(elements.size(), 16);
    EXPECT_EQ(elements[14], QStringLiteral("$0000000f"));
    EXPECT_EQ(elements[15], QStringLiteral("$00000010"));
    EXPECT_EQ(papers->Paper(15).PaperName(), QStringLiteral("P16"));
}

TEST_F(Papers, SavingTheSameNameReplacesThePaperInItsPlace)
{
    {
        auto papers = Open(QStringLiteral("a.ppr"));
        papers->SavePaper(*Named(QStringLiteral("A")));
        papers->SavePaper(*Named(QStringLiteral("B")));
        auto changed = Named(QStringLiteral("A"));
        changed->SetFaceCountY(1);
        changed->SetLandscape(true);
        papers->SavePaper(*changed);
        EXPECT_EQ(Elements(*papers, QStringLiteral("Papers")), QStringList({"$00000001", "$00000002"}));
        EXPECT_EQ(Names(*papers), QStringList({"A", "B"}));
        EXPECT_EQ(papers->Paper(0).FaceCount(), 1);
        EXPECT_FALSE(papers->Paper(0).Landscape()); // stored in portrait
        EXPECT_TRUE(papers->IsModified());
    }
    // Closing wrote the working copy back; reopening finds the same papers.
    auto reopened = Open(QStringLiteral("a.ppr"), true);
    EXPECT_EQ(Names(*reopened), QStringList({"A", "B"}));
    EXPECT_EQ(reopened->Paper(0).FaceCount(), 1);
    EXPECT_FALSE(reopened->IsModified());
}

TEST_F(Papers, NamesFindTheFirstPaperOfThatName)
{
    auto papers = Open(QStringLiteral("a.ppr"));
    for (const char* name : {"A", "B", "C"})
        papers->SavePaper(*Named(QString::fromLatin1(name)));
    // A second paper named B, as a file written elsewhere could hold.
    auto twin = Named(QStringLiteral("B"));
    twin->SetFaceCountY(7);
    TDocStorage folder(papers->Storage(), false, QStringLiteral("Papers"));
    WriteStoredComponent(folder, QStringLiteral("$00000009"), *twin);
    papers->SetModified(true);
    papers.reset();

    papers = Open(QStringLiteral("a.ppr"));
    EXPECT_EQ(papers->IndexOfName(QStringLiteral("B")), 1);
    EXPECT_EQ(papers->IndexOfName(QStringLiteral("b")), -1); // names compare exactly
    papers->DeletePaper(0);
    EXPECT_EQ(papers->IndexOfName(QStringLiteral("B")), 0);
    papers->DeletePaper(0);
    EXPECT_EQ(papers->IndexOfName(QStringLiteral("B")), 1);
    EXPECT_EQ(static_cast<const TMatrixPaperInfo&>(papers->Paper(1)).FaceCountY(), 7);
    QStringList groups{QStringLiteral("other")};
    papers->Groups(groups);
    EXPECT_EQ(groups, QStringList({"other", "グループ"}));
}

TEST_F(Papers, ReadOnlyDatabasesAreNotWrittenBack)
{
    {
        auto papers = Open(QStringLiteral("a.ppr"));
        papers->SavePaper(*Named(QStringLiteral("A")));
    }
    {
        auto papers = Open(QStringLiteral("a.ppr"), true);
        papers->SavePaper(*Named(QStringLiteral("B")));
        EXPECT_EQ(papers->Count(), 2);
    }
    EXPECT_EQ(Names(*Open(QStringLiteral("a.ppr"))), QStringList{QStringLiteral("A")});
}

TEST_F(Papers, ReorderNumbersAfterTheHighestName)
{
    auto papers = Open(QStringLiteral("a.ppr"));
    for (const char* name : {"A", "B", "C", "D"})
        papers->SavePaper(*Named(QString::fromLatin1(name)));
    papers->DeletePaper(3); // the highest number stays the highest in use: 3
    papers->Reorder({QStringLiteral("C"), QStringLiteral("A"), QStringLiteral("B")});
    EXPECT_EQ(Names(*papers), QStringList({"C", "A", "B"}));
    EXPECT_EQ(Elements(*papers, QStringLiteral("Papers")), QStringList({"$00000004", "$00000005", "$00000006"}));

    papers->Reorder({QStringLiteral("B")});
    EXPECT_EQ(Names(*papers), QStringList({"C", "A", "B"}));
    EXPECT_EQ(Elements(*papers, QStringLiteral("Papers")).last(), QStringLiteral("$00000007"));

    EXPECT_EQ(Failure([&] { papers->Reorder({QStringLiteral("A"), QStringLiteral("X")}); }),
              QStringLiteral("Bad paper name"));
    EXPECT_EQ(Names(*papers), QStringList({"C", "A", "B"}));
    EXPECT_EQ(Elements(*papers, QStringLiteral("Papers")).last(), QStringLiteral("$00000007"));
}

TEST_F(Papers, PurposesOfSavedPapersJoinTheCatalogue)
{
    auto papers = Open(QStringLiteral("a.ppr"));
    ASSERT_EQ(papers->PurposeCatalogue().Count(), 5); // the default catalogue
    auto paper = Named(QStringLiteral("A"));
    paper->PurposeList()->AddPurpose(QStringLiteral("DVD"), QStringLiteral("DVD"), FaceShapeBit(fsRect));
    papers->SavePaper(*paper);
    EXPECT_EQ(papers->PurposeCatalogue().IndexOf(QStringLiteral("DVD")), 5);
    papers.reset();

    auto reopened = Open(QStringLiteral("a.ppr"));
    EXPECT_EQ(reopened->PurposeCatalogue().Count(), 6);
    EXPECT_EQ(reopened->Paper(0).PurposeList()->Count(), 1); // the paper keeps its own list
    TPurposeList replaced;
    replaced.AddPurpose(QStringLiteral("X"), QStringLiteral("X"), 0);
    reopened->SetPurposeCatalogue(replaced);
    reopened.reset();
    // Opening merges the papers' purposes into the stored catalogue.
    EXPECT_EQ(Open(QStringLiteral("a.ppr"))->PurposeCatalogue().Count(), 2);
}

TEST_F(Papers, EmptyExtraInformationIsNotWritten)
{
    auto papers = Open(QStringLiteral("a.ppr"));
    papers->SavePaper(*Named(QStringLiteral("A")));
    papers->SetExtraInfo(QStringLiteral("ExtraInfos"), *Extra(QStringLiteral("A"), {}));
    EXPECT_FALSE(papers->Storage().StorageExists(QStringLiteral("ExtraInfos")));
    EXPECT_EQ(papers->ExtraInfo(QStringLiteral("ExtraInfos"), QStringLiteral("A")), nullptr);

    papers->SetExtraInfo(QStringLiteral("ExtraInfos"), *Extra(QStringLiteral("A"), QStringLiteral("メーカー")));
    papers->SetExtraInfo(QStringLiteral("ExtraInfos"), *Extra(QStringLiteral("B"), QStringLiteral("他社")));
    EXPECT_EQ(Elements(*papers, QStringLiteral("ExtraInfos")), QStringList({"$00000001", "$00000002"}));
    EXPECT_EQ(Company(*papers, QStringLiteral("A")), QStringLiteral("メーカー"));

    // Saving an empty record removes the stored one.
    papers->SetExtraInfo(QStringLiteral("ExtraInfos"), *Extra(QStringLiteral("A"), {}));
    EXPECT_EQ(Elements(*papers, QStringLiteral("ExtraInfos")), QStringList{QStringLiteral("$00000002")});
    EXPECT_EQ(Company(*papers, QStringLiteral("A")), QStringLiteral("(none)"));
    // A record without paper name is ignored.
    papers->SetExtraInfo(QStringLiteral("ExtraInfos"), *Extra({}, QStringLiteral("x")));
    EXPECT_EQ(Elements(*papers, QStringLiteral("ExtraInfos")).size(), 1);
    // A replaced record gets a new number after the highest one left.
    papers->SetExtraInfo(QStringLiteral("ExtraInfos"), *Extra(QStringLiteral("C"), QStringLiteral("x")));
    papers->SetExtraInfo(QStringLiteral("ExtraInfos"), *Extra(QStringLiteral("B"), QStringLiteral("新")));
    EXPECT_EQ(Elements(*papers, QStringLiteral("ExtraInfos")), QStringList({"$00000003", "$00000004"}));
    papers.reset();
    // A fresh database finds the record by reading the streams.
    EXPECT_EQ(Company(*Open(QStringLiteral("a.ppr")), QStringLiteral("B")), QStringLiteral("新"));
}

TEST_F(Papers, TwoRecordsForOnePaperAreRefused)
{
    {
        auto papers = Open(QStringLiteral("a.ppr"));
        papers->SetExtraInfo(QStringLiteral("ExtraInfos"), *Extra(QStringLiteral("A"), QStringLiteral("x")));
        // A second stream that names the same paper, as a damaged file could hold.
        WriteStoredComponent(papers->Storage(), QStringLiteral("ExtraInfos\\$00000009"),
                             *Extra(QStringLiteral("A"), QStringLiteral("y")));
        papers->SetModified(true);
    }
    auto papers = Open(QStringLiteral("a.ppr"));
    EXPECT_EQ(Failure([&] { papers->ExtraInfo(QStringLiteral("ExtraInfos"), QStringLiteral("missing")); }),
              QStringLiteral("用紙情報更新エラー(A)"));
}

TEST_F(Papers, PatternImagesKeepTheirObjectLists)
{
    auto papers = Open(QStringLiteral("a.ppr"));
    papers->SavePaper(*Named(QStringLiteral("A")));
    TImagePaperInfo images;
    images.SetPaperName(QStringLiteral("A"));
    images.SetLabelCount(2);
    const QByteArray noObjects("\0\0\0\0", 4);
    const QByteArray oneObject = QByteArray("\1\0\0\0", 4) + "object";
    images.SetObjectLists({noObjects, noObjects});
    EXPECT_TRUE(images.IsEmpty());
    papers->SetExtraInfo(QStringLiteral("PaperImages"), images);
    EXPECT_FALSE(papers->Storage().StorageExists(QStringLiteral("PaperImages")));

    images.SetObjectLists({noObjects, oneObject});
    papers->SetExtraInfo(QStringLiteral("PaperImages"), images);
    EXPECT_EQ(Elements(*papers, QStringLiteral("PaperImages"), true), QStringList{QStringLiteral("$00000001")});
    EXPECT_EQ(Elements(*papers, QStringLiteral("PaperImages\\$00000001")),
              QStringList({"$00000001", "$00000002", "ImageInfo"}));
    const auto read = papers->ExtraInfo(QStringLiteral("PaperImages"), QStringLiteral("A"));
    ASSERT_TRUE(read);
    EXPECT_TRUE(read->Equals(images));
    EXPECT_EQ(static_cast<const TImagePaperInfo&>(*read).ObjectLists()[1], oneObject);

    // Deleting the paper removes its records from every store.
    papers->SetExtraInfo(QStringLiteral("ExtraInfos"), *Extra(QStringLiteral("A"), QStringLiteral("x")));
    papers->DeletePaper(0);
    EXPECT_EQ(papers->ExtraInfo(QStringLiteral("PaperImages"), QStringLiteral("A")), nullptr);
    EXPECT_EQ(papers->ExtraInfo(QStringLiteral("ExtraInfos"), QStringLiteral("A")), nullptr);
    EXPECT_TRUE(Elements(*papers, QStringLiteral("PaperImages"), true).isEmpty());
}

TEST_F(Papers, UpdateRecordAndListsAreCreatedWhenMissing)
{
    {
        auto papers = Open(QStringLiteral("a.ppr"));
        EXPECT_EQ(papers->UpdateInfo().PPRNo(), 0);
        EXPECT_TRUE(papers->Storage().StreamExists(QStringLiteral("UpdateInfo\\UpdateInfo")));
        EXPECT_TRUE(papers->Storage().StreamExists(QStringLiteral("CompanyList\\CompanyList")));
        EXPECT_TRUE(papers->Storage().StreamExists(QStringLiteral("GroupList\\GroupList")));
        TPaperUpdate update;
        update.SetPPRNo(12);
        update.SetLastUpdateTime(QDateTime(QDate(2005, 4, 1), QTime(12, 30)));
        papers->SetUpdateInfo(update);
        papers->SetCompanyList({QStringLiteral("汎用"), QStringLiteral("他社")});
        papers->SetGroupList({QStringLiteral("G")});
        papers->SetGlobalText(QStringLiteral("GenreInfo"), {QStringLiteral("G=ダイレクトプリント\\その他")});
    }
    auto papers = Open(QStringLiteral("a.ppr"));
    EXPECT_EQ(papers->UpdateInfo().PPRNo(), 12);
    EXPECT_EQ(papers->UpdateInfo().LastUpdateTime(), QDateTime(QDate(2005, 4, 1), QTime(12, 30)));
    EXPECT_EQ(papers->CompanyList(), QStringList({"汎用", "他社"}));
    EXPECT_EQ(papers->GroupList(), QStringList{QStringLiteral("G")});
    EXPECT_EQ(ReadStoredBytes(papers->Storage(), QStringLiteral("CompanyList\\CompanyList")),
              QByteArray("\x94\xC4\x97\x70\r\n\x91\xBC\x8E\xD0\r\n"));
    EXPECT_EQ(papers->GlobalText(QStringLiteral("Missing")), QStringList());
    EXPECT_TRUE(papers->IsDirectPrintGroup(QStringLiteral("g")));
    EXPECT_FALSE(papers->IsDirectPrintPaper(*Named(QStringLiteral("A"), false, QStringLiteral("G"))));
    EXPECT_TRUE(papers->IsDirectPrintPaper(*Named(QStringLiteral("A"), true, QStringLiteral("G"))));
}

TEST_F(Papers, GenreTableIsReadAgainAfterAnUpdate)
{
    auto papers = Open(QStringLiteral("a.ppr"));
    papers->SetGlobalText(QStringLiteral("GenreInfo"), {QStringLiteral("G=Tab 1")});
    EXPECT_EQ(papers->GenreTab(QStringLiteral("G")), QStringLiteral("Tab 1"));
    // Written behind the database's back: the kept table stays until the number changes.
    WriteStoredLines(papers->Storage(), QStringLiteral("GlobalInfo\\GenreInfo"), {QStringLiteral("G=Tab 2")});
    EXPECT_EQ(papers->GenreTab(QStringLiteral("G")), QStringLiteral("Tab 1"));
    TPaperUpdate update;
    update.SetPPRNo(2);
    papers->SetUpdateInfo(update);
    EXPECT_EQ(papers->GenreTab(QStringLiteral("G")), QStringLiteral("Tab 2"));
    EXPECT_EQ(papers->GenreTab(QStringLiteral("H")), std::nullopt);
}

TEST_F(Papers, UserPapersNamedLikeSystemPapersAreCopiedWithDollar)
{
    auto system = Open(QStringLiteral("system.ppr"));
    system->SavePaper(*Named(QStringLiteral("A"), true));
    system->SavePaper(*Named(QStringLiteral("A$"), true));
    auto user = Open(QStringLiteral("user.ppr"));
    user->SavePaper(*Named(QStringLiteral("A")));
    user->SavePaper(*Named(QStringLiteral("S"), true));
    user->SetExtraInfo(QStringLiteral("ExtraInfos"), *Extra(QStringLiteral("A"), QStringLiteral("私")));

    std::vector<std::pair<int, int>> progress;
    CopyPapers(*system, *user, true, [&](int number, int total) { progress.emplace_back(number, total); });
    EXPECT_EQ(progress, (std::vector<std::pair<int, int>>{{1, 2}, {2, 2}}));
    EXPECT_EQ(Names(*system), QStringList({"A", "A$", "A$$"}));
    EXPECT_FALSE(system->Paper(2).ReadOnly());
    EXPECT_EQ(Company(*system, QStringLiteral("A$$")), QStringLiteral("私"));
    EXPECT_EQ(Company(*system, QStringLiteral("A")), QStringLiteral("(none)"));
    EXPECT_TRUE(system->IsModified());

    // Copying again replaces the copied user paper rather than adding another.
    CopyPapers(*system, *user, true);
    EXPECT_EQ(system->Count(), 3);
}

TEST_F(Papers, CopyingSystemPapersBringsTheCatalogueTables)
{
    auto source = Open(QStringLiteral("source.ppr"));
    source->SavePaper(*Named(QStringLiteral("S"), true));
    source->SavePaper(*Named(QStringLiteral("U")));
    TPaperUpdate update;
    update.SetPPRNo(7);
    source->SetUpdateInfo(update);
    source->SetCompanyList({QStringLiteral("M")});
    source->SetGroupList({QStringLiteral("G")});
    source->SetGlobalText(QStringLiteral("DirectPrinter"), {QStringLiteral("line")});

    auto target = Open(QStringLiteral("target.ppr"));
    target->SetGlobalText(QStringLiteral("SearchExtKeyInfo"), {QStringLiteral("a"), QStringLiteral("b")});
    CopyPapers(*target, *source, false, {}, true);
    EXPECT_EQ(Names(*target), QStringList{QStringLiteral("S")});
    EXPECT_EQ(target->UpdateInfo().PPRNo(), 7);
    EXPECT_TRUE(target->UpdateInfo().LastUpdateTime().isValid());
    EXPECT_EQ(target->CompanyList(), QStringList{QStringLiteral("M")});
    EXPECT_EQ(target->GroupList(), QStringList{QStringLiteral("G")});
    EXPECT_EQ(target->GlobalText(QStringLiteral("DirectPrinter")), QStringList{QStringLiteral("line")});
    EXPECT_EQ(target->GlobalText(QStringLiteral("SearchExtKeyInfo")).size(), 2);
}

TEST_F(Papers, DocumentPapersAreMatchedAgainstTheDatabase)
{
    auto papers = Open(QStringLiteral("a.ppr"));
    papers->SavePaper(*Named(QStringLiteral("Label"), true, QStringLiteral("現在")));
    papers->SavePaper(*Named(QStringLiteral("Disc"), true, QStringLiteral("DP")));
    papers->SavePaper(*Named(QStringLiteral("New Name"), true, QStringLiteral("現在")));
    papers->SetGlobalText(QStringLiteral("GenreInfo"), {QStringLiteral("DP=ダイレクトプリント\\その他")});
    papers->SetGlobalText(QStringLiteral("V1ToV2PaperInfo"), {QStringLiteral("Very Old=Old Name")});
    papers->SetGlobalText(QStringLiteral("V2ToV3PaperInfo"), {QStringLiteral("Old Name=New Name")});
    papers->SetGlobalText(QStringLiteral("V2ToV3GroupInfo"), {QStringLiteral("旧=新")});

    struct Case {
        const char* name;
        bool readOnly;
        const char* group;
        const char* expectedName;
        const char* expectedGroup;
        int faceRows; // 2: the database paper, 5: the document's paper
    };
    const Case cases[] = {
        {"Label", true, "古い", "Label", "現在", 5},            // same name: the group comes along
        {"Disc", true, "EP-123", "Disc", "EP-123", 5},          // a direct-print paper keeps its group
        {"A4 Label", true, "旧", "Label", "現在", 2},            // name up to the first space removed
        {"Very Old", true, "旧", "New Name", "現在", 2},        // both migration tables
        {"Old Name", true, "旧", "New Name", "現在", 2},
        {"Gone Paper", true, "旧", "Gone Paper", "新", 5},      // unknown: kept, group migrated
        {"A4 Label", false, "旧", "A4 Label", "新", 5},          // a user paper is kept
    };
    for (const Case& c : cases) {
        auto document = Named(QString::fromUtf8(c.name), c.readOnly, QString::fromUtf8(c.group));
        document->SetFaceCountY(5);
        document->SetLandscape(true);
        const std::unique_ptr<TPaperInfo> matched = MatchDocumentPaper(*papers, *document);
        SCOPED_TRACE(c.name);
        EXPECT_EQ(matched->PaperName(), QString::fromUtf8(c.expectedName));
        EXPECT_EQ(matched->GroupName(), QString::fromUtf8(c.expectedGroup));
        EXPECT_EQ(static_cast<const TMatrixPaperInfo&>(*matched).FaceCountY(), c.faceRows);
        EXPECT_TRUE(matched->Landscape());
    }
}

TEST_F(Papers, DamagedPaperStreamsAreRefused)
{
    struct Case {
        const char* what;
        QByteArray stream;
        QString error;
    };
    TPaperUpdate update;
    const QByteArray paper = ComponentBytes(*Named(QStringLiteral("A")));
    const Case cases[] = {
        {"not a paper", ComponentBytes(update), QStringLiteral("クラス TPaperUpdate が見つかりません")},
        {"cut short", paper.left(paper.size() - 3), QStringLiteral("ストリームからの読み込みエラー")},
        {"no signature", QByteArray("XXXX") + paper.mid(4), QStringLiteral("不正なストリーム フォーマット")},
        {"bad geometry", Record("TMatrixPaperInfo", [](TWriter& writer) {
             writer.WriteShortString("FaceCountX");
             writer.WriteInteger(1 << 20);
         }),
         QStringLiteral("不正なプロパティの値です")},
    };
    for (const Case& c : cases) {
        const QString file = File(QStringLiteral("%1.ppr").arg(QString::fromLatin1(c.what).replace(' ', '_')));
        {
            TFileStorage storage(file, fmCreate);
            TDocStorage folder(storage, true, QStringLiteral("Papers"));
            WriteStoredBytes(folder, QStringLiteral("$00000001"), c.stream);
        }
        EXPECT_EQ(Failure([&] { TPapersV2 papers(file, true, true); }), c.error) << c.what;
    }
}
