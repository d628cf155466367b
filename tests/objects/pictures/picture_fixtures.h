#pragma once
// Helpers of the picture object tests: pictures from images, and the classes registered.
#include "core/canvas/rect.h"

#include <QImage>

class TPictureEx;
class TDrawObject;

namespace picturetest {

// Registers the document and picture classes and installs the blended paint.
void SetUpPictureClasses();
// Puts a 24-bit bitmap of the image into the picture.
void SetBitmap(TPictureEx& picture, const QImage& image);
// A 24-bit image of one colour.
QImage Solid(QSize size, QColor colour);
// The object painted onto a white 24-bit bitmap of the given pixel size with one logical
// unit per pixel.
QImage PaintOnWhite(TDrawObject& object, QSize size);

} // namespace picturetest
