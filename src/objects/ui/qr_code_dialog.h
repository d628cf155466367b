#pragma once
// TfrmQRCodeProperty ("QRコードの設定"): edits a copy of a standard QR object with a live
// preview: what the code carries (phone-book entry, address or free text), the family of
// phones, the error-correction level and the mask, and the typed fields, each one-line
// field with its input history.
#include "core/frame/history_list.h"
#include "objects/codes/qr_std.h"

#include <QDialog>
#include <memory>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QStackedWidget;
class QToolButton;
class TObjectPreview;
class TPositionPage;

// The history keys of the one-line fields, in the order name, reading, telephone 1 and 2,
// e-mail 1 and 2, address, address title.
QStringList QRHistoryKeys();

class TfrmQRCodeProperty : public QDialog {
    Q_OBJECT
public:
    enum TField { fName, fFurigana, fTel1, fTel2, fEmail1, fEmail2, fUrl, fUrlTitle, kFieldCount };

    TfrmQRCodeProperty(const TLOQRStd& source, bool isNew, QWidget* parent = nullptr);
    ~TfrmQRCodeProperty() override;

    // Assigns the edited copy to the object, then the position.
    void ApplyTo(TLOQRStd& target) const;
    const TLOQRStd& Preview() const { return *copy_; }

    QComboBox* KindBox() const { return kind_; }
    QComboBox* CarrierBox() const { return carrier_; }
    QComboBox* LevelBox() const { return level_; }
    QCheckBox* AutoMaskBox() const { return autoMask_; }
    QComboBox* MaskBox() const { return mask_; }
    QCheckBox* SplitBox() const { return split_; }
    QCheckBox* HankakuBox() const { return hankaku_; }
    QLineEdit* FieldEdit(TField field) const { return fields_[field].Edit; }
    QToolButton* HistoryButton(TField field) const { return fields_[field].History; }
    QPlainTextEdit* TextEdit() const { return text_; }
    QLabel* StatusLabel() const { return status_; }
    // The entries the field's history button offers.
    QStringList HistoryEntries(TField field) const;
    // Puts a history entry into the field, as choosing it from the button's list does.
    void ChooseHistoryEntry(TField field, const QString& entry);

    // Refuses OK while a field holds characters without a Shift-JIS form; otherwise adds
    // the typed values to their histories.
    void accept() override;

private:
    struct TFieldRow {
        QLineEdit* Edit = nullptr;
        QToolButton* History = nullptr;
        std::unique_ptr<THistoryList> List;
    };

    QWidget* CodePage();
    QWidget* FieldRow(TField field, QWidget* parent);
    void FieldEdited(TField field);
    void KindChosen(int kind);
    void CarrierChosen(int carrier);
    void FillLevels();
    void UpdateControls();
    void UpdateHistoryButton(TField field);

    std::unique_ptr<TLOQRStd> copy_;
    TStdQRType rememberedType_;
    TFieldRow fields_[kFieldCount];
    QComboBox* kind_ = nullptr;
    QComboBox* carrier_ = nullptr;
    QComboBox* level_ = nullptr;
    QCheckBox* autoMask_ = nullptr;
    QComboBox* mask_ = nullptr;
    QCheckBox* split_ = nullptr;
    QCheckBox* hankaku_ = nullptr;
    QStackedWidget* pages_ = nullptr;
    QPlainTextEdit* text_ = nullptr;
    QLabel* status_ = nullptr;
    QCheckBox* actualSize_ = nullptr;
    TPositionPage* position_ = nullptr;
    TObjectPreview* previewBox_ = nullptr;
};
