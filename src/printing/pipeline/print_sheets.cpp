#include "printing/pipeline/print_sheets.h"

#include "catalogue/paper/paper_info.h"
#include "core/canvas/canvas.h"
#include "core/canvas/scaler.h"
#include "core/canvas/units.h"
#include "core/error.h"
#include "core/face/face_info.h"
#include "core/frame/macro_string.h"
#include "core/messages.h"
#include "document/label_data.h"
#include "printing/pipeline/print_progress.h"
#include "printing/pipeline/print_site.h"
#include "printing/pipeline/print_request.h"
#include "printing/pipeline/print_target.h"
#include "printing/pipeline/stretch_print_page.h"

#include <QFileInfo>
#include <cmath>

namespace {

// The destination reaches this far (printer pixels) beyond the face's bounds.
constexpr int kDestinationMargin = 10;

class TSheetPrinter {
public:
    TSheetPrinter(TLabelData& document, const TPaperInfo& paper, const TPrintSpec& spec, IPrintTarget& target,
                  const TPrintJobSetup& setup, IPrintProgress* progress)
        : paper_(paper), spec_(spec), target_(target), setup_(setup), progress_(progress),
          site_(document, paper, spec, progress, [this] { return Running(); }), render_(TRenderSettings::Read())
    {
    }

    void Run()
    {
        target_.Begin(setup_);
        const int dpi = target_.Resolution();
        pageOrigin_ = QPoint(static_cast<int>(std::lround(setup_.PaperOffset.x() * dpi / kUnitsPerInch)),
                             static_cast<int>(std::lround(setup_.PaperOffset.y() * dpi / kUnitsPerInch)));
        renderDpi_ = spec_.Resolution != 0 ? spec_.Resolution : render_.Banding ? kUnitsPerInch : dpi;
        const std::vector<int> faces = FacesToPrint();
        if (progress_)
            progress_->Start(static_cast<int>(faces.size()) * spec_.Copies);
        for (int copy = 0; copy < spec_.Copies && Running(); ++copy) {
            if (copy > 0)
                target_.NewPage();
            for (const int face : faces) {
                if (!Running())
                    break;
                PrintFace(face);
                if (progress_)
                    progress_->Step();
            }
            if (Running())
                DrawOutlines(faces);
        }
    }

    bool Running() const { return target_.Running() && !(progress_ && progress_->Cancelled()); }

private:
    // The chosen faces that have something to print.
    std::vector<int> FacesToPrint()
    {
        std::vector<int> faces;
        for (int face = 0; face < paper_.FaceCount(); ++face) {
            if (!spec_.Prints(face))
                continue;
            site_.Fill(face);
            if (site_.ObjectCount() > 0 || (spec_.PrintPaperImage && site_.HasPatternImages(face)))
                faces.push_back(face);
        }
        return faces;
    }

    // Maps the printer canvas to logical units with the paper's corner at the page origin.
    void MapToPaper(TCanvas& canvas) const
    {
        ResetToPixels(canvas);
        canvas.SetViewportOrg(pageOrigin_);
        TScaler(100, kUnitsPerInch).ApplyMapping(canvas, target_.Resolution());
    }

    void PrintFace(int face)
    {
        site_.Fill(face);
        TFaceInfo info;
        paper_.GetFaceInfo(face, info);
        TCanvas& canvas = target_.Canvas();
        TCanvasSaver saver(canvas, true);
        MapToPaper(canvas);
        const QRegion region = info.CreateRegion(&canvas, true);
        ResetToPixels(canvas);
        canvas.SetClipRegion(region);

        const int dpi = target_.Resolution();
        const TRect outer = info.OuterRect();
        const QPoint topLeft(MulDiv(outer.Left, dpi, kUnitsPerInch), MulDiv(outer.Top, dpi, kUnitsPerInch));
        const QPoint bottomRight(MulDiv(outer.Right, dpi, kUnitsPerInch), MulDiv(outer.Bottom, dpi, kUnitsPerInch));
        TBandPageSetup bands;
        bands.TargetDpi = dpi;
        bands.RenderDpi = renderDpi_;
        bands.Banding = render_.Banding || spec_.Resolution != 0;
        bands.PageOrigin = pageOrigin_;
        bands.Destination = QRect(topLeft, bottomRight - QPoint(1, 1))
                                .adjusted(-kDestinationMargin, -kDestinationMargin, kDestinationMargin, kDestinationMargin);
        TGammaPrintPage page(canvas, bands, spec_.Gamma);
        while (Running() && page.NextBand()) {
            site_.DrawTo(page.Canvas(), QPoint(0, 0), 100);
            if (progress_)
                progress_->KeepAlive();
        }
    }

    void DrawOutlines(const std::vector<int>& faces)
    {
        if (!spec_.PrintFrame && !spec_.PrintCutLine)
            return;
        TCanvas& canvas = target_.Canvas();
        TCanvasSaver saver(canvas, true);
        MapToPaper(canvas);
        canvas.Painter().setBrush(Qt::NoBrush);
        for (const int face : faces) {
            TFaceInfo info;
            paper_.GetFaceInfo(face, info);
            if (spec_.PrintFrame) {
                canvas.Painter().setPen(QPen(Qt::black, 0, Qt::SolidLine));
                info.DrawFace(canvas, false, false);
            }
            if (spec_.PrintCutLine) {
                canvas.Painter().setPen(QPen(Qt::black, 0, Qt::DashLine));
                info.DrawTrimLines(canvas, false);
            }
        }
    }

    const TPaperInfo& paper_;
    const TPrintSpec& spec_;
    IPrintTarget& target_;
    const TPrintJobSetup& setup_;
    IPrintProgress* progress_;
    TPrintSite site_;
    TRenderSettings render_;
    QPoint pageOrigin_;
    int renderDpi_ = kUnitsPerInch;
};

} // namespace

void PrintSheets(TLabelData& document, const TPaperInfo& paper, const TPrintSpec& spec, IPrintTarget& target,
                 const TPrintJobSetup& setup, IPrintProgress* progress)
{
    spec.Check();
    TSheetPrinter printer(document, paper, spec, target, setup, progress);
    try {
        printer.Run();
    } catch (...) {
        target.Abort();
        throw;
    }
    if (!printer.Running()) {
        target.Abort();
        throw EAppError(QStringLiteral("印刷を中止しました"));
    }
    try {
        target.End();
    } catch (...) {
        target.Abort();
        throw;
    }
}

QString PrintJobTitle(const TLabelData& document)
{
    // Without the application's macros the title is the document's name alone.
    const TMacroString* macros = ApplicationMacros();
    const QString format = macros && !macros->Value(QStringLiteral("PrintTitleFormat")).isEmpty()
                               ? Expand(QStringLiteral("$(PrintTitleFormat)"))
                               : QStringLiteral("%s");
    return FormatText(format, {QFileInfo(document.DataName()).fileName()});
}
