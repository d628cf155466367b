#pragma once
// TfrmConfirmPrinter: a document designed for one direct-print printer model is about to be
// printed on a printer of another; the user changes the printer, prints anyway or cancels.
#include <QDialog>

class QLabel;
class QPushButton;

enum class TConfirmPrinterResult { ChangePrinter, Print, Cancel };

class TfrmConfirmPrinter : public QDialog {
    Q_OBJECT
public:
    // model: the model the paper was designed for; driver: the chosen printer's.
    TfrmConfirmPrinter(const QString& model, const QString& driver, QWidget* parent = nullptr);

    static QString MessageText(const QString& model, const QString& driver);
    // Shows the dialog and returns the user's choice (closing it cancels).
    TConfirmPrinterResult Ask();
    TConfirmPrinterResult Result() const { return result_; }

    QLabel* Message() const { return message_; }
    QPushButton* ChangeButton() const { return change_; }
    QPushButton* PrintButton() const { return print_; }
    QPushButton* CancelButton() const { return cancel_; }

private:
    void Choose(TConfirmPrinterResult result);

    TConfirmPrinterResult result_ = TConfirmPrinterResult::Cancel;
    QLabel* message_;
    QPushButton* change_;
    QPushButton* print_;
    QPushButton* cancel_;
};
