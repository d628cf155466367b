// Printed documents as PDF files and as jobs of the private CUPS scheduler's PDF queues,
// rasterised with pdftoppm at 254 dpi: where the faces land, what the disc page's options
// carry, and that a failed or cancelled job leaves nothing in the queue.
#include "printing/pipeline/print_document.h"

#include "catalogue/paper/paper_info.h"
#include "core/error.h"
#include "document/face_rendering.h"
#include "platform/printers/cups_printer_service.h"
#include "print_document_fixture.h"
#include "printing/config/printer_configuration.h"
#include "printing/disc/paper_print_setting.h"
#include "printing/disc/print_setting_data.h"
#include "printing/pipeline/print_progress.h"
#include "printing/pipeline/print_request.h"
#include "private_cups.h"

#include <QTemporaryDir>

namespace {

constexpr double kPixelsPerMm = 10.0; // at 254 dpi
constexpr double kToleranceMm = 0.1;

class TCancellingProgress : public IPrintProgress {
public:
    void Start(int) override {}
    void Step() override { cancelled_ = true; }
    void KeepAlive() override {}
    bool Cancelled() const override { return cancelled_; }

private:
    bool cancelled_ = false;
};

class PrintOutputTest : public PrintDocumentTest {
protected:
    // Expects each listed face's colour centred on the face's centre moved by the offset
    // (units), on a page rasterised at 254 dpi.
    void ExpectCentres(const QImage& page, std::initializer_list<std::pair<int, int>> faces, QPointF offset)
    {
        for (const auto& [face, colour] : faces) {
            SCOPED_TRACE(face);
            const TRect outer = FaceOuter(face);
            const QPointF centre = Centroid(page, colour);
            EXPECT_NEAR(centre.x() / kPixelsPerMm, ((outer.Left + outer.Right) / 2.0 + offset.x()) / 10.0, kToleranceMm);
            EXPECT_NEAR(centre.y() / kPixelsPerMm, ((outer.Top + outer.Bottom) / 2.0 + offset.y()) / 10.0, kToleranceMm);
        }
    }

    QTemporaryDir dir_;
};

class PrintQueueTest : public PrintOutputTest {
protected:
    void SetUp() override
    {
        if (!privatecups::Available())
            GTEST_SKIP() << "the private CUPS scheduler is not running";
        PrintOutputTest::SetUp();
    }

    // The queue configured for the document's paper as the print command does.
    std::unique_ptr<TPrinterConfiguration> Configure(const QString& queue)
    {
        auto configuration = std::make_unique<TPrinterConfiguration>(cups_, queue);
        const TPaperInfo& paper = *document_->EffectivePaper();
        TPaperPrintSetting::FromCatalogue(*papers_)
            .Apply(*configuration, TPrintSettingData::FromPaper(paper, papers_->IsDirectPrintPaper(*document_->Paper())));
        return configuration;
    }

    privatecups::TCapturedJob Printed(const QString& queue, const TPrintSpec& spec)
    {
        const std::unique_ptr<TPrinterConfiguration> configuration = Configure(queue);
        const int job = PrintDocumentToQueue(*document_, *configuration, spec);
        EXPECT_GT(job, 0);
        std::optional<privatecups::TCapturedJob> captured = privatecups::Captured(job, 60000);
        EXPECT_TRUE(captured.has_value());
        return captured.value_or(privatecups::TCapturedJob{});
    }

    TCupsPrinterService cups_;
};

} // namespace

TEST_F(PrintOutputTest, TwoUpDiscSheetToPdfPutsTheFacesWhereThePaperSays)
{
    UsePaper(kTwoUpDisc);
    Design(0, kRed);
    Design(1, kGreen);
    for (const QPoint offset : {QPoint(), QPoint(10, 5)}) {
        SCOPED_TRACE(testing::Message() << offset.x() << "," << offset.y());
        const QString path = dir_.filePath(QStringLiteral("two-up.pdf"));
        TPrintSpec spec;
        spec.Offset = offset;
        PrintDocumentToFile(*document_, path, spec);
        const std::vector<QImage> pages = RasterisePdf(path);
        ASSERT_EQ(pages.size(), 1u);
        EXPECT_NEAR(pages[0].width(), 2100, 1);
        EXPECT_NEAR(pages[0].height(), 2970, 1);
        ExpectCentres(pages[0], {{0, kRed}, {1, kGreen}}, offset);
    }
}

TEST_F(PrintOutputTest, LandscapePaperToPdf)
{
    UsePaper(kLandscapeCase);
    Design(0, kBlue);
    const QString path = dir_.filePath(QStringLiteral("landscape.pdf"));
    TPrintSpec spec;
    spec.Copies = 2;
    PrintDocumentToFile(*document_, path, spec);
    const std::vector<QImage> pages = RasterisePdf(path);
    ASSERT_EQ(pages.size(), 2u);
    for (const QImage& page : pages) {
        EXPECT_NEAR(page.width(), 2970, 1);
        EXPECT_NEAR(page.height(), 2100, 1);
        ExpectCentres(page, {{0, kBlue}}, {});
    }
}

