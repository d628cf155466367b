#include "objects/ui/text_edit_dialog.h"

#include "core/notify.h"
#include "core/persistent/string_list.h"
#include "graphics/color/color_fill.h"
#include "objects/ui/color_fill_button.h"
#include "objects/ui/data_field_chooser.h"
#include "objects/ui/dialog_parts.h"
#include "objects/ui/font_fields.h"
#include "objects/ui/object_preview.h"
#include "objects/ui/pattern_picker.h"
#include "objects/ui/position_page.h"
#include "text/distortion/coons_distortion.h"
#include "text/object/shade_text.h"
#include "text/point_based_font.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace {

// The page last shown, while the program runs.
int lastPage = 0;

const QStringList kAlignments = {QStringLiteral("左揃え"), QStringLiteral("中央揃え"), QStringLiteral("右揃え"),
                                 QStringLiteral("均等割り付け")};
// The shadow presets in their index order, then the offsets no preset has.
const QStringList kShadows = {QStringLiteral("なし"), QStringLiteral("左上"), QStringLiteral("上"),
                              QStringLiteral("右上"), QStringLiteral("左"),   QStringLiteral("右"),
                              QStringLiteral("左下"), QStringLiteral("下"),   QStringLiteral("右下"),
                              QStringLiteral("その他")};

std::unique_ptr<TLOTextBase> CopyOf(const TLOTextBase& source)
{
    std::unique_ptr<TLOTextBase> copy(static_cast<TLOTextBase*>(source.ClassInfo().Create()));
    copy->Assign(source);
    return copy;
}

QSpinBox* PercentSpin(QWidget* parent, int min, int max)
{
    auto* spin = new QSpinBox(parent);
    spin->setRange(min, max);
    spin->setSuffix(QStringLiteral(" %"));
    return spin;
}

} // namespace

TfrmTextEdit::TfrmTextEdit(const TLOTextBase& source, const TTextEditOptions& options, QWidget* parent)
    : QDialog(parent), edited_(CopyOf(source)), preview_(CopyOf(source)),
      ownDistortion_(std::make_unique<TCoonsDistortion>()), sourceFontSize_(source.Font().Size())
{
    setWindowTitle(QStringLiteral("文字の設定"));
    ownDistortion_->Assign(*source.CoonsDistortion());
    pages_ = new QTabWidget(this);
    pages_->addTab(TextPage(options.Advanced && dynamic_cast<const IWizardInput*>(&source), options.Records), QStringLiteral("文字"));
    pages_->addTab(ColorPage(), QStringLiteral("色と縁取り"));
    pages_->addTab(ShadowPage(), QStringLiteral("影"));
    pages_->addTab(DistortionPage(options), QStringLiteral("変形"));
    position_ = new TPositionPage(this);
    pages_->addTab(position_, QStringLiteral("位置"));
    pages_->setCurrentIndex(lastPage);
    connect(pages_, &QTabWidget::currentChanged, this, [](int page) { lastPage = page; });
    connect(position_, &TPositionPage::Changed, this, &TfrmTextEdit::FieldsChanged);

    previewView_ = new TObjectPreview(this);
    LayOutPropertyDialog(*this, pages_, previewView_);
    ReadFields();
    loading_ = false;
    FieldsChanged();
}

TfrmTextEdit::~TfrmTextEdit() = default;

