#pragma once
// TMatrixPaperInfo: a sheet whose identical faces sit in a regular grid, numbered row by
// row from the top left.
#include "catalogue/paper/paper_info.h"

class TMatrixPaperInfo : public TPaperInfo {
    LR_CLASS(TMatrixPaperInfo, TPaperInfo)
public:
    TMatrixPaperInfo() = default;

    // --- published grid ---------------------------------------------------------------------
    // Top of the first row and left of the first column.
    int TopOffset() const { return topOffset_; }
    void SetTopOffset(int value) { topOffset_ = value; }
    int LeftOffset() const { return leftOffset_; }
    void SetLeftOffset(int value) { leftOffset_ = value; }
    // The gaps between two rows and between two columns.
    int BottomMargin() const { return bottomMargin_; }
    void SetBottomMargin(int value) { bottomMargin_ = value; }
    int RightMargin() const { return rightMargin_; }
    void SetRightMargin(int value) { rightMargin_ = value; }
    // The nominal size of each face.
    int FaceWidth() const { return faceWidth_; }
    void SetFaceWidth(int value) { faceWidth_ = value; }
    int FaceHeight() const { return faceHeight_; }
    void SetFaceHeight(int value) { faceHeight_ = value; }
    int FaceCountX() const { return faceCountX_; }
    void SetFaceCountX(int value) { faceCountX_ = value; }
    int FaceCountY() const { return faceCountY_; }
    void SetFaceCountY(int value) { faceCountY_ = value; }

    // --- published description of every face ------------------------------------------------------
    // Each getter also has a per-face form (index argument) below.
    using TPaperInfo::FacePurpose;
    TFaceShape FaceShape() const { return face_.FaceShape(); }
    void SetFaceShape(TFaceShape shape) { face_.SetFaceShape(shape); }
    QString FacePurpose() const { return face_.FacePurpose(); }
    void SetFacePurpose(const QString& purpose) { face_.SetFacePurpose(purpose); }
    int FaceMargin() const { return face_.FaceMargin(); }
    void SetFaceMargin(int margin) { face_.SetFaceMargin(margin); }
    int RoundSize() const { return face_.RoundSize(); }
    void SetRoundSize(int size) { face_.SetRoundSize(size); }
    TCenterShape CenterShape() const { return face_.CenterShape(); }
    void SetCenterShape(TCenterShape shape) { face_.SetCenterShape(shape); }
    int CutCenterWidth() const { return face_.CutCenterWidth(); }
    void SetCutCenterWidth(int width) { face_.SetCutCenterWidth(width); }
    int CutCenterHeight() const { return face_.CutCenterHeight(); }
    void SetCutCenterHeight(int height) { face_.SetCutCenterHeight(height); }
    bool HoleSizesStored() const;

    // --- faces ----------------------------------------------------------------------------------
    int FaceCount() const override { return faceCountX_ * faceCountY_; }
    TFaceShape FaceShape(int) const override { return face_.FaceShape(); }
    TRect FaceRect(int index) const override;
    int FaceMargin(int) const override { return face_.FaceMargin(); }
    QSize CutCenterSize(int) const override { return {face_.CutCenterWidth(), face_.CutCenterHeight()}; }
    int RoundSize(int) const override { return face_.RoundSize(); }
    TCenterShape CenterShape(int) const override { return face_.CenterShape(); }

    void AssignTo(TPersistent& target) const override;
    void DefineProperties(TFiler& filer) override;

protected:
    QString StoredFacePurpose(int) const override { return face_.FacePurpose(); }
    void CheckBounds() const override;

private:
    int topOffset_ = 0;
    int leftOffset_ = 0;
    int bottomMargin_ = 0;
    int rightMargin_ = 0;
    int faceWidth_ = 0;
    int faceHeight_ = 0;
    int faceCountX_ = 0;
    int faceCountY_ = 0;
    // What every face shares (its rectangle is not used).
    TFaceInfo face_;
};
