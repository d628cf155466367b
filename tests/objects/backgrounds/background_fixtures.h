#pragma once
// Shared set-up of the background tests: classes registered, a disc face, pictures built
// from pixels, and a canvas at 254 dpi where one logical unit is one pixel.
#include "core/canvas/memory_canvas.h"
#include "core/face/face_info.h"

#include <QImage>
#include <memory>

class TPictureEx;

namespace backgrounds_test {

void RegisterClasses();

// A disc of the given diameter at (0, 0) with a centre hole of 410 units.
TFaceInfo Disc(int diameter);
// A rectangular face of that size at (0, 0).
TFaceInfo RectFace(int width, int height);

// Puts the image into the picture as a bitmap.
void SetPicture(TPictureEx& picture, const QImage& image);
// A 24-bit image with every pixel of a different colour, so that turns can be told apart.
QImage Pattern(int width, int height);

// A white 24-bit image whose canvas maps one logical unit onto one pixel, its origin at
// (left, top) in logical units.
struct TUnitCanvas {
    TUnitCanvas(int width, int height, int left = 0, int top = 0);
    QImage Image;
    std::unique_ptr<TMemoryCanvas> Canvas;
};

} // namespace backgrounds_test
