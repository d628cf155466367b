#include "objects/backgrounds/back_multi_image.h"

#include "core/canvas/units.h"
#include "core/face/face_info.h"
#include "graphics/color/color_fill.h"
#include "graphics/image_data/image_data.h"
#include "graphics/picture/picture_ex.h"
#include "graphics/picture/safety_bitmap.h"
#include "objects/backgrounds/arrange_compose.h"

QSize BackArrangeCanvas(int width, int height)
{
    return {MulDiv(width, 180, 254), MulDiv(height, 180, 254)};
}

QImage ArrangeBackPictures(QSize canvas, const IArrangePictures& pictures, TPosArrange arrange,
                           const TRandomSource& random)
{
    if (canvas.isEmpty())
        return {};
    TArrangeSettings settings;
    settings.Style = arrange == paRandom ? asRectRandom : asRectTile;
    settings.CoverCanvas = true;
    settings.ShiftRows = arrange == paTileShift;
    return ComposeArrangement(settings, canvas, pictures, random).Colour;
}

void PutArrangedPicture(TColorSpec& spec, TBackImagePicture& picture, const QImage& bitmap, TPosArrange arrange,
                        const TFaceInfo& face)
{
    TUpdateBracket bracket(spec.Notify());
    auto graphic = std::make_unique<TSafetyBitmap>();
    graphic->SetImage(bitmap);
    spec.ImageData()->Picture()->SetGraphic(std::move(graphic));
    const TRect outer = face.OuterRect();
    spec.ImageData()->ResetClip(RectWidth(outer), RectHeight(outer));
    spec.SetTile(false);
    spec.SetKind(cskBitmap);
    picture.SetMultiImage(true);
    picture.SetPosArrange(arrange);
}
