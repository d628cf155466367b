#pragma once
// The position page of the picture dialogs: left, top, width and height in millimetres.
#include "core/canvas/rect.h"

#include <QWidget>

class QDoubleSpinBox;

class TPositionPage : public QWidget {
    Q_OBJECT
public:
    explicit TPositionPage(QWidget* parent = nullptr);

    void SetRect(const TRect& rect);
    TRect Rect() const;
    // For a new object the size comes from its picture.
    void SetSizeEnabled(bool enabled);

signals:
    void RectEdited();

private:
    QDoubleSpinBox* left_;
    QDoubleSpinBox* top_;
    QDoubleSpinBox* width_;
    QDoubleSpinBox* height_;
};
