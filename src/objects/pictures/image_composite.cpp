#include "objects/pictures/image_composite.h"

#include "core/canvas/rect.h"
#include "core/persistent/color_type.h"
#include "graphics/picture/graphic.h"
#include "objects/pictures/turn_image.h"
#include "graphics/raster/resample.h"

namespace {

// The frame at the picture's size: nearest neighbour for an overlay frame, whose window and
// clear colours must stay exact, linear for the grey levels of an alpha frame.
QImage FrameAtSize(const QImage& frame, QSize size, TResampleFilter filter)
{
    const QImage source = FlattenOnWhite(frame).convertToFormat(QImage::Format_BGR888);
    if (source.size() == size)
        return source;
    QImage scaled(size, QImage::Format_BGR888);
    Resample(scaled, source, filter);
    return scaled;
}

// An overlay frame replaces the picture wherever it does not show its window colour; there
// the picture's own coverage gives way to an opaque frame, and the clear colour becomes
// see-through.
void LayOverlayFrame(QImage& colour, QImage& cover, const QImage& frame)
{
    for (int y = 0; y < colour.height(); ++y) {
        uchar* pixel = colour.scanLine(y);
        uchar* shown = cover.scanLine(y);
        const uchar* over = frame.constScanLine(y);
        for (int x = 0; x < colour.width(); ++x, pixel += 3, over += 3) {
            const QRgb value = qRgb(over[2], over[1], over[0]) & RGB_MASK;
            if (value == kFrameWindowColour)
                continue;
            pixel[0] = over[0];
            pixel[1] = over[1];
            pixel[2] = over[2];
            shown[x] = value == kFrameClearColour ? 0 : 255;
        }
    }
}

QImage GreyLevels(const QImage& frame)
{
    QImage grey(frame.size(), QImage::Format_Grayscale8);
    for (int y = 0; y < frame.height(); ++y) {
        const uchar* pixel = frame.constScanLine(y);
        uchar* level = grey.scanLine(y);
        for (int x = 0; x < frame.width(); ++x, pixel += 3)
            level[x] = static_cast<uchar>(qGray(pixel[2], pixel[1], pixel[0]));
    }
    return grey;
}

} // namespace

QImage TImageComposite::Masked() const
{
    QImage masked = Colour.convertToFormat(QImage::Format_ARGB32);
    masked.setAlphaChannel(Cover);
    return masked;
}

QImage TImageComposite::Coverage() const
{
    if (FrameAlpha.isNull())
        return Cover;
    QImage coverage = Cover.copy();
    for (int y = 0; y < coverage.height(); ++y) {
        uchar* level = coverage.scanLine(y);
        const uchar* frame = FrameAlpha.constScanLine(y);
        for (int x = 0; x < coverage.width(); ++x)
            level[x] &= frame[x];
    }
    return coverage;
}

TImageComposite BuildImageComposite(const TCompositeSource& source)
{
    TImageComposite result;
    if (source.Picture.isNull())
        return result;
    const QSize size = source.Picture.size();
    result.Colour = FlattenOnWhite(source.Picture).convertToFormat(QImage::Format_BGR888);
    if (source.PictureCover.size() == size) {
        result.Cover = source.PictureCover.convertToFormat(QImage::Format_Grayscale8);
    } else {
        result.Cover = QImage(size, QImage::Format_Grayscale8);
        result.Cover.fill(255);
    }
    if (!source.Frame.isNull()) {
        if (source.AlphaFrame)
            result.FrameAlpha = GreyLevels(FrameAtSize(source.Frame, size, TResampleFilter::Linear));
        else
            LayOverlayFrame(result.Colour, result.Cover, FrameAtSize(source.Frame, size, TResampleFilter::Nearest));
    }
    if (source.Angle == 0)
        return result;

    const TRect aspect{0, 0, std::max(1, source.ObjectSize.width()), std::max(1, source.ObjectSize.height())};
    const TRect fitted = FitSize(aspect, size.width(), size.height());
    const QSize target(std::max(1, RectWidth(fitted)), std::max(1, RectHeight(fitted)));
    result.Colour = TurnImage(result.Colour, target, source.Angle, clWhite);
    result.Cover = TurnImage(result.Cover, target, source.Angle, clBlack);
    if (!result.FrameAlpha.isNull())
        result.FrameAlpha = TurnImage(result.FrameAlpha, target, source.Angle, clWhite);
    return result;
}
