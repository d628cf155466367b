#include "assets/templates/apply_template.h"
#include "assets/templates/template_list.h"
#include "catalogue/paper/free_paper_info.h"
#include "core/face/face_info.h"
#include "core/model/draw_object.h"
#include "document/label_data.h"
#include "catalogue/product/product_info.h"
#include "objects/groups/group_object.h"
#include "objects/object_classes.h"
#include "objects/shapes/rect_shape.h"
#include "text/object/shade_text.h"
#include "template_fixtures.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString kDisc = QStringLiteral("DiscLabel");
const QString kFront = QStringLiteral("JacketFront");

TFaceInfo Face(const QString& purpose, TRect rect)
{
    TFaceInfo face;
    face.SetFacePurpose(purpose);
    face.SetFaceRect(rect);
    return face;
}

class TemplateListTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        // Face 0: square disc label, face 1: landscape front, face 2: a portrait disc label
        // without design.
        WriteTemplate(Path("mixed.cld"), {{kDisc, 1200, 1200, true}, {kFront, 1200, 1080, true}, {kDisc, 500, 1200, false}});
        WriteTemplate(Path("empty.CLT"), {{kDisc, 1200, 1200, false}});
    }
    QString Path(const QString& name) const { return dir_.filePath(name); }

    QTemporaryDir dir_;
};

} // namespace

TEST(TemplateAspect, ClassesBySideRatio)
{
    struct Case { TRect Rect; int Class; };
    const Case cases[] = {
        {{0, 0, 1200, 1180}, 0}, // 1.017: square
        {{0, 0, 1200, 1080}, 1}, // 1.111: landscape
        {{0, 0, 1080, 1200}, 2}, // 0.9 exactly: not square
        {{0, 0, 1000, 0}, 1},    // no height: landscape, no division
        {{0, 0, 0, 0}, 2},
    };
    for (const Case& c : cases)
        EXPECT_EQ(AspectClass(c.Rect), c.Class) << c.Rect.Right << "x" << c.Rect.Bottom;
}

TEST(TemplateAspect, TemplateExtensionsIgnoreCase)
{
    EXPECT_TRUE(IsTemplateFile(QStringLiteral("a.CLD")));
    EXPECT_TRUE(IsTemplateFile(QStringLiteral("/x/b.cjd")));
    EXPECT_TRUE(IsTemplateFile(QStringLiteral("c.Clt")));
    EXPECT_FALSE(IsTemplateFile(QStringLiteral("d.cld.bak")));
    EXPECT_FALSE(IsTemplateFile(QStringLiteral("cld")));
}

TEST_F(TemplateListTest, ScanMatchesPurposeAndAspectClass)
{
    struct Case { TFaceInfo Face; std::vector<int> Labels; };
    const Case cases[] = {
        {Face(kDisc, {0, 0, 1200, 1180}), {0}},        // square disc: face 0 only
        {Face(kDisc, {0, 0, 1200, 1080}), {}},         // landscape disc: none (face 2 is empty)
        {Face(kFront, {0, 0, 1300, 1000}), {1}},       // landscape front
        {Face(kFront, {0, 0, 1000, 1000}), {}},        // square front: no
        {Face(kDisc, {}), {0}},                        // empty rectangle: purpose only
        {Face(QStringLiteral("*"), {0, 0, 100, 90}), {1}}, // any purpose, landscape
    };
    for (const Case& c : cases) {
        TTemplateList list;
        list.ScanFile(Path("mixed.cld"), &c.Face);
        std::vector<int> labels;
        for (const TTemplateInfo& info : list.Items()) {
            EXPECT_FALSE(info.WholeFile);
            EXPECT_EQ(info.Sheet, 0);
            labels.push_back(info.Label);
        }
        EXPECT_EQ(labels, c.Labels) << c.Face.FacePurpose().toStdString() << " " << c.Face.FaceRect().Right;
    }
}

TEST_F(TemplateListTest, DocumentWithoutDesignsGivesWholeFileOnlyForAnyPurpose)
{
    const TFaceInfo any = Face(QStringLiteral("*"), {0, 0, 1200, 1200});
    const TFaceInfo disc = Face(kDisc, {0, 0, 1200, 1200});
    TTemplateList list;
    list.ScanFile(Path("empty.CLT"), &disc);
    EXPECT_EQ(list.Count(), 0);
    list.ScanFile(Path("empty.CLT"), &any);
    ASSERT_EQ(list.Count(), 1);
    EXPECT_TRUE(list.Item(0).WholeFile);
    list.Clear();
    list.ScanFile(Path("mixed.cld"), nullptr);
    EXPECT_EQ(list.Count(), 2); // without a face every designed label fits
}

