#pragma once
// TEncodedImage: a graphic kept as its file, with the pixels decoded from it when it is
// loaded (PNG and GIF images, icons). Saving writes the file unchanged.
#include "graphics/picture/graphic.h"

class TEncodedImage : public TGraphic {
    LR_CLASS(TEncodedImage, TGraphic)
public:
    bool Empty() const override { return image_.isNull(); }
    int Width() const override { return image_.width(); }
    int Height() const override { return image_.height(); }
    void Draw(TCanvas& canvas, const TRect& rect) const override;
    void LoadFromBytes(const QByteArray& data) override;
    QByteArray SaveToBytes() const override { return data_; }
    QImage ToImage() const override { return image_; }
    // Copies another graphic of the same class.
    void Assign(const TPersistent& source) override;

protected:
    // The pixels of a file; fails with the class's message.
    virtual QImage Decode(const QByteArray& data) const = 0;

private:
    QByteArray data_;
    QImage image_;
};

// PNG images ("Portable Network Graphics").
class TPngImage : public TEncodedImage {
    LR_CLASS(TPngImage, TEncodedImage)
public:
    // From another graphic: its pixels, encoded as PNG.
    void Assign(const TPersistent& source) override;

protected:
    QImage Decode(const QByteArray& data) const override;
};

// GIF images: the first frame.
class TGIFImage : public TEncodedImage {
    LR_CLASS(TGIFImage, TEncodedImage)
protected:
    QImage Decode(const QByteArray& data) const override;
};

// Icons: an icon file; icon resources load through LoadFromIconResource.
class TIcon : public TEncodedImage {
    LR_CLASS(TIcon, TEncodedImage)
public:
    // One image of an icon resource (a device-independent bitmap with its mask, or a PNG
    // file), loaded as a one-image icon file.
    void LoadFromIconResource(const QByteArray& image);

protected:
    QImage Decode(const QByteArray& data) const override;
};
