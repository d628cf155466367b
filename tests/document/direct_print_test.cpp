// Disc printing geometry: the printer models of the shipped catalogue, papers copied for a
// model, the size adjustment and the effective paper.
#include "catalogue/catalogue_classes.h"
#include "catalogue/database/papers_v2.h"
#include "catalogue/paper/free_paper_info.h"
#include "catalogue/paper/matrix_paper_info.h"
#include "document/direct_print/direct_printer_info.h"
#include "document/direct_print/effective_paper.h"
#include "document/direct_print/size_adjustment.h"
#include "document/label_data.h"
#include "support/settings_macros.h"

#include <gtest/gtest.h>

namespace {

const QString kCatalogue = QStringLiteral(LUMAREST_BINARY_DIR "/data/Lumarest.ppr");
const QString kEpsonDisc = QStringLiteral("プリンタブルディスク エプソン対応 120mm ハブ印刷 内径22mm");
const QString kR280 = QStringLiteral("Epson Stylus Photo R280");

class DirectPrintTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        RegisterCatalogueClasses();
        papers_ = std::make_unique<TPapersV2>(kCatalogue, false, true);
        SetDirectPrintCatalogue(papers_.get());
    }
    void TearDown() override
    {
        SetDirectPrintCatalogue(nullptr);
    }

    const TPaperInfo& LabelSheet()
    {
        for (int i = 0; i < papers_->Count(); ++i)
            if (!papers_->IsDirectPrintPaper(papers_->Paper(i)))
                return papers_->Paper(i);
        ADD_FAILURE() << "no label sheet in the catalogue";
        return papers_->Paper(0);
    }

    const TPaperInfo& CataloguePaper(const QString& name)
    {
        const int index = papers_->IndexOfName(name);
        EXPECT_GE(index, 0) << name.toStdString();
        return papers_->Paper(std::max(index, 0));
    }

    // The catalogue paper copied for a model of the shipped catalogue.
    std::unique_ptr<TPaperInfo> ForModel(const QString& paper, const QString& model)
    {
        TDirectPrinterInfo printers = TDirectPrinterInfo::FromCatalogue(*papers_);
        EXPECT_TRUE(printers.Select(model));
        return printers.CopyForModel(CataloguePaper(paper));
    }

    const testsupport::TSettingsMacros macros_;
    std::unique_ptr<TPapersV2> papers_;
};

TDirectPrinterModel Model(int maxOuter, int minInner)
{
    TDirectPrinterModel model;
    model.MaxOuterWidth = model.MaxOuterHeight = maxOuter;
    model.MinInnerWidth = model.MinInnerHeight = minInner;
    return model;
}

} // namespace

TEST(DirectPrinterInfo, AttributesAreComparedAsTextsWhateverTheyHold)
{
    TDirectPrinterInfo printers(QStringLiteral(
        "<DirectPrinterInfo>"
        "<PrinterData PrinterName='Maker &quot;Q&quot; 1' TrayWidth='1199' TrayHeight='1000' CenterX='600' CenterY='500'"
        " MaxOuterWidth='1180' MaxOuterHeight='1180' MinInnerWidth='210' MinInnerHeight='210'>"
        "<FaceShape ShapeName='fsDoughnut'/><Purpose PurposeName='CD'/></PrinterData>"
        "<PrinterData TrayWidth='1'/>"
        "<PrinterData PrinterName='Other'/>"
        "</DirectPrinterInfo>"));
    EXPECT_TRUE(printers.Error().isEmpty());
    EXPECT_EQ(printers.ModelNames(), (QStringList{QStringLiteral("Maker \"Q\" 1"), QStringLiteral("Other")}));
    ASSERT_TRUE(printers.Select(QStringLiteral("Maker \"Q\" 1")));
    EXPECT_EQ(printers.Selected()->TrayHeight, 1000);
    EXPECT_EQ(printers.Selected()->MinInnerWidth, 210);
    EXPECT_EQ(printers.Selected()->FaceShapes, QStringList{QStringLiteral("fsDoughnut")});
    EXPECT_FALSE(printers.Select(QStringLiteral("Maker ")));
    EXPECT_EQ(printers.Selected(), nullptr);
}

TEST(DirectPrinterInfo, AMalformedTableHasNoModels)
{
    for (const char* xml : {"<DirectPrinterInfo><PrinterData PrinterName='A'>", "<Other><PrinterData PrinterName='A'/></Other>",
                            "<DirectPrinterInfo><PrinterData PrinterName='A' PrinterName='B'/></DirectPrinterInfo>"}) {
        TDirectPrinterInfo printers{QString::fromLatin1(xml)};
        EXPECT_TRUE(printers.ModelNames().isEmpty()) << xml;
        EXPECT_FALSE(printers.Error().isEmpty()) << xml;
    }
}

