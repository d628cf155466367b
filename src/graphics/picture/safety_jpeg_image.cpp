#include "graphics/picture/safety_jpeg_image.h"

#include "graphics/picture/jpeg_codec.h"

LR_DEFINE_CLASS(TSafetyJPEGImage, TGraphic, LR_CREATABLE(TSafetyJPEGImage))

int TSafetyJPEGImage::Width() const
{
    return Empty() ? 0 : ScaledJPEGSize(FullSize(), int(scale_)).width();
}

int TSafetyJPEGImage::Height() const
{
    return Empty() ? 0 : ScaledJPEGSize(FullSize(), int(scale_)).height();
}

void TSafetyJPEGImage::Draw(TCanvas& canvas, const TRect& rect) const
{
    if (!Empty())
        DrawImageStretched(canvas, rect, DecodedImage());
}

void TSafetyJPEGImage::LoadFromBytes(const QByteArray& data)
{
    header_ = CheckJPEGHeader(data);
    data_ = data;
    decoded_ = QImage();
    Changed();
}

QImage TSafetyJPEGImage::ToImage() const
{
    return Empty() ? QImage() : DecodedImage();
}

void TSafetyJPEGImage::Assign(const TPersistent& source)
{
    if (&source == this)
        return;
    if (const auto* jpeg = dynamic_cast<const TSafetyJPEGImage*>(&source)) {
        data_ = jpeg->data_;
        header_ = jpeg->header_;
        scale_ = jpeg->scale_;
        decoded_ = jpeg->decoded_;
        Changed();
        return;
    }
    if (const auto* graphic = dynamic_cast<const TGraphic*>(&source)) {
        Compress(FlattenOnWhite(graphic->ToImage()));
        return;
    }
    inherited::Assign(source);
}

void TSafetyJPEGImage::Compress(const QImage& image, int quality)
{
    if (!image.isNull()) {
        LoadFromBytes(EncodeJPEG(image, quality));
        return;
    }
    data_.clear();
    header_ = {};
    decoded_ = QImage();
    Changed();
}

void TSafetyJPEGImage::SetScale(TJPEGScale scale)
{
    if (scale != scale_) {
        scale_ = scale;
        decoded_ = QImage();
        Changed();
    }
}

const QImage& TSafetyJPEGImage::DecodedImage() const
{
    if (decoded_.isNull() && !Empty())
        decoded_ = DecodeJPEG(data_, int(scale_));
    return decoded_;
}
