// The print pipeline onto a fake target: pages, faces, copies, outlines, tone, offsets,
// bands, soft edges, and how failures and cancels end a job.
#include "printing/pipeline/print_sheets.h"

#include "catalogue/paper/paper_info.h"
#include "core/error.h"
#include "document/face_rendering.h"
#include "fake_print_target.h"
#include "print_document_fixture.h"
#include "printing/pipeline/job_setup.h"
#include "printing/pipeline/print_progress.h"
#include "printing/pipeline/print_request.h"
#include "printing/pipeline/stretch_print_page.h"

namespace {

class TRecordingProgress : public IPrintProgress {
public:
    void Start(int steps) override { started = steps; }
    void Step() override
    {
        ++steps;
        if (cancelAfter > 0 && steps >= cancelAfter)
            cancelled = true;
    }
    void KeepAlive() override { ++alive; }
    bool Cancelled() const override { return cancelled; }

    int started = -1;
    int steps = 0;
    int alive = 0;
    int cancelAfter = 0;
    bool cancelled = false;
};

class PrintSheetsTest : public PrintDocumentTest {
protected:
    // Prints the document onto the fake target at the given resolution.
    void Print(const TPrintSpec& spec, int dpi = 254, IPrintProgress* progress = nullptr)
    {
        const TPaperInfo& paper = *document_->EffectivePaper();
        PrintSheets(*document_, paper, spec, target, FileJobSetup(paper, spec.Offset, dpi), progress);
    }

    TFakePrintTarget target;
};

} // namespace

TEST_F(PrintSheetsTest, EachCopyIsAPageWithTheFacesAndTheirOutlines)
{
    UsePaper(kTwoUpDisc);
    Design(0, kRed);
    Design(1, kGreen);
    TPrintSpec spec;
    spec.Copies = 3;
    spec.PrintFrame = true;
    TRecordingProgress progress;
    Print(spec, 254, &progress);
    ASSERT_TRUE(target.Ended());
    ASSERT_EQ(target.Pages().size(), 3u);
    EXPECT_EQ(progress.started, 6);
    EXPECT_EQ(progress.steps, 6);
    EXPECT_GT(progress.alive, 0);
    const TRect outer = FaceOuter(0);
    for (const QImage& page : target.Pages()) {
        EXPECT_EQ(page.size(), QSize(2100, 2970));
        EXPECT_GT(CountColour(page, kRed), 100000);
        EXPECT_GT(CountColour(page, kGreen), 100000);
        // The outline's top runs through the middle of the face's top edge.
        const QColor top = page.pixelColor((outer.Left + outer.Right) / 2, outer.Top);
        EXPECT_LT(top.red() + top.green() + top.blue(), 200);
    }
}

TEST_F(PrintSheetsTest, OnlyChosenFacesWithObjectsArePrinted)
{
    UsePaper(kTwoUpDisc);
    Design(0, kRed);
    Design(1, kGreen);
    TPrintSpec spec;
    spec.AllFaces = false;
    spec.FaceSelected = {0, 1};
    TRecordingProgress progress;
    Print(spec, 254, &progress);
    ASSERT_EQ(target.Pages().size(), 1u);
    EXPECT_EQ(CountColour(target.Pages()[0], kRed), 0);
    EXPECT_GT(CountColour(target.Pages()[0], kGreen), 0);
    EXPECT_EQ(progress.started, 1);

    // A face without objects is skipped: nothing is counted for it.
    UsePaper(kTwoUpDisc);
    Design(1, kGreen);
    TRecordingProgress all;
    TFakePrintTarget second;
    const TPaperInfo& paper = *document_->EffectivePaper();
    PrintSheets(*document_, paper, TPrintSpec(), second, FileJobSetup(paper, {}), &all);
    EXPECT_EQ(all.started, 1);
    EXPECT_EQ(second.Pages().size(), 1u);
}

TEST_F(PrintSheetsTest, FaceCentresLieWhereThePaperSaysAndTheOffsetMovesThem)
{
    UsePaper(kTwoUpDisc);
    Design(0, kRed);
    Design(1, kGreen);
    for (const QPoint offset : {QPoint(0, 0), QPoint(10, 5), QPoint(-10, -5)}) {
        SCOPED_TRACE(testing::Message() << offset.x() << "," << offset.y());
        TFakePrintTarget page;
        TPrintSpec spec;
        spec.Offset = offset;
        const TPaperInfo& paper = *document_->EffectivePaper();
        PrintSheets(*document_, paper, spec, page, FileJobSetup(paper, offset), nullptr);
        for (const auto& [face, colour] : {std::pair(0, kRed), std::pair(1, kGreen)}) {
            const TRect outer = FaceOuter(face);
            const QPointF centre = Centroid(page.Pages()[0], colour);
            EXPECT_NEAR(centre.x(), (outer.Left + outer.Right) / 2.0 + offset.x(), 1.0);
            EXPECT_NEAR(centre.y(), (outer.Top + outer.Bottom) / 2.0 + offset.y(), 1.0);
        }
    }
}

