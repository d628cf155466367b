#include "graphics/raster/blender.h"

#include "graphics/raster/blend_rows.h"
#include "graphics/raster/blendable_format.h"
#include "graphics/raster/grey_palette.h"
#include "graphics/raster/progress_sink.h"

namespace {

// Progress is reported once every this many rows.
constexpr int kRowsPerStep = 64;

} // namespace

void TGRBlender::SetDestination(QImage* destination, const QRect& rect)
{
    destination_ = destination;
    destinationRect_ = rect;
}

void TGRBlender::SetSource(const QImage* source, const QRect& rect)
{
    source_ = source;
    sourceRect_ = rect;
}

bool TGRBlender::CanBlend() const
{
    if (!destination_ || !source_ || destination_->isNull() || source_->isNull())
        return false;
    return destination_->format() == source_->format() && IsBlendableFormat(destination_->format());
}

void TGRBlendAlphaMap::SetAlphaMap(const QImage* alphaMap, const QRect& rect)
{
    alphaMap_ = alphaMap;
    alphaRect_ = rect;
}

bool TGRBlendAlphaMap::CanBlend() const
{
    return TGRBlender::CanBlend() && alphaMap_ && IsAlphaMapFormat(*alphaMap_);
}

void TGRBlendAlphaMap::Execute()
{
    if (!CanBlend())
        return;
    if (alphaRect_.isEmpty() || !alphaMap_->rect().contains(alphaRect_))
        return;
    // Both mappings onto the destination rectangle must be one to one.
    if (sourceRect_.size() != destinationRect_.size() || alphaRect_.size() != destinationRect_.size())
        return;

    // Clip once, in destination space, against all three bitmaps, so that source, alpha and
    // destination pixels stay aligned however each one is cut.
    const QPoint toSource = sourceRect_.topLeft() - destinationRect_.topLeft();
    const QPoint toAlpha = alphaRect_.topLeft() - destinationRect_.topLeft();
    const QRect area = destinationRect_.intersected(destination_->rect())
                           .intersected(source_->rect().translated(-toSource))
                           .intersected(alphaMap_->rect().translated(-toAlpha));
    if (area.isEmpty())
        return;

    const TBlendLevels levels(EffectiveRatio());
    const int bytesPerPixel = destination_->depth() / 8;
    const int width = area.width();
    const int sourceX = area.left() + toSource.x();
    const int alphaX = area.left() + toAlpha.x();
    if (progress_)
        progress_->Start(area.height() / kRowsPerStep + 1);
    for (int row = 0; row < area.height(); ++row) {
        const int y = area.top() + row;
        BlendRow(destination_->scanLine(y) + area.left() * bytesPerPixel,
                 source_->constScanLine(y + toSource.y()) + sourceX * bytesPerPixel,
                 alphaMap_->constScanLine(y + toAlpha.y()) + alphaX, width, bytesPerPixel, levels);
        if (progress_ && row % kRowsPerStep == 0)
            progress_->Step();
    }
    if (progress_)
        progress_->End();
}
