#include "printing/ui/confirm_printer_dialog.h"

#include "core/frame/macro_string.h"
#include "core/messages.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TfrmConfirmPrinter::TfrmConfirmPrinter(const QString& model, const QString& driver, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(Expand(QStringLiteral("$(AppName)")));
    message_ = new QLabel(MessageText(model, driver), this);
    change_ = new QPushButton(QStringLiteral("プリンタ設定変更(&S)..."), this);
    print_ = new QPushButton(QStringLiteral("印刷(&P)"), this);
    cancel_ = new QPushButton(QStringLiteral("キャンセル"), this);
    print_->setDefault(true);
    connect(change_, &QPushButton::clicked, this, [this] { Choose(TConfirmPrinterResult::ChangePrinter); });
    connect(print_, &QPushButton::clicked, this, [this] { Choose(TConfirmPrinterResult::Print); });
    connect(cancel_, &QPushButton::clicked, this, [this] { Choose(TConfirmPrinterResult::Cancel); });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(change_);
    buttons->addWidget(print_);
    buttons->addWidget(cancel_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(message_);
    layout->addLayout(buttons);
}

QString TfrmConfirmPrinter::MessageText(const QString& model, const QString& driver)
{
    return FormatText(QStringLiteral("このデータは「%s」用にデザインされていますが、\r\n選択されているプリンタは「%s」です。\r\n\r\n"
                                     "変更をする場合は[プリンタ設定変更]でプリンタを変更してください。"),
                      {model, driver});
}

void TfrmConfirmPrinter::Choose(TConfirmPrinterResult result)
{
    result_ = result;
    if (result == TConfirmPrinterResult::Cancel)
        reject();
    else
        accept();
}

TConfirmPrinterResult TfrmConfirmPrinter::Ask()
{
    result_ = TConfirmPrinterResult::Cancel;
    exec();
    return result_;
}