TEST_F(PrintSheetsTest, ANegativeLeftOffsetMovesTheFirstColumnByThePrinterResolution)
{
    UsePaper(kTwoUpDisc);
    Design(0, -1, Boxes({{TRect{100, 100, 300, 300}, kRed}}));
    const auto firstColumn = [](const QImage& page) {
        for (int x = 0; x < page.width(); ++x)
            for (int y = 0; y < page.height(); y += 4)
                if (QColor(page.pixel(x, y)).red() > 200 && QColor(page.pixel(x, y)).green() < 60)
                    return x;
        return -1;
    };
    TPrintSpec spec;
    Print(spec, 600);
    const int plain = firstColumn(target.Pages()[0]);
    TFakePrintTarget moved;
    spec.Offset = QPoint(-25, 0);
    const TPaperInfo& paper = *document_->EffectivePaper();
    PrintSheets(*document_, paper, spec, moved, FileJobSetup(paper, spec.Offset, 600), nullptr);
    ASSERT_GE(plain, 0);
    EXPECT_NEAR(firstColumn(moved.Pages()[0]), plain - 25 * 600 / 254.0, 1.0);
}

TEST_F(PrintSheetsTest, ToneLevelsChangeTheBandBytes)
{
    UsePaper(kTwoUpDisc);
    Design(0, 0x808080);
    const TRect outer = FaceOuter(0);
    const QPoint inside((outer.Left + outer.Right) / 2 + 300, (outer.Top + outer.Bottom) / 2);
    for (const int level : {0, 1, 3, -2}) {
        SCOPED_TRACE(level);
        TFakePrintTarget page;
        TPrintSpec spec;
        spec.Gamma = ToneLevelGamma(level);
        const TPaperInfo& paper = *document_->EffectivePaper();
        PrintSheets(*document_, paper, spec, page, FileJobSetup(paper, {}), nullptr);
        const std::array<std::uint8_t, 256> table = GammaTable(spec.Gamma);
        EXPECT_EQ(QColor(page.Pages()[0].pixel(inside)).red(), table[128]);
        // White paper stays white.
        EXPECT_EQ(page.Pages()[0].pixel(5, 5), qRgb(255, 255, 255));
    }
}

TEST(ToneTable, LevelsAndTheirTables)
{
    const std::pair<int, double> levels[] = {{0, 0}, {1, 0.15}, {2, 0.3}, {3, 0.45}, {-1, -0.1}, {-2, -0.2}, {-3, -0.3}};
    for (const auto& [level, gamma] : levels)
        EXPECT_DOUBLE_EQ(ToneLevelGamma(level), gamma);
    EXPECT_THROW(ToneLevelGamma(4), EAppError);
    EXPECT_THROW(ToneLevelGamma(-4), EAppError);

    const std::array<std::uint8_t, 256> none = GammaTable(0);
    for (int j = 0; j < 256; ++j)
        EXPECT_EQ(none[static_cast<size_t>(j)], j);
    const std::array<std::uint8_t, 256> dark = GammaTable(0.15);
    EXPECT_EQ(dark[255], 255);
    EXPECT_EQ(dark[0], 0);
    EXPECT_EQ(dark[128], static_cast<int>(std::nearbyint((128 / 255.0 * 1.15 - 0.15) * 255)));
    EXPECT_LT(dark[128], 128);
    EXPECT_GT(GammaTable(-0.3)[128], 128);
    EXPECT_EQ(GammaTable(-0.3)[255], 255);
    // Values outside the levels are refused (a gamma of -1 would blank the print).
    for (const double refused : {-1.0, -1.5, 0.2, 1.0})
        EXPECT_THROW(GammaTable(refused), EAppError) << refused;
}

TEST(BandLayout, BandsCoverTheDestinationOnceFromOneSplit)
{
    struct Case {
        QRect destination;
        int render;
        int target;
        int bands;
    };
    const Case cases[] = {
        {QRect(-10, -10, 1200, 1200), 254, 254, 1},  // a 120 mm disc
        {QRect(0, 0, 2100, 2970), 254, 254, 2},      // a full A4 face
        {QRect(37, 81, 2100, 2970), 254, 720, 1},    // rendered at 254 onto 720 dpi
        {QRect(37, 81, 5953, 8419), 254, 720, 2},
        {QRect(5, 7, 4961, 7016), 600, 600, 7},
        {QRect(3, 3, 2, 1), 2400, 72, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.destination.width() << "x" << c.destination.height() << " " << c.render
                                        << "/" << c.target);
        const std::vector<TBand> bands = LayoutBands(c.destination, c.render, c.target);
        ASSERT_EQ(static_cast<int>(bands.size()), c.bands);
        int destRow = c.destination.top();
        int renderRow = bands.front().RenderOrigin.y();
        for (const TBand& band : bands) {
            EXPECT_LE(band.Size.width() * band.Size.height(), kMaxBandPixels);
            EXPECT_GE(band.Size.width(), 1);
            EXPECT_GE(band.Size.height(), 1);
            EXPECT_EQ(band.Destination.top(), destRow);
            EXPECT_EQ(band.RenderOrigin.y(), renderRow);
            EXPECT_EQ(band.Destination.left(), c.destination.left());
            destRow += band.Destination.height();
            renderRow += band.Size.height();
        }
        EXPECT_EQ(destRow, c.destination.top() + c.destination.height());
    }
    EXPECT_THROW(LayoutBands(QRect(0, 0, 100, 100), 0, 254), EAppError);
    EXPECT_THROW(LayoutBands(QRect(0, 0, 100, 100), 254, 0), EAppError);
}

