#include "printing/ui/printer_setting_dialog.h"

#include "core/error.h"
#include "core/messages.h"
#include "editing/ui/dialog_buttons.h"
#include "platform/platform_error.h"
#include "platform/printers/ppd.h"
#include "platform/printers/printer_service.h"
#include "printing/config/application_printer.h"
#include "printing/config/printer_configuration.h"
#include "printing/disc/media_tables.h"
#include "printing/disc/queue_disc_support.h"
#include "printing/ui/printer_properties_dialog.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QStackedWidget>
#include <QVBoxLayout>
#include <functional>

namespace {

enum TMakerPage { kCanonPage, kEpsonPage, kOtherPage };

const QString kMediaType = QStringLiteral("MediaType");

QString CartridgeOption(const TPpd& ppd)
{
    for (const char* keyword : {"StpInkType", "InkType", "StpInkSet"})
        if (ppd.FindOption(QLatin1String(keyword)))
            return QLatin1String(keyword);
    return {};
}

} // namespace

TfrmPrinterSetting::TfrmPrinterSetting(IPrinterService& service, QWidget* parent) : QDialog(parent), service_(service)
{
    setWindowTitle(QStringLiteral("プリンタの設定"));

    printers_ = new QComboBox;
    port_ = new QLabel;
    properties_ = new QPushButton(QStringLiteral("プロパティ..."));
    papers_ = new QComboBox;
    portrait_ = new QRadioButton(QStringLiteral("縦"));
    landscape_ = new QRadioButton(QStringLiteral("横"));
    auto* orientation = new QButtonGroup(this);
    orientation->addButton(portrait_);
    orientation->addButton(landscape_);

    auto* printerBox = new QGroupBox(QStringLiteral("プリンタ"));
    auto* printerForm = new QFormLayout(printerBox);
    auto* printerRow = new QHBoxLayout;
    printerRow->addWidget(printers_, 1);
    printerRow->addWidget(properties_);
    printerForm->addRow(QStringLiteral("プリンタ名:"), printerRow);
    printerForm->addRow(QStringLiteral("場所:"), port_);

    auto* paperBox = new QGroupBox(QStringLiteral("用紙"));
    auto* paperForm = new QFormLayout(paperBox);
    paperForm->addRow(QStringLiteral("サイズ:"), papers_);
    auto* orientationRow = new QHBoxLayout;
    orientationRow->addWidget(portrait_);
    orientationRow->addWidget(landscape_);
    orientationRow->addStretch();
    paperForm->addRow(QStringLiteral("印刷の向き:"), orientationRow);

    // Maker pages.
    makerPages_ = new QStackedWidget;
    auto* canon = new QWidget;
    auto* canonForm = new QFormLayout(canon);
    cartridge_ = new QComboBox;
    canonMedia_ = new QComboBox;
    canonQuality_ = new QComboBox;
    canonForm->addRow(QStringLiteral("カートリッジ:"), cartridge_);
    canonForm->addRow(QStringLiteral("用紙種類:"), canonMedia_);
    canonForm->addRow(QStringLiteral("印字品質:"), canonQuality_);
    auto* epson = new QWidget;
    auto* epsonLayout = new QVBoxLayout(epson);
    epsonMedia_ = new QListWidget;
    epsonQuality_ = new QSlider(Qt::Horizontal);
    epsonNote_ = new QLabel;
    epsonNote_->setWordWrap(true);
    const QStringList qualities = QualityNames();
    auto* sliderRow = new QHBoxLayout;
    sliderRow->addWidget(new QLabel(qualities.at(0)));
    sliderRow->addWidget(epsonQuality_, 1);
    sliderRow->addWidget(new QLabel(qualities.at(2)));
    epsonLayout->addWidget(new QLabel(QStringLiteral("用紙種類:")));
    epsonLayout->addWidget(epsonMedia_);
    epsonLayout->addLayout(sliderRow);
    epsonLayout->addWidget(epsonNote_);
    auto* other = new QLabel(QStringLiteral("このプリンタの設定は「プロパティ...」で変更してください。"));
    other->setWordWrap(true);
    makerPages_->addWidget(canon);
    makerPages_->addWidget(epson);
    makerPages_->addWidget(other);

    auto* buttons = OkCancelButtons(*this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(printerBox);
    layout->addWidget(paperBox);
    layout->addWidget(makerPages_);
    layout->addWidget(buttons);

    connect(printers_, &QComboBox::activated, this, [this](int index) { ChoosePrinter(printers_->itemText(index)); });
    connect(properties_, &QPushButton::clicked, this, [this] {
        QDialog* dialog = OpenProperties();
        if (dialog)
            dialog->exec();
    });
    connect(papers_, &QComboBox::activated, this, &TfrmPrinterSetting::ChoosePaper);
    connect(portrait_, &QRadioButton::toggled, this, &TfrmPrinterSetting::ChooseOrientation);
    const auto bindBox = [this](QComboBox* box, const std::function<QString()>& keyword) {
        connect(box, &QComboBox::activated, this,
                [this, box, keyword](int index) { ChooseOption(keyword(), box->itemData(index).toString()); });
    };
    bindBox(cartridge_, [this] { return configuration_ && configuration_->Ppd() ? CartridgeOption(*configuration_->Ppd()) : QString(); });
    bindBox(canonMedia_, [] { return kMediaType; });
    bindBox(canonQuality_, [this] { return configuration_ ? TQueueDiscSupport(configuration_->Ppd(), {}).QualityOption() : QString(); });
    connect(epsonMedia_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            ChooseOption(kMediaType, epsonMedia_->item(row)->data(Qt::UserRole).toString());
    });
    connect(epsonQuality_, &QSlider::valueChanged, this, [this](int value) {
        if (!configuration_ || !configuration_->Ppd())
            return;
        const QString keyword = TQueueDiscSupport(configuration_->Ppd(), {}).QualityOption();
        if (const TPpdOption* option = configuration_->Ppd()->FindOption(keyword);
            option && value >= 0 && value < static_cast<int>(option->Choices.size()))
            ChooseOption(keyword, option->Choices[static_cast<size_t>(value)].Name);
    });

    RefreshPrinters();
}

