#pragma once
// TfrmBackEffectEditor: the effect page of the picture dialogs. It edits the filters of an
// image data (brightness, contrast, monotone tint, focus) and shows the processed picture.
#include "core/persistent/color_type.h"
#include "objects/backgrounds/effect_presets.h"

#include <QWidget>
#include <vector>

class QButtonGroup;
class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QSlider;
class QSpinBox;
class TImageData;

class TfrmBackEffectEditor : public QWidget {
    Q_OBJECT
public:
    explicit TfrmBackEffectEditor(QWidget* parent = nullptr);

    // The image data edited in place (the dialog's preview copy); nullptr shows nothing.
    void SetImageData(TImageData* data);
    // Shows the filters of the image data.
    void ShowValues();
    // The colour a custom tint uses (the "色" button's choice).
    TColor CustomColor() const { return customColor_; }
    void SetCustomColor(TColor color);
    // Offers the presets under "一覧から選択"; choosing one sets the three filters at once.
    void SetPresets(std::vector<TEffectPreset> presets);
    QComboBox* PresetBox() const { return presets_; }

private:
    void Write();
    void UpdatePreview();

    TImageData* data_ = nullptr;
    TColor customColor_;
    std::vector<TEffectPreset> presetList_;
    QComboBox* presets_;
    QRadioButton* fromList_;
    QRadioButton* detailed_;
    QSlider* brightness_;
    QSpinBox* brightnessValue_;
    QSlider* contrast_;
    QSpinBox* contrastValue_;
    QButtonGroup* monotone_;
    QPushButton* colourButton_;
    QComboBox* focus_;
    QLabel* preview_;
};
