#pragma once
// The preview of a dialog: an object painted onto white, fitted into a fixed square.
#include <QLabel>

class TDrawObject;

class TObjectPreview : public QLabel {
    Q_OBJECT
public:
    explicit TObjectPreview(QWidget* parent = nullptr);
    void ShowObject(TDrawObject& object);
};
