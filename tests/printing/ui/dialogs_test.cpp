// The printer settings, properties and size adjustment dialogs on the offscreen platform,
// with the fake printer service and with the private CUPS scheduler.
#include "../fake_printer_service.h"
#include "platform/printers/cups_printer_service.h"
#include "printing/config/application_printer.h"
#include "printing/config/printer_configuration.h"
#include "printing/ui/printer_properties_dialog.h"
#include "printing/ui/printer_setting_dialog.h"
#include "printing/ui/size_adjust_dialog.h"
#include "../private_cups.h"
#include "../shipped_catalogue.h"
#include "support/settings_macros.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>

namespace {

using PrinterSettingDialogTest = TFakePrinterTest;

void Activate(QComboBox* box, const QString& text)
{
    const int index = box->findText(text);
    ASSERT_GE(index, 0) << text.toStdString();
    box->setCurrentIndex(index);
    emit box->activated(index);
}

} // namespace

TEST_F(PrinterSettingDialogTest, OpensOnTheDefaultQueueAndAppliesThePaperChosen)
{
    TfrmPrinterSetting dialog(service);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("プリンタの設定"));
    EXPECT_EQ(dialog.PrinterList()->count(), 2);
    EXPECT_EQ(dialog.PrinterList()->currentText(), QStringLiteral("Disc"));
    EXPECT_EQ(dialog.PortLabel()->text(), QStringLiteral("usb://Testmaker/Disc"));
    EXPECT_EQ(dialog.MakerPage(), QStringLiteral("Other"));
    EXPECT_GE(dialog.PaperList()->findText(QStringLiteral("ユーザー定義(215.9 x 352.8mm)")), 0);
    EXPECT_EQ(dialog.PaperList()->currentText(), QStringLiteral("US Letter"));

    Activate(dialog.PaperList(), QStringLiteral("A4"));
    dialog.LandscapeButton()->setChecked(true);
    dialog.accept();
    EXPECT_EQ(ApplicationPrinter().Queue, QStringLiteral("Disc"));
    ASSERT_TRUE(ApplicationPrinter().Options);
    EXPECT_EQ(ApplicationPrinter().Options->Choice(QStringLiteral("PageSize")), QStringLiteral("A4"));
    EXPECT_TRUE(ApplicationPrinter().Options->Landscape());
}

TEST_F(PrinterSettingDialogTest, AQueueWithoutDescriptionHasNoPropertiesAndAVanishedQueueFallsBack)
{
    TfrmPrinterSetting dialog(service);
    Activate(dialog.PrinterList(), QStringLiteral("Plain"));
    EXPECT_FALSE(dialog.PropertiesButton()->isEnabled());
    EXPECT_EQ(dialog.PaperList()->count(), 0);
    EXPECT_EQ(dialog.OpenProperties(), nullptr);

    dialog.RefreshPrinters();
    EXPECT_EQ(dialog.Configuration()->DeviceName(), QStringLiteral("Plain"));
    service.RemoveQueue(QStringLiteral("Plain"));
    dialog.RefreshPrinters();
    EXPECT_EQ(dialog.PrinterList()->count(), 1);
    EXPECT_EQ(dialog.Configuration()->DeviceName(), QStringLiteral("Disc"));
    EXPECT_EQ(dialog.PrinterList()->currentText(), QStringLiteral("Disc"));
}

TEST_F(PrinterSettingDialogTest, PropertiesEditEveryOptionOfTheDescription)
{
    TfrmPrinterSetting dialog(service);
    auto* properties = dynamic_cast<TfrmPrinterProperties*>(dialog.OpenProperties());
    ASSERT_TRUE(properties);
    QComboBox* media = properties->ChoiceBox(QStringLiteral("MediaType"));
    ASSERT_TRUE(media);
    EXPECT_EQ(properties->ChoiceBox(QStringLiteral("PageRegion")), nullptr);
    media->setCurrentIndex(media->findData(QStringLiteral("Photo")));
    properties->accept();
    EXPECT_EQ(dialog.Configuration()->Options().Choice(QStringLiteral("MediaType")), QStringLiteral("Photo"));
}

