#pragma once
// TLOArrangedImage: a picture object whose picture is a composition of several photographs
// laid out by one of the arrangement styles, and whose frame is the composition's coverage,
// used as an alpha frame, so that rotation, blending and transparency work as for any
// picture. Only the result and the settings are stored; the photographs themselves are
// needed only while composing.
#include "objects/backgrounds/arrange_compose.h"
#include "objects/pictures/image_object.h"

class IProgressSink;

// The largest canvas side a composition is made at, in pixels: a stored base size can be
// anything, and the canvas must stay allocatable.
inline constexpr int kMaxArrangeCanvasSide = 6000;

class TLOArrangedImage : public TLOImage {
    LR_CLASS(TLOArrangedImage, TLOImage)
public:
    TLOArrangedImage() = default;

    // --- published: the setters store and report a change; nothing is recomposed --------
    int BaseWidth() const { return baseWidth_; }
    void SetBaseWidth(int width);
    int BaseHeight() const { return baseHeight_; }
    void SetBaseHeight(int height);
    TArrangeStyle ArrangeStyle() const { return style_; }
    void SetArrangeStyle(TArrangeStyle style);
    bool Transform() const { return transform_; }
    void SetTransform(bool transform);
    bool Rotate() const { return rotate_; }
    void SetRotate(bool rotate);
    bool Reverse() const { return reverse_; }
    void SetReverse(bool reverse);
    bool TileRepeat() const { return tileRepeat_; }
    void SetTileRepeat(bool tileRepeat);

    // The composition's canvas: a square of min(BaseWidth, BaseHeight) * 180 / 254 pixels,
    // at most kMaxArrangeCanvasSide; empty for a base size without area.
    QSize CanvasSize() const;

    // Composes the pictures by the stored settings (the fixed style places them into the
    // given slots) and makes the result the object's picture, its coverage the alpha frame.
    // Nothing changes for asNone or a canvas without area. The progress advances once per
    // picture drawn.
    void ComposeArrangement(const IArrangePictures& pictures, const std::vector<TLayoutSlot>& fixedSlots = {},
                            IProgressSink* progress = nullptr, const TRandomSource& random = DefaultRandomSource());

    void AssignTo(TPersistent& target) const override;

private:
    template <class T>
    void Store(T& field, T value);

    int baseWidth_ = 0;
    int baseHeight_ = 0;
    TArrangeStyle style_ = asNone;
    bool transform_ = true;
    bool rotate_ = false;
    bool reverse_ = false;
    bool tileRepeat_ = false;
};

// The published name of the arrangement style type.
extern const TTypeInfo ArrangeStyleType;