TfrmPrinterSetting::~TfrmPrinterSetting() = default;

void TfrmPrinterSetting::RefreshPrinters()
{
    const QString chosen = configuration_ ? configuration_->DeviceName() : QString();
    std::vector<TQueueInfo> queues;
    try {
        queues = service_.Queues();
    } catch (const EPlatformError&) {
    }
    filling_ = true;
    printers_->clear();
    bool stillThere = false;
    for (const TQueueInfo& queue : queues) {
        printers_->addItem(queue.Name);
        stillThere = stillThere || queue.Name == chosen;
    }
    filling_ = false;
    if (stillThere) {
        printers_->setCurrentText(chosen);
        return;
    }
    try {
        configuration_ = TPrinterConfiguration::ForApplicationPrinter(service_);
    } catch (const EAppError&) {
        configuration_.reset();
    }
    ShowConfiguration();
}

void TfrmPrinterSetting::ChoosePrinter(const QString& queue)
{
    if (filling_ || (configuration_ && configuration_->DeviceName() == queue))
        return;
    try {
        configuration_ = std::make_unique<TPrinterConfiguration>(service_, queue);
    } catch (const EAppError& error) {
        ShowMessageBox(error.Message());
        RefreshPrinters();
        return;
    }
    ShowConfiguration();
}

QString TfrmPrinterSetting::MakerPage() const
{
    switch (makerPages_->currentIndex()) {
    case kCanonPage:
        return QStringLiteral("Canon");
    case kEpsonPage:
        return QStringLiteral("Epson");
    default:
        return QStringLiteral("Other");
    }
}

void TfrmPrinterSetting::FillChoices(QComboBox* box, const QString& keyword)
{
    box->clear();
    const TPpd* ppd = configuration_ ? configuration_->Ppd() : nullptr;
    const TPpdOption* option = ppd && !keyword.isEmpty() ? ppd->FindOption(keyword) : nullptr;
    box->setEnabled(option != nullptr);
    if (!option)
        return;
    for (const TPpdChoice& choice : option->Choices)
        box->addItem(choice.Text.isEmpty() ? choice.Name : choice.Text, choice.Name);
    box->setCurrentIndex(std::max(0, box->findData(configuration_->Options().Choice(keyword))));
}

