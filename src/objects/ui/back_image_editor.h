#pragma once
// TfrmBackImageEditor ("背景イメージの調整"): the adjustment of a background's fill picture
// on the background copy it is given, in place. Pages: "イメージ" (tiling, mirroring and
// turn), "切り抜き" (the face's outline moved over the picture's crop), "画質調整" (the effect page
// with the presets of "Effect.dat") and "フレーム" (the wash picture from "BackFram.dat",
// its colour and ratio). "<< 再選択" ends the dialog with kReselectResult so that the
// choice dialog can take over the same copy.
#include "objects/backgrounds/frame_list.h"

#include <QDialog>
#include <vector>

class QCheckBox;
class QListWidget;
class QSpinBox;
class QTabWidget;
class TBackPictureFields;
class TColorSpecButton;
class TfrmBackClipEditor;
class TLOBackImage2004;
class TObjectPreview;
class TfrmBackEffectEditor;

class TfrmBackImageEditor : public QDialog {
    Q_OBJECT
public:
    enum { kReselectResult = 2 };
    // dataFolder holds "BackGrnd/BackFram.dat" and "Effect/Effect.dat" with their pictures.
    TfrmBackImageEditor(TLOBackImage2004& background, const QString& dataFolder, QWidget* parent = nullptr);
    ~TfrmBackImageEditor() override;

    QTabWidget* Pages() const { return pages_; }
    QCheckBox* TileBox() const { return tile_; }
    QCheckBox* TileShiftBox() const { return tileShift_; }
    TBackPictureFields* PictureFields() const { return pictureFields_; }
    TfrmBackClipEditor* ClipPage() const { return clip_; }
    TfrmBackEffectEditor* Effects() const { return effects_; }
    // The frames in list order, "なし" first.
    QListWidget* FrameList() const { return frameList_; }
    TColorSpecButton* BlendColorButton() const { return blendColor_; }
    QSpinBox* BlendRatioField() const { return blendRatio_; }
    // Row 0 removes the wash; row n takes the n-th frame of the list.
    void ChooseFrame(int row);
    TObjectPreview* Preview() const { return preview_; }

private:
    void WriteWash();
    void Refresh();

    TLOBackImage2004& background_;
    QString dataFolder_;
    std::vector<TFrameGenre> frames_;
    QTabWidget* pages_;
    QCheckBox* tile_;
    QCheckBox* tileShift_;
    TBackPictureFields* pictureFields_;
    TfrmBackClipEditor* clip_;
    TfrmBackEffectEditor* effects_;
    QListWidget* frameList_;
    TColorSpecButton* blendColor_;
    QSpinBox* blendRatio_;
    TObjectPreview* preview_;
};
