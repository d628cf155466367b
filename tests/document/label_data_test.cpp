#include "catalogue/database/extra_paper_info.h"
#include "catalogue/paper/free_paper_info.h"
#include "core/error.h"
#include "core/storage/doc_name_list.h"
#include "core/storage/doc_stream.h"
#include "core/storage/file_storage.h"
#include "core/storage/storage_modes.h"
#include "document/label_data.h"
#include "document_test_objects.h"
#include "graphics/picture/zlib_container.h"

#include <QDir>
#include <functional>
#include <map>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>

namespace {

// A free paper with the given face rectangles (each 5 units of bleed).
std::unique_ptr<TFreePaperInfo> Paper(const std::vector<TRect>& faces, const QString& name = QStringLiteral("テスト用紙"))
{
    auto paper = std::make_unique<TFreePaperInfo>();
    paper->SetWidth(2100);
    paper->SetHeight(2970);
    paper->SetPaperName(name);
    paper->SetGroupName(QStringLiteral("テスト"));
    for (const TRect& rect : faces) {
        TFaceItem* item = paper->Faces()->AddFace();
        item->SetFaceRect(rect);
        item->SetFaceShape(fsRect);
        item->SetFaceMargin(5);
    }
    return paper;
}

std::unique_ptr<TFreePaperInfo> FourFaces()
{
    return Paper({{100, 100, 900, 900}, {1000, 100, 1800, 900}, {100, 1000, 900, 1800}, {1000, 1000, 1800, 1800}});
}

class LabelData : public testing::Test {
protected:
    void SetUp() override
    {
        RegisterDocumentClasses();
        RegisterDocumentTestObjects();
    }

    QString Path(const char* name) const { return dir_.filePath(QString::fromLatin1(name)); }

    QTemporaryDir dir_;
};

} // namespace

TEST_F(LabelData, NewDocumentHasOneSheetAndNoDesigns)
{
    TLabelData document;
    EXPECT_EQ(document.SheetCount(), 1);
    EXPECT_EQ(document.SheetName(), QStringLiteral("新規シート1"));
    EXPECT_TRUE(document.SeparatelyDesign());
    EXPECT_EQ(document.Grid()->Size(), 50);
    EXPECT_FALSE(document.Modified());
    document.SetPaper(*FourFaces());
    for (int face = 0; face < 4; ++face)
        EXPECT_FALSE(document.HasDesign(face));
    document.NewSheet();
    EXPECT_EQ(document.SheetName(), QStringLiteral("新規シート2"));
    EXPECT_EQ(document.SheetNames(), (QStringList{QStringLiteral("新規シート1"), QStringLiteral("新規シート2")}));
}

TEST_F(LabelData, DuplicatingSheetsNamesAndCopiesThem)
{
    TLabelData document;
    document.SetPaper(*FourFaces());
    document.SetSheetName(QStringLiteral("A"));
    TTestBox box({10, 10, 100, 100});
    document.SaveObjects(1, {&box});
    document.DuplicateSheet();
    EXPECT_EQ(document.SheetName(), QStringLiteral("Aのコピー1"));
    EXPECT_TRUE(document.HasDesign(1));
    EXPECT_EQ(document.Paper()->FaceCount(), 4);
    document.SetCurrentSheet(0);
    document.DuplicateSheet();
    EXPECT_EQ(document.SheetName(), QStringLiteral("Aのコピー2"));
    EXPECT_EQ(document.SheetNames(),
              (QStringList{QStringLiteral("A"), QStringLiteral("Aのコピー1"), QStringLiteral("Aのコピー2")}));
    document.SetCurrentSheet(2);
    document.MoveSheet(0);
    EXPECT_EQ(document.SheetNames().first(), QStringLiteral("Aのコピー2"));
    document.DeleteSheet(1); // "A": the current sheet stays current
    EXPECT_EQ(document.SheetName(), QStringLiteral("Aのコピー2"));
    EXPECT_EQ(document.SheetNames(), (QStringList{QStringLiteral("Aのコピー2"), QStringLiteral("Aのコピー1")}));
    document.DeleteSheet(0);
    EXPECT_THROW(document.DeleteSheet(0), EAppError);
}

