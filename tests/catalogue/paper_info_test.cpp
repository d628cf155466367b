#include "catalogue/catalogue_classes.h"
#include "catalogue/paper/paper_limits.h"
#include "catalogue/paper/purpose_validator.h"
#include "catalogue_test_support.h"
#include "core/model/draw_site_model.h"
#include "core/stream/component_stream.h"

#include <gtest/gtest.h>

using namespace cataloguetest;

namespace {

class PaperInfo : public testing::Test {
protected:
    void SetUp() override { RegisterCatalogueClasses(); }
};

// A matrix paper whose faces have a hole of the given size.
QByteArray MatrixWithHole(int width, int height)
{
    auto paper = MatrixPaper(2100, 2970, fsDoughnut);
    paper->SetCutCenterWidth(width);
    paper->SetCutCenterHeight(height);
    return ComponentBytes(*paper);
}

// A free paper with one face item whose hole has the given size.
QByteArray FreeWithHole(int width, int height)
{
    auto paper = FreePaper(2100, 2970, {{100, 100, 1300, 1300}}, fsDoughnut);
    paper->Faces()->Face(0)->SetCutCenterWidth(width);
    paper->Faces()->Face(0)->SetCutCenterHeight(height);
    return ComponentBytes(*paper);
}

// A free paper record with one face item whose properties `item` writes.
QByteArray FreeRecordWithItem(const std::function<void(TWriter&)>& item)
{
    return Record("TFreePaperInfo", [&](TWriter& writer) {
        writer.WriteShortString("Faces");
        writer.WriteValue(TValueType::Collection);
        writer.WriteListBegin();
        item(writer);
        writer.WriteListEnd();
        writer.WriteListEnd();
    });
}

void WriteIntegerProperty(TWriter& writer, const char* name, std::int64_t value)
{
    writer.WriteShortString(name);
    writer.WriteInteger(value);
}

} // namespace

TEST_F(PaperInfo, MatrixFacesAreNumberedRowByRow)
{
    auto paper = MatrixPaper(2100, 2970);
    paper->SetFaceCountX(2);
    paper->SetFaceCountY(3);
    paper->SetFaceWidth(500);
    paper->SetFaceHeight(400);
    paper->SetRightMargin(20);
    paper->SetBottomMargin(30);
    paper->SetLeftOffset(100);
    paper->SetTopOffset(50);
    ASSERT_EQ(paper->FaceCount(), 6);
    EXPECT_EQ(paper->FaceRect(0), TRect(100, 50, 600, 450));
    // Face 3 is the second column of the second row.
    EXPECT_EQ(paper->FaceRect(3), TRect(620, 480, 1120, 880));
    EXPECT_EQ(paper->FaceRect(4), TRect(100, 910, 600, 1310));
}

TEST_F(PaperInfo, LandscapeTurnsFacesAndSwapsSheetAndHole)
{
    auto paper = FreePaper(2100, 2970, {{100, 200, 600, 700}}, fsDoughnut, 10);
    paper->Faces()->Face(0)->SetCutCenterWidth(150);
    paper->Faces()->Face(0)->SetCutCenterHeight(220);
    paper->SetLandscape(true);
    EXPECT_EQ(paper->Width(), 2970);
    EXPECT_EQ(paper->Height(), 2100);
    EXPECT_EQ(paper->FaceRect(0), TRect(100, 200, 600, 700)); // portrait coordinates stay
    EXPECT_EQ(paper->FaceSheetRect(0), TRect(190, 1490, 710, 2010));

    TFaceInfo info;
    paper->GetFaceInfo(0, info);
    EXPECT_EQ(info.FaceRect(), TRect(200, 1500, 700, 2000));
    EXPECT_EQ(info.CutCenterWidth(), 220);
    EXPECT_EQ(info.CutCenterHeight(), 150);
    EXPECT_EQ(info.FaceMargin(), 10);
    EXPECT_EQ(info.FaceShape(), fsDoughnut);

    // Setting the size of a landscape sheet sets the swapped portrait size.
    paper->SetWidth(3000);
    EXPECT_EQ(paper->PortraitHeight(), 3000);
    EXPECT_EQ(paper->PortraitWidth(), 2100);
}

