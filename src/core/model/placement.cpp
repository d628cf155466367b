#include "core/model/placement.h"

#include "core/model/draw_object.h"
#include "core/model/draw_site_model.h"
#include "core/model/object_interfaces.h"
#include "core/canvas/units.h"

namespace {

// The move that brings a centre coordinate at least 10 units inside [low, high].
int InsideShift(int centre, int low, int high)
{
    constexpr int margin = 10;
    if (centre < low + margin)
        return low - centre + margin;
    if (centre > high - margin)
        return high - centre - margin;
    return 0;
}

} // namespace

void KeepInside(const std::vector<TDrawObject*>& objects, const TRect& area)
{
    for (TDrawObject* object : objects) {
        auto* bounds = dynamic_cast<IDOEncloseBounds*>(object);
        if (!bounds)
            continue;
        const QPoint centre = RectCenter(bounds->GetBounds());
        const int dx = InsideShift(centre.x(), area.Left, area.Right);
        const int dy = InsideShift(centre.y(), area.Top, area.Bottom);
        if (dx != 0 || dy != 0)
            bounds->MoveBy(dx, dy);
    }
}

void ScaleObjects(const std::vector<TDrawObject*>& objects, const TRect& from, const TRect& to)
{
    // A rectangle without area gives no scale to map by.
    if (from == to || RectWidth(from) == 0 || RectHeight(from) == 0)
        return;
    const auto map = [&](QPoint corner) {
        return QPoint(from.Left + MulDiv(corner.x() - from.Left, RectWidth(to), RectWidth(from)) + (to.Left - from.Left),
                      from.Top + MulDiv(corner.y() - from.Top, RectHeight(to), RectHeight(from)) + (to.Top - from.Top));
    };
    for (TDrawObject* object : objects) {
        auto* bounds = dynamic_cast<IDOEncloseBounds*>(object);
        if (!bounds)
            continue;
        const TRect old = bounds->GetBounds();
        const QPoint topLeft = map(old.TopLeft());
        const QPoint bottomRight = map(old.BottomRight());
        bounds->MoveBy(topLeft.x() - old.Left, topLeft.y() - old.Top);
        bounds->Resize(bottomRight.x() - topLeft.x(), bottomRight.y() - topLeft.y());
    }
}

void PlaceNewObject(TDrawObject& object, const TDrawSiteModel& site)
{
    auto* bounds = dynamic_cast<IDOEncloseBounds*>(&object);
    if (!bounds)
        return;
    const TRect area{0, 0, site.LogWidth(), site.LogHeight()};
    const TRect current = bounds->GetBounds();
    const auto* rect = dynamic_cast<const IDORect*>(&object);
    const bool tooLarge = RectWidth(current) > RectWidth(area) || RectHeight(current) > RectHeight(area);
    if (rect && rect->KeepAspect() && tooLarge) {
        const TRect fitted = FitRect(current, area);
        bounds->Resize(RectWidth(fitted), RectHeight(fitted));
    } else if (tooLarge) {
        bounds->Resize(std::min(RectWidth(current), RectWidth(area)), std::min(RectHeight(current), RectHeight(area)));
    }
    const QPoint centre = site.DevToLog(RectCenter(TRect::FromQRect(site.VisibleClientRect())));
    const TRect placed = bounds->GetBounds();
    const QPoint now = RectCenter(placed);
    bounds->MoveBy(centre.x() - now.x(), centre.y() - now.y());
}
