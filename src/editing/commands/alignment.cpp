#include "editing/commands/alignment.h"

#include "core/model/draw_object.h"
#include "core/model/object_interfaces.h"
#include "editing/commands/ds_command.h"
#include "editing/ghosts/geometry.h"
#include "editing/site/edit_context.h"
#include "editing/site/edit_site.h"

#include <algorithm>
#include <map>
#include <numeric>
#include <optional>

namespace {

const QString kAlignCaption = QStringLiteral("位置揃え");
const QString kAdjustCaption = QStringLiteral("位置合わせ");

// Equal gaps along one axis: low edges and sizes of the rectangles, the union's low edge
// and size; the offsets along that axis.
std::vector<int> EqualGapOffsets(const std::vector<int>& lows, const std::vector<int>& sizes, int unionLow,
                                 int unionSize)
{
    const int count = static_cast<int>(lows.size());
    std::vector<int> offsets(count, 0);
    std::vector<int> order;
    for (int index = 0; index < count; ++index) {
        const int centre = lows[index] + sizes[index] / 2;
        const bool shared = std::any_of(order.begin(), order.end(),
                                        [&](int other) { return lows[other] + sizes[other] / 2 == centre; });
        if (!shared)
            order.push_back(index);
    }
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return lows[a] + sizes[a] / 2 < lows[b] + sizes[b] / 2;
    });
    const long long gap = unionSize - std::accumulate(sizes.begin(), sizes.end(), 0LL);
    const int ordered = static_cast<int>(order.size());
    long long x = unionLow;
    for (int i = 0; i < ordered; ++i) {
        const int target = order[i];
        const long long spread = ordered > 1 ? RoundAway(double(i) * double(gap) / double(ordered - 1)) : 0;
        offsets[target] = static_cast<int>(x + spread - lows[target]);
        x += sizes[target];
    }
    return offsets;
}

TRect BoundsOf(const TDrawObject& object)
{
    const auto* bounds = dynamic_cast<const IDOEncloseBounds*>(&object);
    return bounds ? bounds->GetBounds() : object.GetBounds();
}

// Per band of the region (rows sharing the same extent), the lowest left edge and the
// highest right edge, for the bands that overlap [top, bottom).
struct TBandExtent {
    std::optional<int> LargestLeft;
    std::optional<int> SmallestRight;
};

TBandExtent BandExtent(const QRegion& region, int top, int bottom)
{
    std::map<std::pair<int, int>, std::pair<int, int>> bands; // (top, bottom) -> (left, right)
    for (const QRect& rect : region) {
        const int rectTop = rect.top();
        const int rectBottom = rect.top() + rect.height();
        if (rectBottom <= top || rectTop >= bottom)
            continue;
        const int right = rect.left() + rect.width();
        auto [it, inserted] = bands.try_emplace({rectTop, rectBottom}, rect.left(), right);
        if (!inserted) {
            it->second.first = std::min(it->second.first, rect.left());
            it->second.second = std::max(it->second.second, right);
        }
    }
    TBandExtent extent;
    for (const auto& [rows, span] : bands) {
        extent.LargestLeft = std::max(extent.LargestLeft.value_or(span.first), span.first);
        extent.SmallestRight = std::min(extent.SmallestRight.value_or(span.second), span.second);
    }
    return extent;
}

QRegion Transposed(const QRegion& region)
{
    QRegion transposed;
    for (const QRect& rect : region)
        transposed += QRect(rect.top(), rect.left(), rect.height(), rect.width());
    return transposed;
}

void MoveObject(TDrawObject& object, QPoint offset)
{
    if (offset.isNull())
        return;
    if (auto* bounds = dynamic_cast<IDOEncloseBounds*>(&object))
        bounds->MoveBy(offset.x(), offset.y());
}

} // namespace

std::vector<QPoint> AlignmentOffsets(const std::vector<TRect>& bounds, TAlignment alignment)
{
    std::vector<QPoint> offsets(bounds.size());
    if (bounds.empty())
        return offsets;
    TRect u = bounds.front();
    for (const TRect& rect : bounds)
        u = UnionRect(u, rect);
    const QPoint centre = RectCenter(u);
    if (alignment == TAlignment::HorzSpace || alignment == TAlignment::VertSpace) {
        const bool horizontal = alignment == TAlignment::HorzSpace;
        std::vector<int> lows;
        std::vector<int> sizes;
        for (const TRect& rect : bounds) {
            lows.push_back(horizontal ? rect.Left : rect.Top);
            sizes.push_back(horizontal ? RectWidth(rect) : RectHeight(rect));
        }
        const std::vector<int> along = horizontal ? EqualGapOffsets(lows, sizes, u.Left, RectWidth(u))
                                                  : EqualGapOffsets(lows, sizes, u.Top, RectHeight(u));
        for (size_t index = 0; index < bounds.size(); ++index)
            offsets[index] = horizontal ? QPoint(along[index], 0) : QPoint(0, along[index]);
        return offsets;
    }
    for (size_t index = 0; index < bounds.size(); ++index) {
        const TRect& r = bounds[index];
        const QPoint c = RectCenter(r);
        switch (alignment) {
        case TAlignment::Left: offsets[index] = {u.Left - r.Left, 0}; break;
        case TAlignment::Right: offsets[index] = {u.Right - r.Right, 0}; break;
        case TAlignment::Top: offsets[index] = {0, u.Top - r.Top}; break;
        case TAlignment::Bottom: offsets[index] = {0, u.Bottom - r.Bottom}; break;
        case TAlignment::HorzCenter: offsets[index] = {centre.x() - c.x(), 0}; break;
        case TAlignment::VertCenter: offsets[index] = {0, centre.y() - c.y()}; break;
        default: break;
        }
    }
    return offsets;
}

