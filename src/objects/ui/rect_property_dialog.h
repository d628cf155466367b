#pragma once
// The property dialog of rectangles ("四角図形の設定") and ellipses ("円図形の設定"): frame
// width, rounded corners, frame and fill colours and the position, on a copy shown in a
// preview, written back when the user confirms.
#include <QDialog>
#include <memory>

class QCheckBox;
class QDoubleSpinBox;
class QRadioButton;
class QTabWidget;
class TColorSpecButton;
class TLORect;
class TObjectPreview;
struct TObjectFlagFields;

class TfrmRectProperty : public QDialog {
    Q_OBJECT
public:
    explicit TfrmRectProperty(const TLORect& source, QWidget* parent = nullptr);
    ~TfrmRectProperty() override;

    // The dialog's values written into the object (the caller brackets the change).
    void WriteBack(TLORect& target) const;
    const TLORect& Edited() const { return *edited_; }
    const TLORect& Preview() const { return *preview_; }

    QDoubleSpinBox* FrameWidthField() const { return frameWidth_; }
    QCheckBox* RoundField() const { return round_; }
    QRadioButton* TransparentField() const { return transparent_; }
    QRadioButton* FilledField() const { return filled_; }
    TColorSpecButton* FrameColorField() const { return frameColor_; }
    TColorSpecButton* FillColorField() const { return fillColor_; }
    QTabWidget* Pages() const { return pages_; }

private:
    QWidget* FramePage();
    QWidget* FillPage();
    QWidget* PositionPage();
    // The fields into the edited copy, and the copy into the preview.
    void FieldsChanged();

    std::unique_ptr<TLORect> edited_;
    std::unique_ptr<TLORect> preview_;
    bool circle_;
    QTabWidget* pages_ = nullptr;
    QDoubleSpinBox* frameWidth_ = nullptr;
    QCheckBox* round_ = nullptr;
    TColorSpecButton* frameColor_ = nullptr;
    QRadioButton* transparent_ = nullptr;
    QRadioButton* filled_ = nullptr;
    TColorSpecButton* fillColor_ = nullptr;
    QDoubleSpinBox* left_ = nullptr;
    QDoubleSpinBox* top_ = nullptr;
    QDoubleSpinBox* width_ = nullptr;
    QDoubleSpinBox* height_ = nullptr;
    std::unique_ptr<TObjectFlagFields> flags_;
    TObjectPreview* previewView_ = nullptr;
    bool loading_ = true;
};
