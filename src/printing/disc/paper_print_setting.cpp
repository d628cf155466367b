#include "printing/disc/paper_print_setting.h"

#include "catalogue/database/papers_v2.h"
#include "core/error.h"
#include "platform/platform_error.h"
#include "platform/printers/ppd.h"
#include "platform/printers/printer_service.h"
#include "printing/config/printer_configuration.h"
#include "printing/disc/media_tables.h"
#include "printing/disc/print_setting_data.h"
#include "printing/disc/queue_disc_support.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

// Hub printing reaches inside the usual 43 mm clamping area.
constexpr int kUsualHub = 430;
// A disc of up to 80 mm fits Gutenprint's 3-inch disc page.
constexpr int kSmallDisc = 800;

QString Mm(int units)
{
    return QString::number(units / 10.0, 'f', 1);
}

// The largest choice not above the value, or nothing.
std::optional<int> AtMost(const std::vector<int>& choices, int value)
{
    const auto above = std::upper_bound(choices.begin(), choices.end(), value);
    if (above == choices.begin())
        return std::nullopt;
    return *std::prev(above);
}

// The smallest choice not below the value, or nothing.
std::optional<int> AtLeast(const std::vector<int>& choices, int value)
{
    const auto found = std::lower_bound(choices.begin(), choices.end(), value);
    if (found == choices.end())
        return std::nullopt;
    return *found;
}

int Nearest(const std::vector<int>& choices, int value)
{
    return *std::min_element(choices.begin(), choices.end(),
                             [value](int a, int b) { return std::abs(a - value) < std::abs(b - value); });
}

QString DiscPage(const TQueueDiscSupport& support, int outer)
{
    const QStringList& pages = support.DiscPages();
    if (pages.contains(QLatin1String("CDCustom")) && !support.OuterDiameters().empty())
        return QStringLiteral("CDCustom");
    if (outer <= kSmallDisc && pages.contains(QLatin1String("CD3Inch")))
        return QStringLiteral("CD3Inch");
    if (pages.contains(QLatin1String("CD5Inch")))
        return QStringLiteral("CD5Inch");
    return pages.isEmpty() ? QString() : pages.front();
}

// The configuration's forms without the disc pages.
TPrinterForm SheetForms(TPrinterConfiguration& configuration)
{
    TPrinterForm sheets;
    const TPrinterForm& forms = configuration.Forms();
    for (int i = 0; i < forms.Count(); ++i)
        if (!IsDiscPage(forms.Form(i).Choice))
            sheets.Add(forms.Form(i));
    return sheets;
}

} // namespace

TPaperPrintSetting TPaperPrintSetting::FromCatalogue(TPapersV2& papers)
{
    return TPaperPrintSetting(TPrinterSettingRules(papers.GlobalText(QStringLiteral("PrinterSetting"))));
}

void TPaperPrintSetting::Apply(TPrinterConfiguration& configuration, const TPrintSettingData& request) const
{
    if (request.DiscTray) {
        ApplyDisc(configuration, request);
        return;
    }
    ApplySheet(configuration, request);
    TPrinterOptions options = configuration.Options();
    // A sheet never comes from the disc tray a disc before it chose.
    for (const QString keyword : {QStringLiteral("InputSlot"), QStringLiteral("media-source")})
        if (IsDiscSource(options.Choice(keyword))) {
            const QString standard = configuration.DefaultOptions().Choice(keyword);
            if (standard.isEmpty() || IsDiscSource(standard))
                options.RemoveChoice(keyword);
            else
                options.SetChoice(keyword, standard);
        }
    ApplyMedia(configuration, options, request, {});
    configuration.SetOptions(options);
    configuration.Normalise();
}

void TPaperPrintSetting::ApplySheet(TPrinterConfiguration& configuration, const TPrintSettingData& request) const
{
    const int width = request.Width;
    const int height = request.Height;
    // The page is the sheet as used; a form found only turned takes the sheet turned.
    bool turned = false;
    TPrinterForm forms = SheetForms(configuration);
    int index = forms.IndexBySizeNear(width, height);
    if (index < 0) {
        index = forms.IndexBySizeNear(height, width);
        turned = index >= 0;
    }
    if (index < 0 && configuration.AddForm(AddedFormName(width, height), width, height)) {
        forms = SheetForms(configuration);
        index = forms.IndexBySize(width, height);
    }
    configuration.Options().SetLandscape(turned);
    if (index >= 0 && forms.Form(index).Id != kUserDefinedFormId) {
        configuration.SelectForm(forms.Form(index));
    } else if (const int custom = forms.IndexById(kUserDefinedFormId); custom >= 0) {
        TFormInfo form = forms.Form(custom);
        form.Choice = CustomSizeChoice(width, height);
        configuration.SelectForm(form);
    }
}

