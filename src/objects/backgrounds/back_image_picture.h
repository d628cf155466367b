#pragma once
// TBackImagePicture: the turn and mirroring of a background's fill or frame picture. It is
// bound to one image data and keeps an untransformed copy of its picture: a picture put into
// the image data from outside becomes the new copy and is replaced by its transformed form,
// and a change of the turn or the mirroring derives the picture afresh from the copy. The
// picture is mirrored left to right first, then top to bottom, then turned.
#include "core/notify.h"
#include "core/persistent/persistent.h"

#include <QImage>
#include <memory>

class TComponent;
class TImageData;
class TPictureEx;

enum TRotateStyle : int { rsNone = 0, rs90 = 1, rs180 = 2, rs270 = 3 };
enum TPosArrange : int { paTile = 0, paTileShift = 1, paRandom = 2 };

extern const TTypeInfo RotateStyleType;
extern const TTypeInfo PosArrangeType;

class TBackImagePicture : public TPersistent {
    LR_CLASS(TBackImagePicture, TPersistent)
public:
    // Bound to the image data, which must outlive it; owner is the object that streams it
    // (while the owner is being read, the picture in the image data is the transformed one).
    TBackImagePicture(TImageData& imageData, TComponent* owner);
    ~TBackImagePicture() override;

    // --- stored, in stream order -------------------------------------------------------
    TRotateStyle RotateImage() const { return rotate_; }
    void SetRotateImage(TRotateStyle rotate);
    bool ReverseVert() const { return reverseVert_; }
    void SetReverseVert(bool reverse);
    bool ReverseHorz() const { return reverseHorz_; }
    void SetReverseHorz(bool reverse);
    // The picture was composed from several pictures, and how they were arranged.
    bool MultiImage() const { return multiImage_; }
    void SetMultiImage(bool multi) { multiImage_ = multi; }
    TPosArrange PosArrange() const { return posArrange_; }
    void SetPosArrange(TPosArrange arrange) { posArrange_ = arrange; }

    // The picture before turning and mirroring (null when the image data is empty).
    const QImage& Original() const { return original_; }
    // Takes the image data's current picture as already transformed by the current
    // settings and recovers the untransformed copy from it (after reading a stream).
    void AdoptTransformed();

    TPersistent* GetOwner() const override;
    // The five settings and the untransformed copy, then the picture derived afresh.
    void Assign(const TPersistent& source) override;

private:
    void PictureChanged();
    void Derive();
    bool IsIdentity() const { return rotate_ == rsNone && !reverseVert_ && !reverseHorz_; }
    bool OwnerLoading() const;

    TImageData& imageData_;
    TComponent* owner_;
    TRotateStyle rotate_ = rsNone;
    bool reverseVert_ = false;
    bool reverseHorz_ = false;
    bool multiImage_ = false;
    TPosArrange posArrange_ = paTile;
    QImage original_;
    bool writing_ = false;
    TListener listener_;
};

// The picture mirrored (left-right first, then top-bottom) and then turned clockwise by
// quarter turns, as a 24-bit image; and the inverse of that.
QImage TransformBackPicture(const QImage& picture, TRotateStyle rotate, bool reverseVert, bool reverseHorz);
QImage UntransformBackPicture(const QImage& picture, TRotateStyle rotate, bool reverseVert, bool reverseHorz);
