#include "objects/ui/shadow_offset_box.h"

#include <QComboBox>
#include <QFormLayout>
#include <QSpinBox>

namespace {

// The presets in their index order, then the offsets no preset has.
const QStringList kShadows = {QStringLiteral("なし"), QStringLiteral("左上"), QStringLiteral("上"),
                              QStringLiteral("右上"), QStringLiteral("左"),   QStringLiteral("右"),
                              QStringLiteral("左下"), QStringLiteral("下"),   QStringLiteral("右下"),
                              QStringLiteral("その他")};

QSpinBox* PercentSpin(QWidget* parent)
{
    auto* spin = new QSpinBox(parent);
    spin->setRange(-100, 100);
    spin->setSuffix(QStringLiteral(" %"));
    return spin;
}

} // namespace

TShadowOffsetBox::TShadowOffsetBox(QWidget* parent)
    : QWidget(parent), preset_(new QComboBox(this)), x_(PercentSpin(this)), y_(PercentSpin(this))
{
    auto* form = new QFormLayout(this);
    form->setContentsMargins(0, 0, 0, 0);
    preset_->addItems(kShadows);
    form->addRow(QStringLiteral("影の位置(&P)"), preset_);
    form->addRow(QStringLiteral("横のずれ(&X)"), x_);
    form->addRow(QStringLiteral("縦のずれ(&Y)"), y_);
    connect(preset_, &QComboBox::activated, this, &TShadowOffsetBox::PresetChosen);
    for (QSpinBox* spin : {x_, y_})
        connect(spin, &QSpinBox::valueChanged, this, [this] {
            ShowMatchingPreset();
            Q_EMIT Changed();
        });
}

void TShadowOffsetBox::SetOffset(TShadowOffset offset)
{
    const QSignalBlocker blockX(x_);
    const QSignalBlocker blockY(y_);
    x_->setValue(offset.X);
    y_->setValue(offset.Y);
    ShowMatchingPreset();
}

TShadowOffset TShadowOffsetBox::Offset() const
{
    return {x_->value(), y_->value()};
}

void TShadowOffsetBox::PresetChosen(int preset)
{
    if (preset < 0 || preset >= kShadowPresetCount)
        return;
    SetOffset(ShadowPreset(preset));
    Q_EMIT Changed();
}

void TShadowOffsetBox::ShowMatchingPreset()
{
    int match = kCustomShadow;
    for (int preset = 0; preset < kShadowPresetCount; ++preset)
        if (ShadowPreset(preset) == Offset())
            match = preset;
    preset_->setCurrentIndex(match);
}
