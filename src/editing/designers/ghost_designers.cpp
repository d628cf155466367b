#include "editing/designers/ghost_designers.h"

#include "core/model/draw_object.h"
#include "core/model/object_interfaces.h"
#include "editing/designers/designer_list.h"
#include "editing/ghosts/curve_ghost.h"
#include "editing/ghosts/line_ghost.h"
#include "editing/ghosts/move_ghost.h"
#include "editing/ghosts/rect_ghost.h"
#include "editing/site/edit_context.h"
#include "editing/site/edit_site.h"

namespace {

constexpr int kRotateIndex = 8;
constexpr int kStartIndex = 10;
constexpr int kEndIndex = 11;
constexpr int kBulgeIndex = 12;
constexpr int kMoveIndex = -1;
constexpr int kCreateIndex = -2;

void Place(TEditSite& site, TDrawObject& object, const std::vector<TPivotPlace>& places)
{
    for (const TPivotPlace& place : places)
        site.AddPivot(object, place.Index, place.Kind, place.Logical, place.Cursor);
}

TRect RectOf(const IDORect& rect)
{
    return {rect.Left(), rect.Top(), rect.Left() + rect.Width(), rect.Top() + rect.Height()};
}

int AngleOf(TDrawObject& object)
{
    const auto* rotate = dynamic_cast<const IDORotate*>(&object);
    return rotate ? rotate->Angle() : 0;
}

void AddGhost(TEditSite& site, std::unique_ptr<TGhost> ghost)
{
    site.Context().Ghosts().Add(std::move(ghost));
}

class TDOLineGhostDesigner : public TDODesigner {
public:
    bool CreatePivots(TEditSite& site, TDrawObject& object) override
    {
        const auto* line = dynamic_cast<const IDOLine*>(&object);
        if (!line)
            return false;
        Place(site, object, {{0, TPivotKind::Label, line->StartPoint(), TPivotCursor::SizeWE},
                             {1, TPivotKind::Label, line->EndPoint(), TPivotCursor::SizeWE}});
        return true;
    }
    bool AddGhost(TEditSite& site, TDrawObject& object, int index) override
    {
        if (!dynamic_cast<IDOLine*>(&object))
            return false;
        if (index == kMoveIndex)
            ::AddGhost(site, std::make_unique<TMoveGhost>(object));
        else if (index == 0 || index == 1)
            ::AddGhost(site, std::make_unique<TLineGhost>(object, index));
        return true;
    }
    bool AddCreateGhost(TEditSite& site, std::unique_ptr<TDrawObject>& object) override
    {
        if (!dynamic_cast<IDOLine*>(object.get()))
            return false;
        ::AddGhost(site, std::make_unique<TLineCreateGhost>(std::move(object)));
        return true;
    }
};

class TDORectGhostDesigner : public TDODesigner {
public:
    bool CreatePivots(TEditSite& site, TDrawObject& object) override
    {
        const auto* rect = dynamic_cast<const IDORect*>(&object);
        if (!rect)
            return false;
        Place(site, object, RectPivotLayout(RectOf(*rect), AngleOf(object), dynamic_cast<IDORotate*>(&object)));
        return true;
    }
    bool AddGhost(TEditSite& site, TDrawObject& object, int index) override
    {
        if (!dynamic_cast<IDORect*>(&object))
            return false;
        if (index == kMoveIndex)
            ::AddGhost(site, std::make_unique<TMoveGhost>(object));
        else if (index >= 0 && index <= 7)
            ::AddGhost(site, std::make_unique<TRectGhost>(object, index));
        else if (index == kRotateIndex && dynamic_cast<IDORotate*>(&object))
            ::AddGhost(site, std::make_unique<TRotateGhost>(object));
        return true;
    }
    bool AddCreateGhost(TEditSite& site, std::unique_ptr<TDrawObject>& object) override
    {
        if (!dynamic_cast<IDORect*>(object.get()))
            return false;
        ::AddGhost(site, std::make_unique<TRectCreateGhost>(std::move(object)));
        return true;
    }
};

class TDOCurveGhostDesigner : public TDODesigner {
public:
    bool CreatePivots(TEditSite& site, TDrawObject& object) override
    {
        const auto* curve = AvailableCurve(static_cast<const TDrawObject*>(&object));
        if (!curve)
            return false;
        Place(site, object, {{kStartIndex, TPivotKind::Label, curve->StartPoint(), TPivotCursor::SizeWE},
                             {kEndIndex, TPivotKind::Label, curve->EndPoint(), TPivotCursor::SizeWE},
                             {kBulgeIndex, TPivotKind::Bulge, curve->BulgePoint(), TPivotCursor::SizeNS}});
        return true;
    }
    bool AddGhost(TEditSite& site, TDrawObject& object, int index) override
    {
        if (!AvailableCurve(&object))
            return false;
        if (index == kMoveIndex)
            ::AddGhost(site, std::make_unique<TMoveGhost>(object));
        else if (index >= kStartIndex && index <= kBulgeIndex)
            ::AddGhost(site, std::make_unique<TCurveGhost>(object, index));
        else
            return false;
        return true;
    }
    bool AddCreateGhost(TEditSite& site, std::unique_ptr<TDrawObject>& object) override
    {
        if (!dynamic_cast<IDOCurve*>(object.get()) || dynamic_cast<IDORect*>(object.get()))
            return false;
        ::AddGhost(site, std::make_unique<TCurveCreateGhost>(std::move(object)));
        return true;
    }
};

// Text: the rectangle's handles while its baseline is straight, plus a bulge handle at the
// centre when it can be bent; a bent text is left to the arc designer.
class TDOTextGhostDesigner : public TDODesigner {
public:
    bool CreatePivots(TEditSite& site, TDrawObject& object) override
    {
        const auto* rect = dynamic_cast<const IDORect*>(&object);
        const auto* curve = AvailableCurve(static_cast<const TDrawObject*>(&object));
        if (!rect || !curve)
            return false;
        if (!IsStraightArc({curve->StartPoint(), curve->EndPoint(), curve->BulgePoint()}))
            return false;
        const TRect bounds = RectOf(*rect);
        Place(site, object, RectPivotLayout(bounds, AngleOf(object), dynamic_cast<IDORotate*>(&object)));
        site.AddPivot(object, kBulgeIndex, TPivotKind::Bulge, RectCenter(bounds), TPivotCursor::SizeNS);
        return true;
    }
};

} // namespace

