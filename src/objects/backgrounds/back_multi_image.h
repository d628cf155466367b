#pragma once
// Several pictures arranged into one background picture ("複数画像を配置"): a white 24-bit
// bitmap of the background's size at 180 dots per inch (size × 180 ÷ 254) holding the
// pictures in rows repeated over the whole bitmap (paTile), in such rows of which every
// second one is staggered (paTileShift), or scattered at random (paRandom), by the
// arrangement layouts.
#include "objects/backgrounds/arrange_layout.h"
#include "objects/backgrounds/back_image_picture.h"

#include <QImage>

class IArrangePictures;
class TColorSpec;
class TFaceInfo;

// The bitmap size for a background of that logical size.
QSize BackArrangeCanvas(int width, int height);

// The pictures arranged over a white bitmap of that size (null for an empty size).
QImage ArrangeBackPictures(QSize canvas, const IArrangePictures& pictures, TPosArrange arrange,
                           const TRandomSource& random = DefaultRandomSource());

// Makes the bitmap the paint's picture in one change: an untiled picture fill whose clip is
// the largest rectangle of the face's outer proportions; the picture notes that it was
// composed from several and how.
void PutArrangedPicture(TColorSpec& spec, TBackImagePicture& picture, const QImage& bitmap, TPosArrange arrange,
                        const TFaceInfo& face);
