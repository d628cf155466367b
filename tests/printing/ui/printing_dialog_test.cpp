// The progress window while a document prints: its steps, and its cancel stopping a run
// through the pipeline with nothing written.
#include "../print_document_fixture.h"
#include "core/error.h"
#include "printing/pipeline/print_document.h"
#include "printing/pipeline/print_request.h"
#include "printing/ui/printing_dialog.h"

#include <QFileInfo>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

namespace {
using PrintingDialogTest = PrintDocumentTest;
} // namespace

TEST_F(PrintingDialogTest, CountsTheStepsAndCancelsByButtonOrClose)
{
    TfrmPrinting progress;
    progress.show();
    progress.Start(3);
    progress.Step();
    EXPECT_EQ(progress.Progress()->maximum(), 3);
    EXPECT_EQ(progress.Progress()->value(), 1);
    EXPECT_FALSE(progress.Cancelled());
    progress.CancelButton()->click();
    EXPECT_TRUE(progress.Cancelled());

    TfrmPrinting closed;
    closed.reject();
    EXPECT_TRUE(closed.Cancelled());
}

TEST_F(PrintingDialogTest, ItsCancelStopsTheJobAndNothingIsWritten)
{
    UsePaper(kTwoUpDisc);
    Design(0, kRed);
    Design(1, kGreen);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("out.pdf"));
    TfrmPrinting progress;
    progress.show();
    // The press arrives while the job runs, as the user's would.
    QTimer::singleShot(0, progress.CancelButton(), [&progress] { progress.CancelButton()->click(); });
    EXPECT_THROW(PrintDocumentToFile(*document_, path, MakePrintSpec({}, 2, false), &progress), EAppError);
    EXPECT_TRUE(progress.Cancelled());
    EXPECT_FALSE(QFileInfo::exists(path));
}