void TfrmPrinterSetting::ShowConfiguration()
{
    filling_ = true;
    const bool ready = configuration_ != nullptr;
    properties_->setEnabled(ready && configuration_->Ppd());
    papers_->clear();
    if (!ready) {
        port_->clear();
        makerPages_->setCurrentIndex(kOtherPage);
        filling_ = false;
        return;
    }
    printers_->setCurrentText(configuration_->DeviceName());
    port_->setText(configuration_->Port());
    const TPrinterForm& forms = configuration_->Forms();
    for (int i = 0; i < forms.Count(); ++i)
        papers_->addItem(FormListName(forms.Form(i)), forms.Form(i).Id);
    papers_->setCurrentIndex(std::max(0, papers_->findData(configuration_->CurrentFormId())));
    (configuration_->Options().Landscape() ? landscape_ : portrait_)->setChecked(true);

    const TPpd* ppd = configuration_->Ppd();
    const QString maker = ppd ? ppd->Manufacturer() : QString();
    const QString quality = TQueueDiscSupport(ppd, {}).QualityOption();
    if (maker.compare(QLatin1String("Canon"), Qt::CaseInsensitive) == 0) {
        makerPages_->setCurrentIndex(kCanonPage);
        FillChoices(cartridge_, CartridgeOption(*ppd));
        FillChoices(canonMedia_, kMediaType);
        FillChoices(canonQuality_, quality);
    } else if (maker.compare(QLatin1String("Epson"), Qt::CaseInsensitive) == 0) {
        makerPages_->setCurrentIndex(kEpsonPage);
        epsonMedia_->clear();
        if (const TPpdOption* media = ppd->FindOption(kMediaType))
            for (const TPpdChoice& choice : media->Choices) {
                auto* item = new QListWidgetItem(choice.Text.isEmpty() ? choice.Name : choice.Text, epsonMedia_);
                item->setData(Qt::UserRole, choice.Name);
                if (choice.Name == configuration_->Options().Choice(kMediaType))
                    epsonMedia_->setCurrentItem(item);
            }
        const TPpdOption* levels = quality.isEmpty() ? nullptr : ppd->FindOption(quality);
        epsonQuality_->setEnabled(levels != nullptr);
        epsonNote_->setText(levels ? QString() : QStringLiteral("この用紙種類には選択できる推奨設定がありません"));
        if (levels) {
            epsonQuality_->setRange(0, static_cast<int>(levels->Choices.size()) - 1);
            for (size_t i = 0; i < levels->Choices.size(); ++i)
                if (levels->Choices[i].Name == configuration_->Options().Choice(quality))
                    epsonQuality_->setValue(static_cast<int>(i));
        }
    } else {
        makerPages_->setCurrentIndex(kOtherPage);
    }
    filling_ = false;
}

void TfrmPrinterSetting::ChoosePaper(int index)
{
    if (filling_ || !configuration_ || index < 0)
        return;
    const TPrinterForm& forms = configuration_->Forms();
    const int form = forms.IndexById(papers_->itemData(index).toInt());
    if (form >= 0)
        configuration_->SelectForm(forms.Form(form));
    ShowConfiguration();
}

void TfrmPrinterSetting::ChooseOrientation()
{
    if (filling_ || !configuration_)
        return;
    configuration_->Options().SetLandscape(landscape_->isChecked());
    ShowConfiguration();
}

void TfrmPrinterSetting::ChooseOption(const QString& keyword, const QString& choice)
{
    if (filling_ || !configuration_ || keyword.isEmpty() || choice.isEmpty())
        return;
    configuration_->Options().SetChoice(keyword, choice);
    ShowConfiguration();
}

QDialog* TfrmPrinterSetting::OpenProperties()
{
    if (!configuration_ || !configuration_->Ppd())
        return nullptr;
    auto* dialog = new TfrmPrinterProperties(*configuration_->Ppd(), configuration_->Options(), this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::accepted, this, [this, dialog] {
        if (!configuration_)
            return;
        dialog->StoreInto(configuration_->Options());
        configuration_->Normalise();
        ShowConfiguration();
    });
    return dialog;
}

void TfrmPrinterSetting::accept()
{
    if (configuration_) {
        configuration_->Normalise();
        const QStringList problems = configuration_->Problems();
        if (!problems.isEmpty()) {
            ShowMessageBox(problems.join(QLatin1Char('\n')));
            return;
        }
        configuration_->Apply();
    }
    QDialog::accept();
}
