#pragma once
// The soft edge of a printed face: an 8-bit grey mask as large as the face's bounds (one
// pixel per logical unit) that is 0 inside the face shrunk by 25 units (and outside its
// hole grown by 50) and 255 elsewhere, blurred with radius 50, so that the face fades to
// white over its outer 5 mm and around its hole. The object that paints it is made by the
// alpha-mask object type, which installs its factory.
#include <QImage>
#include <functional>
#include <memory>

class TDrawObject;
class TFaceInfo;

QImage SoftEdgeMask(const TFaceInfo& face);

// Makes the object painting the mask in white over the rectangle (0, 0, mask width,
// mask height); nullptr when no such object type is installed.
using TSoftEdgeFactory = std::function<std::unique_ptr<TDrawObject>(const QImage& mask)>;
void SetSoftEdgeFactory(TSoftEdgeFactory factory);
std::unique_ptr<TDrawObject> MakeSoftEdgeObject(const TFaceInfo& face);
