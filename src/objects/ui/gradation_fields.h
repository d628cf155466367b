#pragma once
// The fields of a gradient fill: its kind, its angle and its first and last colour. They show
// a colour fill's gradient and write theirs into a fill, which becomes a gradient.
#include <QWidget>

class QComboBox;
class QSpinBox;
class TColorSpec;
class TColorSpecButton;

class TGradationFields : public QWidget {
    Q_OBJECT
public:
    explicit TGradationFields(QWidget* parent = nullptr);

    // In the order of the gradient kinds, from the linear one to the counter-clockwise cone.
    QComboBox* KindBox() const { return kind_; }
    QSpinBox* AngleField() const { return angle_; }
    TColorSpecButton* StartColorButton() const { return start_; }
    TColorSpecButton* EndColorButton() const { return end_; }

    // Shows the fill's gradient settings (its first and last colour), without Changed.
    void Read(const TColorSpec& spec);
    // Makes the fill the gradient of the fields, in one change; colours between the first
    // and the last stay.
    void Write(TColorSpec& spec) const;

signals:
    void Changed();

private:
    QComboBox* kind_;
    QSpinBox* angle_;
    TColorSpecButton* start_;
    TColorSpecButton* end_;
};
