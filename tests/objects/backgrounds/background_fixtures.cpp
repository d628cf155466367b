#include "objects/backgrounds/background_fixtures.h"

#include "document/label_data.h"
#include "graphics/graphics_classes.h"
#include "graphics/picture/picture_ex.h"
#include "graphics/picture/safety_bitmap.h"
#include "objects/backgrounds/background_classes.h"

namespace backgrounds_test {

void RegisterClasses()
{
    RegisterGraphicsClasses();
    RegisterDocumentClasses();
    RegisterBackgroundClasses();
}

TFaceInfo Disc(int diameter)
{
    TFaceInfo face;
    face.SetFaceShape(fsDoughnut);
    face.SetFaceRect({0, 0, diameter, diameter});
    face.SetCutCenterSize(410);
    return face;
}

TFaceInfo RectFace(int width, int height)
{
    TFaceInfo face;
    face.SetFaceShape(fsRect);
    face.SetFaceRect({0, 0, width, height});
    return face;
}

void SetPicture(TPictureEx& picture, const QImage& image)
{
    auto bitmap = std::make_unique<TSafetyBitmap>();
    bitmap->SetImage(image);
    picture.SetGraphic(std::move(bitmap));
}

QImage Pattern(int width, int height)
{
    QImage image(width, height, QImage::Format_BGR888);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x * 40 % 256, y * 40 % 256, (x + y * width) % 256));
    return image;
}

TUnitCanvas::TUnitCanvas(int width, int height, int left, int top)
    : Image(CreateBitmap({width, height}, QImage::Format_BGR888, 254))
{
    Canvas = std::make_unique<TMemoryCanvas>(Image, 254);
    Canvas->SetWindowOrg({left, top});
}

} // namespace backgrounds_test
