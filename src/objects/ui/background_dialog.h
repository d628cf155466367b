#pragma once
// TfrmBackGround2002 ("背景柄の設定"): the choice of a background's paint. It edits the
// background copy it is given in place: what the choices apply to ("全体", "塗り色",
// "枠線" with "枠線の太さ"), a picture over the whole face or a solid colour, the tiling,
// mirroring and turn of the picture, and "クリア". "画質調整 >>" ends the dialog with
// kAdjustResult so that the adjustment dialog can take over the same copy.
#include <QDialog>
#include <functional>

class QButtonGroup;
class QCheckBox;
class QDoubleSpinBox;
class TBackImagePicture;
class TBackPictureFields;
class TColorSpec;
class TColorSpecButton;
class TLOBackImage2004;
class TObjectPreview;

class TfrmBackGround2002 : public QDialog {
    Q_OBJECT
public:
    enum { kAdjustResult = 2 };
    enum TTarget { tWhole = 0, tFill = 1, tFrame = 2 };
    // The chooser asks for a picture file, empty for none.
    using PictureChooser = std::function<QString(QWidget* parent)>;
    TfrmBackGround2002(TLOBackImage2004& background, PictureChooser chooser, QWidget* parent = nullptr);
    ~TfrmBackGround2002() override;

    TTarget Target() const;
    void SetTarget(TTarget target);
    QDoubleSpinBox* FrameWidthField() const { return frameWidth_; }
    TColorSpecButton* ColorButton() const { return color_; }
    TBackPictureFields* PictureFields() const { return pictureFields_; }
    QCheckBox* TileBox() const { return tile_; }
    QCheckBox* TileShiftBox() const { return tileShift_; }
    // Loads a picture file into the target's paint, which becomes a picture fill.
    void TakePicture(const QString& path);
    // "クリア": no frame band, a plain white fill, no wash.
    void Clear();
    TObjectPreview* Preview() const { return preview_; }

private:
    TColorSpec& TargetSpec() const;
    TBackImagePicture& TargetPicture() const;
    void ShowTarget();
    void Refresh();

    TLOBackImage2004& background_;
    PictureChooser chooser_;
    int lastWidth_;
    QButtonGroup* targets_;
    QDoubleSpinBox* frameWidth_;
    TColorSpecButton* color_;
    QCheckBox* tile_;
    QCheckBox* tileShift_;
    TBackPictureFields* pictureFields_;
    TObjectPreview* preview_;
};