TEST_F(PaperInfo, FacesOfAPaperArePlacedOnASite)
{
    auto paper = MatrixPaper(2100, 2970, fsDoughnut);
    paper->SetFaceCountX(1);
    paper->SetFaceCountY(2);
    paper->SetFaceWidth(1170);
    paper->SetFaceHeight(1170);
    paper->SetLeftOffset(465);
    paper->SetTopOffset(215);
    paper->SetBottomMargin(200);
    paper->SetFaceMargin(20);
    paper->SetLandscape(true);
    TDrawSiteModel site;
    CreateFaces(site, *paper, true);
    ASSERT_EQ(FaceCount(site), 2);
    // Face 1 turned onto the landscape sheet, its object rectangle the outer rectangle.
    EXPECT_EQ(FaceAt(site, 1)->FaceInfo().FaceRect(), TRect(1585, 465, 2755, 1635));
    EXPECT_EQ(FaceAt(site, 1)->BoundsRect(), TRect(1565, 445, 2775, 1655));
}

TEST_F(PaperInfo, SetFaceItemUndoesGetFaceInfo)
{
    for (const bool landscape : {false, true}) {
        auto paper = FreePaper(2100, 2970, {{100, 200, 600, 700}, {0, 0, 1, 1}}, fsRectCD, 15);
        TFaceItem* source = paper->Faces()->Face(0);
        source->SetCutCenterWidth(150);
        source->SetCutCenterHeight(220);
        source->SetRoundSize(80);
        source->SetCenterShape(csBarrel);
        source->SetFacePurpose(QStringLiteral("Card"));
        paper->SetLandscape(landscape);
        TFaceInfo info;
        paper->GetFaceInfo(0, info);
        paper->SetFaceItem(*paper->Faces()->Face(1), info);
        TFaceInfo copied;
        paper->GetFaceInfo(1, copied);
        EXPECT_EQ(copied, info) << "landscape " << landscape;
        EXPECT_EQ(paper->FaceRect(1), TRect(100, 200, 600, 700));
        EXPECT_EQ(paper->CutCenterSize(1), QSize(150, 220));
    }
}

TEST_F(PaperInfo, LandscapeIsReadBeforeTheSheetSize)
{
    auto paper = MatrixPaper(2100, 2970);
    paper->SetLandscape(true);
    auto read = UnstreamedAs<TMatrixPaperInfo>(ComponentBytes(*paper));
    ASSERT_TRUE(read);
    EXPECT_TRUE(read->Landscape());
    EXPECT_EQ(read->PortraitWidth(), 2100);
    EXPECT_EQ(read->PortraitHeight(), 2970);
}

TEST_F(PaperInfo, HoleSizeIsStoredInTheShortestForm)
{
    struct Case {
        int width, height;
        bool cutCenter, holeProperties;
    };
    const Case cases[] = {{410, 410, false, false}, {380, 380, true, false}, {380, 400, false, true}};
    for (const Case& c : cases) {
        for (const QByteArray& stream : {MatrixWithHole(c.width, c.height), FreeWithHole(c.width, c.height)}) {
            SCOPED_TRACE(testing::Message() << c.width << " x " << c.height);
            EXPECT_EQ(HasProperty(stream, "CutCenter"), c.cutCenter);
            EXPECT_EQ(HasProperty(stream, "CutCenterWidth"), c.holeProperties);
            EXPECT_EQ(HasProperty(stream, "CutCenterHeight"), c.holeProperties);
            auto read = UnstreamedAs<TPaperInfo>(stream);
            ASSERT_TRUE(read);
            EXPECT_EQ(read->CutCenterSize(0), QSize(c.width, c.height));
        }
    }
    // One of the two sizes at 410 is left out when they differ.
    const QByteArray stream = MatrixWithHole(410, 300);
    EXPECT_FALSE(HasProperty(stream, "CutCenterWidth"));
    EXPECT_TRUE(HasProperty(stream, "CutCenterHeight"));
    EXPECT_EQ(UnstreamedAs<TPaperInfo>(stream)->CutCenterSize(0), QSize(410, 300));
}

TEST_F(PaperInfo, CutCenterZeroReadsAsTheUsualHole)
{
    const QByteArray matrix = Record("TMatrixPaperInfo", [](TWriter& writer) {
        WriteIntegerProperty(writer, "FaceCountX", 1);
        WriteIntegerProperty(writer, "FaceCountY", 1);
        WriteIntegerProperty(writer, "CutCenter", 0);
    });
    EXPECT_EQ(UnstreamedAs<TPaperInfo>(matrix)->CutCenterSize(0), QSize(410, 410));
    const QByteArray freeRecord = FreeRecordWithItem([](TWriter& writer) { WriteIntegerProperty(writer, "CutCenter", 0); });
    EXPECT_EQ(UnstreamedAs<TPaperInfo>(freeRecord)->CutCenterSize(0), QSize(410, 410));
    const QByteArray square = FreeRecordWithItem([](TWriter& writer) { WriteIntegerProperty(writer, "CutCenter", 150); });
    EXPECT_EQ(UnstreamedAs<TPaperInfo>(square)->CutCenterSize(0), QSize(150, 150));
}

