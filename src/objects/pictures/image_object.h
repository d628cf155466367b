#pragma once
// TLOImage: a picture placed on a label face. The picture with its crop, filters and
// transparent colour is a TImageData; the object adds a rotation and an optional frame
// picture laid over it, either as an overlay with a see-through window or as an alpha frame
// that fades the picture. The turned, framed result is kept as a composite until the angle,
// the size, the picture or the frame changes.
#include "core/model/object_interfaces.h"
#include "core/model/rect_object.h"
#include "core/persistent/color_type.h"
#include "objects/pictures/image_composite.h"

#include <memory>

class TImageData;
class TPictureEx;

// Where the picture came from.
enum TImageSource { isFile = 0, isOnePoint = 1, isTwain = 2, isPlugin = 3 };

// The transparent colour a one-point illustration stored under "Picture" gets when read.
inline constexpr TColor kOnePointTransparentColor = 0xF0F0F0;

class TLOImage : public TLORectBase, public IBlendable, public IDORotate, public IDOPastePicture {
    LR_CLASS(TLOImage, TLORectBase)
public:
    TLOImage();
    ~TLOImage() override;

    // IDOPastePicture: the clipboard's picture, alpha channel kept, at its own size.
    void SetPastedPicture(const QImage& image) override;

    // --- published ----------------------------------------------------------------------
    TImageData* ImageData() { return imageData_.get(); }
    const TImageData* ImageData() const { return imageData_.get(); }
    TPictureEx* FramePicture() { return frame_.get(); }
    const TPictureEx* FramePicture() const { return frame_.get(); }
    bool AlphaFrame() const { return alphaFrame_; }
    void SetAlphaFrame(bool alphaFrame);
    int Angle() const override { return angle_; }
    void SetAngle(int angle) override;
    TImageSource ImageSource() const { return imageSource_; }
    void SetImageSource(TImageSource source);
    // The picture inside ImageData. Reached from a stream (never written), it marks the
    // picture as touched, which the reader's loaded step uses for one-point illustrations.
    TPictureEx* Picture();
    const TPictureEx* Picture() const;

    // --- IBlendable ---------------------------------------------------------------------
    void SetBlendShade(bool shade) override { TLabelObject::SetBlendShade(shade); }
    bool BlendShade() const override { return TLabelObject::BlendShade(); }
    void SetBlendRatio(int ratio) override { TLabelObject::SetBlendRatio(ratio); }
    int BlendRatio() const override { return TLabelObject::BlendRatio(); }

    // --- geometry -----------------------------------------------------------------------
    bool HitTest(QPoint logical) const override;
    TRect GetBounds() const override;
    void DrawOutline(TCanvas& canvas) override;
    void Resize(int width, int height) override;
    void SetBoundsRect(const TRect& rect) override;
    bool KeepAspect() const override { return true; }
    // The natural size of the processed picture (180 pixels per inch, at least 30 units);
    // an object on a draw site keeps its extent and fits that size into it.
    void FitSizeToPicture();

    // --- painting -----------------------------------------------------------------------
    void Paint(TCanvas& canvas) override;
    bool NeedsBlendedPaint() const override;
    void PaintMask(TCanvas& mask) override;
    // The composite, built when the cache is empty (an empty composite for no picture).
    const TImageComposite& Composite() const;
    bool HasComposite() const { return !composite_.Empty(); }

    void Notify(TObject* sender, const TNotifyId& id) override;
    void Loaded() override;
    void AssignTo(TPersistent& target) const override;

private:
    bool DrawsDirectly() const;
    void DropComposite();

    std::unique_ptr<TImageData> imageData_;
    std::unique_ptr<TPictureEx> frame_;
    bool alphaFrame_ = false;
    int angle_ = 0;
    TImageSource imageSource_ = isFile;
    bool pictureTouched_ = false;
    mutable bool building_ = false;
    mutable TImageComposite composite_;
    mutable QImage masked_;
    mutable QImage coverage_;
};

// The published name of the image source type.
extern const TTypeInfo ImageSourceType;
