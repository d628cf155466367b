#pragma once
// TLOBackImage: the background of a label face. It fills the face's outline (a disc without
// its hole, a rounded card, a rectangle) with a colour, gradient or picture, optionally with a
// band of another paint along the outline and a wash of a second colour through a greyscale
// frame picture, and always leaves a disc's centre hole white. It lies behind every other
// object of the face and is never picked by a click.
#include "core/face/face_info.h"
#include "core/face/face_shape_object.h"
#include "core/model/document_facts.h"
#include "core/model/rect_object.h"

#include <memory>

class TColorSpec;
class TPictureEx;

// The layer group of backgrounds, below every ordinary object.
inline constexpr int kBackgroundLayerGroup = -100;

class TLOBackImage : public TLORectBase, public IDOFaceShape, public IBackgroundImageObject {
    LR_CLASS(TLOBackImage, TLORectBase)
public:
    TLOBackImage();
    ~TLOBackImage() override;

    // --- stored, in stream order -------------------------------------------------------
    TColorSpec* FillColor() { return fillColor_.get(); }
    const TColorSpec* FillColor() const { return fillColor_.get(); }
    TColorSpec* FrameColor() { return frameColor_.get(); }
    const TColorSpec* FrameColor() const { return frameColor_.get(); }
    // Width of the band along the outline, logical units; 0 for none.
    int FrameWidth() const { return frameWidth_; }
    void SetFrameWidth(int width);
    TColorSpec* BlendColor() { return blendColor_.get(); }
    const TColorSpec* BlendColor() const { return blendColor_.get(); }
    // The greyscale map of the wash; empty for none. Its strength is BlendRatio.
    TPictureEx* BlendPicture() { return blendPicture_.get(); }
    const TPictureEx* BlendPicture() const { return blendPicture_.get(); }

    // --- read from streams, never written ----------------------------------------------
    // The fill's picture; handing it out for reading makes the fill a picture fill.
    TPictureEx* Image();
    const TPictureEx* Image() const;
    // Clip settings of older documents, accepted and ignored.
    bool EllipseClip() const { return false; }
    void SetEllipseClip(bool) {}
    bool CenterClip() const { return false; }
    void SetCenterClip(bool) {}
    int CenterRadius() const { return 0; }
    void SetCenterRadius(int) {}

    // --- face -----------------------------------------------------------------------------
    const TFaceInfo& FaceInfo() const override { return face_; }
    void SetFaceInfo(const TFaceInfo& info) override;

    // No frame band, a plain white solid fill and no wash.
    bool IsBlankBackground() const;
    void ClearBackground();

    // The rectangle the fill paints: the object's rectangle, or for an untiled picture its
    // crop scaled, aspect kept, to cover the object's rectangle and centred on it.
    TRect FillRect() const;

    // --- IBackgroundImageObject -----------------------------------------------------------
    bool IsEmptyBackground() const override { return IsBlankBackground(); }
    void SetFace(const TFaceInfo& face, int width, int height) override;
    std::unique_ptr<TDrawObject> CurrentKind() const override { return nullptr; }

    // --- draw object ------------------------------------------------------------------------
    void Paint(TCanvas& canvas) override;
    bool HitTest(QPoint) const override { return false; }
    void Resize(int width, int height) override;
    void DrawOutline(TCanvas& canvas) override;
    void Notify(TObject* sender, const TNotifyId& id) override;

    void AssignTo(TPersistent& target) const override;

private:
    std::unique_ptr<TColorSpec> fillColor_;
    std::unique_ptr<TColorSpec> frameColor_;
    int frameWidth_ = 0;
    std::unique_ptr<TColorSpec> blendColor_;
    std::unique_ptr<TPictureEx> blendPicture_;
    TFaceInfo face_;
};