TEST_F(PrintOutputTest, PrintedFaceAgreesWithItsPngExport)
{
    UsePaper(kTwoUpDisc);
    Design(0, 0x40A0E0, Boxes({{TRect{200, 300, 700, 520}, kRed}, {TRect{650, 500, 900, 1000}, 0x305020}}));
    const QString path = dir_.filePath(QStringLiteral("face.pdf"));
    PrintDocumentToFile(*document_, path, TPrintSpec());
    const std::vector<QImage> pages = RasterisePdf(path);
    ASSERT_EQ(pages.size(), 1u);
    const QImage exported = RenderDocumentImage(*document_, 0, 254).convertToFormat(QImage::Format_RGB32);
    const QImage printed = pages[0].copy(FaceOuter(0).ToQRect()).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(printed.size(), exported.size());
    // Colour edges (the face's outline and the boxes' sides) are left out: the rasteriser
    // smooths the clip outline and an image's border by a fraction of a pixel.
    const auto atEdge = [&](int x, int y) {
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx) {
                const QPoint p(x + dx, y + dy);
                if (!exported.rect().contains(p) || exported.pixel(p) != exported.pixel(x, y))
                    return true;
            }
        return false;
    };
    int compared = 0;
    const int worst = WorstChannelDifference(printed, exported, [&](int x, int y) {
        if (atEdge(x, y))
            return true;
        ++compared;
        return false;
    });
    EXPECT_GT(compared, 900000);
    EXPECT_LE(worst, 2);
}

TEST_F(PrintOutputTest, AFailedJobLeavesTheFileAsItWas)
{
    UsePaper(kTwoUpDisc);
    Design(0, kRed);
    Design(1, kGreen, WithBrokenBox());
    const QString path = dir_.filePath(QStringLiteral("kept.pdf"));
    testsupport::WriteFileBytes(path, "before");
    EXPECT_THROW(PrintDocumentToFile(*document_, path, TPrintSpec()), EAppError);
    EXPECT_EQ(testsupport::ReadFileBytes(path), QByteArray("before"));
}

TEST_F(PrintQueueTest, TwoUpDiscSheetThroughTheQueueKeepsItsPlaceAndOffset)
{
    UsePaper(kTwoUpDisc);
    Design(0, kRed);
    Design(1, kGreen);
    TPrintSpec spec;
    spec.Offset = QPoint(10, 5);
    privatecups::TCapturedJob job = Printed(QStringLiteral("Epson_R280_PDF"), spec);
    EXPECT_EQ(job.Options[QStringLiteral("PageSize")], QStringLiteral("A4"));
    EXPECT_EQ(job.Options[QStringLiteral("print-scaling")], QStringLiteral("none"));
    const std::vector<QImage> pages = RasterisePdfBytes(job.Data);
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_NEAR(pages[0].width(), 2100, 1);
        EXPECT_NEAR(pages[0].height(), 2970, 1);
    ExpectCentres(pages[0], {{0, kRed}, {1, kGreen}}, spec.Offset);
}

TEST_F(PrintQueueTest, DiscPageCentresTheDiscAndSendsTheOffsetToTheDriver)
{
    UsePaper(kEpsonDisc);
    ASSERT_TRUE(papers_->IsDirectPrintPaper(*document_->Paper()));
    Design(0, kRed);
    TPrintSpec spec;
    spec.Offset = QPoint(10, 5); // 1.0 mm, 0.5 mm: 2.83 and 1.42 points
    privatecups::TCapturedJob job = Printed(QStringLiteral("Epson_R280_PDF"), spec);
    EXPECT_EQ(job.Options[QStringLiteral("InputSlot")], QStringLiteral("CD"));
    // The disc page the driver masks: its 5-inch page or its custom disc page.
    EXPECT_TRUE(job.Options[QStringLiteral("PageSize")].startsWith(QLatin1String("CD")));
    EXPECT_EQ(job.Options[QStringLiteral("StpCDXAdjustment")], QStringLiteral("3"));
    EXPECT_EQ(job.Options[QStringLiteral("StpCDYAdjustment")], QStringLiteral("1"));
    const std::vector<QImage> pages = RasterisePdfBytes(job.Data);
    ASSERT_EQ(pages.size(), 1u);
    // The disc's centre is the disc page's centre, moved only by what whole points miss.
    const double side = pages[0].width();
    const double restX = 10 - 3 * 254.0 / 72.0;
    const double restY = 5 - 1 * 254.0 / 72.0;
    const QPointF centre = Centroid(pages[0], kRed);
    EXPECT_NEAR(pages[0].height(), side, 1.0);
    EXPECT_NEAR(centre.x() / kPixelsPerMm, (side / 2 + restX) / 10.0, kToleranceMm);
    EXPECT_NEAR(centre.y() / kPixelsPerMm, (side / 2 + restY) / 10.0, kToleranceMm);
}

TEST_F(PrintQueueTest, AJobThatFailsOrIsCancelledLeavesNothingInTheQueue)
{
    UsePaper(kTwoUpDisc);
    Design(0, kRed);
    Design(1, kGreen, WithBrokenBox());
    const QString queue = QStringLiteral("Canon_iP4500_PDF");
    const int before = privatecups::JobCount(queue);
    {
        const std::unique_ptr<TPrinterConfiguration> configuration = Configure(queue);
        EXPECT_THROW(PrintDocumentToQueue(*document_, *configuration, TPrintSpec()), EAppError);
    }
    Design(1, kGreen);
    {
        const std::unique_ptr<TPrinterConfiguration> configuration = Configure(queue);
        TCancellingProgress cancel;
        TPrintSpec spec;
        spec.Copies = 2;
        EXPECT_THROW(PrintDocumentToQueue(*document_, *configuration, spec, &cancel), EAppError);
    }
    EXPECT_EQ(privatecups::JobCount(queue), before);
}
