#pragma once
// TfrmIllustProperty ("イラストの設定"): the pages of a picture object (the picture and its
// transparency, the frame, the effects, the position) on a preview copy that OK writes back.
// Frames come from a frame list in the shade list format: its first genre holds overlay
// frames, its second alpha frames.
#include <QDialog>
#include <functional>
#include <memory>

class QCheckBox;
class QListWidget;
class QRadioButton;
class QTabWidget;
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
    // advanced shows the wizard check box "ｳｨｻﾞｰﾄﾞ項目" for objects that carry the flag.
    TfrmIllustProperty(const TLOImage& object, const QString& frameListPath, bool advanced, PictureChooser chooser,
                       QWidget* parent = nullptr);
    ~TfrmIllustProperty() override;

    // Opens the chooser first when the object has no picture; false when none was chosen.
    bool Prepare();
    // Loads a picture into the copy; a first picture fits the copy's size to it.
    void TakePicture(const QString& path);
    // 0 none, 1 overlay frame, 2 alpha frame; entry within that kind's genre.
    void ChooseFrame(int kind, int entry);
    const TLOImage& Result();

private:
    void ShowFrames();
    void ShowPreview();

    std::unique_ptr<TLOImage> copy_;
    std::vector<TShadeGenre> frames_;
    PictureChooser chooser_;
    QTabWidget* pages_;
    QCheckBox* transparent_;
    QRadioButton* frameKinds_[3];
    QListWidget* frameList_;
    TfrmBackEffectEditor* effects_;
    TPositionPage* position_;
    TObjectPreview* preview_;
    QCheckBox* wizard_ = nullptr;
};
