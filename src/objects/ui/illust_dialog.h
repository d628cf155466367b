#pragma once
// TfrmIllustProperty ("イラストの設定"): the pages of a picture object (the picture and its
// transparency, the frame, the effects, the position) on a preview copy, of the object's own
// class, that OK writes back. Frames come from a frame list in the shade list format: its
// first genre holds overlay frames, its second alpha frames. An arranged image is edited as
// "複数イメージの設定" without the frame page, its frame being the composition's coverage;
// its pictures are chosen again through the arrangement chooser, which recomposes the copy.
#include <QDialog>
#include <functional>
#include <memory>

class QCheckBox;
class QListWidget;
class QRadioButton;
class QTabWidget;
class TLOArrangedImage;
class TLOImage;
class TObjectPreview;
class TPositionPage;
class TfrmBackEffectEditor;
struct TShadeGenre;

class TfrmIllustProperty : public QDialog {
    Q_OBJECT
public:
    // The chooser asks for a picture file, empty for none.
    using PictureChooser = std::function<QString(QWidget* parent)>;
    // The arrangement chooser recomposes the arranged copy in place; false when the user
    // made nothing.
    using ArrangementChooser = std::function<bool(TLOArrangedImage& copy, QWidget* parent)>;
    // advanced shows the wizard check box "ｳｨｻﾞｰﾄﾞ項目" for objects that carry the flag.
    TfrmIllustProperty(const TLOImage& object, const QString& frameListPath, bool advanced, PictureChooser chooser,
                       QWidget* parent = nullptr);
    ~TfrmIllustProperty() override;

    // Arranged images take their pictures from this chooser instead of a picture file.
    void SetArrangementChooser(ArrangementChooser chooser) { arrangementChooser_ = std::move(chooser); }
    // Opens the chooser first when the object has no picture; false when none was chosen.
    bool Prepare();
    // Asks for the picture (an arranged image: the pictures to compose) and takes it; false
    // when nothing was chosen.
    bool ChoosePicture();
    // Loads a picture into the copy; a first picture fits the copy's size to it.
    void TakePicture(const QString& path);
    // 0 none, 1 overlay frame, 2 alpha frame; entry within that kind's genre. Nothing for
    // an arranged image.
    void ChooseFrame(int kind, int entry);
    QTabWidget* Pages() const { return pages_; }
    TfrmBackEffectEditor* Effects() const { return effects_; }
    const TLOImage& Result();

private:
    QWidget* MakeFramePage();
    void ShowFrames();
    void ShowPreview();

    std::unique_ptr<TLOImage> copy_;
    std::vector<TShadeGenre> frames_;
    TLOArrangedImage* arranged_; // the copy when it is an arranged image
    PictureChooser chooser_;
    ArrangementChooser arrangementChooser_;
    QTabWidget* pages_;
    QCheckBox* transparent_;
    QRadioButton* frameKinds_[3] = {};
    QListWidget* frameList_ = nullptr;
    TfrmBackEffectEditor* effects_;
    TPositionPage* position_;
    TObjectPreview* preview_;
    QCheckBox* wizard_ = nullptr;
};
