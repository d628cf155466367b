// Disc papers printed through the private CUPS scheduler's Gutenprint queues: the options
// that reach the backend (skipped without the scheduler).
#include "catalogue/paper/paper_info.h"
#include "core/error.h"
#include "document/direct_print/direct_printer_info.h"
#include "document/direct_print/effective_paper.h"
#include "platform/printers/cups_printer_service.h"
#include "printing/config/job_submission.h"
#include "printing/config/printer_configuration.h"
#include "printing/disc/paper_print_setting.h"
#include "printing/disc/print_setting_data.h"
#include "private_cups.h"
#include "shipped_catalogue.h"
#include "support/test_support.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class CupsDiscTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!privatecups::Available())
            GTEST_SKIP() << "the private CUPS scheduler is not running";
        papers_ = OpenShippedCatalogue();
        SetDirectPrintCatalogue(papers_.get());
    }
    void TearDown() override { SetDirectPrintCatalogue(nullptr); }

    // The request for a catalogue disc paper copied for the model.
    TPrintSettingData DiscRequest(const QString& paperName, const QString& model)
    {
        TDirectPrinterInfo printers = TDirectPrinterInfo::FromCatalogue(*papers_);
        EXPECT_TRUE(printers.Select(model));
        const int index = papers_->IndexOfName(paperName);
        EXPECT_GE(index, 0);
        const std::unique_ptr<TPaperInfo> paper = printers.CopyForModel(papers_->Paper(std::max(index, 0)));
        EXPECT_TRUE(papers_->IsDirectPrintPaper(*paper));
        return TPrintSettingData::FromPaper(*MakeEffectivePaper(*paper), papers_->IsDirectPrintPaper(*paper));
    }

    // Applies the request on the queue, prints a disc page and returns what the backend got.
    std::optional<privatecups::TCapturedJob> PrintDisc(const QString& queue, const TPrintSettingData& request)
    {
        TPrinterConfiguration configuration(cups_, queue);
        TPaperPrintSetting::FromCatalogue(*papers_).Apply(configuration, request);
        const int job = SubmitDocument(configuration, QStringLiteral("ディスク"),
                                       privatecups::SamplePdf(dir_.filePath(QStringLiteral("disc.pdf")), 340, 340));
        return privatecups::Captured(job);
    }

    TCupsPrinterService cups_;
    std::unique_ptr<TPapersV2> papers_;
    QTemporaryDir dir_;
};

} // namespace

TEST_F(CupsDiscTest, AnEpsonDiscGoesToTheTrayWithItsDiameters)
{
    const std::optional<privatecups::TCapturedJob> job = PrintDisc(
        QStringLiteral("Epson_R280_PDF"),
        DiscRequest(QStringLiteral("プリンタブルディスク エプソン対応 120mm ハブ印刷 内径22mm"),
                    QStringLiteral("Epson Stylus Photo R280")));
    ASSERT_TRUE(job);
    const std::map<QString, QString>& options = job->Options;
    EXPECT_EQ(options.at(QStringLiteral("InputSlot")), QStringLiteral("CD"));
    EXPECT_EQ(options.at(QStringLiteral("PageSize")), QStringLiteral("CDCustom"));
    // 118 mm and 22 mm: 334.5 pt down to 334, 62.4 pt up to 63.
    EXPECT_EQ(options.at(QStringLiteral("StpCDOuterDiameter")), QStringLiteral("334"));
    EXPECT_EQ(options.at(QStringLiteral("StpCDInnerDiameter")), QStringLiteral("63"));
    EXPECT_EQ(options.at(QStringLiteral("StpCDInnerRadius")), QStringLiteral("Small"));
    EXPECT_EQ(options.at(QStringLiteral("StpCDXAdjustment")), QStringLiteral("0"));
    EXPECT_EQ(options.at(QStringLiteral("StpCDYAdjustment")), QStringLiteral("0"));

    // What the driver would rasterise is still exactly the disc page, unscaled.
    ASSERT_TRUE(job->Data.startsWith("%PDF"));
    const QString pdf = dir_.filePath(QStringLiteral("driver-input.pdf"));
    testsupport::WriteFileBytes(pdf, job->Data);
    QByteArray info;
    ASSERT_EQ(testsupport::RunProgram(QStringLiteral("pdfinfo"), {pdf}, &info, 20000), 0);
    const QString described = QString::fromUtf8(info).simplified();
    EXPECT_TRUE(described.contains(QStringLiteral("Page size: 340 x 340 pts"))) << info.constData();
    EXPECT_TRUE(described.contains(QStringLiteral("Pages: 1"))) << info.constData();
}

TEST_F(CupsDiscTest, ACanonDiscAlsoTakesTheDiscMediaType)
{
    const std::optional<privatecups::TCapturedJob> job = PrintDisc(
        QStringLiteral("Canon_iP4500_PDF"),
        DiscRequest(QStringLiteral("プリンタブルディスク キヤノン対応 120mm 標準 内径43mm"),
                    QStringLiteral("Canon PIXMA iP4500")));
    ASSERT_TRUE(job);
    const std::map<QString, QString>& options = job->Options;
    EXPECT_EQ(options.at(QStringLiteral("InputSlot")), QStringLiteral("CD"));
    EXPECT_EQ(options.at(QStringLiteral("PageSize")), QStringLiteral("CDCustom"));
    EXPECT_EQ(options.at(QStringLiteral("MediaType")), QStringLiteral("DiscCompat"));
    EXPECT_EQ(options.at(QStringLiteral("StpCDOuterDiameter")), QStringLiteral("334"));
    // 43 mm is 121.9 pt, beyond the driver's largest mask: the mask is 121 pt.
    EXPECT_EQ(options.at(QStringLiteral("StpCDInnerDiameter")), QStringLiteral("121"));
    EXPECT_EQ(options.at(QStringLiteral("StpCDInnerRadius")), QStringLiteral("None"));
    EXPECT_EQ(options.at(QStringLiteral("StpCDXAdjustment")), QStringLiteral("0"));
}

TEST_F(CupsDiscTest, AQueueWithoutDiscTrayRefusesAndNothingReachesTheSpooler)
{
    // A Gutenprint model without tray, and a queue without description that announces no
    // disc source.
    for (const QString& queue : {QStringLiteral("Epson_C88"), QStringLiteral("Raw")}) {
        const int before = privatecups::JobCount(queue);
        TPrinterConfiguration configuration(cups_, queue);
        EXPECT_THROW(TPaperPrintSetting::FromCatalogue(*papers_).Apply(
                         configuration,
                         DiscRequest(QStringLiteral("プリンタブルディスク エプソン対応 120mm ハブ印刷 内径22mm"),
                                     QStringLiteral("Epson Stylus Photo R280"))),
                     EAppError)
            << queue.toStdString();
        EXPECT_EQ(privatecups::JobCount(queue), before) << queue.toStdString();
    }
}

TEST_F(CupsDiscTest, TheWholeGutenprintChainRastersTheDiscForTheTray)
{
    const std::optional<privatecups::TCapturedJob> job = PrintDisc(
        QStringLiteral("Epson_R280"),
        DiscRequest(QStringLiteral("プリンタブルディスク エプソン対応 120mm ハブ印刷 内径22mm"),
                    QStringLiteral("Epson Stylus Photo R280")));
    ASSERT_TRUE(job);
    // Epson printer commands, not a document: the driver took the job.
    EXPECT_GT(job->Data.size(), 1000);
    EXPECT_FALSE(job->Data.startsWith("%PDF"));
    EXPECT_TRUE(job->Data.contains("\x1b@"));
}
