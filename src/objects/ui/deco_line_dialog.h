#pragma once
// The chooser of decorative rule lines ("飾り罫線の選択"): a scrolling gallery of the tiles of
// the decorative line folder (a click selects, a double click confirms), with the line's
// width, end points, lock and do-not-print. For a new line the width and the end points
// are not editable: the chosen tile sets them.
#include <QDialog>
#include <QStringList>
#include <memory>

class QDoubleSpinBox;
class QListWidget;
class TLODecoLine;
struct TObjectFlagFields;

class TfrmDecoLineProperty : public QDialog {
    Q_OBJECT
public:
    TfrmDecoLineProperty(const TLODecoLine& source, const QString& folder, bool newLine, QWidget* parent = nullptr);
    ~TfrmDecoLineProperty() override;

    // The folder of the tiles, or empty when it cannot be found.
    static QString TileFolder();

    // The chosen tile (empty when none), then the fields; a new line is fitted to its tile.
    void WriteBack(TLODecoLine& target) const;

    const QStringList& Files() const { return files_; }
    QListWidget* Gallery() const { return gallery_; }
    QDoubleSpinBox* LineWidthField() const { return lineWidth_; }
    QDoubleSpinBox* StartXField() const { return startX_; }
    QDoubleSpinBox* EndXField() const { return endX_; }

private:
    QStringList files_;
    bool newLine_;
    QListWidget* gallery_ = nullptr;
    QDoubleSpinBox* lineWidth_ = nullptr;
    QDoubleSpinBox* startX_ = nullptr;
    QDoubleSpinBox* startY_ = nullptr;
    QDoubleSpinBox* endX_ = nullptr;
    QDoubleSpinBox* endY_ = nullptr;
    std::unique_ptr<TObjectFlagFields> flags_;
};
