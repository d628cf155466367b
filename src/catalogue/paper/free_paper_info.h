#pragma once
// TFreePaperInfo: a sheet whose faces are listed one by one, each a TFaceItem with its own
// rectangle, shape, bleed, hole, corner and purpose.
#include "catalogue/paper/paper_info.h"
#include "core/persistent/collection.h"

class TFaceItem : public TCollectionItem {
    LR_CLASS(TFaceItem, TCollectionItem)
public:
    TFaceItem() = default;

    // The nominal face rectangle: Left and Top move it keeping its size; Width and Height
    // move the right and bottom edges.
    int Left() const { return left_; }
    void SetLeft(int left) { left_ = left; }
    int Top() const { return top_; }
    void SetTop(int top) { top_ = top; }
    int Width() const { return width_; }
    void SetWidth(int width) { width_ = width; }
    int Height() const { return height_; }
    void SetHeight(int height) { height_ = height; }
    TRect FaceRect() const { return {left_, top_, left_ + width_, top_ + height_}; }
    void SetFaceRect(const TRect& rect);

    int FaceMargin() const { return face_.FaceMargin(); }
    void SetFaceMargin(int margin) { face_.SetFaceMargin(margin); }
    TFaceShape FaceShape() const { return face_.FaceShape(); }
    void SetFaceShape(TFaceShape shape) { face_.SetFaceShape(shape); }
    QString FacePurpose() const { return face_.FacePurpose(); }
    void SetFacePurpose(const QString& purpose) { face_.SetFacePurpose(purpose); }
    int RoundSize() const { return face_.RoundSize(); }
    void SetRoundSize(int size) { face_.SetRoundSize(size); }
    TCenterShape CenterShape() const { return face_.CenterShape(); }
    void SetCenterShape(TCenterShape shape) { face_.SetCenterShape(shape); }
    int CutCenterWidth() const { return face_.CutCenterWidth(); }
    void SetCutCenterWidth(int width) { face_.SetCutCenterWidth(width); }
    int CutCenterHeight() const { return face_.CutCenterHeight(); }
    void SetCutCenterHeight(int height) { face_.SetCutCenterHeight(height); }
    bool HoleSizesStored() const;

    // The item's description in portrait sheet coordinates (stored purpose).
    TFaceInfo Face() const;
    void SetFace(const TFaceInfo& face);

    void Assign(const TPersistent& source) override;
    void DefineProperties(TFiler& filer) override;

private:
    int left_ = 0;
    int top_ = 0;
    int width_ = 0;
    int height_ = 0;
    // Everything but the rectangle.
    TFaceInfo face_;
};

class TFaces : public TCollection {
    LR_CLASS(TFaces, TCollection)
public:
    explicit TFaces(TPersistent* owner = nullptr);
    TFaceItem* Face(int index) const { return ItemAs<TFaceItem>(index); }
    TFaceItem* AddFace() { return static_cast<TFaceItem*>(Add()); }
};

class TFreePaperInfo : public TPaperInfo {
    LR_CLASS(TFreePaperInfo, TPaperInfo)
public:
    TFreePaperInfo();
    ~TFreePaperInfo() override;

    TFaces* Faces() { return faces_.get(); }
    const TFaces* Faces() const { return faces_.get(); }

    int FaceCount() const override { return faces_->Count(); }
    TFaceShape FaceShape(int index) const override { return Item(index).FaceShape(); }
    TRect FaceRect(int index) const override { return Item(index).FaceRect(); }
    int FaceMargin(int index) const override { return Item(index).FaceMargin(); }
    QSize CutCenterSize(int index) const override;
    int RoundSize(int index) const override { return Item(index).RoundSize(); }
    TCenterShape CenterShape(int index) const override { return Item(index).CenterShape(); }

    // Sets the item from a face description given on the sheet as used: the reverse of
    // GetFaceInfo (rectangle, margin, shape, purpose, centre shape, hole and corner).
    void SetFaceItem(TFaceItem& item, const TFaceInfo& info) const;

    void AssignTo(TPersistent& target) const override;

protected:
    QString StoredFacePurpose(int index) const override { return Item(index).FacePurpose(); }
    void CheckBounds() const override;

private:
    const TFaceItem& Item(int index) const { return *faces_->Face(index); }

    std::unique_ptr<TFaces> faces_;
};
