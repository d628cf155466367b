#pragma once
// TfrmAlphaMaskProperty ("シェード図形の設定"): the colour page (fill colour and "図形選択...")
// and the position page of a shade figure, on a preview copy that OK writes back.
#include <QDialog>
#include <functional>
#include <memory>

class QPushButton;
class QTabWidget;
class TLOAlphaMask;
class TObjectPreview;
class TPositionPage;

class TfrmAlphaMaskProperty : public QDialog {
    Q_OBJECT
public:
    // The chooser asks for a shape and returns the picture file, or empty for none.
    using ShapeChooser = std::function<QString(QWidget* parent)>;
    TfrmAlphaMaskProperty(const TLOAlphaMask& object, bool newObject, ShapeChooser chooser, QWidget* parent = nullptr);
    ~TfrmAlphaMaskProperty() override;

    // Opens the chooser first when the figure has no shape yet; false when none was chosen
    // (the dialog then counts as cancelled).
    bool Prepare();
    // Loads a shape into the preview copy (resized to the shape for a new object).
    void TakeShape(const QString& path);
    // The values written back on OK: the copy with the position page's rectangle.
    const TLOAlphaMask& Result();

private:
    void ShowPreview();

    std::unique_ptr<TLOAlphaMask> copy_;
    int angle_;
    int ratio_;
    bool newObject_;
    ShapeChooser chooser_;
    QTabWidget* pages_;
    QPushButton* colour_;
    TPositionPage* position_;
    TObjectPreview* preview_;
};