TEST_F(LabelData, SharedDesignIsTheDesignOfFaceZero)
{
    TLabelData document;
    document.SetPaper(*FourFaces());
    document.SetSeparatelyDesign(false);
    TTestBox box({10, 10, 100, 100});
    document.SaveObjects(3, {&box});
    document.SetSeparatelyDesign(true);
    EXPECT_TRUE(document.HasDesign(0));
    EXPECT_FALSE(document.HasDesign(3));
}

TEST_F(LabelData, ObjectsComeBackBackMostFirstWithDatesAndFaces)
{
    TLabelData document;
    document.SetPaper(*FourFaces());
    TTestBox back({0, 0, 50, 50});
    TTestBox outside({5000, 5000, 5100, 5100});
    TTestDate date;
    date.SetFlag(static_cast<int>(TDateUpdateFlag::dufSave));
    date.SetBoundsRect({10, 10, 20, 20});
    TTestBackground background;
    background.SetEmpty(false);
    // Front-most first, as a draw site lists them.
    document.SaveObjects(0, {&date, &outside, &back, &background});
    const QDateTime saved(QDate(2026, 3, 4), QTime(5, 6, 7));
    document.SetLastSave(saved);
    const std::vector<std::unique_ptr<TDrawObject>> objects = document.LoadObjects(0);
    ASSERT_EQ(objects.size(), 4u);
    EXPECT_NE(dynamic_cast<TTestBackground*>(objects[0].get()), nullptr);
    EXPECT_EQ(dynamic_cast<TTestBackground*>(objects[0].get())->FaceSize(), QSize(810, 810));
    EXPECT_EQ(static_cast<TTestBox*>(objects[1].get())->BoundsRect(), back.BoundsRect());
    // Moved so that its centre lies inside the face's area.
    const QPoint centre = RectCenter(static_cast<TTestBox*>(objects[2].get())->BoundsRect());
    EXPECT_EQ(centre, QPoint(800, 800));
    auto* loadedDate = dynamic_cast<TTestDate*>(objects[3].get());
    ASSERT_NE(loadedDate, nullptr);
    EXPECT_EQ(loadedDate->Date(), saved);
}

TEST_F(LabelData, EmptyBackgroundAloneLeavesAnEmptyStream)
{
    TLabelData document;
    document.SetPaper(*FourFaces());
    TTestBackground empty;
    document.SaveObjects(2, {&empty});
    EXPECT_FALSE(document.HasDesign(2));
    const std::unique_ptr<QIODevice> stream = document.DesignStream(2, false, false);
    ASSERT_NE(stream, nullptr);
    EXPECT_EQ(stream->size(), 0);
    document.SaveObjects(2, {});
    EXPECT_FALSE(document.HasDesign(2));
}

TEST_F(LabelData, FewerFacesDeleteSurplusDesigns)
{
    TLabelData document;
    document.SetPaper(*FourFaces());
    TTestBox box({10, 10, 100, 100});
    for (int face = 0; face < 4; ++face)
        document.SaveObjects(face, {&box});
    document.ChangePaper(*Paper({{100, 100, 900, 900}, {1000, 100, 1800, 900}}, QStringLiteral("二面")));
    EXPECT_TRUE(document.HasDesign(0));
    EXPECT_TRUE(document.HasDesign(1));
    EXPECT_FALSE(document.HasDesign(2));
    EXPECT_FALSE(document.HasDesign(3));
    EXPECT_EQ(document.EffectivePaper()->PaperName(), QStringLiteral("二面"));
}

