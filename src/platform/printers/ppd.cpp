#include "platform/printers/ppd.h"

#include "platform/platform_error.h"

#include <QFile>

// The PPD functions are the only interface that both marks choices and reports the
// driver's constraints between them; libcups keeps them, marked as old.
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
#include <cups/ppd.h>

struct TPpd::TFile {
    ppd_file_t* Ppd = nullptr;
    ~TFile()
    {
        if (Ppd)
            ppdClose(Ppd);
    }
};

namespace {

QString Text(const char* text)
{
    return text ? QString::fromUtf8(text) : QString();
}

} // namespace

bool TPpdOption::HasChoice(const QString& choice) const
{
    for (const TPpdChoice& entry : Choices)
        if (entry.Name == choice)
            return true;
    return false;
}

TPpd::TPpd(const QString& path) : file_(std::make_unique<TFile>())
{
    file_->Ppd = ppdOpenFile(QFile::encodeName(path).constData());
    if (!file_->Ppd) {
        int line = 0;
        const ppd_status_t status = ppdLastError(&line);
        throw EPlatformError(QStringLiteral("プリンタの定義ファイルを読み込めません (%1 行 %2)")
                                 .arg(Text(ppdErrorString(status)))
                                 .arg(line));
    }
    ppd_file_t* ppd = file_->Ppd;
    ppdMarkDefaults(ppd);

    for (ppd_option_t* option = ppdFirstOption(ppd); option; option = ppdNextOption(ppd)) {
        TPpdOption entry;
        entry.Keyword = Text(option->keyword);
        entry.Text = Text(option->text);
        entry.DefaultChoice = Text(option->defchoice);
        for (int i = 0; i < option->num_choices; ++i)
            entry.Choices.push_back({Text(option->choices[i].choice), Text(option->choices[i].text)});
        options_.push_back(std::move(entry));
    }

    for (int i = 0; i < ppd->num_sizes; ++i) {
        const ppd_size_t& size = ppd->sizes[i];
        if (qstrcmp(size.name, "Custom") == 0)
            continue;
        const ppd_choice_t* choice = ppdFindChoice(ppdFindOption(ppd, "PageSize"), size.name);
        const QString text = choice && choice->text[0] ? Text(choice->text) : Text(size.name);
        sizes_.push_back({Text(size.name), text, size.width, size.length, size.left, size.bottom, size.right, size.top});
    }
    if (ppd->variable_sizes)
        custom_ = TPpdCustomRange{ppd->custom_min[0], ppd->custom_min[1], ppd->custom_max[0], ppd->custom_max[1]};
}

TPpd::~TPpd() = default;

QString TPpd::Manufacturer() const
{
    return Text(file_->Ppd->manufacturer);
}

QString TPpd::ModelName() const
{
    return Text(file_->Ppd->modelname);
}

QString TPpd::NickName() const
{
    return Text(file_->Ppd->nickname);
}

const TPpdOption* TPpd::FindOption(const QString& keyword) const
{
    for (const TPpdOption& option : options_)
        if (option.Keyword == keyword)
            return &option;
    return nullptr;
}

void TPpd::MarkDefaults()
{
    ppdMarkDefaults(file_->Ppd);
}

bool TPpd::Mark(const QString& keyword, const QString& choice)
{
    const TPpdOption* option = FindOption(keyword);
    if (!option)
        return false;
    const bool custom = (keyword == QLatin1String("PageSize") || keyword == QLatin1String("PageRegion")) &&
                        choice.startsWith(QLatin1String("Custom.")) && custom_;
    if (!custom && !option->HasChoice(choice))
        return false;
    const QByteArray key = keyword.toUtf8();
    const QByteArray value = choice.toUtf8();
    ppdMarkOption(file_->Ppd, key.constData(), value.constData());
    return true;
}

QString TPpd::Marked(const QString& keyword) const
{
    const QByteArray key = keyword.toUtf8();
    const ppd_choice_t* choice = ppdFindMarkedChoice(file_->Ppd, key.constData());
    return choice ? Text(choice->choice) : QString();
}

std::vector<QString> TPpd::ConflictingOptions() const
{
    std::vector<QString> conflicting;
    if (ppdConflicts(file_->Ppd) == 0)
        return conflicting;
    for (ppd_option_t* option = ppdFirstOption(file_->Ppd); option; option = ppdNextOption(file_->Ppd))
        if (option->conflicted)
            conflicting.push_back(Text(option->keyword));
    return conflicting;
}
