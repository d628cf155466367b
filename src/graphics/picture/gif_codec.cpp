#include "graphics/picture/gif_codec.h"

#include "core/error.h"
#include "graphics/picture/picture_limits.h"
#include "graphics/picture/picture_messages.h"

#include <cstring>
#include <gif_lib.h>
#include <vector>

namespace {

struct Source {
    const QByteArray& Data;
    qsizetype Offset = 0;
};

int ReadBytes(GifFileType* gif, GifByteType* target, int count)
{
    auto* source = static_cast<Source*>(gif->UserData);
    const int available = int(std::min<qsizetype>(count, source->Data.size() - source->Offset));
    memcpy(target, source->Data.constData() + source->Offset, size_t(std::max(available, 0)));
    source->Offset += std::max(available, 0);
    return std::max(available, 0);
}

struct GifCloser {
    void operator()(GifFileType* gif) const
    {
        int error = 0;
        DGifCloseFile(gif, &error);
    }
};
using GifHandle = std::unique_ptr<GifFileType, GifCloser>;

[[noreturn]] void Fail()
{
    throw EAppError(picturemsg::ImageLoadFailed());
}

void Check(int result)
{
    if (result != GIF_OK)
        Fail();
}

// The transparent index announced by a graphic control extension, or -1.
int TransparentIndex(GifFileType* gif, int code, GifByteType* extension)
{
    int index = -1;
    if (code == GRAPHICS_EXT_FUNC_CODE && extension && extension[0] >= 4 && (extension[1] & 0x01))
        index = extension[4];
    while (extension)
        Check(DGifGetExtensionNext(gif, &extension));
    return index;
}

// The frame's rows in display order: interlaced frames store every 8th row from 0, every
// 8th from 4, every 4th from 2, then every 2nd from 1.
std::vector<int> RowOrder(int height, bool interlaced)
{
    std::vector<int> order;
    order.reserve(size_t(height));
    if (!interlaced) {
        for (int y = 0; y < height; ++y)
            order.push_back(y);
        return order;
    }
    constexpr int kStart[] = {0, 4, 2, 1};
    constexpr int kStep[] = {8, 8, 4, 2};
    for (int pass = 0; pass < 4; ++pass)
        for (int y = kStart[pass]; y < height; y += kStep[pass])
            order.push_back(y);
    return order;
}

QImage Compose(const GifImageDesc& frame, const ColorMapObject& map, int transparent, int screenWidth,
               int screenHeight, const std::vector<std::vector<GifPixelType>>& rows)
{
    QList<QRgb> table(256, qRgb(0, 0, 0));
    for (int i = 0; i < std::min(map.ColorCount, 256); ++i)
        table[i] = qRgb(map.Colors[i].Red, map.Colors[i].Green, map.Colors[i].Blue);
    const bool covers = frame.Left == 0 && frame.Top == 0 && frame.Width == screenWidth && frame.Height == screenHeight;
    if (covers && transparent < 0) {
        QImage image(screenWidth, screenHeight, QImage::Format_Indexed8);
        if (image.isNull())
            Fail();
        image.setColorTable(table);
        for (int y = 0; y < screenHeight; ++y)
            memcpy(image.scanLine(y), rows[size_t(y)].data(), size_t(screenWidth));
        return image;
    }
    QImage image(screenWidth, screenHeight, QImage::Format_ARGB32);
    if (image.isNull())
        Fail();
    image.fill(Qt::transparent);
    for (int y = 0; y < frame.Height; ++y) {
        auto* target = reinterpret_cast<QRgb*>(image.scanLine(frame.Top + y)) + frame.Left;
        for (int x = 0; x < frame.Width; ++x) {
            const GifPixelType index = rows[size_t(y)][size_t(x)];
            if (index != transparent)
                target[x] = table[index];
        }
    }
    return image;
}

} // namespace

QImage DecodeGIF(const QByteArray& data)
{
    Source source{data};
    int error = 0;
    GifHandle gif(DGifOpen(&source, ReadBytes, &error));
    if (!gif)
        Fail();
    int transparent = -1;
    for (;;) {
        GifRecordType type = UNDEFINED_RECORD_TYPE;
        Check(DGifGetRecordType(gif.get(), &type));
        if (type == EXTENSION_RECORD_TYPE) {
            int code = 0;
            GifByteType* extension = nullptr;
            Check(DGifGetExtension(gif.get(), &code, &extension));
            const int index = TransparentIndex(gif.get(), code, extension);
            if (code == GRAPHICS_EXT_FUNC_CODE)
                transparent = index;
            continue;
        }
        if (type != IMAGE_DESC_RECORD_TYPE)
            Fail(); // the file ends before its first frame
        Check(DGifGetImageDesc(gif.get()));
        const GifImageDesc frame = gif->Image;
        const ColorMapObject* map = frame.ColorMap ? frame.ColorMap : gif->SColorMap;
        const qint64 screenWidth = std::max<qint64>(gif->SWidth, qint64(frame.Left) + frame.Width);
        const qint64 screenHeight = std::max<qint64>(gif->SHeight, qint64(frame.Top) + frame.Height);
        if (!map || frame.Left < 0 || frame.Top < 0 || !PictureSizeAllowed(frame.Width, frame.Height) ||
            !PictureSizeAllowed(screenWidth, screenHeight))
            Fail();
        std::vector<std::vector<GifPixelType>> rows(size_t(frame.Height), std::vector<GifPixelType>(size_t(frame.Width)));
        for (int y : RowOrder(frame.Height, frame.Interlace))
            Check(DGifGetLine(gif.get(), rows[size_t(y)].data(), frame.Width));
        return Compose(frame, *map, transparent, int(screenWidth), int(screenHeight), rows);
    }
}