TEST_F(TemplateListTest, FolderScanSkipsHostileAndForeignFiles)
{
    for (const char* name : {"garbage.cld", "zero.cjd", "notes.txt"}) {
        QFile file(Path(QString::fromLatin1(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        if (QString::fromLatin1(name) != QLatin1String("zero.cjd"))
            file.write(QByteArray(700, '\xD0'));
    }
    QDir(dir_.path()).mkdir(QStringLiteral("folder.cld"));
    const TFaceInfo any = Face(QStringLiteral("*"), {});
    TTemplateList list;
    list.ScanFolder(dir_.path(), &any);
    QStringList names;
    for (const TTemplateInfo& info : list.Items())
        names << QFileInfo(info.FileName).fileName();
    EXPECT_EQ(names, QStringList({QStringLiteral("empty.CLT"), QStringLiteral("mixed.cld"), QStringLiteral("mixed.cld")}));

    list.SetListFilesOnly(true);
    list.ScanFolder(dir_.path(), &any);
    EXPECT_EQ(list.Count(), 4); // every template file by name, unread
}

TEST_F(TemplateListTest, FavoritesRoundTripRelativeAndAbsolute)
{
    const QString favorites = Path("Favorite.dat");
    TTemplateList list;
    list.SetBaseFolder(dir_.path());
    list.Add({Path("mixed.cld"), 0, 1, false});
    list.Add({QStringLiteral("/elsewhere/テンプレート, \"引用\".cld"), 2, 3, true});
    ASSERT_TRUE(list.SaveFavorites(favorites));

    QFile file(favorites);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.startsWith("mixed.cld,0,1,0,-1\r\n")) << bytes.toStdString();

    TTemplateList read;
    read.SetBaseFolder(dir_.path());
    read.LoadFavorites(favorites);
    ASSERT_EQ(read.Count(), 2);
    EXPECT_EQ(read.Items(), list.Items());
}

TEST_F(TemplateListTest, HostileOrMissingFavoritesReadSafely)
{
    TTemplateList list;
    list.LoadFavorites(Path("missing.dat"));
    EXPECT_EQ(list.Count(), 0);

    QFile file(Path("bad.dat"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("\"unclosed,1,2\r\n,,,,\r\nx.cld,abc,,0\r\nx.cld,abc,,0\r\n\0\0\xFF\xFE,9\r\n");
    file.close();
    list.LoadFavorites(Path("bad.dat"));
    ASSERT_GE(list.Count(), 1);
    const int x = list.IndexOf({QStringLiteral("x.cld"), -1, -1, false});
    EXPECT_GE(x, 0); // unreadable numbers default to -1, the duplicate row is dropped
    int seen = 0;
    for (const TTemplateInfo& info : list.Items())
        seen += info.FileName == QLatin1String("x.cld");
    EXPECT_EQ(seen, 1);
}

TEST_F(TemplateListTest, AddTwiceKeepsOneRowAndRefreshDropsDeletedFiles)
{
    const QString favorites = Path("Favorite.dat");
    const TFaceInfo disc = Face(kDisc, {0, 0, 1200, 1200});
    const TFaceInfo front = Face(kFront, {0, 0, 1200, 900});
    TTemplateList list;
    list.SetBaseFolder(dir_.path());
    EXPECT_EQ(list.AddFavorite(favorites, {Path("mixed.cld"), 0, 0, false}, &disc), FavoriteAddedMessage());
    EXPECT_EQ(list.AddFavorite(favorites, {Path("mixed.cld"), 0, 0, false}, &disc), FavoriteExistsMessage());
    EXPECT_EQ(list.AddFavorite(favorites, {Path("mixed.cld"), 0, 1, false}, &disc), FavoriteAddedMessage());
    // Only the label that fits the disc face shows.
    ASSERT_EQ(list.Count(), 1);
    EXPECT_EQ(list.Item(0).Label, 0);

    QFile file(favorites);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll().count("\r\n"), 2);
    file.close();

    list.Clear();
    list.LoadFavorites(favorites);
    list.Refresh(&front);
    ASSERT_EQ(list.Count(), 1);
    EXPECT_EQ(list.Item(0).Label, 1);

    ASSERT_TRUE(QFile::remove(Path("mixed.cld")));
    list.Clear();
    list.LoadFavorites(favorites);
    list.Refresh(&front);
    EXPECT_EQ(list.Count(), 0);
    TTemplateList stored;
    stored.LoadFavorites(favorites);
    EXPECT_EQ(stored.Count(), 2); // still in the file until the next save

    list.DeleteFavorite(favorites, {Path("mixed.cld"), 0, 1, false}, &front);
    stored.Clear();
    stored.SetBaseFolder(dir_.path());
    stored.LoadFavorites(favorites);
    ASSERT_EQ(stored.Count(), 1);
    EXPECT_EQ(stored.Item(0).Label, 0);
}

TEST_F(TemplateListTest, FirstFavoriteMakesTheMissingPreferenceFolder)
{
    const QString favorites = Path("Lumarest/1.0/Favorite.dat");
    const TFaceInfo disc = Face(kDisc, {0, 0, 1200, 1200});
    TTemplateList list;
    list.SetBaseFolder(dir_.path());
    EXPECT_EQ(list.AddFavorite(favorites, {Path("mixed.cld"), 0, 0, false}, &disc), FavoriteAddedMessage());
    TTemplateList stored;
    stored.LoadFavorites(favorites);
    EXPECT_EQ(stored.Count(), 1);
}

TEST_F(TemplateListTest, ApplyingReplacesTheFaceDesign)
{
    TFreePaperInfo paper;
    paper.SetWidth(3000);
    paper.SetHeight(3000);
    TFaceItem* item = paper.Faces()->AddFace();
    // Twice the size of template face 1 (1200 x 1080), whose box is (10, 10)-(110, 61).
    item->SetFaceRect({100, 100, 2500, 2260});
    item->SetFacePurpose(kFront);
    TLabelData target;
    target.SetPaper(paper);
    ApplyTemplate({Path("mixed.cld"), 0, 1, false}, target, 0);
    auto objects = target.LoadObjects(0);
    ASSERT_EQ(objects.size(), 1u);
    const auto* box = dynamic_cast<const TLORect*>(objects[0].get());
    ASSERT_NE(box, nullptr);
    // The box's drawn extent (its rectangle and half its pen) doubles.
    TLORect original;
    original.SetBoundsRect({10, 10, 110, 61});
    const TRect from = original.GetBounds();
    const TRect to = box->GetBounds();
    EXPECT_NEAR(to.Left, 2 * from.Left, 1);
    EXPECT_NEAR(to.Top, 2 * from.Top, 1);
    EXPECT_NEAR(to.Right, 2 * from.Right, 1);
    EXPECT_NEAR(to.Bottom, 2 * from.Bottom, 1);

    EXPECT_THROW(ApplyTemplate({Path("mixed.cld"), 5, 0, false}, target, 0), std::exception);
    EXPECT_THROW(ApplyTemplate({Path("nothing.cld"), 0, 0, false}, target, 0), std::exception);
    EXPECT_EQ(target.LoadObjects(0).size(), 1u);
}

TEST_F(TemplateListTest, AppliedTextFieldsShowTheDocumentsInformationInsideGroupsToo)
{
    RegisterLabelObjectClasses();
    TFreePaperInfo paper;
    paper.SetWidth(3000);
    paper.SetHeight(3000);
    TFaceItem* item = paper.Faces()->AddFace();
    item->SetFaceRect({0, 0, 1200, 1200});
    item->SetFacePurpose(kDisc);

    // The template: a group of a product title field and a plain text, and an English
    // creator field on its own.
    TLabelData templ;
    templ.SetPaper(paper);
    TDOGroup group;
    auto title = std::make_unique<TLOText>();
    title->Text()->SetLines({QStringLiteral("題名")});
    title->SetFieldNo(1);
    title->SetFieldType(ftProduct);
    auto plain = std::make_unique<TLOText>();
    plain->Text()->SetLines({QStringLiteral("そのまま")});
    plain->SetFieldNo(0);
    group.AddMember(std::move(title));
    group.AddMember(std::move(plain));
    TLOText company;
    company.Text()->SetLines({QStringLiteral("COMPANY")});
    company.SetFieldNo(1);
    company.SetFieldType(ftCreatorEnglish);
    templ.SaveObjects(0, {&company, &group});
    templ.SaveToFile(Path("fields.cld"));

    TLabelData target;
    target.SetPaper(paper);
    target.ProductInfo().Item(0)->Info()->SetLines({QStringLiteral("夏の記録"), QStringLiteral("第二集")});
    target.CreatorInfoE().Item(0)->Info()->SetLines({QStringLiteral("Lumarest Works")});
    ApplyTemplate({Path("fields.cld"), 0, 0, false}, target, 0);

    const auto objects = target.LoadObjects(0);
    ASSERT_EQ(objects.size(), 2u);
    const auto* loadedGroup = dynamic_cast<const TDOGroup*>(objects[0].get());
    const auto* loadedCompany = dynamic_cast<const TLOText*>(objects[1].get());
    ASSERT_TRUE(loadedGroup && loadedCompany);
    ASSERT_EQ(loadedGroup->MemberCount(), 2);
    EXPECT_EQ(dynamic_cast<const TLOText&>(loadedGroup->Member(0)).Text()->Lines(),
              (QStringList{QStringLiteral("夏の記録"), QStringLiteral("第二集")}));
    EXPECT_EQ(dynamic_cast<const TLOText&>(loadedGroup->Member(1)).Text()->Lines(), QStringList{QStringLiteral("そのまま")});
    EXPECT_EQ(loadedCompany->Text()->Lines(), QStringList{QStringLiteral("Lumarest Works")});
}