void TPaperPrintSetting::ApplyMedia(const TPrinterConfiguration& configuration, TPrinterOptions& options,
                                    const TPrintSettingData& request, const QStringList& discMedia) const
{
    const TPpd* ppd = configuration.Ppd();
    const TPpdOption* media = ppd ? ppd->FindOption(QStringLiteral("MediaType")) : nullptr;
    if (!media || media->Choices.empty())
        return;
    QStringList candidates =
        rules_.MediaCandidates(ppd->Manufacturer(), ppd->ModelName(), request.PaperName, request.MediaKind);
    if (!discMedia.isEmpty()) {
        // A disc takes a disc media type whenever the queue has one.
        candidates.removeIf([&](const QString& name) { return !discMedia.contains(name); });
        candidates << discMedia.front();
    } else {
        candidates << media->Choices.front().Name;
    }
    for (const QString& candidate : candidates)
        if (media->HasChoice(candidate)) {
            options.SetChoice(media->Keyword, candidate);
            return;
        }
}

void TPaperPrintSetting::ApplyDisc(TPrinterConfiguration& configuration, const TPrintSettingData& request) const
{
    const TPpd* ppd = configuration.Ppd();
    std::vector<QString> sources;
    if (!ppd) {
        try {
            sources = configuration.Service().MediaSources(configuration.DeviceName());
        } catch (const EPlatformError& error) {
            throw EAppError(error.Message());
        }
    }
    const TQueueDiscSupport support(ppd, sources);
    if (!support.CanPrintDiscs())
        throw EAppError(QStringLiteral("プリンタ「%1」にはディスクトレイがないため、ディスクに印刷できません。"
                                       "ディスクトレイのあるプリンタを選んでください。")
                            .arg(configuration.DeviceName()));

    TPrinterOptions options = configuration.Options();
    options.SetLandscape(false);
    if (support.Driverless()) {
        options.SetChoice(QStringLiteral("media-source"), support.DiscSource());
        configuration.SetOptions(options);
        return;
    }
    QStringList discOptions;
    const auto set = [&](const QString& keyword, const QString& choice) {
        options.SetChoice(keyword, choice);
        discOptions << keyword;
    };
    set(QStringLiteral("InputSlot"), support.DiscSource());
    const QString page = DiscPage(support, request.DiscOuter);
    if (!page.isEmpty()) {
        set(QStringLiteral("PageSize"), page);
        options.RemoveChoice(QStringLiteral("PageRegion"));
    }

    // The outer diameter rounds down and the inner one up: the ink stays on the disc.
    if (!support.OuterDiameters().empty()) {
        const int points = static_cast<int>(std::floor(UnitsToPoints(request.DiscOuter) + 1e-6));
        const std::optional<int> outer = AtMost(support.OuterDiameters(), points);
        if (!outer)
            throw EAppError(QStringLiteral("プリンタ「%1」は外径 %2 mm のディスクに印刷できません。")
                                .arg(configuration.DeviceName(), Mm(request.DiscOuter)));
        set(QStringLiteral("StpCDOuterDiameter"), QString::number(*outer));
    }
    // A hole larger than the driver can mask takes its largest mask: the layout leaves
    // the hole blank itself, the mask only guards it.
    if (!support.InnerDiameters().empty()) {
        const int points = static_cast<int>(std::ceil(UnitsToPoints(request.DiscInner) - 1e-6));
        const int inner = AtLeast(support.InnerDiameters(), points).value_or(support.InnerDiameters().back());
        set(QStringLiteral("StpCDInnerDiameter"), QString::number(inner));
    }
    if (support.HubPrinting())
        set(QStringLiteral("StpCDInnerRadius"),
            request.DiscInner < kUsualHub ? QStringLiteral("Small") : QStringLiteral("None"));
    // The fine offset moves the print by whole points.
    const auto offset = [](const std::vector<int>& choices, int units) {
        return QString::number(Nearest(choices, static_cast<int>(std::lround(UnitsToPoints(units)))));
    };
    if (!support.XAdjustments().empty())
        set(QStringLiteral("StpCDXAdjustment"), offset(support.XAdjustments(), request.DiscOffsetX));
    if (!support.YAdjustments().empty())
        set(QStringLiteral("StpCDYAdjustment"), offset(support.YAdjustments(), request.DiscOffsetY));
    ApplyMedia(configuration, options, request, support.DiscMedia());
    if (!options.Choice(QStringLiteral("MediaType")).isEmpty())
        discOptions << QStringLiteral("MediaType");

    // The driver's constraints may move other options, never what puts the disc in the tray.
    const TPrinterOptions before = configuration.Options();
    configuration.SetOptions(options);
    configuration.Normalise();
    for (const QString& keyword : discOptions)
        if (const QString choice = options.Choice(keyword); configuration.Options().Choice(keyword) != choice) {
            configuration.SetOptions(before);
            throw EAppError(QStringLiteral("プリンタ「%1」の設定「%2」を「%3」にできないため、ディスクに印刷できません。")
                                .arg(configuration.DeviceName(), keyword, choice));
        }
}
