#pragma once
// TfrmJANCodeProperty: the property dialog of a JAN barcode. It edits a copy shown in a
// preview (always unturned) and hands the result to ApplyTo once OK passed validation.
#include "core/persistent/color_type.h"
#include "objects/codes/jan_object.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QTabWidget;
class TObjectPreview;
class TPositionPage;

// What the code field accepts: digits only, 7 or 12 of them (the check digit is added) or
// a complete valid code of 8 or 13.
bool IsAcceptableJANInput(const QString& text);

class TfrmJANCodeProperty : public QDialog {
    Q_OBJECT
public:
    TfrmJANCodeProperty(const TLOJANCode& source, bool isNew, QWidget* parent = nullptr);
    ~TfrmJANCodeProperty() override;

    // Writes the dialog's values into the object.
    void ApplyTo(TLOJANCode& target) const;
    const TLOJANCode& Preview() const { return *preview_; }
    bool PreviewShown() const;

    QLineEdit* CodeEdit() const { return code_; }
    QCheckBox* ShowNumberBox() const { return showNumber_; }
    QCheckBox* ShowFrameBox() const { return showFrame_; }
    QComboBox* FontNameBox() const { return fontName_; }
    QComboBox* FontSizeBox() const { return fontSize_; }
    TPositionPage* PositionPage() const { return position_; }
    QTabWidget* Pages() const { return pages_; }
    void SetTextColor(TColor color);

    // Refuses OK with "JANコードが正しくありません。" for a code the field does not accept.
    void accept() override;

private:
    QWidget* CodePage();
    QWidget* ColorPage();
    void CodeEdited();
    void OptionsEdited();

    std::unique_ptr<TLOJANCode> preview_;
    int sourceFontSize_;
    TColor textColor_;
    QTabWidget* pages_ = nullptr;
    QLineEdit* code_ = nullptr;
    QCheckBox* showNumber_ = nullptr;
    QCheckBox* showFrame_ = nullptr;
    QComboBox* fontName_ = nullptr;
    QComboBox* fontSize_ = nullptr;
    QCheckBox* actualSize_ = nullptr;
    QLabel* colorSwatch_ = nullptr;
    TPositionPage* position_ = nullptr;
    TObjectPreview* previewBox_ = nullptr;
};
