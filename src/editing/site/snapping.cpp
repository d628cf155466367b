#include "editing/site/snapping.h"

#include "document/grid.h"
#include "editing/site/edit_site.h"

#include <cstdlib>

namespace {

int FloorDiv(long long a, long long b)
{
    long long q = a / b;
    if ((a % b != 0) && ((a < 0) != (b < 0)))
        --q;
    return static_cast<int>(q);
}

void Nearer(int& current, int candidate)
{
    if (current == kNoSnap || std::abs(candidate) < std::abs(current))
        current = candidate;
}

} // namespace

int GridOffset(int pitch, int p)
{
    if (pitch <= 0)
        return kNoSnap;
    const long long snapped = static_cast<long long>(pitch) * FloorDiv(static_cast<long long>(p) + pitch / 2, pitch);
    return static_cast<int>(snapped - p);
}

TSnapOffset GridGuideOffset(const TGrid& grid, const TGuide& guide, int tolerance, QPoint p)
{
    TSnapOffset gridOffset;
    if (grid.Enabled()) {
        gridOffset.dx = GridOffset(grid.Size(), p.x());
        gridOffset.dy = GridOffset(grid.Size(), p.y());
    }
    TSnapOffset guideOffset;
    if (guide.Enabled()) {
        for (int index = 0; index < guide.Count(); ++index) {
            const TGuide::Slot& slot = guide.Guide(index);
            if (slot.X != 0) {
                if (std::abs(slot.X - p.x()) <= tolerance)
                    Nearer(guideOffset.dx, slot.X - p.x());
            } else if (slot.Y != 0) {
                if (std::abs(slot.Y - p.y()) <= tolerance)
                    Nearer(guideOffset.dy, slot.Y - p.y());
            }
        }
    }
    const auto pick = [](int fromGrid, int fromGuide) {
        if (fromGuide != kNoSnap && (fromGrid == kNoSnap || std::abs(fromGuide) < std::abs(fromGrid)))
            return fromGuide;
        return fromGrid;
    };
    return {pick(gridOffset.dx, guideOffset.dx), pick(gridOffset.dy, guideOffset.dy)};
}

TEditContext::SnapRule GridGuideSnapRule(const TGrid& grid, const TGuide& guide)
{
    return [&grid, &guide](TEditSite& site, QPoint p, TShiftState shift) -> TSnapOffset {
        if (shift & ssAlt)
            return {};
        const int tolerance = site.DevToLog(QPoint(kSnapPixels, 0)).x();
        return GridGuideOffset(grid, guide, tolerance, p);
    };
}