TEST_F(LabelData, SaveCompressesDesignsAndMakesPreviewsAndReopens)
{
    const QString path = Path("doc.cld");
    {
        TLabelData document;
        document.SetPaper(*FourFaces());
        auto extra = std::make_unique<TExPaperInfo>();
        extra->SetCompany(QStringLiteral("汎用"));
        document.SetExtraInfo(extra.get());
        document.Grid()->SetVisible(true);
        document.Guide()->SetGuide(2, {300, 0});
        TTestBox box({10, 10, 400, 400});
        box.SetColour(0x0000FF);
        document.SaveObjects(0, {&box});
        document.SaveObjects(3, {&box});
        document.SetDataName(QStringLiteral("見本"));
        document.ProductInfo().Item(0)->Info()->SetLines({QStringLiteral("題名")});
        document.NewSheet();
        document.SetPaper(*Paper({{0, 0, 1200, 1200}}, QStringLiteral("一面")));
        document.SaveObjects(0, {&box});
        document.SetCurrentSheet(0);
        EXPECT_TRUE(document.Modified());
        document.SaveToFile(path);
        EXPECT_FALSE(document.Modified());
        for (int face : {0, 3}) {
            EXPECT_TRUE(document.IsDesignCompressed(face));
            EXPECT_TRUE(document.HasPreview(face));
        }
        EXPECT_FALSE(document.HasPreview(1));
    }
    TLabelData reopened;
    reopened.LoadFromFile(path);
    EXPECT_FALSE(reopened.Modified());
    EXPECT_EQ(reopened.SheetCount(), 2);
    EXPECT_EQ(reopened.CurrentSheet(), 0);
    EXPECT_EQ(reopened.DataName(), QStringLiteral("見本"));
    EXPECT_EQ(reopened.ProductInfo().Item(0)->Info()->Lines(), QStringList{QStringLiteral("題名")});
    EXPECT_EQ(reopened.Paper()->PaperName(), QStringLiteral("テスト用紙"));
    EXPECT_EQ(reopened.ExtraInfo().Company(), QStringLiteral("汎用"));
    EXPECT_TRUE(reopened.Grid()->Visible());
    EXPECT_EQ(reopened.Guide()->Guide(2).X, 300);
    const auto objects = reopened.LoadObjects(3);
    ASSERT_EQ(objects.size(), 1u);
    EXPECT_EQ(static_cast<TTestBox*>(objects[0].get())->Colour(), 0x0000FF);
    const QImage preview = reopened.GetPreview(0);
    ASSERT_FALSE(preview.isNull());
    EXPECT_LE(std::max(preview.width(), preview.height()), 200);
    EXPECT_EQ(TLabelData::ReadPreviewFromFile(path, 0, 0).size(), preview.size());
    EXPECT_TRUE(TLabelData::ReadPreviewFromFile(path, 5, 0).isNull());
    reopened.SetCurrentSheet(1);
    EXPECT_EQ(reopened.Paper()->PaperName(), QStringLiteral("一面"));
    EXPECT_EQ(reopened.SheetName(), QStringLiteral("新規シート2"));
}

TEST_F(LabelData, NonCompoundFileIsRefusedAndLeavesTheDocument)
{
    const QString path = Path("text.cld");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("this is not a label document");
    file.close();
    TLabelData document;
    document.SetSheetName(QStringLiteral("残る"));
    EXPECT_THROW(document.LoadFromFile(path), EAppError);
    EXPECT_EQ(document.SheetName(), QStringLiteral("残る"));
    EXPECT_THROW(document.LoadFromFile(Path("missing.cld")), EAppError);
}

