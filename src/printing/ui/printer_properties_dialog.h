#pragma once
// The printer's properties: one choice list per option of the queue's printer description,
// in place of a driver's own settings dialog. The options given are edited; the caller
// keeps them only when the dialog is confirmed.
#include <QDialog>
#include <map>

class QComboBox;
class TPpd;
class TPrinterOptions;

class TfrmPrinterProperties : public QDialog {
    Q_OBJECT
public:
    TfrmPrinterProperties(const TPpd& ppd, const TPrinterOptions& options, QWidget* parent = nullptr);

    // The options as chosen: every option of the description with its choice.
    void StoreInto(TPrinterOptions& options) const;
    QComboBox* ChoiceBox(const QString& keyword) const;

private:
    std::map<QString, QComboBox*> boxes_;
};
