#pragma once
// The shadow offset fields of the text property dialogs: a list of the shadow presets
// ("なし", "左上" ... "右下", and "その他" for offsets no preset has) and the horizontal and
// vertical offsets in percent of the text cell height. Choosing a preset fills in its
// offsets; editing the offsets shows the preset they match.
#include "text/object/text_object.h"

#include <QWidget>

class QComboBox;
class QSpinBox;

class TShadowOffsetBox : public QWidget {
    Q_OBJECT
public:
    explicit TShadowOffsetBox(QWidget* parent = nullptr);

    void SetOffset(TShadowOffset offset);
    TShadowOffset Offset() const;

    QComboBox* Preset() const { return preset_; }
    QSpinBox* X() const { return x_; }
    QSpinBox* Y() const { return y_; }

Q_SIGNALS:
    // The offsets were edited or a preset was chosen.
    void Changed();

private:
    void PresetChosen(int preset);
    void ShowMatchingPreset();

    QComboBox* preset_;
    QSpinBox* x_;
    QSpinBox* y_;
};
