#include "printing/pipeline/soft_edge.h"

#include "core/error.h"
#include "core/face/face_info.h"
#include "core/model/draw_object.h"
#include "graphics/raster/gaussian_blur.h"

#include <QPainter>

namespace {

constexpr int kEdgeShrink = 25;
constexpr int kHoleGrowth = 50;
constexpr int kEdgeBlur = 50;

TSoftEdgeFactory& Factory()
{
    static TSoftEdgeFactory factory;
    return factory;
}

} // namespace

QImage SoftEdgeMask(const TFaceInfo& face)
{
    const TRect outer = face.OuterRect();
    QImage mask(RectWidth(outer), RectHeight(outer), QImage::Format_Grayscale8);
    if (mask.isNull())
        throw EAppError(QStringLiteral("印刷用のメモリが足りません"));
    mask.fill(255);
    TFaceInfo inner(face);
    inner.SetOuterRect(TRect{outer.Left + kEdgeShrink, outer.Top + kEdgeShrink, outer.Right - kEdgeShrink,
                             outer.Bottom - kEdgeShrink});
    inner.SetCutCenterWidth(face.CutCenterWidth() + 2 * kHoleGrowth);
    inner.SetCutCenterHeight(face.CutCenterHeight() + 2 * kHoleGrowth);
    const QRegion region = inner.CreateRegion(nullptr, true).translated(-outer.Left, -outer.Top);
    {
        QPainter painter(&mask);
        painter.setClipRegion(region);
        painter.fillRect(mask.rect(), Qt::black);
    }
    GaussianBlur(mask, mask.rect(), kEdgeBlur, kEdgeBlur);
    return mask;
}

void SetSoftEdgeFactory(TSoftEdgeFactory factory)
{
    Factory() = std::move(factory);
}

std::unique_ptr<TDrawObject> MakeSoftEdgeObject(const TFaceInfo& face)
{
    if (!Factory())
        return nullptr;
    return Factory()(SoftEdgeMask(face));
}
