#include "graphics/picture/metafile.h"

#include "core/canvas/canvas.h"
#include "core/canvas/units.h"
#include "graphics/picture/byte_view.h"
#include "graphics/picture/picture_messages.h"

#include <climits>

LR_DEFINE_CLASS(TMetafile, TGraphic, LR_CREATABLE(TMetafile))

namespace {

constexpr quint32 kPlaceableKey = 0x9AC6CDD7;
constexpr quint32 kEmfHeaderRecord = 1;
constexpr quint32 kEmfSignature = 0x464D4520; // " EMF"
constexpr int kHundredthsPerInch = 2540;

struct Header {
    bool Enhanced = false;
    QSize MMSize; // 0.01 mm
};

Header ReadHeader(const QByteArray& data)
{
    const TByteView view(data, picturemsg::ImageLoadFailed());
    if (view.Has(0, 44) && view.U32(0) == kEmfHeaderRecord && view.U32(40) == kEmfSignature) {
        // rclFrame: the picture's frame in 0.01 mm, inclusive
        const qint64 width = qint64(view.I32(32)) - view.I32(24);
        const qint64 height = qint64(view.I32(36)) - view.I32(28);
        if (width < 0 || height < 0 || width > INT_MAX || height > INT_MAX)
            view.Fail();
        return {true, QSize(int(width), int(height))};
    }
    if (view.Has(0, 22) && view.U32(0) == kPlaceableKey) {
        // bounding box in metafile units and the units per inch
        const int width = view.I16(10) - view.I16(6);
        const int height = view.I16(12) - view.I16(8);
        const int unitsPerInch = view.U16(14);
        if (width < 0 || height < 0 || unitsPerInch == 0)
            view.Fail();
        return {false, QSize(MulDiv(width, kHundredthsPerInch, unitsPerInch), MulDiv(height, kHundredthsPerInch, unitsPerInch))};
    }
    // a plain WMF: type 1 (memory) or 2 (disk), header of 9 words
    if (view.Has(0, 18) && (view.U16(0) == 1 || view.U16(0) == 2) && view.U16(2) == 9)
        return {false, QSize(0, 0)};
    view.Fail();
}

} // namespace

int TMetafile::Width() const
{
    return MulDiv(mmSize_.width(), ScreenDPI(), kHundredthsPerInch);
}

int TMetafile::Height() const
{
    return MulDiv(mmSize_.height(), ScreenDPI(), kHundredthsPerInch);
}

void TMetafile::Draw(TCanvas&, const TRect&) const
{
}

void TMetafile::LoadFromBytes(const QByteArray& data)
{
    const Header header = ReadHeader(data);
    data_ = data;
    enhanced_ = header.Enhanced;
    mmSize_ = header.MMSize;
    Changed();
}

void TMetafile::Assign(const TPersistent& source)
{
    const auto* metafile = dynamic_cast<const TMetafile*>(&source);
    if (!metafile) {
        inherited::Assign(source);
        return;
    }
    if (metafile == this)
        return;
    data_ = metafile->data_;
    enhanced_ = metafile->enhanced_;
    mmSize_ = metafile->mmSize_;
    Changed();
}
