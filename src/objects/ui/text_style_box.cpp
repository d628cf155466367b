#include "objects/ui/text_style_box.h"

#include "objects/ui/font_fields.h"
#include "text/object/text_object.h"
#include "text/point_based_font.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QRadioButton>
#include <algorithm>

namespace {

const QStringList kAlignments = {QStringLiteral("左揃え"), QStringLiteral("中央揃え"), QStringLiteral("右揃え"),
                                 QStringLiteral("均等割り付け")};

} // namespace

TTextStyleBox::TTextStyleBox(QWidget* parent)
    : QWidget(parent), fontName_(FontNameBox(this, QString())), fontSize_(FontSizeBox(this, 0)),
      bold_(new QCheckBox(QStringLiteral("太字(&B)"), this)), italic_(new QCheckBox(QStringLiteral("斜体(&I)"), this)),
      horizontal_(new QRadioButton(QStringLiteral("横書き(&H)"), this)),
      vertical_(new QRadioButton(QStringLiteral("縦書き(&V)"), this)), align_(new QComboBox(this))
{
    auto* form = new QFormLayout(this);
    form->setContentsMargins(0, 0, 0, 0);
    form->addRow(QStringLiteral("フォント(&F)"), fontName_);
    form->addRow(QStringLiteral("サイズ(&S)"), fontSize_);
    auto* styles = new QHBoxLayout;
    styles->addWidget(bold_);
    styles->addWidget(italic_);
    form->addRow(styles);
    auto* directions = new QHBoxLayout;
    directions->addWidget(horizontal_);
    directions->addWidget(vertical_);
    form->addRow(directions);
    align_->addItems(kAlignments);
    form->addRow(QStringLiteral("配置(&A)"), align_);

    for (QComboBox* box : {fontName_, fontSize_})
        connect(box, &QComboBox::currentTextChanged, this, &TTextStyleBox::Changed);
    for (QCheckBox* box : {bold_, italic_})
        connect(box, &QCheckBox::toggled, this, &TTextStyleBox::Changed);
    connect(vertical_, &QRadioButton::toggled, this, &TTextStyleBox::Changed);
    connect(align_, &QComboBox::currentIndexChanged, this, &TTextStyleBox::Changed);
}

void TTextStyleBox::Read(const TLOTextBase& text)
{
    readSize_ = text.Font().Size();
    fontName_->setCurrentText(text.Font().Name());
    fontSize_->setCurrentText(QString::number(readSize_));
    bold_->setChecked(text.Font().HasStyle(fsBold));
    italic_->setChecked(text.Font().HasStyle(fsItalic));
    (text.Vertical() ? vertical_ : horizontal_)->setChecked(true);
    align_->setCurrentIndex(std::clamp(text.Align(), 0, int(kAlignments.size()) - 1));
}

bool TTextStyleBox::WriteDirection(TLOTextBase& text) const
{
    const bool turned = text.Vertical() != vertical_->isChecked();
    text.SetVertical(vertical_->isChecked());
    return turned;
}

void TTextStyleBox::WriteFont(TLOTextBase& text) const
{
    TPointBasedFont font;
    font.Assign(text.Font());
    ApplyFontFields(font, fontName_, fontSize_, readSize_);
    TFontStyles style = font.Style() & ~(FontStyleBit(fsBold) | FontStyleBit(fsItalic));
    if (bold_->isChecked())
        style |= FontStyleBit(fsBold);
    if (italic_->isChecked())
        style |= FontStyleBit(fsItalic);
    font.SetStyle(style);
    text.SetFont(font);
    text.SetAlign(align_->currentIndex());
}
