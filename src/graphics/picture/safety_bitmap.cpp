#include "graphics/picture/safety_bitmap.h"

#include "core/error.h"
#include "graphics/picture/bmp_reader.h"
#include "graphics/picture/bmp_writer.h"
#include "graphics/picture/picture_limits.h"
#include "graphics/picture/picture_messages.h"
#include "graphics/picture/zlib_container.h"

LR_DEFINE_CLASS(TSafetyBitmap, TGraphic, LR_CREATABLE(TSafetyBitmap))

namespace {

// The longest BMP file a container may announce: the largest picture at 32 bits plus
// headers and a colour table.
constexpr qint64 kMaxBitmapFileBytes = kMaxPicturePixels * 4 + 4096;

QRgb ColorToRgb(TColor color)
{
    return qRgb(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

// The transparent colour as the image's pixels can hold it: 15- and 16-bit pixels keep
// fewer bits per channel.
QRgb KeyInFormat(const QImage& image, QRgb key)
{
    if (image.format() != QImage::Format_RGB555 && image.format() != QImage::Format_RGB16)
        return key;
    QImage one(1, 1, QImage::Format_RGB32);
    one.setPixel(0, 0, key);
    return one.convertToFormat(image.format()).convertToFormat(QImage::Format_RGB32).pixel(0, 0);
}

// A mask whose bits are set where the test holds for the pixel (as RGB32).
template <class Test>
QImage MaskWhere(const QImage& image, Test test)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    QImage mask(image.size(), QImage::Format_Mono);
    mask.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    mask.fill(0);
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* source = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        uchar* bits = mask.scanLine(y);
        for (int x = 0; x < rgb.width(); ++x)
            if (test(source[x]))
                bits[x >> 3] |= uchar(0x80 >> (x & 7));
    }
    return mask;
}

QImage BuildMask(const QImage& image, QRgb key)
{
    const QRgb wanted = KeyInFormat(image, key) & 0x00FFFFFF;
    return MaskWhere(image, [wanted](QRgb pixel) { return (pixel & 0x00FFFFFF) == wanted; });
}

} // namespace

void TSafetyBitmap::Draw(TCanvas& canvas, const TRect& rect) const
{
    DrawImageStretched(canvas, rect, transparent_ ? MaskedImage() : image_);
}

void TSafetyBitmap::LoadFromBytes(const QByteArray& data)
{
    const QByteArray file = StartsWithZlibContainer(data)
                                ? ExpandContainerBytes(data, kMaxBitmapFileBytes, picturemsg::InvalidBitmap())
                                : data;
    TDecodedBitmap decoded = ReadBmp(file);
    TakeImage(std::move(decoded.Image), decoded.PixelFormat);
}

void TSafetyBitmap::LoadFromDIB(const QByteArray& data)
{
    LoadFromBytes(StartsWithZlibContainer(data) ? data : WithBitmapFileHeader(data));
}

QByteArray TSafetyBitmap::SaveToBytes() const
{
    return image_.isNull() ? QByteArray() : WriteBmp(image_, pixelFormat_);
}

void TSafetyBitmap::Assign(const TPersistent& source)
{
    if (&source == this)
        return;
    if (const auto* bitmap = dynamic_cast<const TSafetyBitmap*>(&source)) {
        image_ = bitmap->image_;
        pixelFormat_ = bitmap->pixelFormat_;
        transparent_ = bitmap->transparent_;
        transparentColor_ = bitmap->transparentColor_;
        mask_ = bitmap->mask_;
        masked_ = bitmap->masked_;
        TGraphic::Changed();
        return;
    }
    if (const auto* graphic = dynamic_cast<const TGraphic*>(&source)) {
        transparent_ = false;
        const QImage pixels = FlattenOnWhite(graphic->ToImage());
        TakeImage(pixels, pixels.format() == QImage::Format_Grayscale8 ? TPixelFormat::pf8bit : TPixelFormat::pf24bit);
        return;
    }
    inherited::Assign(source);
}

void TSafetyBitmap::Changed()
{
    mask_ = QImage();
    masked_ = QImage();
    TGraphic::Changed();
}

void TSafetyBitmap::SetImage(const QImage& image)
{
    TakeImage(image, PixelFormatOf(image));
}

void TSafetyBitmap::SetPixelFormat(TPixelFormat format)
{
    if (format != pixelFormat_)
        TakeImage(image_, format);
}

void TSafetyBitmap::TakeImage(QImage image, TPixelFormat format)
{
    image_ = image.isNull() ? QImage() : ConvertToPixelFormat(image, format);
    pixelFormat_ = format;
    Changed();
}

void TSafetyBitmap::SetTransparent(bool transparent)
{
    if (transparent != transparent_) {
        transparent_ = transparent;
        Changed();
    }
}

void TSafetyBitmap::SetTransparentColor(TColor color)
{
    if (color != transparentColor_) {
        transparentColor_ = color;
        Changed();
    }
}

const QImage& TSafetyBitmap::Mask() const
{
    if (mask_.isNull() && !image_.isNull())
        mask_ = BuildMask(image_, ColorToRgb(transparentColor_));
    return mask_;
}

void TSafetyBitmap::SetMask(const QImage& mask)
{
    if (mask.size() != image_.size())
        throw EAppError(picturemsg::InvalidBitmap());
    mask_ = MaskWhere(mask, [](QRgb pixel) { return qGray(pixel) >= 128; });
    masked_ = QImage();
}

const QImage& TSafetyBitmap::MaskedImage() const
{
    if (masked_.isNull() && !image_.isNull()) {
        const QImage& mask = Mask();
        masked_ = image_.convertToFormat(QImage::Format_ARGB32_Premultiplied);
        for (int y = 0; y < masked_.height(); ++y) {
            const uchar* bits = mask.constScanLine(y);
            auto* pixels = reinterpret_cast<QRgb*>(masked_.scanLine(y));
            for (int x = 0; x < masked_.width(); ++x)
                if (bits[x >> 3] & (0x80 >> (x & 7)))
                    pixels[x] = 0;
        }
    }
    return masked_;
}
