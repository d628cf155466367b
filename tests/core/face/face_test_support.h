#pragma once
// Shared fixtures of the face tests: a canvas on which one logical unit is one pixel,
// pixel and region measurements, and a paper made of a list of face descriptions.
#include "core/face/face_site.h"
#include "core/canvas/memory_canvas.h"
#include "core/canvas/scaler.h"

#include <vector>

// A white 24-bit bitmap with a canvas mapped so that one logical unit is one pixel (or
// 100 / scale units per pixel at other zooms).
struct TUnitCanvas {
    explicit TUnitCanvas(QSize size, int scale = 100)
        : image(CreateBitmap(size, QImage::Format_BGR888, 254)), canvas(image, 254)
    {
        TScaler(scale, 254).ApplyMapping(canvas);
    }
    QColor At(int x, int y) const { return image.pixelColor(x, y); }

    QImage image;
    TMemoryCanvas canvas;
};

// The number of units a region covers.
inline long long RegionArea(const QRegion& region)
{
    long long area = 0;
    for (const QRect& rect : region)
        area += static_cast<long long>(rect.width()) * rect.height();
    return area;
}

// A paper whose faces are the given descriptions.
class TListPaper : public IPaperFaces {
public:
    explicit TListPaper(std::vector<TFaceInfo> faces) : faces_(std::move(faces)) {}
    int FaceCount() const override { return static_cast<int>(faces_.size()); }
    void GetFaceInfo(int index, TFaceInfo& info) const override { info = faces_.at(index); }

private:
    std::vector<TFaceInfo> faces_;
};

inline TFaceInfo MakeFace(TFaceShape shape, const TRect& rect, int margin = 0, const QString& purpose = {})
{
    TFaceInfo info;
    info.SetFaceShape(shape);
    info.SetFaceRect(rect);
    info.SetFaceMargin(margin);
    info.SetFacePurpose(purpose);
    return info;
}