TEST_F(LabelData, InterruptedSaveLeavesTheOldFile)
{
    const QString path = Path("doc.cld");
    TLabelData document;
    document.SetPaper(*FourFaces());
    document.SaveToFile(path);
    QFile original(path);
    ASSERT_TRUE(original.open(QIODevice::ReadOnly));
    const QByteArray saved = original.readAll();
    original.close();

    // A design far larger than the file-size limit that makes the save fail.
    std::vector<std::unique_ptr<TTestBox>> boxes;
    std::vector<TDrawObject*> raw;
    for (int i = 0; i < 4000; ++i) {
        boxes.push_back(std::make_unique<TTestBox>(TRect{i % 800, i / 10, i % 800 + 5, i / 10 + 5}));
        boxes.back()->SetHint(QString::number(i * 7919) + QStringLiteral("ヒント"));
        raw.push_back(boxes.back().get());
    }
    document.SaveObjects(0, raw);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit oldLimit{};
    getrlimit(RLIMIT_FSIZE, &oldLimit);
    rlimit limit = oldLimit;
    limit.rlim_cur = static_cast<rlim_t>(saved.size() + 512);
    setrlimit(RLIMIT_FSIZE, &limit);
    bool failed = false;
    try {
        document.SaveToFile(path);
    } catch (const EAppError&) {
        failed = true;
    }
    setrlimit(RLIMIT_FSIZE, &oldLimit);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_TRUE(failed);
    ASSERT_TRUE(original.open(QIODevice::ReadOnly));
    EXPECT_EQ(original.readAll(), saved);
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files), QStringList{QStringLiteral("doc.cld")});
    EXPECT_TRUE(document.Modified());
}

namespace {

// Every storage (as an empty entry) and every stream with its bytes, by path.
std::map<QString, QByteArray> Tree(TDocStorage& storage, const QString& at = {})
{
    std::map<QString, QByteArray> tree;
    QStringList streams;
    storage.ListStreams(streams);
    for (const QString& name : streams) {
        TDocStream stream(storage, fmOpenRead, name);
        tree[at + name] = ReadWholeStream(stream);
    }
    QStringList storages;
    storage.ListStorages(storages);
    for (const QString& name : storages) {
        tree[at + name + QLatin1Char('\\')] = {};
        TDocStorage inner(storage, false, name);
        tree.merge(Tree(inner, at + name + QLatin1Char('\\')));
    }
    return tree;
}

std::map<QString, QByteArray> FileTree(const QString& path)
{
    TFileStorage file(path, fmOpenRead);
    return Tree(file);
}

// Two sheets of four faces with a box on every face; face 2 of the first sheet gets the
// given colour. The second sheet is current at the end.
void BuildTwoSheets(TLabelData& document, int faceTwoColour)
{
    document.SetLastSave(QDateTime(QDate(2026, 1, 2), QTime(3, 4, 5)));
    document.SetLastPrint(QDateTime(QDate(2025, 6, 7), QTime(8, 9, 10)));
    for (int sheet = 0; sheet < 2; ++sheet) {
        if (sheet > 0)
            document.NewSheet();
        document.SetPaper(*FourFaces());
        for (int face = 0; face < 4; ++face) {
            TTestBox box({10 + face, 10, 300, 300});
            box.SetColour(sheet == 0 && face == 2 ? faceTwoColour : 0x0000FF);
            document.SaveObjects(face, {&box});
        }
    }
}

} // namespace

