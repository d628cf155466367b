#pragma once
// TfrmTextEdit: the property dialog of text objects ("文字の設定"): the lines, the font,
// the writing direction and alignment, the text, outline and shadow colours, the hard and
// soft shadow, the distortion pattern and the position. It edits a copy shown in a preview
// and writes it back when the user confirms. While the application's advanced mode is on,
// objects that offer wizard input show the group "ウィザード設定".
#include "document/data_fields.h"

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
class TCoonsDistortion;
class TLOTextBase;
class TObjectPreview;
class TPatternPicker;
class TPositionPage;

struct TTextEditOptions {
    // The distortion pattern file and its thumbnail strip.
    QString PatternFile;
    QString StripFile;
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
    QComboBox* FontNameField() const { return fontName_; }
    QComboBox* FontSizeField() const { return fontSize_; }
    QCheckBox* BoldField() const { return bold_; }
    QCheckBox* ItalicField() const { return italic_; }
    QRadioButton* VerticalField() const { return vertical_; }
    QComboBox* AlignField() const { return align_; }
    TDataFieldChooser* DataField() const { return dataField_; }
    TColorSpecButton* TextColorField() const { return textColor_; }
    QCheckBox* OutlineField() const { return outline_; }
    TColorSpecButton* OutlineColorField() const { return outlineColor_; }
    QDoubleSpinBox* OutlineWidthField() const { return outlineWidth_; }
    QComboBox* ShadowField() const { return shadow_; }
    QSpinBox* ShadowXField() const { return shadowX_; }
    QSpinBox* ShadowYField() const { return shadowY_; }
    TColorSpecButton* ShadowColorField() const { return shadowColor_; }
    QCheckBox* SoftShadowField() const { return softShadow_; }
    QCheckBox* DistortedField() const { return distorted_; }
    TPatternPicker* Patterns() const { return patterns_; }
    QLabel* PatternMessage() const { return patternMessage_; }
    QSpinBox* DistortionRatioField() const { return ratio_; }
    QGroupBox* WizardGroup() const { return wizardGroup_; }
    QCheckBox* WizardInputField() const { return wizardInput_; }
    QLineEdit* WizardCaptionField() const { return wizardCaption_; }
    TPositionPage* PositionPage() const { return position_; }
    QTabWidget* Pages() const { return pages_; }

private:
    QWidget* TextPage(bool advanced, const TDataFieldRecords& records);
    QWidget* ColorPage();
    QWidget* ShadowPage();
    QWidget* DistortionPage(const TTextEditOptions& options);
    void ReadFields();
    // The fields into the edited copy, and the copy into the preview.
    void FieldsChanged();
    // The distortion as the check box and the pattern list choose it.
    void DistortionChanged();
    void ShadowPresetChosen(int preset);

    std::unique_ptr<TLOTextBase> edited_;
    std::unique_ptr<TLOTextBase> preview_;
    // The object's own distortion, kept while no pattern is chosen.
    std::unique_ptr<TCoonsDistortion> ownDistortion_;
    int sourceFontSize_ = 0;
    bool loading_ = true;
    // The wizard settings are shown and written.
    bool wizard_ = false;
    QTabWidget* pages_ = nullptr;
    QPlainTextEdit* lines_ = nullptr;
    QComboBox* fontName_ = nullptr;
    QComboBox* fontSize_ = nullptr;
    QCheckBox* bold_ = nullptr;
    QCheckBox* italic_ = nullptr;
    QRadioButton* horizontal_ = nullptr;
    QRadioButton* vertical_ = nullptr;
    QComboBox* align_ = nullptr;
    TDataFieldChooser* dataField_ = nullptr;
    TColorSpecButton* textColor_ = nullptr;
    QCheckBox* outline_ = nullptr;
    TColorSpecButton* outlineColor_ = nullptr;
    QDoubleSpinBox* outlineWidth_ = nullptr;
    QComboBox* shadow_ = nullptr;
    QSpinBox* shadowX_ = nullptr;
    QSpinBox* shadowY_ = nullptr;
    TColorSpecButton* shadowColor_ = nullptr;
    QCheckBox* softShadow_ = nullptr;
    QCheckBox* softBold_ = nullptr;
    QCheckBox* distorted_ = nullptr;
    TPatternPicker* patterns_ = nullptr;
    QLabel* patternMessage_ = nullptr;
    QSpinBox* ratio_ = nullptr;
    QGroupBox* wizardGroup_ = nullptr;
    QCheckBox* wizardInput_ = nullptr;
    QLineEdit* wizardCaption_ = nullptr;
    TPositionPage* position_ = nullptr;
    TObjectPreview* previewView_ = nullptr;
};
