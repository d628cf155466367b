#include "objects/ui/gradation_fields.h"

#include "graphics/color/color_fill.h"
#include "graphics/color/gradation_colors.h"
#include "objects/ui/color_fill_button.h"

#include <QComboBox>
#include <QFormLayout>
#include <QSignalBlocker>
#include <QSpinBox>

TGradationFields::TGradationFields(QWidget* parent)
    : QWidget(parent), kind_(new QComboBox), angle_(new QSpinBox), start_(new TColorSpecButton(QStringLiteral("開始色"))),
      end_(new TColorSpecButton(QStringLiteral("終了色")))
{
    for (const char* name : {"直線", "四角・外側から", "四角・中心から", "円・外側から", "円・中心から", "扇・右回り", "扇・左回り"})
        kind_->addItem(QString::fromUtf8(name));
    angle_->setRange(0, 360);
    angle_->setSuffix(QStringLiteral("°"));
    auto* form = new QFormLayout(this);
    form->setContentsMargins(0, 0, 0, 0);
    form->addRow(QStringLiteral("種類"), kind_);
    form->addRow(QStringLiteral("角度"), angle_);
    form->addRow(start_);
    form->addRow(end_);
    TColorSpec defaults;
    Read(defaults);
    connect(kind_, &QComboBox::currentIndexChanged, this, &TGradationFields::Changed);
    connect(angle_, &QSpinBox::valueChanged, this, &TGradationFields::Changed);
    connect(start_, &TColorSpecButton::Changed, this, &TGradationFields::Changed);
    connect(end_, &TColorSpecButton::Changed, this, &TGradationFields::Changed);
}

void TGradationFields::Read(const TColorSpec& spec)
{
    const QSignalBlocker blockKind(kind_), blockAngle(angle_), blockStart(start_), blockEnd(end_);
    kind_->setCurrentIndex(int(spec.GradKind()));
    angle_->setValue(spec.GradAngle());
    const std::vector<TColor>& colors = spec.GradColors()->Colors();
    start_->SetSolidColor(colors.empty() ? clWhite : colors.front());
    end_->SetSolidColor(colors.empty() ? clBlack : colors.back());
}

void TGradationFields::Write(TColorSpec& spec) const
{
    TUpdateBracket bracket(spec.Notify());
    spec.SetGradKind(rgGradationKind(std::max(0, kind_->currentIndex())));
    spec.SetGradAngle(angle_->value());
    // Colours between the first and the last (from a stored gradient) stay as they are.
    std::vector<TColor> colors = spec.GradColors()->Colors();
    if (colors.size() < 2)
        colors.resize(2);
    colors.front() = start_->Spec().Color();
    colors.back() = end_->Spec().Color();
    spec.GradColors()->SetColors(colors);
    spec.SetKind(cskGradation);
}
