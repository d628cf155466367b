#pragma once
// The preview box of the code property dialogs: one object drawn on white, at its actual
// size on the screen or fitted into the box, centred.
#include <QWidget>

class TLORectBase;

class TCodePreview : public QWidget {
    Q_OBJECT
public:
    explicit TCodePreview(QWidget* parent = nullptr);

    // The object stays the caller's; nullptr or a hidden preview shows the box empty.
    void SetObject(TLORectBase* object);
    void SetActualSize(bool actual);
    bool ActualSize() const { return actual_; }
    void SetShown(bool shown);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TLORectBase* object_ = nullptr;
    bool actual_ = false;
    bool shown_ = true;
};
