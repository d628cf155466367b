#include "graphics/picture/png_codec.h"

#include "core/error.h"
#include "graphics/picture/picture_limits.h"
#include "graphics/picture/picture_messages.h"

#include <climits>
#include <cstring>
#include <memory>
#include <png.h>
#include <vector>

namespace {

// The most memory one ancillary chunk may inflate to (ICC profiles, compressed text).
constexpr png_alloc_size_t kMaxChunkBytes = 8 * 1024 * 1024;
// The most ancillary chunks kept.
constexpr png_uint_32 kMaxChunks = 1000;
// The most a deflate stream can expand: 1032 output bytes per input byte.
constexpr qint64 kMaxInflateRatio = 1032;

void SilentWarning(png_structp, png_const_charp)
{
}

// The reader's state lives on the heap so that nothing libpng's jump skips over is a local
// of the function that calls setjmp.
struct Reader {
    png_structp Png = nullptr;
    png_infop Info = nullptr;
    const QByteArray* Data = nullptr;
    qsizetype Offset = 0;
    QImage Image;
    std::vector<png_bytep> Rows;
    ~Reader() { png_destroy_read_struct(&Png, Info ? &Info : nullptr, nullptr); }
};

void ReadBytes(png_structp png, png_bytep target, size_t count)
{
    auto* reader = static_cast<Reader*>(png_get_io_ptr(png));
    if (count > size_t(reader->Data->size() - reader->Offset))
        png_error(png, "read past end");
    memcpy(target, reader->Data->constData() + reader->Offset, count);
    reader->Offset += qsizetype(count);
}

bool Decode(Reader& r)
{
    r.Png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, SilentWarning);
    if (!r.Png)
        return false;
    r.Info = png_create_info_struct(r.Png);
    if (!r.Info)
        return false;
    if (setjmp(png_jmpbuf(r.Png)))
        return false;
    png_set_read_fn(r.Png, &r, ReadBytes);
    png_set_user_limits(r.Png, kMaxPictureSide, kMaxPictureSide);
    png_set_chunk_malloc_max(r.Png, kMaxChunkBytes);
    png_set_chunk_cache_max(r.Png, kMaxChunks);
    png_read_info(r.Png, r.Info);
    const png_uint_32 width = png_get_image_width(r.Png, r.Info);
    const png_uint_32 height = png_get_image_height(r.Png, r.Info);
    // The filtered rows (one filter byte each) must be able to come out of the file's bytes.
    const qint64 rawBytes = qint64(png_get_rowbytes(r.Png, r.Info) + 1) * height;
    if (!PictureSizeAllowed(width, height) || rawBytes > r.Data->size() * kMaxInflateRatio)
        return false;
    const int colorType = png_get_color_type(r.Png, r.Info);
    const bool alpha = (colorType & PNG_COLOR_MASK_ALPHA) || png_get_valid(r.Png, r.Info, PNG_INFO_tRNS);
    png_set_expand(r.Png);
    png_set_strip_16(r.Png);
    png_set_gray_to_rgb(r.Png);
    png_set_bgr(r.Png);
    png_set_interlace_handling(r.Png);
    png_read_update_info(r.Png, r.Info);
    const QImage::Format format = alpha ? QImage::Format_ARGB32 : QImage::Format_BGR888;
    const size_t rowBytes = size_t(width) * (alpha ? 4 : 3);
    if (png_get_rowbytes(r.Png, r.Info) != rowBytes)
        return false;
    r.Image = QImage(int(width), int(height), format);
    if (r.Image.isNull())
        return false;
    r.Rows.resize(height);
    for (png_uint_32 y = 0; y < height; ++y)
        r.Rows[y] = r.Image.scanLine(int(y));
    png_read_image(r.Png, r.Rows.data());
    png_read_end(r.Png, nullptr);
    png_uint_32 xRes = 0;
    png_uint_32 yRes = 0;
    int unit = 0;
    if (png_get_pHYs(r.Png, r.Info, &xRes, &yRes, &unit) && unit == PNG_RESOLUTION_METER && xRes > 0 && yRes > 0 &&
        xRes <= INT_MAX && yRes <= INT_MAX) {
        r.Image.setDotsPerMeterX(int(xRes));
        r.Image.setDotsPerMeterY(int(yRes));
    }
    return true;
}

struct Writer {
    png_structp Png = nullptr;
    png_infop Info = nullptr;
    QByteArray Data;
    std::vector<png_bytep> Rows;
    ~Writer() { png_destroy_write_struct(&Png, Info ? &Info : nullptr); }
};

void WriteBytes(png_structp png, png_bytep data, size_t count)
{
    static_cast<Writer*>(png_get_io_ptr(png))->Data.append(reinterpret_cast<const char*>(data), qsizetype(count));
}

void FlushNothing(png_structp)
{
}

bool Encode(Writer& w, const QImage& image)
{
    w.Png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, SilentWarning);
    if (!w.Png)
        return false;
    w.Info = png_create_info_struct(w.Png);
    if (!w.Info)
        return false;
    if (setjmp(png_jmpbuf(w.Png)))
        return false;
    png_set_write_fn(w.Png, &w, WriteBytes, FlushNothing);
    const bool alpha = image.format() == QImage::Format_ARGB32;
    png_set_IHDR(w.Png, w.Info, png_uint_32(image.width()), png_uint_32(image.height()), 8,
                 alpha ? PNG_COLOR_TYPE_RGB_ALPHA : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    if (image.dotsPerMeterX() > 0 && image.dotsPerMeterY() > 0)
        png_set_pHYs(w.Png, w.Info, png_uint_32(image.dotsPerMeterX()), png_uint_32(image.dotsPerMeterY()),
                     PNG_RESOLUTION_METER);
    png_set_bgr(w.Png);
    w.Rows.resize(size_t(image.height()));
    for (int y = 0; y < image.height(); ++y)
        w.Rows[size_t(y)] = const_cast<uchar*>(image.constScanLine(y));
    png_set_rows(w.Png, w.Info, w.Rows.data());
    png_write_png(w.Png, w.Info, PNG_TRANSFORM_IDENTITY, nullptr);
    return true;
}

} // namespace

QImage DecodePNG(const QByteArray& data)
{
    auto reader = std::make_unique<Reader>();
    reader->Data = &data;
    if (!Decode(*reader))
        throw EAppError(picturemsg::ImageLoadFailed());
    return std::move(reader->Image);
}

QByteArray EncodePNG(const QImage& image)
{
    const QImage source = image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_BGR888);
    auto writer = std::make_unique<Writer>();
    if (source.isNull() || !Encode(*writer, source))
        throw EAppError(picturemsg::StreamWriteError());
    return writer->Data;
}