TEST(PrinterSettingDialogCups, ShowsTheMakerPagesOfTheGutenprintQueues)
{
    if (!privatecups::Available())
        GTEST_SKIP() << "the private CUPS scheduler is not running";
    SetApplicationPrinter({});
    TCupsPrinterService cups;
    TfrmPrinterSetting dialog(cups);
    dialog.show();
    EXPECT_EQ(dialog.PrinterList()->currentText(), QStringLiteral("Raw"));
    EXPECT_EQ(dialog.MakerPage(), QStringLiteral("Other"));

    Activate(dialog.PrinterList(), QStringLiteral("Canon_iP4500"));
    EXPECT_EQ(dialog.MakerPage(), QStringLiteral("Canon"));
    EXPECT_EQ(dialog.PortLabel()->text(), QStringLiteral("capture:/"));
    Activate(dialog.MediaBox(), QStringLiteral("Printable Disc (recommended)"));
    EXPECT_EQ(dialog.Configuration()->Options().Choice(QStringLiteral("MediaType")), QStringLiteral("DiscCompat"));

    Activate(dialog.PrinterList(), QStringLiteral("Epson_R280"));
    EXPECT_EQ(dialog.MakerPage(), QStringLiteral("Epson"));
    EXPECT_GT(dialog.MediaList()->count(), 5);
    EXPECT_GE(dialog.PaperList()->findText(QStringLiteral("A4")), 0);
    dialog.RefreshPrinters();
    EXPECT_EQ(dialog.Configuration()->DeviceName(), QStringLiteral("Epson_R280"));
}

namespace {

class SizeAdjustDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        papers_ = OpenShippedCatalogue();
        printers_ = std::make_unique<TDirectPrinterInfo>(TDirectPrinterInfo::FromCatalogue(*papers_));
        ASSERT_TRUE(printers_->Select(QStringLiteral("Epson Stylus Photo R280")));
        paper_ = printers_->CopyForModel(
            papers_->Paper(papers_->IndexOfName(QStringLiteral("プリンタブルディスク エプソン対応 120mm ハブ印刷 内径22mm"))));
    }

    TSizeAdjustment Stored() const { return ReadStoredSizeAdjustment(paper_->PaperName(), paper_->GroupName()); }

    const testsupport::TSettingsMacros macros_;
    std::unique_ptr<TPapersV2> papers_;
    std::unique_ptr<TDirectPrinterInfo> printers_;
    std::unique_ptr<TPaperInfo> paper_;
};

} // namespace

TEST_F(SizeAdjustDialogTest, ChangesAreStoredAtOnceAndCancelRestoresTheOpeningValues)
{
    WriteSizeAdjustment(paper_->PaperName(), paper_->GroupName(), {10, 500}); // stored beyond the limits
    TfrmSizeAdjust dialog(*paper_, *printers_->Selected());
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("外円・内円のサイズ調整"));
    EXPECT_TRUE(dialog.OuterPanel()->isVisible());
    EXPECT_TRUE(dialog.InnerPanel()->isVisible());
    // Shown clamped: 118 mm may grow to the model's 119.9 mm.
    EXPECT_DOUBLE_EQ(dialog.OuterSpin()->value(), 1.9);
    EXPECT_DOUBLE_EQ(dialog.OuterSpin()->maximum(), 1.9);
    EXPECT_DOUBLE_EQ(dialog.InnerSpin()->minimum(), -6.1);
    EXPECT_EQ(dialog.OuterResult()->text(), QStringLiteral("調整後のサイズ 119.9 mm"));
    EXPECT_TRUE(dialog.Note()->text().contains(QStringLiteral("外円では119.9mmを超えるサイズ、内円では15.9mm未満")));

    dialog.OuterSpin()->setValue(-2.0);
    EXPECT_EQ(Stored(), (TSizeAdjustment{10, -20}));
    dialog.InnerSpin()->setValue(6.0);
    EXPECT_EQ(Stored(), (TSizeAdjustment{60, -20}));
    dialog.reject();
    EXPECT_EQ(Stored(), (TSizeAdjustment{10, 500}));
}

TEST_F(SizeAdjustDialogTest, OkKeepsTheChanges)
{
    WriteSizeAdjustment(paper_->PaperName(), paper_->GroupName(), {0, 0});
    TfrmSizeAdjust dialog(*paper_, *printers_->Selected());
    dialog.InnerSpin()->setValue(-3.0);
    dialog.accept();
    EXPECT_EQ(Stored(), (TSizeAdjustment{-30, 0}));
}
