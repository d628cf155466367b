#include "graphics/image_data/clip_filter.h"

#include "core/canvas/memory_canvas.h"
#include "core/stream/reader.h"
#include "core/stream/writer.h"
#include "graphics/color/color_rgb.h"
#include "graphics/picture/picture_ex.h"
#include "graphics/picture/safety_bitmap.h"

#include <array>
#include <limits>

LR_DEFINE_CLASS(TClipFilter, TImageFilter, LR_CREATABLE(TClipFilter))

void TClipFilter::SetBackground(bool fill, TColor color)
{
    fillBackground_ = fill;
    backgroundColor_ = color;
}

TRect TClipFilter::EffectiveRect(int width, int height) const
{
    const TRect whole(0, 0, width, height);
    if (clipRect_.IsEmpty())
        return whole;
    const TRect inside = IntersectRect(clipRect_, whole);
    return inside.IsEmpty() ? whole : inside;
}

void TClipFilter::Apply(const TPictureEx& source, TPictureEx& destination, TRect& result) const
{
    const int width = source.Width();
    const int height = source.Height();
    result = EffectiveRect(width, height);
    const TGraphic* graphic = source.Graphic();
    if (!graphic || graphic->Empty() || (!fillBackground_ && result == TRect(0, 0, width, height))) {
        destination.Assign(source);
        return;
    }
    auto bitmap = std::make_unique<TSafetyBitmap>();
    if (const auto* sourceBitmap = dynamic_cast<const TSafetyBitmap*>(graphic)) {
        // The crop lies inside the bitmap, so its pixels cover the whole new bitmap.
        bitmap->Assign(*sourceBitmap);
        bitmap->SetTransparent(false);
        bitmap->MutableImage() = sourceBitmap->Image().copy(result.ToQRect());
        bitmap->Changed();
    } else {
        QImage pixels(RectWidth(result), RectHeight(result), QImage::Format_BGR888);
        const int background = ColorToRGB(fillBackground_ ? backgroundColor_ : clWhite);
        pixels.fill(QColor(RedOf(background), GreenOf(background), BlueOf(background)));
        {
            TMemoryCanvas canvas(pixels);
            graphic->Draw(canvas, TRect(0, 0, width, height).Translated(-result.Left, -result.Top));
        }
        bitmap->SetImage(pixels);
    }
    destination.SetGraphic(std::move(bitmap));
}

bool TClipFilter::IsActive(const TPictureEx& picture) const
{
    const TRect whole(0, 0, picture.Width(), picture.Height());
    if (!clipRect_.IsEmpty() && clipRect_ != whole)
        return true;
    return fillBackground_ && !dynamic_cast<const TSafetyBitmap*>(picture.Graphic());
}

void TClipFilter::Assign(const TPersistent& source)
{
    const auto* clip = dynamic_cast<const TClipFilter*>(&source);
    if (!clip) {
        inherited::Assign(source);
        return;
    }
    TUpdateBracket bracket(Notify());
    SetClipRect(clip->clipRect_);
}

void TClipFilter::DefineProperties(TFiler& filer)
{
    inherited::DefineProperties(filer);
    filer.DefineProperty(
        "ClipRect",
        [this](TReader& reader) {
            std::array<int, 4> sides{};
            reader.ReadListBegin();
            for (int& side : sides) {
                const std::int64_t value = reader.ReadInteger();
                if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
                    TReader::FailInvalidValue();
                side = int(value);
            }
            reader.ReadListEnd();
            SetClipRect(TRect(sides[0], sides[1], sides[2], sides[3]));
        },
        [this](TWriter& writer) {
            writer.WriteListBegin();
            for (int side : {clipRect_.Left, clipRect_.Top, clipRect_.Right, clipRect_.Bottom})
                writer.WriteInteger(side);
            writer.WriteListEnd();
        },
        !clipRect_.IsEmpty());
}
