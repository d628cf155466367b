#include "printing/pipeline/band_layout.h"

#include "core/canvas/units.h"
#include "core/error.h"

#include <algorithm>

std::vector<TBand> LayoutBands(const QRect& destination, int renderDpi, int targetDpi)
{
    if (renderDpi < 1 || renderDpi > 2400 || targetDpi < 1 || targetDpi > 2400)
        throw EAppError(QStringLiteral("解像度 %1 は指定できません").arg(renderDpi < 1 || renderDpi > 2400 ? renderDpi : targetDpi));
    const int destWidth = std::max(1, destination.width());
    const int destHeight = std::max(1, destination.height());
    const int width = std::max(1, MulDiv(destWidth, renderDpi, targetDpi));
    const int height = std::max(1, MulDiv(destHeight, renderDpi, targetDpi));
    const int maxRows = std::max(1, kMaxBandPixels / width);
    const int count = (height + maxRows - 1) / maxRows;
    const QPoint origin(MulDiv(destination.left(), renderDpi, targetDpi), MulDiv(destination.top(), renderDpi, targetDpi));

    // Rendering row r maps to destination row r × D ÷ H: the same rows bound both sides.
    const auto renderRow = [&](int e) { return static_cast<int>(static_cast<long long>(e) * height / count); };
    const auto destRow = [&](int row) { return static_cast<int>(static_cast<long long>(row) * destHeight / height); };
    std::vector<TBand> bands;
    for (int e = 0; e < count; ++e) {
        const int first = renderRow(e);
        const int last = renderRow(e + 1);
        TBand band;
        band.Size = QSize(width, last - first);
        band.RenderOrigin = origin + QPoint(0, first);
        band.Destination = QRect(destination.left(), destination.top() + destRow(first), destWidth,
                                 destRow(last) - destRow(first));
        bands.push_back(band);
    }
    return bands;
}
