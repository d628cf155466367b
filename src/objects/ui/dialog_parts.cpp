#include "objects/ui/dialog_parts.h"

#include "core/canvas/units.h"
#include "core/model/label_object.h"

#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QPushButton>
#include <QSpinBox>

QDoubleSpinBox* MillimetreSpin(QWidget* parent, int minUnits, int maxUnits, int stepUnits)
{
    auto* spin = new QDoubleSpinBox(parent);
    spin->setDecimals(1);
    spin->setRange(minUnits / 10.0, maxUnits / 10.0);
    spin->setSingleStep(stepUnits / 10.0);
    spin->setSuffix(QStringLiteral(" mm"));
    return spin;
}

int UnitsOf(const QDoubleSpinBox& spin)
{
    return RoundHalfAway(spin.value() * 10.0);
}

void SetUnits(QDoubleSpinBox& spin, int units)
{
    spin.setValue(units / 10.0);
}

void TObjectFlagFields::Create(QWidget* parent)
{
    Lock = new QCheckBox(QStringLiteral("ロックする(&K)"), parent);
    DontPrint = new QCheckBox(QStringLiteral("印刷しない(&P)"), parent);
    BlendRatio = new QSpinBox(parent);
    BlendRatio->setRange(0, 100);
    BlendRatio->setSuffix(QStringLiteral(" %"));
}

void TObjectFlagFields::Read(const TLabelObject& object)
{
    Lock->setChecked(!object.Movable());
    DontPrint->setChecked(object.DontPrint());
    BlendRatio->setValue(object.BlendRatio());
}

void TObjectFlagFields::Write(TLabelObject& object) const
{
    object.SetMovable(!Lock->isChecked());
    object.SetDontPrint(DontPrint->isChecked());
    object.SetBlendRatio(BlendRatio->value());
}

QDialogButtonBox* OkCancelBox(QDialog& dialog)
{
    auto* box = new QDialogButtonBox(&dialog);
    QPushButton* ok = box->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    box->addButton(QStringLiteral("キャンセル"), QDialogButtonBox::RejectRole);
    ok->setDefault(true);
    QObject::connect(box, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(box, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    return box;
}
