#include "printing/disc/paper_print_setting.h"

#include "core/error.h"
#include "fake_printer_service.h"
#include "printing/config/printer_configuration.h"
#include "printing/disc/print_setting_data.h"
#include "printing/disc/queue_disc_support.h"
#include "platform/printers/ppd.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

namespace {

TPrintSettingData Disc(int outer, int inner, int offsetX = 0)
{
    TPrintSettingData request;
    request.Width = request.Height = 1199;
    request.PaperName = QStringLiteral("ディスク");
    request.MediaKind = QStringLiteral("CDR");
    request.DiscTray = true;
    request.DiscOuter = outer;
    request.DiscInner = inner;
    request.DiscOffsetX = offsetX;
    return request;
}

TPrintSettingData Sheet(int width, int height, bool landscape = false)
{
    TPrintSettingData request;
    request.Width = width;
    request.Height = height;
    request.Landscape = landscape;
    request.PaperName = QStringLiteral("用紙");
    return request;
}

class PaperPrintSettingTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        AddFixtureQueues(service);
        service.AddQueue({QStringLiteral("Driverless"), QStringLiteral("IPP Everywhere"), QStringLiteral("ipp://127.0.0.1/x"),
                          {}, false},
                         {}, {QStringLiteral("main"), QStringLiteral("disc")});
    }

    TFakePrinterService service;
    TPaperPrintSetting setting{TPrinterSettingRules(
        {QStringLiteral("[Testmaker.Paper.0]"), QStringLiteral("写真用紙=Photo"), QStringLiteral("@@default=Plain")})};
};

} // namespace

TEST(QueueDiscSupport, ReadsTheDiscOptionsOfTheDescription)
{
    const TPpd ppd(testsupport::FixturePath(QStringLiteral("disc-printer.ppd")));
    const TQueueDiscSupport support(&ppd, {});
    EXPECT_TRUE(support.CanPrintDiscs());
    EXPECT_EQ(support.DiscSource(), QStringLiteral("CD"));
    EXPECT_EQ(support.DiscPages(), (QStringList{QStringLiteral("CD5Inch"), QStringLiteral("CDCustom")}));
    EXPECT_EQ(support.DiscMedia(), QStringList{QStringLiteral("DiscCompat")});
    EXPECT_TRUE(support.HubPrinting());
    EXPECT_EQ(support.OuterDiameters().front(), 184);
    EXPECT_EQ(support.InnerDiameters().back(), 121);
    EXPECT_EQ(support.XAdjustments(), (std::vector<int>{-1, 0, 1}));

    EXPECT_FALSE(TQueueDiscSupport(nullptr, {QStringLiteral("main")}).CanPrintDiscs());
    EXPECT_EQ(TQueueDiscSupport(nullptr, {QStringLiteral("cd")}).DiscSource(), QStringLiteral("cd"));
}

TEST_F(PaperPrintSettingTest, ADiscTakesTheTrayTheDiscPageAndSafeDiameters)
{
    TPrinterConfiguration configuration(service, QStringLiteral("Disc"));
    // 118 mm is 334.5 pt: down to 334; 22 mm is 62.4 pt: up to 63; 0.5 mm right is 1 pt.
    setting.Apply(configuration, Disc(1180, 220, 5));
    const TPrinterOptions& options = configuration.Options();
    EXPECT_EQ(options.Choice(QStringLiteral("InputSlot")), QStringLiteral("CD"));
    EXPECT_EQ(options.Choice(QStringLiteral("PageSize")), QStringLiteral("CDCustom"));
    EXPECT_EQ(options.Choice(QStringLiteral("StpCDOuterDiameter")), QStringLiteral("334"));
    EXPECT_EQ(options.Choice(QStringLiteral("StpCDInnerDiameter")), QStringLiteral("63"));
    EXPECT_EQ(options.Choice(QStringLiteral("StpCDInnerRadius")), QStringLiteral("Small"));
    EXPECT_EQ(options.Choice(QStringLiteral("StpCDXAdjustment")), QStringLiteral("1"));
    EXPECT_EQ(options.Choice(QStringLiteral("MediaType")), QStringLiteral("DiscCompat"));
    EXPECT_FALSE(options.Landscape());
    // The tray rules out two-sided printing: the driver's constraint moved it.
    EXPECT_EQ(options.Choice(QStringLiteral("Duplex")), QStringLiteral("None"));
    EXPECT_TRUE(configuration.Problems().isEmpty());
}

