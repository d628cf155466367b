#pragma once
// TSafetyJPEGImage: a JPEG picture kept as its file and decoded on demand. Every JPEG passes
// the header check before it is taken; decoding may be reduced to 1/2, 1/4 or 1/8 of the
// size through DCT scaling.
#include "graphics/picture/graphic.h"
#include "graphics/picture/jpeg_header.h"

enum class TJPEGScale { jsFullSize = 1, jsHalf = 2, jsQuarter = 4, jsEighth = 8 };

class TSafetyJPEGImage : public TGraphic {
    LR_CLASS(TSafetyJPEGImage, TGraphic)
public:
    // The quality at which pixels are compressed unless a caller says otherwise.
    static constexpr int kDefaultQuality = 90;

    TSafetyJPEGImage() = default;

    bool Empty() const override { return data_.isEmpty(); }
    // The size of the decoded picture at the current scale.
    int Width() const override;
    int Height() const override;
    void Draw(TCanvas& canvas, const TRect& rect) const override;
    // Checks the header, then keeps the file; decoding waits until the pixels are needed.
    void LoadFromBytes(const QByteArray& data) override;
    QByteArray SaveToBytes() const override { return data_; }
    QImage ToImage() const override;
    // From another JPEG image: its file and scale. From any other graphic: its pixels on
    // white, compressed at the default quality.
    void Assign(const TPersistent& source) override;

    // Compresses pixels (grey pictures stay grey) into this image.
    void Compress(const QImage& image, int quality = kDefaultQuality);

    TJPEGScale Scale() const { return scale_; }
    void SetScale(TJPEGScale scale);
    bool Grayscale() const { return header_.Components == 1; }
    // The size stored in the file.
    QSize FullSize() const { return {header_.Width, header_.Height}; }

    // The decoded pixels at the current scale (Format_BGR888, Format_Grayscale8 for grey
    // pictures); decodes on first use and fails with "未対応のJPEG形式です" when the data
    // cannot be decoded.
    const QImage& DecodedImage() const;

private:
    QByteArray data_;
    TJPEGHeader header_;
    TJPEGScale scale_ = TJPEGScale::jsFullSize;
    mutable QImage decoded_;
};
