#pragma once
// Pieces the shape and line dialogs share: lengths edited in millimetres and stored in
// logical units, the lock, do-not-print and blend-ratio fields, and the OK and Cancel
// buttons.
#include <QString>

class QCheckBox;
class QDialog;
class QDialogButtonBox;
class QDoubleSpinBox;
class QSpinBox;
class QWidget;
class TLabelObject;

// A millimetre field from min to max units in steps of step units, one decimal.
QDoubleSpinBox* MillimetreSpin(QWidget* parent, int minUnits, int maxUnits, int stepUnits);
int UnitsOf(const QDoubleSpinBox& spin);
void SetUnits(QDoubleSpinBox& spin, int units);

// "ロックする(&K)", "印刷しない(&P)" and the blend ratio (0 to 100 %).
struct TObjectFlagFields {
    QCheckBox* Lock = nullptr;
    QCheckBox* DontPrint = nullptr;
    QSpinBox* BlendRatio = nullptr;

    void Create(QWidget* parent);
    void Read(const TLabelObject& object);
    void Write(TLabelObject& object) const;
};

// "OK" (default, so that Enter presses it) and "キャンセル" (Escape) wired to the dialog.
QDialogButtonBox* OkCancelBox(QDialog& dialog);