TEST_F(PaperPrintSettingTest, DiametersNeverGoBeyondTheDiscOrIntoTheHole)
{
    TPrinterConfiguration configuration(service, QStringLiteral("Disc"));
    // 117 mm is 331.7 pt: the largest choice not above it is 329.
    setting.Apply(configuration, Disc(1170, 430));
    EXPECT_EQ(configuration.Options().Choice(QStringLiteral("StpCDOuterDiameter")), QStringLiteral("329"));
    EXPECT_EQ(configuration.Options().Choice(QStringLiteral("StpCDInnerDiameter")), QStringLiteral("121"));
    EXPECT_EQ(configuration.Options().Choice(QStringLiteral("StpCDInnerRadius")), QStringLiteral("None"));

    // A hole larger than the driver's largest mask takes that mask.
    setting.Apply(configuration, Disc(1180, 450));
    EXPECT_EQ(configuration.Options().Choice(QStringLiteral("StpCDInnerDiameter")), QStringLiteral("121"));

    const TPrinterOptions before = configuration.Options();
    EXPECT_THROW(setting.Apply(configuration, Disc(600, 220)), EAppError); // smaller than the smallest disc
    EXPECT_EQ(configuration.Options(), before);
}

TEST_F(PaperPrintSettingTest, AQueueWithoutDiscSourceIsRefused)
{
    TPrinterConfiguration plain(service, QStringLiteral("Plain"));
    const TPrinterOptions before = plain.Options();
    try {
        setting.Apply(plain, Disc(1180, 220));
        FAIL() << "a disc on a queue without tray";
    } catch (const EAppError& error) {
        EXPECT_TRUE(error.Message().contains(QStringLiteral("ディスクトレイ")));
    }
    EXPECT_EQ(plain.Options(), before);

    TPrinterConfiguration driverless(service, QStringLiteral("Driverless"));
    setting.Apply(driverless, Disc(1180, 220));
    EXPECT_EQ(driverless.Options().Choice(QStringLiteral("media-source")), QStringLiteral("disc"));
}

TEST_F(PaperPrintSettingTest, SheetsTakeTheNearFormTurnedFormOrAnAddedForm)
{
    TPrinterConfiguration configuration(service, QStringLiteral("Disc"));
    struct Case {
        int Width, Height;
        bool Landscape;
        const char* PageSize;
        bool ExpectLandscape;
    };
    for (const Case& c : {Case{2100, 2970, false, "A4", false}, Case{2115, 2970, false, "A4", false},
                          Case{2970, 2100, true, "A4", true}, Case{1200, 1200, false, "Custom.340.16x340.16", false},
                          Case{2130, 2970, false, "Custom.603.78x841.89", false}}) {
        configuration.Reset();
        setting.Apply(configuration, Sheet(c.Width, c.Height, c.Landscape));
        EXPECT_EQ(configuration.Options().Choice(QStringLiteral("PageSize")), QLatin1String(c.PageSize)) << c.Width;
        EXPECT_EQ(configuration.Options().Landscape(), c.ExpectLandscape) << c.Width;
        EXPECT_TRUE(configuration.Problems().isEmpty()) << c.Width;
    }
    // The added form is listed under the size's name.
    EXPECT_GE(configuration.Forms().IndexByName(QStringLiteral("120 x 120mm")), 0);
}

TEST_F(PaperPrintSettingTest, ASheetAfterADiscLeavesTheTray)
{
    TPrinterConfiguration configuration(service, QStringLiteral("Disc"));
    setting.Apply(configuration, Disc(1180, 220));
    setting.Apply(configuration, Sheet(2100, 2970));
    EXPECT_EQ(configuration.Options().Choice(QStringLiteral("InputSlot")), QStringLiteral("Standard"));
    EXPECT_EQ(configuration.Options().Choice(QStringLiteral("PageSize")), QStringLiteral("A4"));
    EXPECT_EQ(configuration.Options().Choice(QStringLiteral("MediaType")), QStringLiteral("Plain"));
}

TEST_F(PaperPrintSettingTest, SheetMediaFollowsTheRulesThenThePrintersFirstMedia)
{
    TPrinterConfiguration configuration(service, QStringLiteral("Disc"));
    TPrintSettingData photo = Sheet(2100, 2970);
    photo.PaperName = QStringLiteral("写真用紙");
    setting.Apply(configuration, photo);
    EXPECT_EQ(configuration.Options().Choice(QStringLiteral("MediaType")), QStringLiteral("Photo"));

    setting.Apply(configuration, Sheet(2100, 2970));
    EXPECT_EQ(configuration.Options().Choice(QStringLiteral("MediaType")), QStringLiteral("Plain"));

    TPaperPrintSetting noRules;
    configuration.Options().SetChoice(QStringLiteral("MediaType"), QStringLiteral("Photo"));
    noRules.Apply(configuration, Sheet(2100, 2970));
    EXPECT_EQ(configuration.Options().Choice(QStringLiteral("MediaType")), QStringLiteral("Plain"));
}
