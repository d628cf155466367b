#pragma once
// TfrmSelectArrangedImage ("複数イメージファイルの選択"): the arrangement styles and the fixed
// layouts, the pictures to arrange, the orientation options, a preview and "作成", which
// composes the pictures into a working copy of the arranged image that OK hands back.
#include "objects/backgrounds/arrange_layout.h"
#include "objects/backgrounds/fixed_layouts.h"

#include <QDialog>
#include <QStringList>
#include <functional>
#include <memory>

class QCheckBox;
class QLabel;
class QListWidget;
class QRadioButton;
class TLOArrangedImage;

// How many pictures the dialog accepts for a style (a fixed layout: 2 to its slot count).
struct TPictureRange {
    int Min;
    int Max;
};
TPictureRange ArrangePictureRange(TArrangeStyle style, int slotCount);
// "%d枚" or "%d～%d枚" for the range.
QString PictureRangeText(TPictureRange range);

class TfrmSelectArrangedImage : public QDialog {
public:
    // The chooser asks for picture files and returns them (empty for none).
    using FileChooser = std::function<QStringList(QWidget* parent)>;
    TfrmSelectArrangedImage(const TLOArrangedImage& object, std::vector<TFixedLayout> layouts, FileChooser chooser,
                            QWidget* parent = nullptr);
    ~TfrmSelectArrangedImage() override;

    // The style row: 0 to 5 the styles "円周" to "ランダム", then the fixed layouts.
    void SelectRow(int row);
    void SetPictures(const QStringList& paths);
    QStringList Pictures() const;
    // Checks the picture count (asking whether to go on with the first pictures when there
    // are too many) and composes the copy; false when nothing was composed.
    bool Make();
    // Whether "作成" has composed the copy since the settings last changed.
    bool Made() const { return made_; }
    // The working copy written back on OK.
    const TLOArrangedImage& Result() const { return *copy_; }

    void done(int result) override;

private:
    void ShowOptions();
    void ShowPreview();
    void SettingsChanged();
    TArrangeStyle Style() const;

    std::unique_ptr<TLOArrangedImage> copy_;
    std::vector<TFixedLayout> layouts_;
    FileChooser chooser_;
    bool made_ = false;
    QListWidget* styles_;
    QListWidget* files_;
    QRadioButton* standard_;
    QRadioButton* inward_;
    QRadioButton* outward_;
    QCheckBox* transform_;
    QLabel* preview_;
};
