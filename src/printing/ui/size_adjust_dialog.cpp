#include "printing/ui/size_adjust_dialog.h"

#include "catalogue/paper/paper_info.h"
#include "core/face/face_info.h"
#include "editing/ui/dialog_buttons.h"

#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>
#include <cmath>

namespace {

double Mm(int units)
{
    return units / 10.0;
}

int Units(double mm)
{
    return static_cast<int>(std::lround(mm * 10.0));
}

QDoubleSpinBox* MmSpin()
{
    auto* spin = new QDoubleSpinBox;
    spin->setDecimals(1);
    spin->setSingleStep(0.1);
    spin->setSuffix(QStringLiteral(" mm"));
    return spin;
}

// One panel: the spin with its caption, the native size and the adjusted size.
QGroupBox* Panel(const QString& caption, QDoubleSpinBox* spin, int native, QLabel* result)
{
    auto* panel = new QGroupBox;
    auto* grid = new QGridLayout(panel);
    auto* label = new QLabel(caption);
    label->setBuddy(spin);
    grid->addWidget(label, 0, 0);
    grid->addWidget(spin, 0, 1);
    grid->addWidget(new QLabel(QString::asprintf("初期値 %.1f mm", Mm(native))), 1, 0);
    grid->addWidget(result, 1, 1);
    return panel;
}

} // namespace

TfrmSizeAdjust::TfrmSizeAdjust(const TPaperInfo& paper, std::optional<TDirectPrinterModel> model, QWidget* parent)
    : QDialog(parent), paperName_(paper.PaperName()), modelName_(paper.GroupName()), model_(std::move(model))
{
    setWindowTitle(QStringLiteral("外円・内円のサイズ調整"));
    TFaceInfo face;
    if (paper.FaceCount() > 0) {
        paper.GetFaceInfo(0, face);
        a_ = paper.CutCenterSize(0).width();
        b_ = RectWidth(paper.FaceRect(0));
    }
    remembered_ = ReadStoredSizeAdjustment(paperName_, modelName_);
    const TSizeAdjustment current = ReadSizeAdjustment(paper, Model());

    outer_ = MmSpin();
    inner_ = MmSpin();
    outerResult_ = new QLabel;
    innerResult_ = new QLabel;
    outerPanel_ = Panel(QStringLiteral("外円のサイズ調整(&O)"), outer_, b_, outerResult_);
    innerPanel_ = Panel(QStringLiteral("内円のサイズ調整(&C)"), inner_, a_, innerResult_);
    outerPanel_->setVisible(face.FaceShape() == fsDoughnut);
    innerPanel_->setVisible(face.HasHole());

    const int maxOuter = model_ ? model_->MaxOuterWidth : 1200;
    const int minInner = model_ ? model_->MinInnerWidth : 0;
    note_ = new QLabel(QStringLiteral("外円・内円のサイズは-10.0mm～+10.0mmの範囲で調整することができます。") +
                       QString::asprintf("ただし、外円では%gmmを超えるサイズ、内円では%gmm未満になるサイズに設定することはできません。",
                                         Mm(maxOuter), Mm(minInner)));
    note_->setWordWrap(true);

    auto* buttons = OkCancelButtons(*this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(outerPanel_);
    layout->addWidget(innerPanel_);
    layout->addWidget(note_);
    layout->addWidget(buttons);

    updating_ = true;
    // Wide ranges first, so that the values are taken before the ranges narrow.
    outer_->setRange(-10.0, 10.0);
    inner_->setRange(-10.0, 10.0);
    outer_->setValue(Mm(current.Outer));
    inner_->setValue(Mm(current.Inner));
    updating_ = false;
    UpdateRanges();
    connect(outer_, &QDoubleSpinBox::valueChanged, this, &TfrmSizeAdjust::Store);
    connect(inner_, &QDoubleSpinBox::valueChanged, this, &TfrmSizeAdjust::Store);
}

void TfrmSizeAdjust::UpdateRanges()
{
    updating_ = true;
    const int o = Units(outer_->value());
    const int i = Units(inner_->value());
    const TAdjustmentRange outer = OuterAdjustmentRange(a_, b_, i, Model());
    const TAdjustmentRange inner = InnerAdjustmentRange(a_, b_, o, Model());
    outer_->setRange(Mm(outer.Minimum), Mm(outer.Maximum));
    inner_->setRange(Mm(inner.Minimum), Mm(inner.Maximum));
    outer_->setEnabled(outer.Enabled());
    inner_->setEnabled(inner.Enabled());
    outerResult_->setText(QString::asprintf("調整後のサイズ %.1f mm", Mm(b_ + Units(outer_->value()))));
    innerResult_->setText(QString::asprintf("調整後のサイズ %.1f mm", Mm(a_ + Units(inner_->value()))));
    updating_ = false;
}

void TfrmSizeAdjust::Store()
{
    if (updating_)
        return;
    UpdateRanges();
    WriteSizeAdjustment(paperName_, modelName_, {Units(inner_->value()), Units(outer_->value())});
}

void TfrmSizeAdjust::reject()
{
    WriteSizeAdjustment(paperName_, modelName_, remembered_);
    QDialog::reject();
}
