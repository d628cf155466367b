#pragma once
// The turn and mirroring of a background picture as the background dialogs show them:
// "左右反転", "上下反転" and "画像回転" ("標準", "右90度", "180度", "左90度"), written
// straight into the TBackImagePicture they are bound to.
#include <QWidget>

class QCheckBox;
class QComboBox;
class TBackImagePicture;

class TBackPictureFields : public QWidget {
    Q_OBJECT
public:
    explicit TBackPictureFields(QWidget* parent = nullptr);

    // The picture edited in place; nullptr disables the fields.
    void SetPicture(TBackImagePicture* picture);
    QCheckBox* ReverseHorzBox() const { return reverseHorz_; }
    QCheckBox* ReverseVertBox() const { return reverseVert_; }
    QComboBox* RotateBox() const { return rotate_; }

Q_SIGNALS:
    void Changed();

private:
    void Write();

    TBackImagePicture* picture_ = nullptr;
    QCheckBox* reverseHorz_;
    QCheckBox* reverseVert_;
    QComboBox* rotate_;
};
