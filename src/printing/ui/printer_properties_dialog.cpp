#include "printing/ui/printer_properties_dialog.h"

#include "editing/ui/dialog_buttons.h"
#include "platform/printers/ppd.h"
#include "printing/config/printer_options.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QScrollArea>
#include <QVBoxLayout>
#include <algorithm>

TfrmPrinterProperties::TfrmPrinterProperties(const TPpd& ppd, const TPrinterOptions& options, QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("プリンタのプロパティ"));
    auto* page = new QWidget;
    auto* form = new QFormLayout(page);
    for (const TPpdOption& option : ppd.Options()) {
        if (option.Choices.empty() || option.Keyword == QLatin1String("PageRegion"))
            continue; // the page region follows the page size
        auto* box = new QComboBox;
        box->setObjectName(option.Keyword);
        for (const TPpdChoice& choice : option.Choices)
            box->addItem(choice.Text.isEmpty() ? choice.Name : choice.Text, choice.Name);
        const QString current = options.Choice(option.Keyword).isEmpty() ? option.DefaultChoice
                                                                         : options.Choice(option.Keyword);
        // A choice the list does not hold (a custom page size) is shown as it is.
        if (box->findData(current) < 0 && !current.isEmpty())
            box->addItem(current, current);
        box->setCurrentIndex(std::max(0, box->findData(current)));
        form->addRow((option.Text.isEmpty() ? option.Keyword : option.Text) + QLatin1Char(':'), box);
        boxes_[option.Keyword] = box;
    }
    auto* scroll = new QScrollArea;
    scroll->setWidget(page);
    scroll->setWidgetResizable(true);
    auto* buttons = OkCancelButtons(*this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(scroll);
    layout->addWidget(buttons);
    resize(520, 600);
}

void TfrmPrinterProperties::StoreInto(TPrinterOptions& options) const
{
    for (const auto& [keyword, box] : boxes_) {
        const QString chosen = box->currentData().toString();
        if (!chosen.isEmpty())
            options.SetChoice(keyword, chosen);
    }
}

QComboBox* TfrmPrinterProperties::ChoiceBox(const QString& keyword) const
{
    const auto found = boxes_.find(keyword);
    return found == boxes_.end() ? nullptr : found->second;
}
