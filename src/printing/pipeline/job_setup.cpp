#include "printing/pipeline/job_setup.h"

#include "catalogue/paper/paper_info.h"
#include "core/canvas/units.h"
#include "core/error.h"
#include "platform/printers/ppd.h"
#include "printing/config/printer_configuration.h"
#include "printing/disc/queue_disc_support.h"

#include <QRegularExpression>
#include <algorithm>
#include <cmath>

namespace {

constexpr int kDefaultQueueResolution = 720;
// Sizes that differ by at most this much (logical units) are the same paper.
constexpr int kSizeTolerance = 20;

double Points(int units)
{
    return UnitsToPoints(units);
}

QSizeF PaperPoints(const TPaperInfo& paper)
{
    return {Points(paper.Width()), Points(paper.Height())};
}

bool SameSize(const QSizeF& points, int width, int height)
{
    return std::abs(PointsToUnits(points.width()) - width) <= kSizeTolerance &&
           std::abs(PointsToUnits(points.height()) - height) <= kSizeTolerance;
}

// The size in points of a "PageSize" choice, or an empty size.
QSizeF ChoiceSize(const TPpd& ppd, const QString& choice)
{
    for (const TPpdSize& size : ppd.Sizes())
        if (size.Name == choice)
            return {size.Width, size.Length};
    static const QRegularExpression custom(QStringLiteral("^Custom\\.([0-9.]+)x([0-9.]+)$"));
    if (const QRegularExpressionMatch match = custom.match(choice); match.hasMatch() && ppd.CustomRange())
        return {match.captured(1).toDouble(), match.captured(2).toDouble()};
    return {};
}

QString PageChoice(const TPrinterConfiguration& configuration)
{
    const QString chosen = configuration.Options().Choice(QStringLiteral("PageSize"));
    if (!chosen.isEmpty())
        return chosen;
    if (const TPpdOption* option = configuration.Ppd()->FindOption(QStringLiteral("PageSize")))
        return option->DefaultChoice;
    return {};
}

// The whole points of the driver's adjustment nearest the wanted one, within its range.
int AdjustmentPoints(const std::vector<int>& choices, double wantedPoints)
{
    const int wanted = static_cast<int>(std::lround(wantedPoints));
    return *std::min_element(choices.begin(), choices.end(),
                             [wanted](int a, int b) { return std::abs(a - wanted) < std::abs(b - wanted); });
}

// Moves as much of the fine offset as the driver takes into its disc adjustment option,
// and returns the rest in logical units.
double SendAdjustment(TPrinterOptions& options, const QString& keyword, const std::vector<int>& choices, int offset)
{
    if (choices.empty())
        return offset;
    const int points = AdjustmentPoints(choices, Points(offset));
    options.SetChoice(keyword, QString::number(points));
    return offset - points * static_cast<double>(kUnitsPerInch) / 72.0;
}

} // namespace

TPrintJobSetup FileJobSetup(const TPaperInfo& paper, QPoint fineOffset, int resolution)
{
    TPrintJobSetup setup;
    setup.PagePoints = PaperPoints(paper);
    setup.Resolution = resolution;
    setup.PaperOffset = fineOffset;
    return setup;
}

int QueueResolution(const TPrinterConfiguration& configuration)
{
    const TPpd* ppd = configuration.Ppd();
    if (!ppd)
        return kDefaultQueueResolution;
    QString choice = configuration.Options().Choice(QStringLiteral("Resolution"));
    if (choice.isEmpty())
        if (const TPpdOption* option = ppd->FindOption(QStringLiteral("Resolution")))
            choice = option->DefaultChoice;
    static const QRegularExpression dpi(QStringLiteral("^([0-9]+)(?:x([0-9]+))?dpi$"));
    const QRegularExpressionMatch match = dpi.match(choice);
    if (!match.hasMatch())
        return kDefaultQueueResolution;
    const int value = std::max(match.captured(1).toInt(), match.captured(2).toInt());
    return std::clamp(value, 72, 2400);
}

TPrintJobSetup QueueJobSetup(const TPrinterConfiguration& configuration, const TPaperInfo& paper, QPoint fineOffset)
{
    TPrintJobSetup setup;
    setup.Options = configuration.Options();
    // The page's shape carries the orientation: the queue turns a landscape page itself.
    setup.Options.SetLandscape(false);
    setup.Resolution = QueueResolution(configuration);
    const TPpd* ppd = configuration.Ppd();
    if (!ppd) {
        setup.PagePoints = PaperPoints(paper);
        setup.PaperOffset = fineOffset;
        return setup;
    }

    const QString choice = PageChoice(configuration);
    const QSizeF page = ChoiceSize(*ppd, choice);
    if (IsDiscPage(choice) && !page.isEmpty()) {
        // The disc's centre goes onto the centre of the driver's disc page.
        setup.DiscPage = true;
        setup.PagePoints = page;
        QPointF centre(paper.Width() / 2.0, paper.Height() / 2.0);
        if (paper.FaceCount() > 0) {
            const TRect face = paper.FaceSheetRect(0);
            centre = QPointF((face.Left + face.Right) / 2.0, (face.Top + face.Bottom) / 2.0);
        }
        const TQueueDiscSupport support(ppd, {});
        const double restX =
            SendAdjustment(setup.Options, QStringLiteral("StpCDXAdjustment"), support.XAdjustments(), fineOffset.x());
        const double restY =
            SendAdjustment(setup.Options, QStringLiteral("StpCDYAdjustment"), support.YAdjustments(), fineOffset.y());
        const double pageCentreX = page.width() / 72.0 * kUnitsPerInch / 2.0;
        const double pageCentreY = page.height() / 72.0 * kUnitsPerInch / 2.0;
        setup.PaperOffset = QPointF(pageCentreX - centre.x() + restX, pageCentreY - centre.y() + restY);
        return setup;
    }

    const int width = paper.Width();
    const int height = paper.Height();
    setup.PaperOffset = fineOffset;
    if (!page.isEmpty() && !IsDiscPage(choice) && (SameSize(page, width, height) || SameSize(page, height, width))) {
        // The queue's own page size, turned to the paper's orientation.
        const bool turn = (page.width() > page.height()) != (width > height);
        setup.PagePoints = turn ? page.transposed() : page;
        return setup;
    }
    // No page size of the queue fits: its custom size, else nothing is printed.
    const std::optional<TPpdCustomRange> range = ppd->CustomRange();
    const int portraitWidth = std::min(width, height);
    const int portraitHeight = std::max(width, height);
    const QSizeF custom(Points(portraitWidth), Points(portraitHeight));
    if (!range || custom.width() < range->MinWidth - 0.5 || custom.width() > range->MaxWidth + 0.5 ||
        custom.height() < range->MinLength - 0.5 || custom.height() > range->MaxLength + 0.5)
        throw EAppError(QStringLiteral("プリンタ「%1」には「%2 x %3mm」の用紙サイズがないため、印刷できません。")
                            .arg(configuration.DeviceName(), QString::number(width / 10.0), QString::number(height / 10.0)));
    setup.Options.SetChoice(QStringLiteral("PageSize"), CustomSizeChoice(portraitWidth, portraitHeight));
    setup.Options.RemoveChoice(QStringLiteral("PageRegion"));
    setup.PagePoints = PaperPoints(paper);
    return setup;
}
