#include "objects/ui/text_edit_dialog.h"

#include "core/notify.h"
#include "core/persistent/string_list.h"
#include "graphics/color/color_fill.h"
#include "objects/ui/color_fill_button.h"
#include "objects/ui/data_field_chooser.h"
#include "objects/ui/dialog_parts.h"
#include "objects/ui/object_preview.h"
#include "objects/ui/position_page.h"
#include "text/object/shade_text.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>

namespace {

// The page last shown, while the program runs.
int lastPage = 0;

std::unique_ptr<TLOTextBase> CopyOf(const TLOTextBase& source)
{
    std::unique_ptr<TLOTextBase> copy(static_cast<TLOTextBase*>(source.ClassInfo().Create()));
    copy->Assign(source);
    return copy;
}

} // namespace

TfrmTextEdit::TfrmTextEdit(const TLOTextBase& source, const TTextEditOptions& options, QWidget* parent)
    : QDialog(parent), edited_(CopyOf(source)), preview_(CopyOf(source))
{
    setWindowTitle(QStringLiteral("文字の設定"));
    pages_ = new QTabWidget(this);
    pages_->addTab(TextPage(options.Advanced && dynamic_cast<const IWizardInput*>(&source), options.Records), QStringLiteral("文字"));
    pages_->addTab(ColorPage(), QStringLiteral("色と縁取り"));
    pages_->addTab(ShadowPage(), QStringLiteral("影"));
    distortion_ = new TDistortionBox(options, this);
    pages_->addTab(distortion_, QStringLiteral("変形"));
    position_ = new TPositionPage(this);
    pages_->addTab(position_, QStringLiteral("位置"));
    pages_->setCurrentIndex(lastPage);
    connect(pages_, &QTabWidget::currentChanged, this, [](int page) { lastPage = page; });
    connect(position_, &TPositionPage::Changed, this, &TfrmTextEdit::FieldsChanged);
    connect(distortion_, &TDistortionBox::Changed, this, &TfrmTextEdit::FieldsChanged);

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
    style_ = new TTextStyleBox(page);
    form->addRow(style_);
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
    connect(style_, &TTextStyleBox::Changed, this, &TfrmTextEdit::FieldsChanged);
    connect(wizardInput_, &QCheckBox::toggled, this, &TfrmTextEdit::FieldsChanged);
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
    shadow_ = new TShadowOffsetBox(page);
    form->addRow(shadow_);
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
    connect(shadow_, &TShadowOffsetBox::Changed, this, &TfrmTextEdit::FieldsChanged);
    connect(shadowColor_, &TColorSpecButton::Changed, this, &TfrmTextEdit::FieldsChanged);
    for (QCheckBox* box : {softShadow_, softBold_})
        connect(box, &QCheckBox::toggled, this, &TfrmTextEdit::FieldsChanged);
    return page;
}

void TfrmTextEdit::ReadFields()
{
    lines_->setPlainText(edited_->Text()->Lines().join(QLatin1Char('\n')));
    style_->Read(*edited_);
    textColor_->SetSpec(*edited_->TextColor());
    outline_->setChecked(edited_->Outline());
    outlineColor_->SetSpec(*edited_->OutlineColor());
    SetUnits(*outlineWidth_, edited_->OutLineWidth());
    shadow_->SetOffset({edited_->ShadowOffsetX(), edited_->ShadowOffsetY()});
    shadowColor_->SetSpec(*edited_->ShadowColor());
    if (const auto* shade = dynamic_cast<const TLOShadeText*>(edited_.get())) {
        softShadow_->setChecked(shade->ShadeShadowEnable());
        softBold_->setChecked(shade->ShadeShadowBold());
    }
    distortion_->Read(*edited_);
    if (const auto* wizard = dynamic_cast<const IWizardInput*>(edited_.get())) {
        wizardInput_->setChecked(wizard->WizInputEnable());
        wizardCaption_->setText(wizard->WizInputCaption());
    }
    dataField_->SetBinding(edited_->FieldNo(), edited_->FieldType());
    position_->SetRect(edited_->BoundsRect());
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
        if (style_->WriteDirection(text))
            position_->SetRect(text.BoundsRect());
        QStringList lines = lines_->toPlainText().split(QLatin1Char('\n'));
        if (lines == QStringList{QString()})
            lines.clear();
        if (text.Text()->Lines() != lines)
            text.Text()->SetLines(lines);
        style_->WriteFont(text);
        text.SetLineColor(textColor_->Spec());
        text.SetOutline(outline_->isChecked());
        text.OutlineColor()->Assign(outlineColor_->Spec());
        text.SetOutLineWidth(UnitsOf(*outlineWidth_));
        text.SetShadowOffsetX(shadow_->Offset().X);
        text.SetShadowOffsetY(shadow_->Offset().Y);
        text.SetShadowColor(shadowColor_->Spec());
        if (auto* shade = dynamic_cast<TLOShadeText*>(&text)) {
            shade->SetShadeShadowEnable(softShadow_->isChecked());
            shade->SetShadeShadowBold(softBold_->isChecked());
        }
        distortion_->Write(text);
        text.SetFieldNo(dataField_->FieldNo());
        text.SetFieldType(dataField_->FieldType());
        if (auto* wizard = dynamic_cast<IWizardInput*>(&text); wizard && wizard_) {
            wizard->SetWizInputEnable(wizardInput_->isChecked());
            wizard->SetWizInputCaption(wizardCaption_->text());
        }
    }
    preview_->Assign(text);
    previewView_->SetObject(preview_.get());
}

void TfrmTextEdit::WriteBack(TLOTextBase& target) const
{
    TUpdateBracket bracket(target.Notifier());
    target.Assign(*edited_);
}
