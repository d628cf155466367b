#pragma once
// TfrmTextEdit: the property dialog of text objects ("文字の設定"): the lines, the font,
// the writing direction and alignment, the text, outline and shadow colours, the hard and
// soft shadow, the distortion pattern and the position. It edits a copy shown in a preview
// and writes it back when the user confirms. While the application's advanced mode is on,
// objects that offer wizard input show the group "ウィザード設定".
#include "document/data_fields.h"
#include "objects/ui/distortion_box.h"
#include "objects/ui/shadow_offset_box.h"
#include "objects/ui/text_style_box.h"

#include <QDialog>
#include <QString>
#include <memory>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QRadioButton;
class QSpinBox;
class QTabWidget;
class TColorSpecButton;
class TDataFieldChooser;
class TLOTextBase;
class TObjectPreview;
class TPatternPicker;
class TPositionPage;

// The distortion patterns offered, and:
struct TTextEditOptions : TPatternFiles {
    // The application's advanced mode (the wizard settings show).
    bool Advanced = false;
    // The document's information records offered for binding the text to a field.
    TDataFieldRecords Records;
};

class TfrmTextEdit : public QDialog {
    Q_OBJECT
public:
    TfrmTextEdit(const TLOTextBase& source, const TTextEditOptions& options, QWidget* parent = nullptr);
    ~TfrmTextEdit() override;

    // The dialog's values written into the object (the caller brackets the change).
    void WriteBack(TLOTextBase& target) const;
    const TLOTextBase& Edited() const { return *edited_; }

    QPlainTextEdit* LinesField() const { return lines_; }
    QComboBox* FontNameField() const { return style_->FontName(); }
    QComboBox* FontSizeField() const { return style_->FontSize(); }
    QCheckBox* BoldField() const { return style_->Bold(); }
    QCheckBox* ItalicField() const { return style_->Italic(); }
    QRadioButton* VerticalField() const { return style_->Vertical(); }
    QComboBox* AlignField() const { return style_->Align(); }
    TDataFieldChooser* DataField() const { return dataField_; }
    TColorSpecButton* TextColorField() const { return textColor_; }
    QCheckBox* OutlineField() const { return outline_; }
    TColorSpecButton* OutlineColorField() const { return outlineColor_; }
    QDoubleSpinBox* OutlineWidthField() const { return outlineWidth_; }
    QComboBox* ShadowField() const { return shadow_->Preset(); }
    QSpinBox* ShadowXField() const { return shadow_->X(); }
    QSpinBox* ShadowYField() const { return shadow_->Y(); }
    TColorSpecButton* ShadowColorField() const { return shadowColor_; }
    QCheckBox* SoftShadowField() const { return softShadow_; }
    QCheckBox* DistortedField() const { return distortion_->Distorted(); }
    TPatternPicker* Patterns() const { return distortion_->Patterns(); }
    QLabel* PatternMessage() const { return distortion_->Message(); }
    QSpinBox* DistortionRatioField() const { return distortion_->Ratio(); }
    QGroupBox* WizardGroup() const { return wizardGroup_; }
    QCheckBox* WizardInputField() const { return wizardInput_; }
    QLineEdit* WizardCaptionField() const { return wizardCaption_; }
    TPositionPage* PositionPage() const { return position_; }
    QTabWidget* Pages() const { return pages_; }

private:
    QWidget* TextPage(bool advanced, const TDataFieldRecords& records);
    QWidget* ColorPage();
    QWidget* ShadowPage();
    void ReadFields();
    // The fields into the edited copy, and the copy into the preview.
    void FieldsChanged();

    std::unique_ptr<TLOTextBase> edited_;
    std::unique_ptr<TLOTextBase> preview_;
    bool loading_ = true;
    // The wizard settings are shown and written.
    bool wizard_ = false;
    QTabWidget* pages_ = nullptr;
    QPlainTextEdit* lines_ = nullptr;
    TTextStyleBox* style_ = nullptr;
    TDataFieldChooser* dataField_ = nullptr;
    TColorSpecButton* textColor_ = nullptr;
    QCheckBox* outline_ = nullptr;
    TColorSpecButton* outlineColor_ = nullptr;
    QDoubleSpinBox* outlineWidth_ = nullptr;
    TShadowOffsetBox* shadow_ = nullptr;
    TColorSpecButton* shadowColor_ = nullptr;
    QCheckBox* softShadow_ = nullptr;
    QCheckBox* softBold_ = nullptr;
    TDistortionBox* distortion_ = nullptr;
    QGroupBox* wizardGroup_ = nullptr;
    QCheckBox* wizardInput_ = nullptr;
    QLineEdit* wizardCaption_ = nullptr;
    TPositionPage* position_ = nullptr;
    TObjectPreview* previewView_ = nullptr;
};