TEST_F(LabelData, SavingAgainBuildsOnlyTheChangedFace)
{
    constexpr int kFirst = 0x0000FF;
    constexpr int kChanged = 0x00FF00;
    const QString path = Path("doc.cld");
    TLabelData document;
    BuildTwoSheets(document, kFirst);
    document.SaveToFile(path);
    for (int face = 0; face < 4; ++face)
        EXPECT_FALSE(document.IsDesignChanged(face)) << face;

    // Face 2 of the first sheet changes while the second sheet is current.
    document.SetCurrentSheet(0);
    const QByteArray faceOne = ReadWholeStream(*document.DesignStream(1, false, false));
    TTestBox changed({20, 20, 200, 200});
    changed.SetColour(kChanged);
    document.SaveObjects(2, {&changed});
    for (int face = 0; face < 4; ++face)
        EXPECT_EQ(document.IsDesignChanged(face), face == 2) << face;
    document.SetCurrentSheet(1);
    for (int face = 0; face < 4; ++face)
        EXPECT_FALSE(document.IsDesignChanged(face)) << face;

    TTestBox::PaintedColours().clear();
    document.SaveToFile(path);
    // Only the changed face was drawn for its preview.
    EXPECT_EQ(TTestBox::PaintedColours(), std::vector<int>{kChanged});
    EXPECT_EQ(document.CurrentSheet(), 1);
    document.SetCurrentSheet(0);
    EXPECT_FALSE(document.IsDesignChanged(2));
    EXPECT_TRUE(document.IsDesignCompressed(2));
    EXPECT_TRUE(document.HasPreview(2));
    EXPECT_EQ(ReadWholeStream(*document.DesignStream(1, false, false)), faceOne);
    document.SetCurrentSheet(1);

    // The same content saved by a document in which every face is new.
    const QString fullPath = Path("full.cld");
    TLabelData full;
    full.ProductInfo().Assign(document.ProductInfo()); // the document's identity
    full.CreatorInfoE().Assign(document.CreatorInfoE());
    full.CreatorInfoJ().Assign(document.CreatorInfoJ());
    BuildTwoSheets(full, kChanged);
    full.SetCurrentSheet(0);
    full.SaveObjects(2, {&changed});
    full.SetCurrentSheet(1);
    full.SaveToFile(fullPath);
    const auto saved = FileTree(path);
    const auto expected = FileTree(fullPath);
    EXPECT_GT(saved.size(), 20u);
    EXPECT_TRUE(saved == expected);
    for (const auto& [name, bytes] : expected) {
        const auto found = saved.find(name);
        EXPECT_TRUE(found != saved.end() && found->second == bytes) << name.toStdString();
    }

    // A duplicated sheet carries the marks of the faces still to be built.
    document.SetCurrentSheet(0);
    document.SaveObjects(3, {&changed});
    document.DuplicateSheet();
    EXPECT_TRUE(document.IsDesignChanged(3));
    EXPECT_FALSE(document.IsDesignChanged(2));
    TTestBox::PaintedColours().clear();
    document.SaveToFile(path);
    EXPECT_EQ(TTestBox::PaintedColours(), (std::vector<int>{kChanged, kChanged}));
}

