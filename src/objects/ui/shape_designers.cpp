#include "objects/ui/shape_designers.h"

#include "editing/designers/designer_list.h"
#include "objects/shapes/curve_shape.h"
#include "objects/shapes/deco_line.h"
#include "objects/shapes/rect_shape.h"
#include "objects/ui/deco_line_dialog.h"
#include "objects/ui/line_property_dialog.h"
#include "objects/ui/property_edit.h"
#include "objects/ui/rect_property_dialog.h"

#include <QApplication>

namespace {

// Opens the dialog on the object of its class and writes it back when confirmed.
template <class Object, class Dialog, class... Args>
TEditOutcome EditWith(TDrawObject& object, Args&&... args)
{
    auto* target = dynamic_cast<Object*>(&object);
    if (!target)
        return TEditOutcome::NotMine;
    Dialog dialog(*target, std::forward<Args>(args)..., QApplication::activeWindow());
    if (dialog.exec() != QDialog::Accepted)
        return TEditOutcome::Cancelled;
    ApplyPropertyEdit(object, [&] { dialog.WriteBack(*target); });
    return TEditOutcome::Confirmed;
}

class TDORectEditor : public TDODesigner {
public:
    TEditOutcome Edit(TDrawObject& object) override { return EditWith<TLORect, TfrmRectProperty>(object); }
};

class TDOLineEditor : public TDODesigner {
public:
    TEditOutcome Edit(TDrawObject& object) override
    {
        if (dynamic_cast<TLODecoLine*>(&object))
            return TEditOutcome::NotMine;
        return EditWith<TLOLine, TfrmLineProperty>(object);
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
        return EditWith<TLODecoLine, TfrmDecoLineProperty>(object, folder, false);
    }
};

} // namespace

void RegisterShapeDesigners(TDODesignerList& list)
{
    list.Add(std::make_unique<TDORectEditor>());
    list.Add(std::make_unique<TDOLineEditor>());
    list.Add(std::make_unique<TDODecoLineEditor>());
}
