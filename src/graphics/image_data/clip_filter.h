#pragma once
// The crop of label images. ClipRect is the part of the picture to keep, in source pixels;
// an empty rectangle keeps the whole picture. A rectangle reaching beyond the picture (one
// read from a damaged document, say) is cut to the picture, and one wholly outside it keeps
// the whole picture, so that a crop never makes a bitmap larger than its source.
#include "core/persistent/color_type.h"
#include "graphics/image_data/image_filter.h"

class TClipFilter : public TImageFilter {
    LR_CLASS(TClipFilter, TImageFilter)
public:
    TClipFilter() = default;

    TRect ClipRect() const { return clipRect_; }
    void SetClipRect(const TRect& rect) { Notify().Store(clipRect_, rect); }

    // The background the crop is laid on, set by the owner before applying: with fill, a
    // new bitmap filled with the colour (the transparent colour of the picture) receives
    // the source. Not a stored setting.
    void SetBackground(bool fill, TColor color);
    bool FillsBackground() const { return fillBackground_; }

    // The part of a picture of that size the crop keeps.
    TRect EffectiveRect(int width, int height) const;

    bool CanApply(const TPictureEx&) const override { return true; }
    // With background filling, or when the crop is not the whole picture: a bitmap of the
    // crop's size (a bitmap source keeps its pixel format and palette, others become 24
    // bits on the background colour, white without filling). Otherwise a copy of the source.
    void Apply(const TPictureEx& source, TPictureEx& destination, TRect& result) const override;
    // A crop that is not the whole picture, or background filling of a graphic other than
    // a bitmap.
    bool IsActive(const TPictureEx& picture) const override;

    void Assign(const TPersistent& source) override;
    // "ClipRect": a list of the four integers Left, Top, Right, Bottom, written when the
    // rectangle is not empty.
    void DefineProperties(TFiler& filer) override;

private:
    TRect clipRect_;
    bool fillBackground_ = false;
    TColor backgroundColor_ = clWhite;
};