TEST(DirectPrinterInfo, MigrationFallsBackToKnownModels)
{
    TDirectPrinterInfo printers(QStringLiteral(
        "<DirectPrinterInfo><PrinterData PrinterName='A'/><PrinterData PrinterName='B'/></DirectPrinterInfo>"));
    EXPECT_EQ(MigrationModel(printers, QStringLiteral("B"), QStringLiteral("A")), QStringLiteral("B"));
    EXPECT_EQ(MigrationModel(printers, QStringLiteral("Canon PIXUS 850i"), QStringLiteral("B")), QStringLiteral("B"));
    EXPECT_EQ(MigrationModel(printers, QStringLiteral("Canon PIXUS 850i"), QStringLiteral("Z")), QStringLiteral("A"));
    EXPECT_EQ(MigrationModel(TDirectPrinterInfo(QString()), QStringLiteral("A"), {}), QString());
}

TEST_F(DirectPrintTest, EveryShippedModelIsADirectPrintGroupWithTheGutenprintDiscPage)
{
    const TDirectPrinterInfo printers = TDirectPrinterInfo::FromCatalogue(*papers_);
    ASSERT_TRUE(printers.Error().isEmpty());
    ASSERT_GE(printers.Models().size(), 6u);
    for (const TDirectPrinterModel& model : printers.Models()) {
        EXPECT_TRUE(papers_->IsDirectPrintGroup(model.Name)) << model.Name.toStdString();
        EXPECT_EQ(model.TrayWidth, 1199);
        EXPECT_EQ(model.TrayHeight, 1199);
        EXPECT_EQ(model.CenterX, 600);
        EXPECT_EQ(model.CenterY, 600);
    }
    EXPECT_TRUE(printers.ModelNames().contains(kR280));
    EXPECT_TRUE(printers.ModelNames().contains(QStringLiteral("Canon PIXMA iP4500")));
}

TEST_F(DirectPrintTest, ADiscPaperSuitsAModelAndIsCopiedOntoItsTray)
{
    TDirectPrinterInfo printers = TDirectPrinterInfo::FromCatalogue(*papers_);
    ASSERT_TRUE(printers.Select(kR280));
    const TPaperInfo& disc = CataloguePaper(kEpsonDisc);
    EXPECT_TRUE(printers.Suits(*papers_, disc));
    EXPECT_FALSE(printers.Suits(*papers_, LabelSheet()));

    const std::unique_ptr<TPaperInfo> copy = printers.CopyForModel(disc);
    EXPECT_EQ(copy->GroupName(), kR280);
    EXPECT_EQ(copy->Width(), 1199);
    EXPECT_EQ(copy->Height(), 1199);
    EXPECT_EQ(copy->FaceRect(0), (TRect{10, 10, 1190, 1190}));
    EXPECT_EQ(copy->CutCenterSize(0), QSize(220, 220));

    TDirectPrinterInfo tight(QStringLiteral("<DirectPrinterInfo><PrinterData PrinterName='small' TrayWidth='1199'"
                                            " TrayHeight='1199' CenterX='600' CenterY='600' MaxOuterWidth='1160'"
                                            " MaxOuterHeight='1160' MinInnerWidth='400' MinInnerHeight='400'/>"
                                            "</DirectPrinterInfo>"));
    ASSERT_TRUE(tight.Select(QStringLiteral("small")));
    const std::unique_ptr<TPaperInfo> cut = tight.CopyForModel(disc);
    EXPECT_EQ(cut->FaceRect(0), (TRect{20, 20, 1180, 1180}));
    EXPECT_EQ(cut->CutCenterSize(0), QSize(400, 400));
}

TEST(SizeAdjustment, ClampsKeepTheDiscPrintable)
{
    const TDirectPrinterModel model = Model(1199, 159);
    struct Case {
        const char* What;
        int A, B, Inner, Outer, ExpectInner, ExpectOuter;
        const TDirectPrinterModel* Limits;
    };
    const Case cases[] = {
        {"unchanged", 220, 1180, 60, -20, 60, -20, &model},
        {"outer cut to 120 mm", 220, 1180, 0, 50, 0, 20, nullptr},
        {"outer cut to the model's largest", 220, 1180, 0, 50, 0, 19, &model},
        {"beyond 10 mm", 220, 1100, 150, -150, 100, -100, nullptr},
        {"inner never below 0", 50, 1180, -100, 0, -50, 0, nullptr},
        {"inner never below the model's smallest", 220, 1180, -100, 0, -61, 0, &model},
        {"ring: the outer value rises", 220, 350, 100, 0, 100, 20, nullptr},
        {"ring: at the cap the inner value falls", 1100, 1180, 100, 20, 50, 20, nullptr},
    };
    for (const Case& c : cases) {
        const TSizeAdjustment clamped = ClampSizeAdjustment({c.Inner, c.Outer}, c.A, c.B, c.Limits);
        EXPECT_EQ(clamped, (TSizeAdjustment{c.ExpectInner, c.ExpectOuter})) << c.What;
        EXPECT_LE(c.B + clamped.Outer, 1200) << c.What;
        EXPECT_GE((c.B + clamped.Outer) - (c.A + clamped.Inner), 50) << c.What;
    }
}

