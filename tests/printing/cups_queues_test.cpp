// Against the private CUPS scheduler of the test run (skipped without it).
#include "core/error.h"
#include "platform/printers/cups_printer_service.h"
#include "platform/printers/ppd.h"
#include "printing/config/job_submission.h"
#include "printing/config/printer_configuration.h"
#include "private_cups.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class CupsQueuesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!privatecups::Available())
            GTEST_SKIP() << "the private CUPS scheduler is not running";
    }

    TCupsPrinterService cups;
};

} // namespace

TEST_F(CupsQueuesTest, QueuesAreListedWithTheirMakersAndModels)
{
    const std::vector<TQueueInfo> queues = cups.Queues();
    const auto find = [&](const QString& name) -> const TQueueInfo* {
        for (const TQueueInfo& queue : queues)
            if (queue.Name == name)
                return &queue;
        return nullptr;
    };
    const TQueueInfo* raw = find(QStringLiteral("Raw"));
    const TQueueInfo* epson = find(QStringLiteral("Epson_R280"));
    const TQueueInfo* canon = find(QStringLiteral("Canon_iP4500"));
    ASSERT_TRUE(raw && epson && canon);
    EXPECT_TRUE(raw->IsDefault);
    EXPECT_FALSE(epson->IsDefault);
    EXPECT_EQ(epson->DeviceUri, QStringLiteral("capture:/"));
    EXPECT_TRUE(epson->MakeAndModel.startsWith(QStringLiteral("Epson Stylus Photo R280"))) << epson->MakeAndModel.toStdString();

    const std::unique_ptr<TPpd> epsonPpd = cups.Ppd(epson->Name);
    const std::unique_ptr<TPpd> canonPpd = cups.Ppd(canon->Name);
    ASSERT_TRUE(epsonPpd && canonPpd);
    EXPECT_EQ(epsonPpd->Manufacturer(), QStringLiteral("Epson"));
    EXPECT_EQ(epsonPpd->ModelName(), QStringLiteral("Epson Stylus Photo R280"));
    EXPECT_EQ(canonPpd->Manufacturer(), QStringLiteral("Canon"));
    EXPECT_EQ(canonPpd->ModelName(), QStringLiteral("Canon PIXMA iP4500"));
    EXPECT_EQ(cups.Ppd(raw->Name), nullptr);
}

TEST_F(CupsQueuesTest, GutenprintFormsIncludeA4ByTheExactLookUp)
{
    TPrinterConfiguration configuration(cups, QStringLiteral("Epson_R280"));
    const TPrinterForm& forms = configuration.Forms();
    const int a4 = forms.IndexBySize(2100, 2970);
    ASSERT_GE(a4, 0);
    EXPECT_EQ(forms.Form(a4).Name, QStringLiteral("A4"));
    EXPECT_GE(forms.IndexByName(QStringLiteral("CDCustom")), 0);
    EXPECT_GE(forms.IndexById(kUserDefinedFormId), 0);
}

TEST_F(CupsQueuesTest, OptionsNormaliseAndAnInvalidChoiceIsRefusedBeforeAnyJobExists)
{
    TPrinterConfiguration configuration(cups, QStringLiteral("Epson_C88"));
    configuration.Options().SetChoice(QStringLiteral("PageSize"), QStringLiteral("A4"));
    configuration.Normalise();
    EXPECT_EQ(configuration.Options().Choice(QStringLiteral("PageSize")), QStringLiteral("A4"));
    EXPECT_EQ(configuration.Options().Choice(QStringLiteral("MediaType")), QStringLiteral("Plain"));
    // Marking the page size unmarks the page region: only one of them goes to the driver.
    EXPECT_TRUE(configuration.Options().Choice(QStringLiteral("PageRegion")).isEmpty());
    EXPECT_TRUE(configuration.Problems().isEmpty());

    QTemporaryDir dir;
    const QString pdf = privatecups::SamplePdf(dir.filePath(QStringLiteral("page.pdf")), 595, 842);
    const int before = privatecups::JobCount(configuration.DeviceName());
    // This model has no disc media, and no paper source to choose at all.
    configuration.Options().SetChoice(QStringLiteral("MediaType"), QStringLiteral("DiscCompat"));
    EXPECT_THROW(SubmitDocument(configuration, QStringLiteral("refused"), pdf), EAppError);
    configuration.Reset();
    configuration.Options().SetChoice(QStringLiteral("InputSlot"), QStringLiteral("CD"));
    EXPECT_THROW(SubmitDocument(configuration, QStringLiteral("refused"), pdf), EAppError);
    EXPECT_EQ(privatecups::JobCount(configuration.DeviceName()), before);
}

TEST_F(CupsQueuesTest, ASubmittedJobCarriesItsOptionsAndDocument)
{
    TPrinterConfiguration configuration(cups, QStringLiteral("Epson_R280_PDF"));
    configuration.Options().SetChoice(QStringLiteral("PageSize"), QStringLiteral("A4"));
    QTemporaryDir dir;
    const int job = SubmitDocument(configuration, QStringLiteral("見本"), privatecups::SamplePdf(dir.filePath(QStringLiteral("page.pdf")), 595, 842), 2);
    const std::optional<privatecups::TCapturedJob> captured = privatecups::Captured(job);
    ASSERT_TRUE(captured);
    EXPECT_EQ(captured->Title, QStringLiteral("見本"));
    EXPECT_EQ(captured->Options.at(QStringLiteral("PageSize")), QStringLiteral("A4"));
    EXPECT_EQ(captured->Options.at(QStringLiteral("print-scaling")), QStringLiteral("none"));
    EXPECT_TRUE(captured->Data.startsWith("%PDF"));
}