std::vector<TPivotPlace> RectPivotLayout(const TRect& rect, int angle, bool rotatable)
{
    static constexpr TPivotCursor kCursors[8] = {
        TPivotCursor::SizeNWSE, TPivotCursor::SizeWE, TPivotCursor::SizeNESW, TPivotCursor::SizeNS,
        TPivotCursor::SizeNS,   TPivotCursor::SizeNESW, TPivotCursor::SizeWE, TPivotCursor::SizeNWSE};
    const QPoint centre = RectCenter(rect);
    std::vector<TPivotPlace> places;
    for (int index = 0; index < 8; ++index) {
        QPoint point = TRectGhost::HandlePoint(rect, index);
        if (rotatable)
            point = RotatePoint(point, angle, centre);
        if (rotatable && (index == 2 || index == 5))
            places.push_back({kRotateIndex, TPivotKind::Rotate, point, TPivotCursor::Rotate});
        else
            places.push_back({index, TPivotKind::Label, point, kCursors[index]});
    }
    return places;
}

void RegisterGhostDesigners(TDODesignerList& list)
{
    list.Add(std::make_unique<TDOLineGhostDesigner>());
    list.Add(std::make_unique<TDORectGhostDesigner>());
    list.Add(std::make_unique<TDOCurveGhostDesigner>());
    list.Add(std::make_unique<TDOTextGhostDesigner>());
}
