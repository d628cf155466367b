#pragma once
// TImageData: a label image as the user set it up: the source picture, its crop, blur or
// sharpening, monotone tint, brightness and contrast, and a colour made transparent. The
// processed picture is made on demand in a fixed order and kept until the next change of
// the picture, a filter or the transparent colour.
#include "core/persistent/color_type.h"
#include "core/notify.h"
#include "core/persistent/persistent.h"

#include <memory>

class TBlurFilter;
class TClipFilter;
class TLightFilter;
class TMonotoneFilter;
class TPictureEx;

namespace notify {
// The picture of an image data changed both its width and its height (sent before
// ImagePictureChanged).
inline const TNotifyId ImageSizeChanged{0x386FA8F1, 0x5C4E, 0x11D3, 0xAD, 0x57, 0x00, 0x50, 0x04, 0x63, 0x09, 0x8A};
// The picture of an image data changed.
inline const TNotifyId ImagePictureChanged{0x3C2CDFD1, 0x5C80, 0x11D3, 0xAD, 0x58, 0x00, 0x50, 0x04, 0x63, 0x09, 0x8A};
} // namespace notify

class TImageData : public TPersistent, public IBroadcasterAccess {
    LR_CLASS(TImageData, TPersistent)
public:
    TImageData();
    ~TImageData() override;

    // --- published ----------------------------------------------------------------------
    TPictureEx* Picture() { return picture_.get(); }
    const TPictureEx* Picture() const { return picture_.get(); }
    TClipFilter* ClipFilter() { return clip_.get(); }
    const TClipFilter* ClipFilter() const { return clip_.get(); }
    TBlurFilter* BlurFilter() { return blur_.get(); }
    const TBlurFilter* BlurFilter() const { return blur_.get(); }
    TLightFilter* LightFilter() { return light_.get(); }
    const TLightFilter* LightFilter() const { return light_.get(); }
    TMonotoneFilter* MonotoneFilter() { return monotone_.get(); }
    const TMonotoneFilter* MonotoneFilter() const { return monotone_.get(); }
    // The colour made transparent, clNone for none.
    TColor TransparentColor() const { return transparentColor_; }
    void SetTransparentColor(TColor color);

    // --- state --------------------------------------------------------------------------
    // Empty when the picture holds no graphic (or an empty one) and is not linked to an
    // external image store.
    bool Empty() const;
    // Transparency applies when a transparent colour is set and the graphic is a bitmap,
    // PNG or JPEG image.
    bool TransparencyInEffect() const;
    // The crop becomes the whole picture (aspect width 0, or an empty picture), or the
    // largest rectangle of the aspect centred in it.
    void ResetClip(int aspectWidth = 0, int aspectHeight = 0);

    // The picture cropped, made transparent and filtered; made when first asked for after a
    // change. An empty source gives an empty picture.
    const TPictureEx& ProcessedPicture() const;

    // From another image data: every published setting, inside one change bracket.
    void Assign(const TPersistent& source) override;

    TChangeNotify& Notify() { return notify_; }
    IBroadcaster& Broadcaster() override { return notify_; }

private:
    void SourceChanged(TObject* sender);
    void PictureChanged();
    void Invalidate();
    void Process() const;

    std::unique_ptr<TPictureEx> picture_;
    std::unique_ptr<TClipFilter> clip_;
    std::unique_ptr<TBlurFilter> blur_;
    std::unique_ptr<TLightFilter> light_;
    std::unique_ptr<TMonotoneFilter> monotone_;
    TColor transparentColor_ = clNone;
    mutable std::unique_ptr<TPictureEx> processed_;
    int lastWidth_ = 0;
    int lastHeight_ = 0;
    TChangeNotify notify_{this};
    TListener listener_;
};
