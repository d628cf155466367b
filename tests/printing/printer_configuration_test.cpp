#include "printing/config/printer_configuration.h"

#include "core/error.h"
#include "core/frame/settings.h"
#include "fake_printer_service.h"
#include "platform/printers/ppd.h"
#include "printing/config/application_printer.h"
#include "support/settings_macros.h"

#include <gtest/gtest.h>

namespace {

using PrinterConfigurationTest = TFakePrinterTest;

} // namespace

TEST_F(PrinterConfigurationTest, NamedQueueStartsWithTheDescriptionsDefaults)
{
    TPrinterConfiguration configuration(service, QStringLiteral("Disc"));
    EXPECT_EQ(configuration.Port(), QStringLiteral("usb://Testmaker/Disc"));
    ASSERT_TRUE(configuration.Ppd());
    EXPECT_EQ(configuration.Ppd()->Manufacturer(), QStringLiteral("Testmaker"));
    EXPECT_EQ(configuration.Options().Choice(QStringLiteral("InputSlot")), QStringLiteral("Standard"));
    EXPECT_EQ(configuration.Options(), configuration.DefaultOptions());
    configuration.Options().SetChoice(QStringLiteral("MediaType"), QStringLiteral("Photo"));
    EXPECT_NE(configuration.Options(), configuration.DefaultOptions());
    configuration.Reset();
    EXPECT_EQ(configuration.Options(), configuration.DefaultOptions());
}

TEST_F(PrinterConfigurationTest, AnUnknownQueueIsAnError)
{
    EXPECT_THROW(TPrinterConfiguration(service, QStringLiteral("Gone")), EAppError);
}

TEST_F(PrinterConfigurationTest, ApplicationPrinterIsTheDefaultQueueUntilOneIsApplied)
{
    auto current = TPrinterConfiguration::ForApplicationPrinter(service);
    EXPECT_EQ(current->DeviceName(), QStringLiteral("Disc"));

    TPrinterConfiguration plain(service, QStringLiteral("Plain"));
    plain.Options().SetChoice(QStringLiteral("media-source"), QStringLiteral("cd"));
    plain.Apply();
    current = TPrinterConfiguration::ForApplicationPrinter(service);
    EXPECT_EQ(current->DeviceName(), QStringLiteral("Plain"));
    EXPECT_EQ(current->Options().Choice(QStringLiteral("media-source")), QStringLiteral("cd"));
}

TEST_F(PrinterConfigurationTest, NormaliseResolvesAConflictByMovingTheOptionNotChosen)
{
    TPrinterConfiguration configuration(service, QStringLiteral("Disc"));
    configuration.Options().SetChoice(QStringLiteral("InputSlot"), QStringLiteral("CD"));
    EXPECT_FALSE(configuration.Problems().isEmpty()); // the default Duplex conflicts with the tray
    const QStringList changed = configuration.Normalise();
    EXPECT_TRUE(changed.contains(QStringLiteral("Duplex")));
    EXPECT_EQ(configuration.Options().Choice(QStringLiteral("InputSlot")), QStringLiteral("CD"));
    EXPECT_EQ(configuration.Options().Choice(QStringLiteral("Duplex")), QStringLiteral("None"));
    EXPECT_TRUE(configuration.Problems().isEmpty()) << configuration.Problems().join(QLatin1Char('\n')).toStdString();
}

TEST_F(PrinterConfigurationTest, ProblemsNameEveryUnknownOptionAndChoice)
{
    TPrinterConfiguration configuration(service, QStringLiteral("Disc"));
    configuration.Options().SetChoice(QStringLiteral("InputSlot"), QStringLiteral("Tray9"));
    configuration.Options().SetChoice(QStringLiteral("NoSuchOption"), QStringLiteral("On"));
    configuration.Options().SetChoice(QStringLiteral("PageSize"), QStringLiteral("Custom.50x50"));
    const QStringList problems = configuration.Problems();
    ASSERT_EQ(problems.size(), 3) << problems.join(QLatin1Char('\n')).toStdString();
    EXPECT_THROW(configuration.CheckOptions(), EAppError);

    configuration.Reset();
    configuration.Options().SetChoice(QStringLiteral("PageSize"), CustomSizeChoice(1200, 1200));
    configuration.Options().SetChoice(QStringLiteral("Duplex"), QStringLiteral("None"));
    EXPECT_NO_THROW(configuration.CheckOptions());
}

TEST_F(PrinterConfigurationTest, AQueueWithoutDescriptionTakesOnlyJobAttributes)
{
    TPrinterConfiguration configuration(service, QStringLiteral("Plain"));
    EXPECT_EQ(configuration.Ppd(), nullptr);
    EXPECT_EQ(configuration.Forms().Count(), 0);
    configuration.Options().SetChoice(QStringLiteral("media-source"), QStringLiteral("disc"));
    EXPECT_TRUE(configuration.Problems().isEmpty());
    configuration.Options().SetChoice(QStringLiteral("InputSlot"), QStringLiteral("CD"));
    EXPECT_EQ(configuration.Problems().size(), 1);
}

TEST_F(PrinterConfigurationTest, AddedFormsAreCustomSizesWithinTheRange)
{
    TPrinterConfiguration configuration(service, QStringLiteral("Disc"));
    const int before = configuration.Forms().Count();
    EXPECT_TRUE(configuration.AddForm(QStringLiteral("120 x 120mm"), 1200, 1200));
    EXPECT_FALSE(configuration.AddForm(QStringLiteral("too small"), 100, 100));
    ASSERT_EQ(configuration.Forms().Count(), before + 1);
    const int added = configuration.Forms().IndexByName(QStringLiteral("120 x 120mm"));
    ASSERT_GE(added, 0);
    configuration.SelectForm(configuration.Forms().Form(added));
    EXPECT_EQ(configuration.CurrentFormId(), configuration.Forms().Form(added).Id);
    EXPECT_TRUE(configuration.Problems().isEmpty());
}

TEST_F(PrinterConfigurationTest, TheApplicationPrinterIsKeptInTheSettings)
{
    const testsupport::TSettingsMacros macros;
    TPrinterConfiguration disc(service, QStringLiteral("Disc"));
    disc.Options().SetChoice(QStringLiteral("MediaType"), QStringLiteral("Photo"));
    disc.Apply();
    EXPECT_EQ(ReadString(QStringLiteral("PrinterName"), {}), QStringLiteral("Disc"));
    const std::optional<TPrinterOptions> stored =
        TPrinterOptions::FromSettingsString(ReadString(QStringLiteral("PrinterOptions"), {}));
    ASSERT_TRUE(stored);
    EXPECT_EQ(*stored, disc.Options());
    SetApplicationPrinter({});
}
