#include "printing/config/printer_configuration.h"

#include "core/error.h"
#include "platform/platform_error.h"
#include "platform/printers/ppd.h"
#include "platform/printers/printer_service.h"
#include "printing/config/application_printer.h"

#include <QRegularExpression>
#include <algorithm>

namespace {

const QString kPageSize = QStringLiteral("PageSize");

// Job attributes that a queue without printer description understands itself.
bool IsIppAttribute(const QString& keyword)
{
    static const QStringList attributes{
        QStringLiteral("media"),           QStringLiteral("media-source"),     QStringLiteral("media-type"),
        QStringLiteral("media-col"),       QStringLiteral("print-quality"),    QStringLiteral("print-color-mode"),
        QStringLiteral("sides"),           QStringLiteral("print-scaling"),    QStringLiteral("printer-resolution")};
    return attributes.contains(keyword);
}

// The size of a "Custom.<w>x<h>" choice in points, or nothing.
std::optional<std::pair<double, double>> CustomSize(const QString& choice)
{
    static const QRegularExpression pattern(QStringLiteral("^Custom\\.([0-9]+(?:\\.[0-9]+)?)x([0-9]+(?:\\.[0-9]+)?)$"));
    const QRegularExpressionMatch match = pattern.match(choice);
    if (!match.hasMatch())
        return std::nullopt;
    return std::pair{match.captured(1).toDouble(), match.captured(2).toDouble()};
}

bool CustomSizeFits(const TPpd& ppd, const QString& choice)
{
    const std::optional<TPpdCustomRange> range = ppd.CustomRange();
    const std::optional<std::pair<double, double>> size = CustomSize(choice);
    constexpr double slack = 0.01; // the choice is written with two decimals
    return range && size && size->first >= range->MinWidth - slack && size->first <= range->MaxWidth + slack &&
           size->second >= range->MinLength - slack && size->second <= range->MaxLength + slack;
}

void MarkAll(TPpd& ppd, const TPrinterOptions& options)
{
    ppd.MarkDefaults();
    for (const auto& [keyword, choice] : options.Choices())
        ppd.Mark(keyword, choice);
}

} // namespace

std::unique_ptr<TPrinterConfiguration> TPrinterConfiguration::ForApplicationPrinter(IPrinterService& service)
{
    const TApplicationPrinter& printer = ApplicationPrinter();
    QString queue = printer.Queue;
    if (queue.isEmpty()) {
        std::vector<TQueueInfo> queues;
        try {
            queues = service.Queues();
        } catch (const EPlatformError& error) {
            throw EAppError(error.Message());
        }
        const auto preferred = std::find_if(queues.begin(), queues.end(), [](const TQueueInfo& q) { return q.IsDefault; });
        if (preferred != queues.end())
            queue = preferred->Name;
        else if (!queues.empty())
            queue = queues.front().Name;
        else
            throw EAppError(QStringLiteral("プリンタがありません。プリンタを追加してください。"));
    }
    auto configuration = std::make_unique<TPrinterConfiguration>(service, queue);
    if (printer.Queue == queue && printer.Options)
        configuration->SetOptions(*printer.Options);
    return configuration;
}

TPrinterConfiguration::TPrinterConfiguration(IPrinterService& service, const QString& queue)
    : service_(service), queue_(queue)
{
    try {
        bool found = false;
        for (const TQueueInfo& info : service.Queues())
            if (info.Name == queue) {
                port_ = info.DeviceUri;
                found = true;
            }
        if (!found)
            throw EAppError(QStringLiteral("プリンタ「%1」が見つかりません。").arg(queue));
        ppd_ = service.Ppd(queue);
    } catch (const EPlatformError& error) {
        throw EAppError(error.Message());
    }
    if (ppd_)
        for (const TPpdOption& option : ppd_->Options())
            if (!option.DefaultChoice.isEmpty())
                defaults_.SetChoice(option.Keyword, option.DefaultChoice);
    options_ = defaults_;
}

TPrinterConfiguration::~TPrinterConfiguration() = default;

void TPrinterConfiguration::SetOptions(const TPrinterOptions& options)
{
    options_ = options;
    forms_.reset();
}

void TPrinterConfiguration::Reset()
{
    SetOptions(defaults_);
}

const TPrinterForm& TPrinterConfiguration::Forms()
{
    if (!forms_) {
        std::optional<std::pair<int, int>> custom;
        if (const std::optional<std::pair<double, double>> size = CustomSize(options_.Choice(kPageSize)))
            custom = std::pair{PointsToUnits(size->first), PointsToUnits(size->second)};
        forms_ = ppd_ ? TPrinterForm::FromPpd(*ppd_, custom) : TPrinterForm();
        for (const TFormInfo& form : addedForms_)
            forms_->Add(form);
    }
    return *forms_;
}

