#pragma once
// The property dialog of lines ("直線の設定") and arcs ("円弧の設定"): width and colour, the end
// points and the object's flags, on a copy shown in a preview, written back when the user
// confirms.
#include <QDialog>
#include <memory>

class QDoubleSpinBox;
class QTabWidget;
class TColorSpecButton;
class TLOLine;
class TObjectPreview;
struct TObjectFlagFields;

class TfrmLineProperty : public QDialog {
    Q_OBJECT
public:
    explicit TfrmLineProperty(const TLOLine& source, QWidget* parent = nullptr);
    ~TfrmLineProperty() override;

    void WriteBack(TLOLine& target) const;
    const TLOLine& Edited() const { return *edited_; }

    QDoubleSpinBox* LineWidthField() const { return lineWidth_; }
    QDoubleSpinBox* StartXField() const { return startX_; }
    QDoubleSpinBox* StartYField() const { return startY_; }
    QDoubleSpinBox* EndXField() const { return endX_; }
    QDoubleSpinBox* EndYField() const { return endY_; }
    TColorSpecButton* LineColorField() const { return lineColor_; }
    QTabWidget* Pages() const { return pages_; }

private:
    QWidget* ColorPage();
    QWidget* PositionPage();
    void FieldsChanged();

    std::unique_ptr<TLOLine> edited_;
    bool arc_;
    QTabWidget* pages_ = nullptr;
    QDoubleSpinBox* lineWidth_ = nullptr;
    TColorSpecButton* lineColor_ = nullptr;
    QDoubleSpinBox* startX_ = nullptr;
    QDoubleSpinBox* startY_ = nullptr;
    QDoubleSpinBox* endX_ = nullptr;
    QDoubleSpinBox* endY_ = nullptr;
    std::unique_ptr<TObjectFlagFields> flags_;
    TObjectPreview* previewView_ = nullptr;
    bool loading_ = true;
};
