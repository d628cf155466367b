#pragma once
// "外円・内円のサイズ調整": the user's adjustment of a disc's outer and inner size for
// the document's paper and printer model. Every change is stored at once, so that a
// preview of the effective paper follows it; closing other than with OK stores the values
// that were in force when the dialog opened.
#include "document/direct_print/direct_printer_info.h"
#include "document/direct_print/size_adjustment.h"

#include <QDialog>
#include <optional>

class QDoubleSpinBox;
class QLabel;
class TPaperInfo;

class TfrmSizeAdjust : public QDialog {
    Q_OBJECT
public:
    // paper: the document's paper (a catalogue paper copied for a model, its group the
    // model's name); model: that model's limits, or nothing when the catalogue lacks it.
    TfrmSizeAdjust(const TPaperInfo& paper, std::optional<TDirectPrinterModel> model, QWidget* parent = nullptr);

    QDoubleSpinBox* OuterSpin() const { return outer_; }
    QDoubleSpinBox* InnerSpin() const { return inner_; }
    QWidget* OuterPanel() const { return outerPanel_; }
    QWidget* InnerPanel() const { return innerPanel_; }
    QLabel* OuterResult() const { return outerResult_; }
    QLabel* Note() const { return note_; }

    void reject() override;

private:
    void UpdateRanges();
    void Store();
    const TDirectPrinterModel* Model() const { return model_ ? &*model_ : nullptr; }

    QString paperName_;
    QString modelName_;
    std::optional<TDirectPrinterModel> model_;
    int a_ = 0; // native inner size
    int b_ = 0; // native outer size
    TSizeAdjustment remembered_;
    bool updating_ = false;

    QDoubleSpinBox* outer_;
    QDoubleSpinBox* inner_;
    QWidget* outerPanel_;
    QWidget* innerPanel_;
    QLabel* outerResult_;
    QLabel* innerResult_;
    QLabel* note_;
};
