#pragma once
// The preview of a property dialog: the edited copy of an object painted at its actual size
// on the screen, or fitted into the preview area.
#include <QWidget>

class TDrawObject;

class TObjectPreview : public QWidget {
    Q_OBJECT
public:
    explicit TObjectPreview(QWidget* parent = nullptr);

    // The object is the dialog's copy; it must outlive the preview or be set again.
    void SetObject(TDrawObject* object);
    bool ActualSize() const { return actualSize_; }
    void SetActualSize(bool actual);
    // The preview's rendering as the widget shows it.
    QImage Render() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TDrawObject* object_ = nullptr;
    bool actualSize_ = false;
};
