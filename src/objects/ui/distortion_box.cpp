#include "objects/ui/distortion_box.h"

#include "core/frame/data_files.h"
#include "core/frame/macro_string.h"
#include "objects/ui/pattern_picker.h"
#include "text/distortion/coons_distortion.h"
#include "text/object/text_object.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

TPatternFiles ShippedPatternFiles()
{
    TPatternFiles files;
    files.PatternFile = ApplicationMacros() ? Expand(QStringLiteral("$(CoonsDistortionData)"))
                                            : LocateDataFile(QStringLiteral("Lumarest.cdd"));
    files.StripFile = LocateDataFile(QStringLiteral("TransformPattern.bmp"));
    return files;
}

TDistortionBox::TDistortionBox(const TPatternFiles& files, QWidget* parent)
    : QWidget(parent), distorted_(new QCheckBox(QStringLiteral("文字を変形する(&D)"), this)),
      patterns_(new TPatternPicker(files.PatternFile, files.StripFile, this)), message_(new QLabel(this)),
      ratio_(new QSpinBox(this)), own_(std::make_unique<TCoonsDistortion>()),
      chosen_(std::make_unique<TCoonsDistortion>())
{
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(distorted_);
    column->addWidget(patterns_, 1);
    message_->setWordWrap(true);
    ShowFileError();
    column->addWidget(message_);
    ratio_->setRange(0, 1000);
    ratio_->setSuffix(QStringLiteral(" %"));
    auto* ratioRow = new QFormLayout;
    ratioRow->addRow(QStringLiteral("変形の強さ(&R)"), ratio_);
    column->addLayout(ratioRow);
    connect(distorted_, &QCheckBox::toggled, this, &TDistortionBox::ChoiceChanged);
    connect(patterns_, &QListWidget::itemSelectionChanged, this, &TDistortionBox::ChoiceChanged);
    connect(ratio_, &QSpinBox::valueChanged, this, &TDistortionBox::Changed);
}

TDistortionBox::~TDistortionBox() = default;

void TDistortionBox::Read(const TLOTextBase& text)
{
    reading_ = true;
    own_->Assign(*text.CoonsDistortion());
    chosen_->Assign(*text.CoonsDistortion());
    distorted_->setChecked(!own_->IsEmpty());
    patterns_->SelectPatternOf(*own_);
    patterns_->setEnabled(distorted_->isChecked());
    ratio_->setValue(text.DistortionRatio());
    reading_ = false;
}

void TDistortionBox::Write(TLOTextBase& text) const
{
    text.CoonsDistortion()->Assign(*chosen_);
    text.SetDistortionRatio(ratio_->value());
}

void TDistortionBox::ChoiceChanged()
{
    if (reading_)
        return;
    patterns_->setEnabled(distorted_->isChecked());
    if (!distorted_->isChecked())
        chosen_->Clear();
    else if (!patterns_->LoadSelected(*chosen_))
        chosen_->Assign(*own_);
    ShowFileError();
    Q_EMIT Changed();
}

void TDistortionBox::ShowFileError()
{
    message_->setText(patterns_->FileError());
    message_->setVisible(!patterns_->FileError().isEmpty());
}