TEST_F(PaperInfo, LegacyFaceTypeBecomesShapeAndPurpose)
{
    const QByteArray matrix = Record("TMatrixPaperInfo", [](TWriter& writer) {
        WriteIntegerProperty(writer, "FaceCountX", 1);
        WriteIntegerProperty(writer, "FaceCountY", 1);
        WriteIntegerProperty(writer, "FaceType", 1);
    });
    const QByteArray freeRecord = FreeRecordWithItem([](TWriter& writer) { WriteIntegerProperty(writer, "FaceType", 1); });
    for (const QByteArray& stream : {matrix, freeRecord}) {
        auto paper = UnstreamedAs<TPaperInfo>(stream);
        ASSERT_TRUE(paper);
        EXPECT_EQ(paper->FaceShape(0), fsDoughnut);
        EXPECT_EQ(paper->FacePurpose(0), QStringLiteral("CD"));
        // The face type is never written back.
        EXPECT_FALSE(HasProperty(ComponentBytes(*paper), "FaceType"));
    }
}

TEST_F(PaperInfo, PurposeListIsWrittenOnlyForTheDatabase)
{
    auto paper = MatrixPaper(2100, 2970);
    paper->PurposeList()->SetDefault();
    EXPECT_FALSE(HasProperty(ComponentBytes(*paper), "PurposeList"));
    paper->SetStoresPurposeList(true);
    const QByteArray stream = ComponentBytes(*paper);
    EXPECT_TRUE(HasProperty(stream, "PurposeList"));
    auto read = UnstreamedAs<TPaperInfo>(stream);
    ASSERT_EQ(read->PurposeList()->Count(), 5);
    EXPECT_EQ(read->PurposeList()->Purpose(0)->ShapeMask(), FaceShapeBit(fsDoughnut) | FaceShapeBit(fsEllipse));
}

TEST_F(PaperInfo, ValidatorFiltersListsAndTranslatesPurposes)
{
    auto paper = MatrixPaper(2100, 2970);
    paper->SetFaceCountX(1);
    paper->SetFaceCountY(1);
    paper->SetFacePurpose(QStringLiteral("MO"));
    paper->SetStoresPurposeList(true);
    paper->PurposeList()->AddPurpose(QStringLiteral("MO"), QStringLiteral("MO"), 0);
    paper->PurposeList()->AddPurpose(QStringLiteral("CD"), QStringLiteral("CD"), 0);
    const QByteArray stream = ComponentBytes(*paper);

    // Without a validator, nothing is filtered or translated.
    EXPECT_EQ(UnstreamedAs<TPaperInfo>(stream)->PurposeList()->Count(), 2);
    EXPECT_EQ(paper->FacePurpose(0), QStringLiteral("MO"));

    const TObsoletePurposeValidator validator;
    const TPurposeValidatorScope installed(validator);
    auto read = UnstreamedAs<TPaperInfo>(stream);
    ASSERT_EQ(read->PurposeList()->Count(), 1);
    EXPECT_EQ(read->PurposeList()->Purpose(0)->ID(), QStringLiteral("CD"));
    EXPECT_EQ(read->FacePurpose(0), QStringLiteral("MOSquare"));
    TFaceInfo info;
    read->GetFaceInfo(0, info);
    EXPECT_EQ(info.FacePurpose(), QStringLiteral("MOSquare"));

    TPurposeList assigned;
    assigned.Assign(*paper->PurposeList());
    EXPECT_EQ(assigned.IndexOf(QStringLiteral("MO")), -1);
    EXPECT_EQ(validator.Translate(QStringLiteral("FD")), QStringLiteral("MOSquare"));
    EXPECT_EQ(validator.Translate(QStringLiteral("CDCase")), QStringLiteral("CDCaseTray"));
}

