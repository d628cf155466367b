#include "objects/ui/rect_property_dialog.h"

#include "graphics/color/color_fill.h"
#include "objects/shapes/rect_shape.h"
#include "objects/ui/color_fill_button.h"
#include "objects/ui/dialog_parts.h"
#include "objects/ui/object_preview.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

// The page last shown, for rectangles and for ellipses, while the program runs.
int lastPage[2] = {0, 0};

std::unique_ptr<TLORect> CopyOf(const TLORect& source)
{
    std::unique_ptr<TLORect> copy(static_cast<TLORect*>(source.ClassInfo().Create()));
    copy->Assign(source);
    return copy;
}

} // namespace

TfrmRectProperty::TfrmRectProperty(const TLORect& source, QWidget* parent)
    : QDialog(parent), edited_(CopyOf(source)), preview_(CopyOf(source)),
      circle_(dynamic_cast<const TLOCircle*>(&source) != nullptr), flags_(std::make_unique<TObjectFlagFields>())
{
    setWindowTitle(circle_ ? QStringLiteral("円図形の設定") : QStringLiteral("四角図形の設定"));
    pages_ = new QTabWidget(this);
    pages_->addTab(FramePage(), QStringLiteral("枠線"));
    pages_->addTab(FillPage(), QStringLiteral("塗りつぶし"));
    pages_->addTab(PositionPage(), QStringLiteral("位置"));
    pages_->setCurrentIndex(lastPage[circle_]);
    connect(pages_, &QTabWidget::currentChanged, this, [this](int page) { lastPage[circle_] = page; });

    previewView_ = new TObjectPreview(this);
    LayOutPropertyDialog(*this, pages_, previewView_);

    // Fields from the copy.
    SetUnits(*frameWidth_, edited_->FrameWidth());
    round_->setChecked(edited_->RoundRect());
    frameColor_->SetSpec(edited_->LineColor());
    fillColor_->SetSpec(edited_->FillColor());
    (edited_->FillInside() ? filled_ : transparent_)->setChecked(true);
    fillColor_->setEnabled(edited_->FillInside());
    SetUnits(*left_, edited_->Left());
    SetUnits(*top_, edited_->Top());
    SetUnits(*width_, edited_->Width());
    SetUnits(*height_, edited_->Height());
    flags_->Read(*edited_);
    loading_ = false;
    FieldsChanged();
}

TfrmRectProperty::~TfrmRectProperty() = default;

QWidget* TfrmRectProperty::FramePage()
{
    auto* page = new QWidget(this);
    auto* form = new QFormLayout(page);
    frameWidth_ = MillimetreSpin(page, 0, 200, 10);
    form->addRow(QStringLiteral("枠線の太さ(&F)"), frameWidth_);
    round_ = new QCheckBox(QStringLiteral("角を丸くする(&R)"), page);
    round_->setVisible(!circle_);
    form->addRow(round_);
    frameColor_ = new TColorSpecButton(QStringLiteral("枠線の色"), page);
    form->addRow(frameColor_);
    connect(frameWidth_, &QDoubleSpinBox::valueChanged, this, &TfrmRectProperty::FieldsChanged);
    connect(round_, &QCheckBox::toggled, this, &TfrmRectProperty::FieldsChanged);
    connect(frameColor_, &TColorSpecButton::Changed, this, &TfrmRectProperty::FieldsChanged);
    return page;
}

QWidget* TfrmRectProperty::FillPage()
{
    auto* page = new QWidget(this);
    auto* column = new QVBoxLayout(page);
    transparent_ = new QRadioButton(QStringLiteral("透明にする(&T)"), page);
    filled_ = new QRadioButton(QStringLiteral("色で塗りつぶす(&F)"), page);
    fillColor_ = new TColorSpecButton(QStringLiteral("塗りつぶしの色"), page);
    column->addWidget(transparent_);
    column->addWidget(filled_);
    column->addWidget(fillColor_);
    column->addStretch();
    connect(filled_, &QRadioButton::toggled, this, [this](bool on) {
        fillColor_->setEnabled(on);
        FieldsChanged();
    });
    connect(fillColor_, &TColorSpecButton::Changed, this, &TfrmRectProperty::FieldsChanged);
    return page;
}

QWidget* TfrmRectProperty::PositionPage()
{
    auto* page = new QWidget(this);
    auto* form = new QFormLayout(page);
    const auto fields = AddMillimetreRows(*form, page,
                                          {{QStringLiteral("左(&X)"), -100000, 100000},
                                           {QStringLiteral("上(&Y)"), -100000, 100000},
                                           {QStringLiteral("幅(&W)"), 0, 100000},
                                           {QStringLiteral("高さ(&H)"), 0, 100000}});
    left_ = fields[0];
    top_ = fields[1];
    width_ = fields[2];
    height_ = fields[3];
    flags_->Create(page, *form, true);
    for (QDoubleSpinBox* spin : {left_, top_, width_, height_})
        connect(spin, &QDoubleSpinBox::valueChanged, this, &TfrmRectProperty::FieldsChanged);
    return page;
}

void TfrmRectProperty::FieldsChanged()
{
    if (loading_)
        return;
    WriteBack(*edited_);
    // The preview shows the copy unturned and opaque, placed so that its band is visible.
    preview_->Assign(*edited_);
    preview_->SetAngle(0);
    preview_->SetBlendRatio(100);
    const int width = preview_->FrameWidth();
    preview_->SetBoundsRect({width / 2, width / 2, width / 2 + preview_->Width(), width / 2 + preview_->Height()});
    previewView_->SetObject(preview_.get());
}

void TfrmRectProperty::WriteBack(TLORect& target) const
{
    TUpdateBracket bracket(target.Notifier());
    target.SetFrameWidth(UnitsOf(*frameWidth_));
    if (!circle_)
        target.SetRoundRect(round_->isChecked());
    target.SetLineColor(frameColor_->Spec());
    target.SetFillInside(filled_->isChecked());
    target.SetFillColor(fillColor_->Spec());
    const int left = UnitsOf(*left_);
    const int top = UnitsOf(*top_);
    target.SetBoundsRect({left, top, left + UnitsOf(*width_), top + UnitsOf(*height_)});
    flags_->Write(target);
}
