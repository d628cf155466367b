#pragma once
// Pieces the shape and line dialogs share: lengths edited in millimetres and stored in
// logical units, the lock, do-not-print and blend-ratio fields, and the OK and Cancel
// buttons, and the picture file dialog.
#include <QString>
#include <QStringList>

#include <vector>

class QCheckBox;
class QDialog;
class QDoubleSpinBox;
class QFormLayout;
class QSpinBox;
class QTabWidget;
class QWidget;
class TLabelObject;
class TObjectPreview;

// A millimetre field from min to max units in steps of step units, one decimal.
QDoubleSpinBox* MillimetreSpin(QWidget* parent, int minUnits, int maxUnits, int stepUnits);
int UnitsOf(const QDoubleSpinBox& spin);
void SetUnits(QDoubleSpinBox& spin, int units);

// Millimetre rows of a form, one field per row, in the order given.
struct TMillimetreRow {
    QString Caption;
    int MinUnits;
    int MaxUnits;
};
// "始点Ｘ(&A)", "始点Ｙ(&B)", "終点Ｘ(&C)", "終点Ｙ(&D)", each 0 to 1000 mm.
std::vector<TMillimetreRow> EndPointRows();
std::vector<QDoubleSpinBox*> AddMillimetreRows(QFormLayout& form, QWidget* parent, const std::vector<TMillimetreRow>& rows);

// "ロックする(&K)", "印刷しない(&P)" and the blend ratio (0 to 100 %).
struct TObjectFlagFields {
    QCheckBox* Lock = nullptr;
    QCheckBox* DontPrint = nullptr;
    QSpinBox* BlendRatio = nullptr;

    // The fields as rows of the form (the blend ratio only when asked for).
    void Create(QWidget* parent, QFormLayout& form, bool blendRatio);
    void Read(const TLabelObject& object);
    void Write(TLabelObject& object) const;
};

// The dialog's layout: the pages beside a preview with "実際の大きさで表示する(&Y)" under it,
// then the OK and Cancel buttons.
void LayOutPropertyDialog(QDialog& dialog, QTabWidget* pages, TObjectPreview* preview);

// The file dialog "イメージの選択" for the picture formats the program reads: one file
// (empty for none) or several.
QString ChoosePictureFile(QWidget* parent);
QStringList ChoosePictureFiles(QWidget* parent);
