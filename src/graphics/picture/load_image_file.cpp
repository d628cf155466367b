#include "graphics/picture/load_image_file.h"

#include "core/error.h"
#include "core/canvas/rect.h"
#include "graphics/picture/graphic_registry.h"
#include "graphics/picture/jpeg_codec.h"
#include "graphics/picture/picture_ex.h"
#include "graphics/picture/picture_messages.h"
#include "graphics/picture/safety_bitmap.h"
#include "graphics/picture/safety_jpeg_image.h"

#include <new>

namespace {

QImage SmoothTo24Bits(const QImage& image, QSize target)
{
    const QImage scaled =
        image.size() == target ? image : image.scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return FlattenOnWhite(scaled).convertToFormat(QImage::Format_BGR888);
}

// The picture's graphic reduced to fit within the limit, as a 24-bit bitmap.
std::unique_ptr<TSafetyBitmap> Reduced(const TGraphic& graphic, QSize target)
{
    QImage pixels;
    if (const auto* jpeg = dynamic_cast<const TSafetyJPEGImage*>(&graphic))
        pixels = DecodeJPEGToSize(jpeg->SaveToBytes(), jpeg->FullSize(), target);
    else
        pixels = SmoothTo24Bits(graphic.ToImage(), target);
    auto bitmap = std::make_unique<TSafetyBitmap>();
    bitmap->SetImage(pixels);
    return bitmap;
}

void Load(TPictureEx& picture, const QString& fileName, int imageLimit)
{
    std::unique_ptr<TGraphic> graphic = LoadGraphicFile(fileName);
    if (imageLimit > 0 && (graphic->Width() > imageLimit || graphic->Height() > imageLimit))
        graphic = Reduced(*graphic, SizeWithinLimit(QSize(graphic->Width(), graphic->Height()), imageLimit));
    else if (const auto* jpeg = dynamic_cast<const TSafetyJPEGImage*>(graphic.get()))
        jpeg->DecodedImage(); // a file that cannot be decoded fails now, not when drawn
    picture.SetImageID(fileName);
    picture.SetGraphic(std::move(graphic));
}

} // namespace

QSize SizeWithinLimit(QSize size, int limit)
{
    const TRect fitted = FitSize(TRect(0, 0, size.width(), size.height()), limit, limit);
    return {std::max(RectWidth(fitted), 1), std::max(RectHeight(fitted), 1)};
}

int JPEGScaleFor(QSize full, QSize target)
{
    for (int denominator : {8, 4, 2}) {
        const QSize scaled = ScaledJPEGSize(full, denominator);
        if (scaled.width() >= target.width() && scaled.height() >= target.height())
            return denominator;
    }
    return 1;
}

QImage DecodeJPEGToSize(const QByteArray& data, QSize full, QSize target)
{
    return SmoothTo24Bits(DecodeJPEG(data, JPEGScaleFor(full, target)), target);
}

void LoadImageFile(TPictureEx& picture, const QString& fileName, int imageLimit)
{
    try {
        Load(picture, fileName, imageLimit);
    } catch (const EAppError&) {
        throw EAppError(picturemsg::ImageLoadFailed());
    } catch (const std::bad_alloc&) {
        throw EAppError(picturemsg::ImageLoadFailed());
    }
}