QWidget* TfrmTextEdit::TextPage(bool advanced, const TDataFieldRecords& records)
{
    auto* page = new QWidget(this);
    auto* form = new QFormLayout(page);
    lines_ = new QPlainTextEdit(page);
    lines_->setTabChangesFocus(true);
    form->addRow(QStringLiteral("文字(&T)"), lines_);
    fontName_ = FontNameBox(page, edited_->Font().Name());
    form->addRow(QStringLiteral("フォント(&F)"), fontName_);
    fontSize_ = FontSizeBox(page, edited_->Font().Size());
    form->addRow(QStringLiteral("サイズ(&S)"), fontSize_);
    bold_ = new QCheckBox(QStringLiteral("太字(&B)"), page);
    italic_ = new QCheckBox(QStringLiteral("斜体(&I)"), page);
    auto* styles = new QHBoxLayout;
    styles->addWidget(bold_);
    styles->addWidget(italic_);
    form->addRow(styles);
    horizontal_ = new QRadioButton(QStringLiteral("横書き(&H)"), page);
    vertical_ = new QRadioButton(QStringLiteral("縦書き(&V)"), page);
    auto* directions = new QHBoxLayout;
    directions->addWidget(horizontal_);
    directions->addWidget(vertical_);
    form->addRow(directions);
    align_ = new QComboBox(page);
    align_->addItems(kAlignments);
    form->addRow(QStringLiteral("配置(&A)"), align_);
    dataField_ = new TDataFieldChooser(records, page);
    form->addRow(dataField_);

    wizardGroup_ = new QGroupBox(QStringLiteral("ウィザード設定"), page);
    auto* wizard = new QFormLayout(wizardGroup_);
    wizardInput_ = new QCheckBox(QStringLiteral("ユーザー入力項目"), wizardGroup_);
    wizard->addRow(wizardInput_);
    wizardCaption_ = new QLineEdit(wizardGroup_);
    wizard->addRow(QStringLiteral("項目名(&N)"), wizardCaption_);
    wizardGroup_->setVisible(advanced);
    wizard_ = advanced;
    form->addRow(wizardGroup_);

    connect(lines_, &QPlainTextEdit::textChanged, this, &TfrmTextEdit::FieldsChanged);
    for (QComboBox* box : {fontName_, fontSize_})
        connect(box, &QComboBox::currentTextChanged, this, &TfrmTextEdit::FieldsChanged);
    for (QAbstractButton* button : std::initializer_list<QAbstractButton*>{bold_, italic_, vertical_, wizardInput_})
        connect(button, &QAbstractButton::toggled, this, &TfrmTextEdit::FieldsChanged);
    connect(align_, &QComboBox::currentIndexChanged, this, &TfrmTextEdit::FieldsChanged);
    connect(wizardCaption_, &QLineEdit::textChanged, this, &TfrmTextEdit::FieldsChanged);
    connect(dataField_, &TDataFieldChooser::Changed, this, &TfrmTextEdit::FieldsChanged);
    return page;
}

QWidget* TfrmTextEdit::ColorPage()
{
    auto* page = new QWidget(this);
    auto* form = new QFormLayout(page);
    textColor_ = new TColorSpecButton(QStringLiteral("文字の色(&C)"), page);
    form->addRow(textColor_);
    outline_ = new QCheckBox(QStringLiteral("縁取りする(&O)"), page);
    form->addRow(outline_);
    outlineColor_ = new TColorSpecButton(QStringLiteral("縁取りの色(&L)"), page);
    form->addRow(outlineColor_);
    // The stored width is half the visible band on each side of the glyph edge.
    outlineWidth_ = MillimetreSpin(page, 0, 100, 1);
    form->addRow(QStringLiteral("縁取りの太さ(&W)"), outlineWidth_);
    connect(outline_, &QCheckBox::toggled, this, &TfrmTextEdit::FieldsChanged);
    for (TColorSpecButton* button : {textColor_, outlineColor_})
        connect(button, &TColorSpecButton::Changed, this, &TfrmTextEdit::FieldsChanged);
    connect(outlineWidth_, &QDoubleSpinBox::valueChanged, this, &TfrmTextEdit::FieldsChanged);
    return page;
}