namespace {

// The label objects among the selection that have enclosing bounds; fewer than two make
// no targets.
void MakeAlignOperation(TDSOperation& operation)
{
    operation.TargetClassName = QStringLiteral("TLabelObject");
    operation.OnMakeList = [](TDSOperation& op) {
        std::vector<TDrawObject*>& targets = op.TargetList();
        targets.erase(std::remove_if(targets.begin(), targets.end(),
                                     [](TDrawObject* o) { return !dynamic_cast<IDOEncloseBounds*>(o); }),
                      targets.end());
        if (targets.size() < 2)
            targets.clear();
    };
}

void MakeAdjustOperation(TDSOperation& operation)
{
    operation.ActionType = atChange;
    operation.ActionString = kAdjustCaption;
}

} // namespace

bool CanAlign(TEditSite& site)
{
    TDSOperation operation;
    MakeAlignOperation(operation);
    return operation.Enabled(site);
}

bool CanAdjustPosition(TEditSite& site)
{
    TDSOperation operation;
    MakeAdjustOperation(operation);
    return operation.Enabled(site);
}

bool AlignObjects(TEditSite& site, TAlignment alignment)
{
    TDSOperation operation;
    MakeAlignOperation(operation);
    bool done = false;
    operation.OnExecute = [&](TDSOperation& op) {
        std::vector<TRect> bounds;
        for (TDrawObject* object : op.Targets())
            bounds.push_back(BoundsOf(*object));
        const std::vector<QPoint> offsets = AlignmentOffsets(bounds, alignment);
        TActionList& actions = site.Context().Actions();
        TActionGroupScope group(actions, kAlignCaption);
        for (size_t index = 0; index < offsets.size(); ++index) {
            if (offsets[index].isNull())
                continue;
            TDrawObject& object = *op.Targets()[index];
            auto action = std::make_unique<TDOChangeAction>(object);
            action->SetCaption(kAlignCaption);
            MoveObject(object, offsets[index]);
            TDOChangeAction::Finish(std::move(action), actions, true);
        }
        done = true;
    };
    operation.Execute(site);
    return done;
}

bool AdjustPosition(TEditSite& site, TAdjustPosition adjustment, const QRegion& face)
{
    TDSOperation operation;
    MakeAdjustOperation(operation);
    bool done = false;
    operation.OnEachObject = [&](TDSOperation&, TDrawObject& object) {
        done = true;
        const TRect r = BoundsOf(object);
        const QPoint faceCentre(site.LogWidth() / 2, site.LogHeight() / 2);
        switch (adjustment) {
        case TAdjustPosition::Left:
            if (const auto edge = BandExtent(face, r.Top, r.Bottom).LargestLeft)
                MoveObject(object, {*edge - r.Left, 0});
            break;
        case TAdjustPosition::Right:
            if (const auto edge = BandExtent(face, r.Top, r.Bottom).SmallestRight)
                MoveObject(object, {*edge - r.Right, 0});
            break;
        case TAdjustPosition::Top:
            if (const auto edge = BandExtent(Transposed(face), r.Left, r.Right).LargestLeft)
                MoveObject(object, {0, *edge - r.Top});
            break;
        case TAdjustPosition::Bottom:
            if (const auto edge = BandExtent(Transposed(face), r.Left, r.Right).SmallestRight)
                MoveObject(object, {0, *edge - r.Bottom});
            break;
        case TAdjustPosition::VertCenter:
            MoveObject(object, {0, (site.LogHeight() - RectHeight(r)) / 2 - r.Top});
            break;
        case TAdjustPosition::HorzCenter:
            MoveObject(object, {(site.LogWidth() - RectWidth(r)) / 2 - r.Left, 0});
            break;
        case TAdjustPosition::Perpendicular:
        case TAdjustPosition::Tangent:
            if (auto* rotate = dynamic_cast<IDORotate*>(&object)) {
                const QPoint d = RectCenter(r) - faceCentre;
                const int angle = RoundEven(Degrees(AngleOf(d)));
                rotate->SetAngle(adjustment == TAdjustPosition::Perpendicular ? angle + 90 : angle);
            }
            break;
        }
    };
    operation.Execute(site);
    return done;
}
