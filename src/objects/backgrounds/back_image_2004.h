#pragma once
// TLOBackImage2004: the background as the background dialogs edit it, with the turn and
// mirroring of its fill and frame pictures. Faces store a plain TLOBackImage; CurrentKind
// turns this one into that.
#include "objects/backgrounds/back_image.h"
#include "objects/backgrounds/back_image_picture.h"

class TLOBackImage2004 : public TLOBackImage {
    LR_CLASS(TLOBackImage2004, TLOBackImage)
public:
    TLOBackImage2004();
    ~TLOBackImage2004() override;

    // Bound to the picture of FillColor's and FrameColor's image data.
    TBackImagePicture* FillBackImage() { return fillBackImage_.get(); }
    const TBackImagePicture* FillBackImage() const { return fillBackImage_.get(); }
    TBackImagePicture* FrameBackImage() { return frameBackImage_.get(); }
    const TBackImagePicture* FrameBackImage() const { return frameBackImage_.get(); }

    // A plain TLOBackImage with the same assigned properties.
    std::unique_ptr<TDrawObject> CurrentKind() const override;
    // The pictures read are the transformed ones: their untransformed copies are recovered.
    void Loaded() override;

    void AssignTo(TPersistent& target) const override;

private:
    std::unique_ptr<TBackImagePicture> fillBackImage_;
    std::unique_ptr<TBackImagePicture> frameBackImage_;
};
