#include "objects/ui/effect_page.h"

#include "graphics/image_data/effect_filters.h"
#include "graphics/image_data/image_data.h"
#include "graphics/picture/graphic.h"
#include "graphics/picture/picture_ex.h"
#include "objects/pictures/effect_choices.h"

#include <QButtonGroup>
#include <QColorDialog>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

// A slider from -100 to 100 with ticks every 10, tied to a number field in %.
QHBoxLayout* PercentControl(QWidget* parent, QSlider*& slider, QSpinBox*& value)
{
    slider = new QSlider(Qt::Horizontal, parent);
    slider->setRange(-100, 100);
    slider->setTickInterval(10);
    slider->setTickPosition(QSlider::TicksBelow);
    value = new QSpinBox(parent);
    value->setRange(-100, 100);
    value->setSuffix(QStringLiteral(" %"));
    QObject::connect(slider, &QSlider::valueChanged, value, &QSpinBox::setValue);
    QObject::connect(value, &QSpinBox::valueChanged, slider, &QSlider::setValue);
    auto* row = new QHBoxLayout;
    row->addWidget(slider, 1);
    row->addWidget(value);
    return row;
}

constexpr QSize kPreviewSize(160, 120);

} // namespace

TfrmBackEffectEditor::TfrmBackEffectEditor(QWidget* parent)
    : QWidget(parent), customColor_(kCustomRefColorStart), presets_(new QComboBox), fromList_(new QRadioButton(QStringLiteral("一覧から選択"))),
      detailed_(new QRadioButton(QStringLiteral("詳細指定"))), monotone_(new QButtonGroup(this)),
      colourButton_(new QPushButton(QStringLiteral("色"))), focus_(new QComboBox), preview_(new QLabel)
{
    auto* layout = new QVBoxLayout(this);
    auto* method = new QGroupBox(QStringLiteral("指定方法"));
    auto* methodRow = new QHBoxLayout(method);
    methodRow->addWidget(fromList_);
    methodRow->addWidget(detailed_);
    detailed_->setChecked(true);
    // The preset list belongs to the background collection; without it only the details apply.
    fromList_->setEnabled(false);
    presets_->setEnabled(false);
    methodRow->addWidget(presets_);
    layout->addWidget(method);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("明るさ"), PercentControl(this, brightness_, brightnessValue_));
    form->addRow(QStringLiteral("コントラスト"), PercentControl(this, contrast_, contrastValue_));
    auto* tint = new QHBoxLayout;
    const QStringList tints{QStringLiteral("なし"), QStringLiteral("白黒"), QStringLiteral("セピア"),
                            QStringLiteral("指定色")};
    for (int i = 0; i < tints.size(); ++i) {
        auto* button = new QRadioButton(tints[i]);
        monotone_->addButton(button, i);
        tint->addWidget(button);
    }
    tint->addWidget(colourButton_);
    form->addRow(QStringLiteral("単色効果"), tint);
    focus_->addItems(FocusChoiceNames());
    form->addRow(QStringLiteral("フォーカス"), focus_);
    layout->addLayout(form);
    preview_->setFixedSize(kPreviewSize);
    preview_->setAlignment(Qt::AlignCenter);
    layout->addWidget(preview_, 0, Qt::AlignHCenter);

    connect(fromList_, &QRadioButton::toggled, presets_, &QComboBox::setEnabled);
    connect(presets_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (!data_ || index < 0 || index >= int(presetList_.size()))
            return;
        ApplyEffectPreset(*data_, presetList_[size_t(index)]);
        ShowValues();
    });
    connect(brightness_, &QSlider::valueChanged, this, &TfrmBackEffectEditor::Write);
    connect(contrast_, &QSlider::valueChanged, this, &TfrmBackEffectEditor::Write);
    connect(monotone_, &QButtonGroup::idClicked, this, &TfrmBackEffectEditor::Write);
    connect(focus_, &QComboBox::currentIndexChanged, this, &TfrmBackEffectEditor::Write);
    connect(colourButton_, &QPushButton::clicked, this, [this] {
        const QColor chosen = QColorDialog::getColor(ToQColor(customColor_), this);
        if (!chosen.isValid())
            return;
        SetCustomColor(TColor(chosen.red() | chosen.green() << 8 | chosen.blue() << 16));
        monotone_->button(int(TMonotoneChoice::Custom))->setChecked(true);
        Write();
    });
}

void TfrmBackEffectEditor::SetPresets(std::vector<TEffectPreset> presets)
{
    presetList_ = std::move(presets);
    const QSignalBlocker block(presets_);
    presets_->clear();
    for (const TEffectPreset& preset : presetList_)
        presets_->addItem(preset.Title);
    presets_->setCurrentIndex(-1);
    fromList_->setEnabled(!presetList_.empty());
    presets_->setEnabled(fromList_->isEnabled() && fromList_->isChecked());
}

void TfrmBackEffectEditor::SetImageData(TImageData* data)
{
    data_ = data;
    ShowValues();
}

void TfrmBackEffectEditor::SetCustomColor(TColor color)
{
    customColor_ = color;
}

void TfrmBackEffectEditor::ShowValues()
{
    setEnabled(data_ != nullptr);
    if (!data_)
        return;
    const QSignalBlocker blockBrightness(brightness_), blockContrast(contrast_), blockFocus(focus_),
        blockTint(monotone_), blockBrightnessValue(brightnessValue_), blockContrastValue(contrastValue_);
    brightness_->setValue(data_->LightFilter()->Brightness());
    brightnessValue_->setValue(data_->LightFilter()->Brightness());
    contrast_->setValue(data_->LightFilter()->Contrast());
    contrastValue_->setValue(data_->LightFilter()->Contrast());
    const TColor refColor = data_->MonotoneFilter()->RefColor();
    const TMonotoneChoice choice = MonotoneChoiceOf(refColor);
    if (choice == TMonotoneChoice::Custom)
        customColor_ = refColor;
    monotone_->button(int(choice))->setChecked(true);
    focus_->setCurrentIndex(FocusChoiceOf(data_->BlurFilter()->BlurCount()));
    UpdatePreview();
}

void TfrmBackEffectEditor::Write()
{
    if (!data_)
        return;
    data_->LightFilter()->SetBrightness(brightness_->value());
    data_->LightFilter()->SetContrast(contrast_->value());
    data_->MonotoneFilter()->SetRefColor(RefColorOf(TMonotoneChoice(std::max(0, monotone_->checkedId())), customColor_));
    data_->BlurFilter()->SetBlurCount(FocusBlurCount(focus_->currentIndex()));
    UpdatePreview();
}

void TfrmBackEffectEditor::UpdatePreview()
{
    const TGraphic* graphic = data_ ? data_->ProcessedPicture().Graphic() : nullptr;
    if (!graphic || graphic->Empty()) {
        preview_->clear();
        return;
    }
    preview_->setPixmap(QPixmap::fromImage(
        FlattenOnWhite(graphic->ToImage()).scaled(kPreviewSize, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
}