QWidget* TfrmTextEdit::ShadowPage()
{
    auto* page = new QWidget(this);
    auto* form = new QFormLayout(page);
    shadow_ = new QComboBox(page);
    shadow_->addItems(kShadows);
    form->addRow(QStringLiteral("影の位置(&P)"), shadow_);
    shadowX_ = PercentSpin(page, -100, 100);
    form->addRow(QStringLiteral("横のずれ(&X)"), shadowX_);
    shadowY_ = PercentSpin(page, -100, 100);
    form->addRow(QStringLiteral("縦のずれ(&Y)"), shadowY_);
    shadowColor_ = new TColorSpecButton(QStringLiteral("影の色(&C)"), page);
    form->addRow(shadowColor_);
    softShadow_ = new QCheckBox(QStringLiteral("影をぼかす(&S)"), page);
    softBold_ = new QCheckBox(QStringLiteral("ぼかした影を太くする(&B)"), page);
    form->addRow(softShadow_);
    form->addRow(softBold_);
    // Only the text with the soft shadow can blur it.
    const bool soft = dynamic_cast<const TLOShadeText*>(edited_.get()) != nullptr;
    softShadow_->setVisible(soft);
    softBold_->setVisible(soft);
    connect(shadow_, &QComboBox::activated, this, &TfrmTextEdit::ShadowPresetChosen);
    for (QSpinBox* spin : {shadowX_, shadowY_})
        connect(spin, &QSpinBox::valueChanged, this, &TfrmTextEdit::FieldsChanged);
    connect(shadowColor_, &TColorSpecButton::Changed, this, &TfrmTextEdit::FieldsChanged);
    for (QCheckBox* box : {softShadow_, softBold_})
        connect(box, &QCheckBox::toggled, this, &TfrmTextEdit::FieldsChanged);
    return page;
}

QWidget* TfrmTextEdit::DistortionPage(const TTextEditOptions& options)
{
    auto* page = new QWidget(this);
    auto* column = new QVBoxLayout(page);
    distorted_ = new QCheckBox(QStringLiteral("文字を変形する(&D)"), page);
    column->addWidget(distorted_);
    patterns_ = new TPatternPicker(options.PatternFile, options.StripFile, page);
    column->addWidget(patterns_, 1);
    patternMessage_ = new QLabel(patterns_->FileError(), page);
    patternMessage_->setWordWrap(true);
    patternMessage_->setVisible(!patterns_->FileError().isEmpty());
    column->addWidget(patternMessage_);
    ratio_ = PercentSpin(page, 0, 1000);
    auto* ratioRow = new QFormLayout;
    ratioRow->addRow(QStringLiteral("変形の強さ(&R)"), ratio_);
    column->addLayout(ratioRow);
    connect(distorted_, &QCheckBox::toggled, this, &TfrmTextEdit::DistortionChanged);
    connect(patterns_, &QListWidget::itemSelectionChanged, this, &TfrmTextEdit::DistortionChanged);
    connect(ratio_, &QSpinBox::valueChanged, this, &TfrmTextEdit::FieldsChanged);
    return page;
}

void TfrmTextEdit::ReadFields()
{
    lines_->setPlainText(edited_->Text()->Lines().join(QLatin1Char('\n')));
    bold_->setChecked(edited_->Font().HasStyle(fsBold));
    italic_->setChecked(edited_->Font().HasStyle(fsItalic));
    (edited_->Vertical() ? vertical_ : horizontal_)->setChecked(true);
    align_->setCurrentIndex(std::clamp(edited_->Align(), 0, int(kAlignments.size()) - 1));
    textColor_->SetSpec(*edited_->TextColor());
    outline_->setChecked(edited_->Outline());
    outlineColor_->SetSpec(*edited_->OutlineColor());
    SetUnits(*outlineWidth_, edited_->OutLineWidth());
    shadowX_->setValue(edited_->ShadowOffsetX());
    shadowY_->setValue(edited_->ShadowOffsetY());
    shadow_->setCurrentIndex(edited_->Shadow());
    shadowColor_->SetSpec(*edited_->ShadowColor());
    if (const auto* shade = dynamic_cast<const TLOShadeText*>(edited_.get())) {
        softShadow_->setChecked(shade->ShadeShadowEnable());
        softBold_->setChecked(shade->ShadeShadowBold());
    }
    distorted_->setChecked(!edited_->CoonsDistortion()->IsEmpty());
    patterns_->SelectPatternOf(*edited_->CoonsDistortion());
    patterns_->setEnabled(distorted_->isChecked());
    ratio_->setValue(edited_->DistortionRatio());
    if (const auto* wizard = dynamic_cast<const IWizardInput*>(edited_.get())) {
        wizardInput_->setChecked(wizard->WizInputEnable());
        wizardCaption_->setText(wizard->WizInputCaption());
    }
    dataField_->SetBinding(edited_->FieldNo(), edited_->FieldType());
    position_->SetRect(edited_->BoundsRect());
}

