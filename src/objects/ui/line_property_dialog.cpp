#include "objects/ui/line_property_dialog.h"

#include "objects/shapes/curve_shape.h"
#include "objects/ui/color_fill_button.h"
#include "objects/ui/dialog_parts.h"
#include "objects/ui/object_preview.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace {

// The page last shown, for lines and for arcs, while the program runs.
int lastPage[2] = {0, 0};

} // namespace

TfrmLineProperty::TfrmLineProperty(const TLOLine& source, QWidget* parent)
    : QDialog(parent), edited_(static_cast<TLOLine*>(source.ClassInfo().Create())),
      arc_(dynamic_cast<const TLOCurve*>(&source) != nullptr), flags_(std::make_unique<TObjectFlagFields>())
{
    edited_->Assign(source);
    setWindowTitle(arc_ ? QStringLiteral("円弧の設定") : QStringLiteral("直線の設定"));
    pages_ = new QTabWidget(this);
    pages_->addTab(ColorPage(), QStringLiteral("色"));
    pages_->addTab(PositionPage(), QStringLiteral("位置"));
    pages_->setCurrentIndex(lastPage[arc_]);
    connect(pages_, &QTabWidget::currentChanged, this, [this](int page) { lastPage[arc_] = page; });

    previewView_ = new TObjectPreview(this);
    LayOutPropertyDialog(*this, pages_, previewView_);

    // A stored width below the field's least is raised to it.
    SetUnits(*lineWidth_, std::max(edited_->LineWidth(), 1));
    lineColor_->SetSpec(edited_->LineColor());
    SetUnits(*startX_, edited_->StartX());
    SetUnits(*startY_, edited_->StartY());
    SetUnits(*endX_, edited_->EndX());
    SetUnits(*endY_, edited_->EndY());
    flags_->Read(*edited_);
    loading_ = false;
    FieldsChanged();
}

TfrmLineProperty::~TfrmLineProperty() = default;

QWidget* TfrmLineProperty::ColorPage()
{
    auto* page = new QWidget(this);
    auto* form = new QFormLayout(page);
    lineWidth_ = MillimetreSpin(page, 1, 200, 10);
    form->addRow(QStringLiteral("線の太さ(&F)"), lineWidth_);
    lineColor_ = new TColorSpecButton(QStringLiteral("線の色"), page);
    form->addRow(lineColor_);
    connect(lineWidth_, &QDoubleSpinBox::valueChanged, this, &TfrmLineProperty::FieldsChanged);
    connect(lineColor_, &TColorSpecButton::Changed, this, &TfrmLineProperty::FieldsChanged);
    return page;
}

QWidget* TfrmLineProperty::PositionPage()
{
    auto* page = new QWidget(this);
    auto* form = new QFormLayout(page);
    const auto fields = AddMillimetreRows(*form, page, EndPointRows());
    startX_ = fields[0];
    startY_ = fields[1];
    endX_ = fields[2];
    endY_ = fields[3];
    flags_->Create(page, *form, true);
    for (QDoubleSpinBox* spin : {startX_, startY_, endX_, endY_})
        connect(spin, &QDoubleSpinBox::valueChanged, this, &TfrmLineProperty::FieldsChanged);
    return page;
}

void TfrmLineProperty::FieldsChanged()
{
    if (loading_)
        return;
    WriteBack(*edited_);
    previewView_->SetObject(edited_.get());
}

void TfrmLineProperty::WriteBack(TLOLine& target) const
{
    TUpdateBracket bracket(target.Notifier());
    target.SetLineWidth(UnitsOf(*lineWidth_));
    target.SetLineColor(lineColor_->Spec());
    target.SetStartPoint({UnitsOf(*startX_), UnitsOf(*startY_)});
    target.SetEndPoint({UnitsOf(*endX_), UnitsOf(*endY_)});
    flags_->Write(target);
}
