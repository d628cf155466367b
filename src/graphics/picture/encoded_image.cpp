#include "graphics/picture/encoded_image.h"

#include "core/error.h"
#include "graphics/picture/byte_view.h"
#include "graphics/picture/gif_codec.h"
#include "graphics/picture/picture_limits.h"
#include "graphics/picture/picture_messages.h"
#include "graphics/picture/png_codec.h"

#include <QBuffer>
#include <QImageReader>

LR_DEFINE_CLASS(TEncodedImage, TGraphic, LR_ABSTRACT)
LR_DEFINE_CLASS(TPngImage, TEncodedImage, LR_CREATABLE(TPngImage))
LR_DEFINE_CLASS(TGIFImage, TEncodedImage, LR_CREATABLE(TGIFImage))
LR_DEFINE_CLASS(TIcon, TEncodedImage, LR_CREATABLE(TIcon))

void TEncodedImage::Draw(TCanvas& canvas, const TRect& rect) const
{
    DrawImageStretched(canvas, rect, image_);
}

void TEncodedImage::LoadFromBytes(const QByteArray& data)
{
    image_ = Decode(data);
    data_ = data;
    Changed();
}

void TEncodedImage::Assign(const TPersistent& source)
{
    if (&source == this)
        return;
    const auto* other = dynamic_cast<const TEncodedImage*>(&source);
    if (!other || &other->ClassInfo() != &ClassInfo()) {
        inherited::Assign(source);
        return;
    }
    data_ = other->data_;
    image_ = other->image_;
    Changed();
}

void TPngImage::Assign(const TPersistent& source)
{
    const auto* graphic = dynamic_cast<const TGraphic*>(&source);
    if (graphic && !dynamic_cast<const TPngImage*>(graphic))
        LoadFromBytes(EncodePNG(graphic->ToImage()));
    else
        inherited::Assign(source);
}

QImage TPngImage::Decode(const QByteArray& data) const
{
    return DecodePNG(data);
}

QImage TGIFImage::Decode(const QByteArray& data) const
{
    return DecodeGIF(data);
}

namespace {

const QByteArray kPngSignature("\x89PNG\r\n\x1A\n", 8);

// The size an icon directory entry records for an icon image: from the PNG header or the
// bitmap header (whose height counts the mask too); 256 is stored as 0.
QSize IconImageSize(const QByteArray& image)
{
    const TByteView view(image, picturemsg::ImageLoadFailed());
    if (image.startsWith(kPngSignature))
        return {int(qFromBigEndian<quint32>(view.At(16, 4))), int(qFromBigEndian<quint32>(view.At(20, 4)))};
    return {view.I32(4), view.I32(8) / 2};
}

} // namespace

void TIcon::LoadFromIconResource(const QByteArray& image)
{
    const QSize size = IconImageSize(image);
    if (!PictureSizeAllowed(size.width(), size.height()) || size.width() > 256 || size.height() > 256)
        throw EAppError(picturemsg::ImageLoadFailed());
    const TByteView view(image, picturemsg::ImageLoadFailed());
    const bool png = image.startsWith(kPngSignature);
    // ICONDIR (reserved, type 1, one image) and one ICONDIRENTRY pointing after them.
    QByteArray file(6 + 16, '\0');
    auto* bytes = reinterpret_cast<uchar*>(file.data());
    qToLittleEndian<quint16>(1, bytes + 2);
    qToLittleEndian<quint16>(1, bytes + 4);
    bytes[6] = uchar(size.width() & 0xFF);
    bytes[7] = uchar(size.height() & 0xFF);
    qToLittleEndian<quint16>(1, bytes + 10);
    qToLittleEndian<quint16>(png ? 32 : view.U16(14), bytes + 12);
    qToLittleEndian<quint32>(quint32(image.size()), bytes + 14);
    qToLittleEndian<quint32>(6 + 16, bytes + 18);
    LoadFromBytes(file + image);
}

QImage TIcon::Decode(const QByteArray& data) const
{
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "ico");
    const QSize size = reader.size();
    if (!size.isValid() || !PictureSizeAllowed(size.width(), size.height()))
        throw EAppError(picturemsg::ImageLoadFailed());
    const QImage image = reader.read();
    if (image.isNull())
        throw EAppError(picturemsg::ImageLoadFailed());
    return image;
}