TEST(SizeAdjustment, InvertedSpinRangesBecomeAFixedValue)
{
    const TDirectPrinterModel model = Model(1199, 159);
    const TAdjustmentRange outer = OuterAdjustmentRange(220, 1180, 60, &model);
    EXPECT_EQ(outer.Minimum, -100);
    EXPECT_EQ(outer.Maximum, 19);
    EXPECT_TRUE(outer.Enabled());
    const TAdjustmentRange inner = InnerAdjustmentRange(220, 1180, -20, &model);
    EXPECT_EQ(inner.Minimum, -61);
    EXPECT_EQ(inner.Maximum, 100);
    // A hole so large that the ring rule asks for more than the cap allows: fixed at the cap.
    const TAdjustmentRange fixed = OuterAdjustmentRange(1100, 1180, 100, &model);
    EXPECT_EQ(fixed.Minimum, 19);
    EXPECT_EQ(fixed.Maximum, 19);
    EXPECT_FALSE(fixed.Enabled());
    EXPECT_FALSE((TAdjustmentRange{0, 0}).Enabled());
}

TEST_F(DirectPrintTest, AdjustmentsAreStoredPerPaperAndModelUnderOneKeySegment)
{
    const QString name = QStringLiteral("名前/に\\記号%2F");
    EXPECT_EQ(ReadStoredSizeAdjustment(name, kR280), (TSizeAdjustment{0, 0}));
    WriteSizeAdjustment(name, kR280, {30, -150});
    WriteSizeAdjustment(QStringLiteral("名前"), kR280, {1, 2});
    EXPECT_EQ(ReadStoredSizeAdjustment(name, kR280), (TSizeAdjustment{30, -150})); // kept as stored
    EXPECT_EQ(ReadStoredSizeAdjustment(name, QStringLiteral("Other")), (TSizeAdjustment{0, 0}));
    EXPECT_EQ(ReadStoredSizeAdjustment(QStringLiteral("名前"), kR280), (TSizeAdjustment{1, 2}));
    EXPECT_EQ(ReadStoredSizeAdjustment(QStringLiteral("名前/に\\記号/2F"), kR280), (TSizeAdjustment{0, 0}));
}

TEST_F(DirectPrintTest, EffectivePaperCentresTheAdjustedDiscOnTheTray)
{
    TLabelData document;
    document.SetPaper(*ForModel(kEpsonDisc, kR280));
    const TPaperInfo* plain = document.EffectivePaper();
    ASSERT_TRUE(plain);
    EXPECT_EQ(plain->FaceRect(0), (TRect{10, 10, 1190, 1190}));

    WriteSizeAdjustment(kEpsonDisc, kR280, {60, -20});
    const TPaperInfo* adjusted = document.EffectivePaper();
    EXPECT_EQ(adjusted->Width(), 1199);
    EXPECT_EQ(adjusted->FaceRect(0), (TRect{20, 20, 1180, 1180}));
    EXPECT_EQ(adjusted->CutCenterSize(0), QSize(280, 280));

    // Stored beyond the limits: used clamped, the disc at most 120 mm (here the model's
    // 119.9 mm).
    WriteSizeAdjustment(kEpsonDisc, kR280, {0, 90});
    EXPECT_EQ(RectWidth(document.EffectivePaper()->FaceRect(0)), 1199);
    WriteSizeAdjustment(kEpsonDisc, kR280, {0, 0});
}

TEST_F(DirectPrintTest, PapersOtherThanDirectPrintAreUsedAsTheyAre)
{
    TLabelData document;
    const TPaperInfo& sheet = LabelSheet();
    document.SetPaper(sheet);
    WriteSizeAdjustment(sheet.PaperName(), sheet.GroupName(), {50, 50});
    EXPECT_EQ(document.EffectivePaper()->Width(), sheet.Width());
    EXPECT_EQ(document.EffectivePaper()->FaceRect(0), sheet.FaceRect(0));
    // The catalogue's own disc paper names a group, not a model: used as it is.
    document.SetPaper(CataloguePaper(kEpsonDisc));
    EXPECT_EQ(document.EffectivePaper()->Width(), CataloguePaper(kEpsonDisc).Width());
}
