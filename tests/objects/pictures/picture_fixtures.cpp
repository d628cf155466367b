#include "picture_fixtures.h"

#include "core/canvas/memory_canvas.h"
#include "core/model/draw_object.h"
#include "document/label_data.h"
#include "graphics/graphics_classes.h"
#include "graphics/picture/picture_ex.h"
#include "graphics/picture/safety_bitmap.h"
#include "graphics/raster/blended_paint.h"
#include "objects/pictures/picture_classes.h"

namespace picturetest {

void SetUpPictureClasses()
{
    InstallBlendedPaint();
    RegisterGraphicsClasses();
    RegisterDocumentClasses();
    RegisterPictureClasses();
}

void SetBitmap(TPictureEx& picture, const QImage& image)
{
    auto bitmap = std::make_unique<TSafetyBitmap>();
    bitmap->SetImage(image.convertToFormat(QImage::Format_BGR888));
    picture.SetGraphic(std::move(bitmap));
}

QImage Solid(QSize size, QColor colour)
{
    QImage image(size, QImage::Format_BGR888);
    image.fill(colour);
    return image;
}

QImage PaintOnWhite(TDrawObject& object, QSize size)
{
    QImage image = CreateBitmap(size, QImage::Format_BGR888, 254);
    {
        TMemoryCanvas canvas(image, 254);
        object.PaintTo(canvas);
    }
    return image;
}

} // namespace picturetest
