#pragma once
// TSafetyBitmap: the bitmap class every bitmap of the system lives in. It reads BMP files and
// compressed bitmaps (a "ZLIBCompress" container around a BMP file) and writes plain BMP
// files. A bitmap marked transparent is drawn through a one-bit mask: mask pixels that are
// set (white) are left out. The mask is built from the transparent colour when first needed, or
// put in place by the caller, and is dropped on the next change.
#include "core/persistent/color_type.h"
#include "graphics/picture/graphic.h"
#include "graphics/picture/pixel_format.h"

class TSafetyBitmap : public TGraphic {
    LR_CLASS(TSafetyBitmap, TGraphic)
public:
    TSafetyBitmap() = default;

    bool Empty() const override { return image_.isNull(); }
    int Width() const override { return image_.width(); }
    int Height() const override { return image_.height(); }
    void Draw(TCanvas& canvas, const TRect& rect) const override;
    // A BMP file or a container around one.
    void LoadFromBytes(const QByteArray& data) override;
    // Always an uncompressed BMP file.
    QByteArray SaveToBytes() const override;
    QImage ToImage() const override { return image_; }
    // From another bitmap: pixels, pixel format and transparency. From any other graphic:
    // its pixels on white, in 24 bits (8 bits for grey pictures), not transparent.
    void Assign(const TPersistent& source) override;
    void Changed() override;

    // Clipboard and resource bitmaps: a device-independent bitmap without file header, or a
    // container around a complete BMP file.
    void LoadFromDIB(const QByteArray& data);

    // The pixels, in the QImage format of the pixel format (see pixel_format.h).
    const QImage& Image() const { return image_; }
    // The pixels for drawing into; call Changed() when done.
    QImage& MutableImage() { return image_; }
    // Takes an image; formats outside the bitmap formats become 24 bits.
    void SetImage(const QImage& image);
    TPixelFormat PixelFormat() const { return pixelFormat_; }
    void SetPixelFormat(TPixelFormat format);

    bool Transparent() const { return transparent_; }
    void SetTransparent(bool transparent);
    TColor TransparentColor() const { return transparentColor_; }
    void SetTransparentColor(TColor color);
    // The transparency mask (Format_Mono, colour table black and white, 1 = white = left
    // out): the one put in place, else built from the transparent colour.
    const QImage& Mask() const;
    // Puts a saved mask in place until the next change: white (light) pixels are left out.
    // It must have the bitmap's size.
    void SetMask(const QImage& mask);

private:
    void TakeImage(QImage image, TPixelFormat format);
    const QImage& MaskedImage() const;

    QImage image_;
    TPixelFormat pixelFormat_ = TPixelFormat::pf24bit;
    bool transparent_ = false;
    TColor transparentColor_ = clBlack;
    mutable QImage mask_;
    mutable QImage masked_;
};