TEST_F(PaperInfo, TouchingFacesDoNotOverlap)
{
    struct Case {
        const char* what;
        std::vector<TRect> faces;
        TFaceShape shape;
        int expected;
    };
    const Case cases[] = {
        {"side by side", {{0, 0, 500, 500}, {500, 0, 1000, 500}, {0, 500, 500, 1000}}, fsRect, -1},
        {"sharing a strip", {{0, 0, 500, 500}, {600, 0, 1000, 500}, {499, 0, 600, 100}}, fsRect, 2},
        // The bounding boxes share a corner, the discs do not.
        {"discs on a diagonal", {{0, 0, 1000, 1000}, {900, 900, 1900, 1900}}, fsDoughnut, -1},
        {"discs sharing area", {{0, 0, 1000, 1000}, {1200, 0, 2200, 1000}, {600, 0, 1600, 1000}}, fsEllipse, 2},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FreePaper(3000, 3000, c.faces, c.shape)->FirstOverlappingFace(), c.expected) << c.what;

    // The bleed belongs to the face: touching trim lines overlap once there is bleed.
    EXPECT_EQ(FreePaper(3000, 3000, {{0, 0, 500, 500}, {500, 0, 1000, 500}}, fsRect, 10)->FirstOverlappingFace(), 1);
}

TEST_F(PaperInfo, FirstFaceOutsideCountsTheBleed)
{
    EXPECT_EQ(FreePaper(1000, 1000, {{0, 0, 500, 500}, {500, 500, 1000, 1000}})->FirstFaceOutside(), -1);
    EXPECT_EQ(FreePaper(1000, 1000, {{10, 10, 500, 500}, {500, 500, 1000, 1000}}, fsRect, 10)->FirstFaceOutside(), 1);
    EXPECT_EQ(FreePaper(1000, 1000, {{0, 0, 500, 500}}, fsRect, 1)->FirstFaceOutside(), 0);
    // A face that fits the portrait sheet but not the landscape one.
    auto paper = FreePaper(1000, 2000, {{0, 0, 500, 1500}});
    EXPECT_EQ(paper->FirstFaceOutside(), -1);
    paper->SetLandscape(true);
    EXPECT_EQ(paper->FirstFaceOutside(), -1); // turned with the sheet
    paper->SetPortraitWidth(400);
    EXPECT_EQ(paper->FirstFaceOutside(), 0);
}

TEST_F(PaperInfo, AssignAndCloneCopyEveryPart)
{
    auto matrix = MatrixPaper(2100, 2970, fsRoundRect);
    matrix->SetPaperName(QStringLiteral("名刺"));
    matrix->SetGroupName(QStringLiteral("カード"));
    matrix->SetReadOnly(true);
    matrix->SetLandscape(true);
    matrix->SetFaceCountX(2);
    matrix->SetFaceCountY(5);
    matrix->SetFaceWidth(910);
    matrix->SetFaceHeight(550);
    matrix->SetRoundSize(40);
    matrix->SetCutCenterWidth(200);
    matrix->PurposeList()->SetDefault();
    const std::unique_ptr<TPaperInfo> copy = matrix->Clone();
    EXPECT_EQ(ComponentBytes(*copy), ComponentBytes(*matrix));
    EXPECT_EQ(copy->PurposeList()->Count(), 5);

    auto freePaper = FreePaper(1000, 1000, {{1, 2, 3, 4}, {5, 6, 7, 8}}, fsEllipse, 3);
    const std::unique_ptr<TPaperInfo> freeCopy = freePaper->Clone();
    EXPECT_EQ(ComponentBytes(*freeCopy), ComponentBytes(*freePaper));

    // Across the kinds only the common part is copied.
    TFreePaperInfo common;
    common.Assign(*matrix);
    EXPECT_EQ(common.PaperName(), QStringLiteral("名刺"));
    EXPECT_EQ(common.PortraitWidth(), 2100);
    EXPECT_EQ(common.FaceCount(), 0);
}

