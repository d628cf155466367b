#include "catalogue/paper/matrix_paper_info.h"

#include "catalogue/paper/face_extras.h"
#include "catalogue/paper/paper_limits.h"
#include "core/stream/reader.h"

LR_DEFINE_CLASS(TMatrixPaperInfo, TPaperInfo, LR_CREATABLE(TMatrixPaperInfo),
    prop::Integer("TopOffset", &Self::TopOffset, &Self::SetTopOffset),
    prop::Integer("LeftOffset", &Self::LeftOffset, &Self::SetLeftOffset),
    prop::Integer("BottomMargin", &Self::BottomMargin, &Self::SetBottomMargin),
    prop::Integer("RightMargin", &Self::RightMargin, &Self::SetRightMargin),
    prop::Integer("FaceWidth", &Self::FaceWidth, &Self::SetFaceWidth),
    prop::Integer("FaceHeight", &Self::FaceHeight, &Self::SetFaceHeight),
    prop::Integer("FaceCountX", &Self::FaceCountX, &Self::SetFaceCountX),
    prop::Integer("FaceCountY", &Self::FaceCountY, &Self::SetFaceCountY),
    prop::Enumeration("FaceShape", &Self::FaceShape, &Self::SetFaceShape, FaceShapeType),
    prop::String("FacePurpose", &Self::FacePurpose, &Self::SetFacePurpose),
    prop::Integer("FaceMargin", &Self::FaceMargin, &Self::SetFaceMargin),
    prop::Integer("RoundSize", &Self::RoundSize, &Self::SetRoundSize).Default(100),
    prop::Enumeration("CenterShape", &Self::CenterShape, &Self::SetCenterShape, CenterShapeType).Default(csEllipse),
    prop::Integer("CutCenterWidth", &Self::CutCenterWidth, &Self::SetCutCenterWidth)
        .Default(kDefaultCutCenter).StoredIf(&Self::HoleSizesStored),
    prop::Integer("CutCenterHeight", &Self::CutCenterHeight, &Self::SetCutCenterHeight)
        .Default(kDefaultCutCenter).StoredIf(&Self::HoleSizesStored))

bool TMatrixPaperInfo::HoleSizesStored() const
{
    return ::HoleSizesStored(face_);
}

TRect TMatrixPaperInfo::FaceRect(int index) const
{
    const int columns = faceCountX_ > 0 ? faceCountX_ : 1;
    const int column = index % columns;
    const int row = index / columns;
    const int left = column * (faceWidth_ + rightMargin_) + leftOffset_;
    const int top = row * (faceHeight_ + bottomMargin_) + topOffset_;
    return {left, top, left + faceWidth_, top + faceHeight_};
}

void TMatrixPaperInfo::AssignTo(TPersistent& target) const
{
    TPaperInfo::AssignTo(target);
    auto* paper = dynamic_cast<TMatrixPaperInfo*>(&target);
    if (!paper)
        return;
    paper->topOffset_ = topOffset_;
    paper->leftOffset_ = leftOffset_;
    paper->bottomMargin_ = bottomMargin_;
    paper->rightMargin_ = rightMargin_;
    paper->faceWidth_ = faceWidth_;
    paper->faceHeight_ = faceHeight_;
    paper->faceCountX_ = faceCountX_;
    paper->faceCountY_ = faceCountY_;
    paper->face_ = face_;
}

void TMatrixPaperInfo::DefineProperties(TFiler& filer)
{
    TPaperInfo::DefineProperties(filer);
    DefineFaceExtras(filer, face_);
}

void TMatrixPaperInfo::CheckBounds() const
{
    TPaperInfo::CheckBounds();
    for (const int offset : {topOffset_, leftOffset_, bottomMargin_, rightMargin_})
        CheckPaperOffset(offset);
    for (const int size : {faceWidth_, faceHeight_})
        CheckPaperSize(size);
    if (faceCountX_ < 0 || faceCountY_ < 0 || faceCountX_ > kMaxPaperFaces || faceCountY_ > kMaxPaperFaces ||
        faceCountX_ * faceCountY_ > kMaxPaperFaces)
        TReader::FailInvalidValue();
    CheckFaceTraits(face_);
}
