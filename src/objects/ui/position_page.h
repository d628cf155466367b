#pragma once
// The "位置" page of the property dialogs: left, top, width and height in millimetres.
#include "core/canvas/rect.h"

#include <QWidget>

class QDoubleSpinBox;

class TPositionPage : public QWidget {
    Q_OBJECT
public:
    explicit TPositionPage(QWidget* parent = nullptr);

    void SetRect(const TRect& rect);
    // The rectangle as entered (logical units).
    TRect Rect() const;
    // Whether width and height are both positive (only then is the rectangle applied).
    bool HasSize() const;
    // New objects take their size from placing them: width and height are not edited.
    void SetSizeEnabled(bool enabled);

Q_SIGNALS:
    void Changed();

private:
    QDoubleSpinBox* left_;
    QDoubleSpinBox* top_;
    QDoubleSpinBox* width_;
    QDoubleSpinBox* height_;
};
