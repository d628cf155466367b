#include "printing/config/printer_options.h"

#include <gtest/gtest.h>

TEST(PrinterOptions, SettingsStringRoundTripsEveryChoiceAndOrientation)
{
    TPrinterOptions options;
    options.SetChoice(QStringLiteral("PageSize"), QStringLiteral("Custom.340.00x340.00"));
    options.SetChoice(QStringLiteral("Odd&Key"), QStringLiteral("a=b c"));
    options.SetLandscape(true);
    const std::optional<TPrinterOptions> back = TPrinterOptions::FromSettingsString(options.ToSettingsString());
    ASSERT_TRUE(back);
    EXPECT_EQ(*back, options);
    TPrinterOptions other = *back;
    other.SetLandscape(false);
    EXPECT_NE(other, options);
}

TEST(PrinterOptions, MalformedSettingsStringsAreRefused)
{
    for (const char* text : {"", "PageSize=A4", "orientation=sideways", "orientation=portrait&=A4",
                             "orientation=portrait&PageSize", "orientation=portrait&a=b=c",
                             "orientation=portrait&orientation=landscape"})
        EXPECT_FALSE(TPrinterOptions::FromSettingsString(QString::fromLatin1(text))) << text;
}

TEST(PrinterOptions, JobOptionsCarryTheOrientation)
{
    TPrinterOptions options;
    options.SetChoice(QStringLiteral("InputSlot"), QStringLiteral("CD"));
    options.SetLandscape(true);
    const auto job = options.JobOptions();
    EXPECT_NE(std::find(job.begin(), job.end(), std::pair{QStringLiteral("InputSlot"), QStringLiteral("CD")}), job.end());
    EXPECT_NE(std::find(job.begin(), job.end(), std::pair{QStringLiteral("orientation-requested"), QStringLiteral("4")}),
              job.end());
}