TEST_F(PaperInfo, ReadingRefusesGeometryOutsideTheBounds)
{
    const QString invalid = QStringLiteral("不正なプロパティの値です");
    const auto matrix = [](const char* name, std::int64_t value) {
        return Record("TMatrixPaperInfo", [=](TWriter& writer) {
            WriteIntegerProperty(writer, "FaceCountX", 1);
            WriteIntegerProperty(writer, "FaceCountY", 1);
            WriteIntegerProperty(writer, name, value);
        });
    };
    struct Case {
        const char* what;
        QByteArray stream;
    };
    const Case cases[] = {
        {"huge width", matrix("Width", 2147483647)},
        {"negative height", matrix("Height", -1)},
        {"many columns", matrix("FaceCountX", 100000)},
        {"negative rows", matrix("FaceCountY", -3)},
        {"grid product", Record("TMatrixPaperInfo", [](TWriter& writer) {
             WriteIntegerProperty(writer, "FaceCountX", 1000);
             WriteIntegerProperty(writer, "FaceCountY", 1000);
         })},
        {"far offset", matrix("LeftOffset", -2147483647 - 1)},
        {"huge face", matrix("FaceHeight", 1 << 30)},
        {"huge hole", matrix("CutCenter", 1 << 30)},
        {"negative corner", matrix("RoundSize", -5)},
        {"huge bleed", matrix("FaceMargin", 1 << 30)},
        {"negative bleed", matrix("FaceMargin", -1)},
        {"item far left",
         FreeRecordWithItem([](TWriter& writer) { WriteIntegerProperty(writer, "Left", 2147483647); })},
        {"item far width", FreeRecordWithItem([](TWriter& writer) {
             WriteIntegerProperty(writer, "Left", -2147483647 - 1);
             WriteIntegerProperty(writer, "Width", 2147483647);
         })},
        {"item hole", FreeRecordWithItem([](TWriter& writer) { WriteIntegerProperty(writer, "CutCenterHeight", -1); })},
        {"cut centre beyond 32 bits", matrix("CutCenter", 1LL << 40)},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ReadFailure(c.stream), invalid) << c.what;

    // Too many purposes.
    auto listed = MatrixPaper(1000, 1000);
    listed->SetStoresPurposeList(true);
    for (int i = 0; i <= kMaxPurposes; ++i)
        listed->PurposeList()->AddPurpose(QString::number(i), {}, 0);
    EXPECT_EQ(ReadFailure(ComponentBytes(*listed)), invalid);

    // Too many face items.
    auto crowded = FreePaper(1000, 1000, std::vector<TRect>(1001, TRect(0, 0, 1, 1)));
    EXPECT_EQ(ReadFailure(ComponentBytes(*crowded)), invalid);
    crowded->Faces()->Delete(0);
    EXPECT_EQ(ReadFailure(ComponentBytes(*crowded)), QString());
}

TEST_F(PaperInfo, PurposeListMergeAndLookUp)
{
    TPurposeList list;
    list.SetDefault();
    ASSERT_EQ(list.Count(), 5);
    EXPECT_EQ(list.IndexOf(QStringLiteral("cdcover")), 1);
    EXPECT_EQ(list.IndexOf(QString()), 4);
    EXPECT_EQ(list.IndexOf(QStringLiteral("DVD")), -1);

    TPurposeList other;
    other.AddPurpose(QStringLiteral("cd"), QStringLiteral("disc"), 0);
    other.AddPurpose(QStringLiteral("DVD"), QStringLiteral("DVD"), FaceShapeBit(fsRect));
    other.AddPurpose(QStringLiteral("dvd"), QStringLiteral("again"), 0);
    EXPECT_TRUE(list.Merge(other));
    ASSERT_EQ(list.Count(), 6);
    EXPECT_EQ(list.Purpose(5)->DisplayName(), QStringLiteral("DVD"));
    EXPECT_FALSE(list.Merge(other));

    QStringList names{QStringLiteral("first")};
    list.DisplayNames(names);
    EXPECT_EQ(names, QStringList({"first", "CD", "CDCover", "CDCaseTray", "MOSquare", "", "DVD"}));

    // The same-named entry nearest the end is the one found.
    list.AddPurpose(QStringLiteral("CD"), QStringLiteral("late"), 0);
    EXPECT_EQ(list.IndexOf(QStringLiteral("CD")), 6);
}

TEST_F(PaperInfo, PurposeCatalogueStreamsAsTheListProperty)
{
    TPLStreamer streamer;
    streamer.List()->SetDefault();
    streamer.List()->AddPurpose(QStringLiteral("FD"), QStringLiteral("FD"), 0);
    const QByteArray stream = ComponentBytes(streamer);
    EXPECT_TRUE(HasProperty(stream, "List"));

    const TObsoletePurposeValidator validator;
    const TPurposeValidatorScope installed(validator);
    TPLStreamer read;
    ReadComponentBytes(stream, read);
    EXPECT_EQ(read.List()->Count(), 5);
    EXPECT_EQ(read.List()->IndexOf(QStringLiteral("FD")), -1);
}