TEST_F(LabelData, FailedLoadLeavesTheDocumentAsItWas)
{
    // A document saved with its second sheet current, whose settings that load reads are
    // damaged in turn.
    const QString source = Path("source.cld");
    {
        TLabelData document;
        document.SetPaper(*FourFaces());
        document.NewSheet();
        document.SetPaper(*Paper({{0, 0, 1200, 1200}}, QStringLiteral("一面")));
        auto extra = std::make_unique<TExPaperInfo>();
        extra->SetCompany(QStringLiteral("汎用"));
        document.SetExtraInfo(extra.get());
        document.Grid()->SetSize(80);
        document.Grid()->SetVisible(true);
        document.SetSheetName(QStringLiteral("二枚目"));
        document.SaveToFile(source);
    }
    struct Damage {
        const char* what;
        QString element;
        std::function<QByteArray(const QByteArray&)> change;
    };
    const Damage damages[] = {
        {"settings cut short", QStringLiteral("Info"), [](const QByteArray& bytes) { return bytes.left(bytes.size() - 6); }},
        {"settings not a stream", QStringLiteral("Info"), [](const QByteArray&) { return QByteArray("garbage"); }},
        {"paper damaged", QStringLiteral("PaperInfo"), [](const QByteArray& bytes) { return bytes.left(40); }},
        {"extra information damaged", QStringLiteral("PaperExtraInfo"),
         [](const QByteArray& bytes) { return bytes.left(bytes.size() - 2); }},
    };
    for (const Damage& damage : damages) {
        const QString path = Path("damaged.cld");
        QFile::remove(path);
        ASSERT_TRUE(QFile::copy(source, path));
        {
            TFileStorage file(path, fmOpenReadWrite);
            TDocStorageList sheets(file, QStringLiteral("Sheets\\NameList"));
            TDocStorage sheet(file, false, sheets.EntryPath(1));
            QByteArray bytes;
            {
                TDocStream stream(sheet, fmOpenRead, damage.element);
                bytes = ReadWholeStream(stream);
            }
            const QByteArray damaged = damage.change(bytes);
            TDocStream stream(sheet, fmCreate, damage.element);
            stream.Write(damaged.constData(), damaged.size());
        }
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray onDisk = file.readAll();
        file.close();

        TLabelData document;
        document.SetPaper(*FourFaces());
        document.SetSheetName(QStringLiteral("残る"));
        document.SetCurrentLabelNo(3);
        document.Grid()->SetSize(20);
        document.Guide()->SetGuide(1, {0, 250});
        document.SetDataName(QStringLiteral("元の文書"));
        TTestBox box({10, 10, 100, 100});
        document.SaveObjects(1, {&box});
        document.NewSheet();
        document.SetCurrentSheet(0);
        EXPECT_THROW(document.LoadFromFile(path), EAppError) << damage.what;

        EXPECT_EQ(document.SheetName(), QStringLiteral("残る")) << damage.what;
        EXPECT_EQ(document.CurrentLabelNo(), 3) << damage.what;
        EXPECT_EQ(document.Grid()->Size(), 20) << damage.what;
        EXPECT_FALSE(document.Grid()->Visible()) << damage.what;
        EXPECT_EQ(document.Guide()->Guide(1).Y, 250) << damage.what;
        EXPECT_EQ(document.DataName(), QStringLiteral("元の文書")) << damage.what;
        EXPECT_EQ(document.Paper()->PaperName(), QStringLiteral("テスト用紙")) << damage.what;
        EXPECT_TRUE(document.ExtraInfo().IsEmpty()) << damage.what;
        EXPECT_TRUE(document.Modified()) << damage.what;
        EXPECT_EQ(document.CurrentSheet(), 0) << damage.what;
        EXPECT_EQ(document.SheetCount(), 2) << damage.what;
        EXPECT_TRUE(document.HasDesign(1)) << damage.what;
        EXPECT_TRUE(document.IsDesignChanged(1)) << damage.what;
        EXPECT_EQ(document.LoadObjects(1).size(), 1u) << damage.what;
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll(), onDisk) << damage.what;
        file.close();

        // The working copy still holds the document: saved and opened again, it is the same.
        const QString kept = Path("kept.cld");
        document.SaveToFile(kept);
        TLabelData reopened;
        reopened.LoadFromFile(kept);
        EXPECT_EQ(reopened.SheetNames(), (QStringList{QStringLiteral("残る"), QStringLiteral("新規シート1")})) << damage.what;
        EXPECT_EQ(reopened.Grid()->Size(), 20) << damage.what;
        EXPECT_TRUE(reopened.HasDesign(1)) << damage.what;
    }
}

TEST_F(LabelData, FailedSheetSwitchKeepsTheCurrentSheet)
{
    const QString path = Path("doc.cld");
    {
        TLabelData document;
        document.SetPaper(*FourFaces());
        document.SetSheetName(QStringLiteral("一枚目"));
        document.NewSheet();
        document.SetCurrentSheet(0);
        document.SaveToFile(path);
    }
    {
        TFileStorage file(path, fmOpenReadWrite);
        TDocStorageList sheets(file, QStringLiteral("Sheets\\NameList"));
        TDocStream stream(file, fmCreate, sheets.EntryPath(1) + QStringLiteral("\\Info"));
        stream.Write("\xff\x0a\x00INFO\x00\x30\x10\0\0\0\0TPF0", 19);
    }
    TLabelData document;
    document.LoadFromFile(path);
    document.Grid()->SetSize(70);
    EXPECT_THROW(document.SetCurrentSheet(1), EAppError);
    EXPECT_EQ(document.CurrentSheet(), 0);
    EXPECT_EQ(document.SheetName(), QStringLiteral("一枚目"));
    EXPECT_EQ(document.Grid()->Size(), 70);
    EXPECT_EQ(document.Paper()->FaceCount(), 4);
}
