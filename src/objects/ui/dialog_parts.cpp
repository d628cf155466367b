#include "objects/ui/dialog_parts.h"

#include "core/canvas/units.h"
#include "core/model/label_object.h"
#include "editing/ui/dialog_buttons.h"
#include "objects/ui/object_preview.h"

#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

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

std::vector<TMillimetreRow> EndPointRows()
{
    return {{QStringLiteral("始点Ｘ(&A)"), 0, 10000},
            {QStringLiteral("始点Ｙ(&B)"), 0, 10000},
            {QStringLiteral("終点Ｘ(&C)"), 0, 10000},
            {QStringLiteral("終点Ｙ(&D)"), 0, 10000}};
}

std::vector<QDoubleSpinBox*> AddMillimetreRows(QFormLayout& form, QWidget* parent, const std::vector<TMillimetreRow>& rows)
{
    std::vector<QDoubleSpinBox*> fields;
    for (const TMillimetreRow& row : rows) {
        fields.push_back(MillimetreSpin(parent, row.MinUnits, row.MaxUnits, 10));
        form.addRow(row.Caption, fields.back());
    }
    return fields;
}

void TObjectFlagFields::Create(QWidget* parent, QFormLayout& form, bool blendRatio)
{
    Lock = new QCheckBox(QStringLiteral("ロックする(&K)"), parent);
    DontPrint = new QCheckBox(QStringLiteral("印刷しない(&P)"), parent);
    BlendRatio = new QSpinBox(parent);
    BlendRatio->setRange(0, 100);
    BlendRatio->setSuffix(QStringLiteral(" %"));
    if (blendRatio)
        form.addRow(QStringLiteral("ブレンド率(&L)"), BlendRatio);
    else
        BlendRatio->hide();
    form.addRow(Lock);
    form.addRow(DontPrint);
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

void LayOutPropertyDialog(QDialog& dialog, QTabWidget* pages, TObjectPreview* preview)
{
    auto* actual = new QCheckBox(QStringLiteral("実際の大きさで表示する(&Y)"), &dialog);
    QObject::connect(actual, &QCheckBox::toggled, preview, &TObjectPreview::SetActualSize);
    auto* previewColumn = new QVBoxLayout;
    previewColumn->addWidget(preview, 1);
    previewColumn->addWidget(actual);
    auto* body = new QHBoxLayout;
    body->addWidget(pages);
    body->addLayout(previewColumn, 1);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addLayout(body);
    layout->addWidget(OkCancelButtons(dialog));
}

namespace {
const QString kPictureFilter = QStringLiteral("イメージ (*.bmp *.cbm *.jpg *.jpeg *.png *.gif)");
} // namespace

QString ChoosePictureFile(QWidget* parent)
{
    return QFileDialog::getOpenFileName(parent, QStringLiteral("イメージの選択"), QString(), kPictureFilter);
}

QStringList ChoosePictureFiles(QWidget* parent)
{
    return QFileDialog::getOpenFileNames(parent, QStringLiteral("イメージの選択"), QString(), kPictureFilter);
}
