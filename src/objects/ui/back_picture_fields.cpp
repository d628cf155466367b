#include "objects/ui/back_picture_fields.h"

#include "objects/backgrounds/back_image_picture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>

TBackPictureFields::TBackPictureFields(QWidget* parent)
    : QWidget(parent), reverseHorz_(new QCheckBox(QStringLiteral("左右反転"))),
      reverseVert_(new QCheckBox(QStringLiteral("上下反転"))), rotate_(new QComboBox)
{
    rotate_->addItems({QStringLiteral("標準"), QStringLiteral("右90度"), QStringLiteral("180度"), QStringLiteral("左90度")});
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(reverseHorz_);
    layout->addWidget(reverseVert_);
    layout->addWidget(new QLabel(QStringLiteral("画像回転")));
    layout->addWidget(rotate_);
    connect(reverseHorz_, &QCheckBox::toggled, this, &TBackPictureFields::Write);
    connect(reverseVert_, &QCheckBox::toggled, this, &TBackPictureFields::Write);
    connect(rotate_, &QComboBox::currentIndexChanged, this, &TBackPictureFields::Write);
    SetPicture(nullptr);
}

void TBackPictureFields::SetPicture(TBackImagePicture* picture)
{
    picture_ = picture;
    setEnabled(picture_ != nullptr);
    if (!picture_)
        return;
    const QSignalBlocker blockHorz(reverseHorz_), blockVert(reverseVert_), blockRotate(rotate_);
    reverseHorz_->setChecked(picture_->ReverseHorz());
    reverseVert_->setChecked(picture_->ReverseVert());
    rotate_->setCurrentIndex(int(picture_->RotateImage()));
}

void TBackPictureFields::Write()
{
    if (!picture_)
        return;
    picture_->SetReverseHorz(reverseHorz_->isChecked());
    picture_->SetReverseVert(reverseVert_->isChecked());
    picture_->SetRotateImage(TRotateStyle(std::clamp(rotate_->currentIndex(), 0, 3)));
    emit Changed();
}
