#include "objects/ui/shape_designers.h"

#include "editing/designers/designer_list.h"
#include "objects/shapes/curve_shape.h"
#include "objects/shapes/deco_line.h"
#include "objects/shapes/rect_shape.h"
#include "objects/ui/deco_line_dialog.h"
#include "objects/ui/line_property_dialog.h"
#include "objects/ui/property_edit.h"
#include "objects/ui/rect_property_dialog.h"

namespace {

class TDORectEditor : public TDODesigner {
public:
    TEditOutcome Edit(TDrawObject& object) override { return EditWithDialog<TLORect, TfrmRectProperty>(object); }
};

class TDOLineEditor : public TDODesigner {
public:
    TEditOutcome Edit(TDrawObject& object) override
    {
        if (dynamic_cast<TLODecoLine*>(&object))
            return TEditOutcome::NotMine;
        return EditWithDialog<TLOLine, TfrmLineProperty>(object);
    }
};

class TDODecoLineEditor : public TDODesigner {
public:
    TEditOutcome Edit(TDrawObject& object) override
    {
        if (!dynamic_cast<TLODecoLine*>(&object))
            return TEditOutcome::NotMine;
        // Without its folder the chooser does not open and the line stays as it is.
        const QString folder = TfrmDecoLineProperty::TileFolder();
        if (folder.isEmpty())
            return TEditOutcome::Cancelled;
        // A line not on a site yet is being created: the chosen tile gives it its geometry.
        return EditWithDialog<TLODecoLine, TfrmDecoLineProperty>(object, folder, !object.IsOnDrawSite());
    }
};

} // namespace

void RegisterShapeDesigners(TDODesignerList& list)
{
    list.Add(std::make_unique<TDORectEditor>());
    list.Add(std::make_unique<TDOLineEditor>());
    list.Add(std::make_unique<TDODecoLineEditor>());
}