TEST_F(PrintSheetsTest, ALineAcrossABandSeamIsContinuous)
{
    UsePaper(kOneFaceA4);
    // A thin vertical line over the whole height of the face crosses the seam of its two bands.
    Design(0, -1, Boxes({{TRect{1000, 0, 1003, 2970}, kRed}}));
    Print(TPrintSpec());
    const QImage& page = target.Pages()[0];
    for (int y = 0; y < 2970; ++y)
        ASSERT_GT(QColor(page.pixel(1001, y)).red(), 200) << "row " << y;
    EXPECT_EQ(QColor(page.pixel(1001, 0)).green(), 0);
}

TEST_F(PrintSheetsTest, RenderingResolutionIsZeroOr72To2400)
{
    UsePaper(kTwoUpDisc);
    Design(0, kRed);
    for (const int refused : {-1, 1, 71, 2401}) {
        TPrintSpec spec;
        spec.Resolution = refused;
        EXPECT_THROW(Print(spec), EAppError) << refused;
        EXPECT_FALSE(target.Running());
    }
    TPrintSpec spec;
    spec.Resolution = 72;
    Print(spec);
    EXPECT_TRUE(target.Ended());
    const TRect outer = FaceOuter(0);
    EXPECT_NEAR(Centroid(target.Pages()[0], kRed).x(), (outer.Left + outer.Right) / 2.0, 2.0);
}

TEST_F(PrintSheetsTest, AFailureWhileRenderingAbortsTheJob)
{
    UsePaper(kTwoUpDisc);
    Design(0, kRed);
    Design(1, kGreen, WithBrokenBox());
    EXPECT_THROW(Print(TPrintSpec()), EAppError);
    EXPECT_TRUE(target.Aborted());
    EXPECT_FALSE(target.Ended());
}

TEST_F(PrintSheetsTest, ACancelledOrStoppedJobIsAbortedAndReported)
{
    UsePaper(kTwoUpDisc);
    Design(0, kRed);
    Design(1, kGreen);
    TRecordingProgress progress;
    progress.cancelAfter = 1;
    TPrintSpec spec;
    spec.Copies = 2;
    EXPECT_THROW(Print(spec, 254, &progress), EAppError);
    EXPECT_TRUE(target.Aborted());
    EXPECT_FALSE(target.Ended());
    EXPECT_EQ(target.Pages().size(), 1u);

    // A job the spooler stopped is not ended either.
    TFakePrintTarget stopped;
    stopped.StopAfterCanvasCalls(1);
    const TPaperInfo& paper = *document_->EffectivePaper();
    EXPECT_THROW(PrintSheets(*document_, paper, TPrintSpec(), stopped, FileJobSetup(paper, {}), nullptr), EAppError);
    EXPECT_FALSE(stopped.Ended());
}

TEST_F(PrintSheetsTest, AFailedEndIsAnError)
{
    UsePaper(kTwoUpDisc);
    Design(0, kRed);
    target.FailOnEnd(true);
    EXPECT_THROW(Print(TPrintSpec()), EAppError);
    EXPECT_TRUE(target.Aborted());
}

TEST_F(PrintSheetsTest, SoftEdgesFadeTheFaceToWhiteAtItsRim)
{
    UsePaper(kTwoUpDisc);
    Design(0, kBlue);
    TPrintSpec spec;
    spec.BlurEdge = true;
    Print(spec);
    const TRect outer = FaceOuter(0);
    const int cy = (outer.Top + outer.Bottom) / 2;
    const QImage& page = target.Pages()[0];
    const auto whiteness = [&](int x) { return QColor(page.pixel(x, cy)).red(); };
    // Deep in the ring the face is blue; towards its rim it turns white.
    EXPECT_LT(whiteness(outer.Left + 200), 10);
    EXPECT_GT(whiteness(outer.Left + 10), 150);
    EXPECT_GT(whiteness(outer.Left + 10), whiteness(outer.Left + 40));
    EXPECT_GT(whiteness(outer.Left + 40), whiteness(outer.Left + 120));
}

TEST_F(PrintSheetsTest, APrintedFaceMatchesItsExport)
{
    UsePaper(kTwoUpDisc);
    Design(1, 0x40A0E0, Boxes({{TRect{200, 300, 700, 520}, kRed}, {TRect{650, 500, 900, 1000}, 0x305020}}));
    Print(TPrintSpec());
    const QImage exported = RenderDocumentImage(*document_, 1, 254).convertToFormat(QImage::Format_RGB32);
    const TRect outer = FaceOuter(1);
    const QImage printed = target.Pages()[0].copy(outer.ToQRect());
    ASSERT_EQ(printed.size(), exported.size());
    EXPECT_LE(WorstChannelDifference(printed, exported), 2);
}