void TfrmTextEdit::ShadowPresetChosen(int preset)
{
    if (preset < 0 || preset >= kShadowPresetCount)
        return;
    const TShadowOffset offset = ShadowPreset(preset);
    const QSignalBlocker blockX(shadowX_);
    const QSignalBlocker blockY(shadowY_);
    shadowX_->setValue(offset.X);
    shadowY_->setValue(offset.Y);
    FieldsChanged();
}

void TfrmTextEdit::DistortionChanged()
{
    if (loading_)
        return;
    patterns_->setEnabled(distorted_->isChecked());
    TCoonsDistortion& distortion = *edited_->CoonsDistortion();
    if (!distorted_->isChecked())
        distortion.Clear();
    else if (!patterns_->LoadSelected(distortion))
        distortion.Assign(*ownDistortion_);
    patternMessage_->setText(patterns_->FileError());
    patternMessage_->setVisible(!patterns_->FileError().isEmpty());
    FieldsChanged();
}

void TfrmTextEdit::FieldsChanged()
{
    if (loading_)
        return;
    TLOTextBase& text = *edited_;
    {
        TUpdateBracket bracket(text.Notifier());
        if (position_->HasSize())
            text.SetBoundsRect(position_->Rect());
        // Turning the writing direction transposes the rectangle; the position follows.
        const bool turned = text.Vertical() != vertical_->isChecked();
        text.SetVertical(vertical_->isChecked());
        if (turned)
            position_->SetRect(text.BoundsRect());
        QStringList lines = lines_->toPlainText().split(QLatin1Char('\n'));
        if (lines == QStringList{QString()})
            lines.clear();
        if (text.Text()->Lines() != lines)
            text.Text()->SetLines(lines);
        TPointBasedFont font;
        font.Assign(text.Font());
        ApplyFontFields(font, fontName_, fontSize_, sourceFontSize_);
        TFontStyles style = font.Style() & ~(FontStyleBit(fsBold) | FontStyleBit(fsItalic));
        if (bold_->isChecked())
            style |= FontStyleBit(fsBold);
        if (italic_->isChecked())
            style |= FontStyleBit(fsItalic);
        font.SetStyle(style);
        text.SetFont(font);
        text.SetAlign(align_->currentIndex());
        text.SetLineColor(textColor_->Spec());
        text.SetOutline(outline_->isChecked());
        text.OutlineColor()->Assign(outlineColor_->Spec());
        text.SetOutLineWidth(UnitsOf(*outlineWidth_));
        text.SetShadowOffsetX(shadowX_->value());
        text.SetShadowOffsetY(shadowY_->value());
        text.SetShadowColor(shadowColor_->Spec());
        if (auto* shade = dynamic_cast<TLOShadeText*>(&text)) {
            shade->SetShadeShadowEnable(softShadow_->isChecked());
            shade->SetShadeShadowBold(softBold_->isChecked());
        }
        text.SetDistortionRatio(ratio_->value());
        text.SetFieldNo(dataField_->FieldNo());
        text.SetFieldType(dataField_->FieldType());
        if (auto* wizard = dynamic_cast<IWizardInput*>(&text); wizard && wizard_) {
            wizard->SetWizInputEnable(wizardInput_->isChecked());
            wizard->SetWizInputCaption(wizardCaption_->text());
        }
    }
    shadow_->setCurrentIndex(text.Shadow());
    preview_->Assign(text);
    previewView_->SetObject(preview_.get());
}

void TfrmTextEdit::WriteBack(TLOTextBase& target) const
{
    TUpdateBracket bracket(target.Notifier());
    target.Assign(*edited_);
}