void TPrinterConfiguration::SelectForm(const TFormInfo& form)
{
    options_.SetChoice(kPageSize, form.Choice);
    if (ppd_ && ppd_->FindOption(QStringLiteral("PageRegion")))
        options_.RemoveChoice(QStringLiteral("PageRegion")); // follows PageSize when marked
    forms_.reset();
}

int TPrinterConfiguration::CurrentFormId()
{
    const QString choice = options_.Choice(kPageSize);
    // An added form is a custom size too: it names the size before the user-defined form.
    const TPrinterForm& forms = Forms();
    for (int i = 0; i < forms.Count(); ++i)
        if (forms.Form(i).Choice == choice && forms.Form(i).Id != kUserDefinedFormId)
            return forms.Form(i).Id;
    return CustomSize(choice) ? kUserDefinedFormId : -1;
}

bool TPrinterConfiguration::AddForm(const QString& name, int width, int height)
{
    if (!ppd_ || !CustomSizeFits(*ppd_, CustomSizeChoice(width, height)))
        return false;
    // Added forms take ids above any that a description's sizes get.
    TFormInfo form;
    form.Name = name;
    form.Text = name;
    form.Choice = CustomSizeChoice(width, height);
    form.Id = 0x4000 + static_cast<int>(addedForms_.size());
    form.Width = width;
    form.Height = height;
    form.Right = width;
    form.Bottom = height;
    addedForms_.push_back(form);
    ClearForms();
    return true;
}

void TPrinterConfiguration::ClearForms()
{
    forms_.reset();
}

QStringList TPrinterConfiguration::Normalise()
{
    ClearForms();
    if (!ppd_)
        return {};
    const TPrinterOptions named = options_;
    MarkAll(*ppd_, options_);
    // Options left to their defaults try their choices first; only then does a named
    // option give way to its default. Each round settles at least one option.
    for (int round = 0; round < static_cast<int>(ppd_->Options().size()); ++round) {
        const std::vector<QString> conflicting = ppd_->ConflictingOptions();
        if (conflicting.empty())
            break;
        bool settled = false;
        for (const QString& keyword : conflicting) {
            if (!named.Choice(keyword).isEmpty() && named.Choice(keyword) != defaults_.Choice(keyword))
                continue;
            for (const TPpdChoice& choice : ppd_->FindOption(keyword)->Choices) {
                ppd_->Mark(keyword, choice.Name);
                const std::vector<QString> still = ppd_->ConflictingOptions();
                if (std::find(still.begin(), still.end(), keyword) == still.end()) {
                    settled = true;
                    break;
                }
            }
            if (settled)
                break;
            ppd_->Mark(keyword, ppd_->FindOption(keyword)->DefaultChoice);
        }
        if (!settled) {
            const QString& keyword = conflicting.back();
            ppd_->Mark(keyword, ppd_->FindOption(keyword)->DefaultChoice);
        }
    }
    QStringList changed;
    TPrinterOptions result;
    result.SetLandscape(options_.Landscape());
    for (const TPpdOption& option : ppd_->Options()) {
        QString marked = ppd_->Marked(option.Keyword);
        if (marked == QLatin1String("Custom") && option.Keyword == kPageSize)
            marked = options_.Choice(kPageSize);
        if (marked.isEmpty())
            continue;
        result.SetChoice(option.Keyword, marked);
        if (marked != options_.Choice(option.Keyword))
            changed << option.Keyword;
    }
    options_ = result;
    return changed;
}

QStringList TPrinterConfiguration::Problems() const
{
    QStringList problems;
    for (const auto& [keyword, choice] : options_.Choices()) {
        if (!ppd_) {
            if (!IsIppAttribute(keyword))
                problems << QStringLiteral("プリンタ「%1」には設定「%2」がありません。").arg(queue_, keyword);
            continue;
        }
        const TPpdOption* option = ppd_->FindOption(keyword);
        if (!option)
            problems << QStringLiteral("プリンタ「%1」には設定「%2」がありません。").arg(queue_, keyword);
        else if (!option->HasChoice(choice) && !(keyword == kPageSize && CustomSizeFits(*ppd_, choice)))
            problems << QStringLiteral("プリンタ「%1」の設定「%2」は「%3」を選べません。").arg(queue_, keyword, choice);
    }
    if (ppd_ && problems.isEmpty()) {
        MarkAll(*ppd_, options_);
        const std::vector<QString> conflicting = ppd_->ConflictingOptions();
        if (!conflicting.empty()) {
            QStringList names(conflicting.begin(), conflicting.end());
            problems << QStringLiteral("プリンタ「%1」の設定が矛盾しています: %2").arg(queue_, names.join(QStringLiteral(", ")));
        }
    }
    return problems;
}

void TPrinterConfiguration::CheckOptions() const
{
    const QStringList problems = Problems();
    if (!problems.isEmpty())
        throw EAppError(problems.join(QLatin1Char('\n')));
}

void TPrinterConfiguration::Apply() const
{
    SetApplicationPrinter({queue_, options_});
}
