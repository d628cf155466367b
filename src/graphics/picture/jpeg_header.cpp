#include "graphics/picture/jpeg_header.h"

#include "graphics/picture/byte_view.h"
#include "graphics/picture/picture_messages.h"

namespace {

constexpr uchar kMarker = 0xFF;
constexpr uchar kStartOfImage = 0xD8;
constexpr uchar kEndOfImage = 0xD9;
constexpr uchar kStartOfScan = 0xDA;

bool IsFrame(uchar marker)
{
    return marker == 0xC0 || marker == 0xC1 || marker == 0xC2 || marker == 0xC9 || marker == 0xCA;
}

// Markers that stand alone, without a length: TEM and the restart markers.
bool HasNoLength(uchar marker)
{
    return marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7);
}

} // namespace

TJPEGHeader CheckJPEGHeader(const QByteArray& data)
{
    const TByteView view(data, picturemsg::UnsupportedJpeg());
    if (!view.Has(0, 2) || view.U8(0) != kMarker || view.U8(1) != kStartOfImage)
        view.Fail();
    qint64 pos = 2;
    for (;;) {
        while (pos < view.Size() && view.U8(pos) != kMarker) // bytes between segments
            ++pos;
        while (pos < view.Size() && view.U8(pos) == kMarker) // fill bytes
            ++pos;
        const uchar marker = view.U8(pos++);
        if (IsFrame(marker)) {
            // length (2), precision (1), height (2), width (2), component count (1)
            TJPEGHeader header;
            header.Height = view.U16BE(pos + 3);
            header.Width = view.U16BE(pos + 5);
            header.Components = view.U8(pos + 7);
            if (header.Width <= 0 || header.Height <= 0 || header.Components < 1 || header.Components > 3)
                view.Fail();
            return header;
        }
        if (HasNoLength(marker))
            continue;
        if (marker == kStartOfScan || marker == kEndOfImage)
            view.Fail();
        const int length = view.U16BE(pos);
        if (length < 2)
            view.Fail();
        pos += length;
    }
}
