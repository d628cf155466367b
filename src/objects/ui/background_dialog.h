#pragma once
// TfrmBackGround2002 ("背景柄の設定"): the choice of a background's paint. It edits the
// background copy it is given in place: what the choices apply to ("全体", "塗り色",
// "枠線" with "枠線の太さ"), where the paint comes from ("背景集", the shipped background
// library; "画像", one picture over the whole face or several arranged; "カラー", a solid
// colour or a gradient; "取り込み", the clipboard), the tiling, mirroring and turn of the
// picture, and "クリア". "画質調整 >>" ends the dialog with kAdjustResult so that the
// adjustment dialog can take over the same copy.
#include <QDialog>
#include <QStringList>
#include <functional>
#include <vector>

class QButtonGroup;
class QCheckBox;
class QDoubleSpinBox;
class QLabel;
class QListWidget;
class QRadioButton;
class TBackImagePicture;
class TBackPictureFields;
class TColorSpec;
class TColorSpecButton;
class TGradationFields;
class TLOBackImage2004;
class TObjectPreview;

// Where the dialog takes pictures from.
struct TBackgroundSources {
    QString DataFolder; // holds the background library; empty for none
    // Asks for a picture file, empty for none.
    std::function<QString(QWidget* parent)> Picture;
    // Asks for several picture files.
    std::function<QStringList(QWidget* parent)> Pictures;
};

class TfrmBackGround2002 : public QDialog {
    Q_OBJECT
public:
    enum { kAdjustResult = 2 };
    enum TTarget { tWhole = 0, tFill = 1, tFrame = 2 };
    TfrmBackGround2002(TLOBackImage2004& background, TBackgroundSources sources, QWidget* parent = nullptr);
    ~TfrmBackGround2002() override;

    TTarget Target() const;
    void SetTarget(TTarget target);
    QDoubleSpinBox* FrameWidthField() const { return frameWidth_; }
    TColorSpecButton* ColorButton() const { return color_; }
    TGradationFields* Gradation() const { return gradation_; }
    TBackPictureFields* PictureFields() const { return pictureFields_; }
    QCheckBox* TileBox() const { return tile_; }
    QCheckBox* TileShiftBox() const { return tileShift_; }
    // Loads a picture file into the target's paint, which becomes a picture fill.
    void TakePicture(const QString& path);
    // "クリア": no frame band, a plain white fill, no wash.
    void Clear();
    TObjectPreview* Preview() const { return preview_; }

    // "背景集": a thumbnail per library picture; choosing one takes its picture. When the
    // library cannot be read the list is empty and the message says why.
    QListWidget* Library() const { return library_; }
    QLabel* LibraryMessage() const { return libraryMessage_; }
    void TakeLibraryPicture(int row);

    // "複数画像を配置": the pictures to arrange, "並べる" (with "ずらす") or "ランダム", and
    // "作成", which arranges them into the target's paint; false (nothing made, a message
    // shown) with fewer than two pictures or one that cannot be read.
    void SetArrangePictures(const QStringList& paths);
    QStringList ArrangePictures() const;
    QRadioButton* ArrangeTileButton() const { return arrangeTile_; }
    QRadioButton* ArrangeRandomButton() const { return arrangeRandom_; }
    QCheckBox* ArrangeShiftBox() const { return arrangeShift_; }
    bool MakeArrangement();

private:
    QWidget* LibraryPage();
    QWidget* PicturePage();
    QWidget* ColourPage();
    QWidget* CapturePage();
    TColorSpec& TargetSpec() const;
    TBackImagePicture& TargetPicture() const;
    void TakeClipboard();
    void TakeGradation();
    void ShowTarget();
    void Refresh();

    TLOBackImage2004& background_;
    TBackgroundSources sources_;
    int lastWidth_;
    QButtonGroup* targets_;
    QDoubleSpinBox* frameWidth_;
    TColorSpecButton* color_;
    TGradationFields* gradation_;
    QCheckBox* tile_;
    QCheckBox* tileShift_;
    TBackPictureFields* pictureFields_;
    TObjectPreview* preview_;
    QListWidget* library_;
    QLabel* libraryMessage_;
    std::vector<QString> libraryPaths_;
    QListWidget* arrangeFiles_;
    QRadioButton* arrangeTile_;
    QRadioButton* arrangeRandom_;
    QCheckBox* arrangeShift_;
};
