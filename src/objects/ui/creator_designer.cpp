#include "objects/ui/creator_designer.h"

#include "core/model/draw_object.h"
#include "core/model/placement.h"
#include "editing/actions/object_actions.h"
#include "editing/site/edit_context.h"
#include "editing/site/edit_site.h"
#include "objects/creator/object_creator.h"

namespace {

const QString kAddCaption = QStringLiteral("追加");

} // namespace

bool InsertNewObject(TEditSite& site, std::unique_ptr<TDrawObject> object, bool withDialog, bool withDrag)
{
    site.AbandonGhosts();
    if (withDialog && !TLOCreator::EditNew(*object))
        return false;
    if (withDrag) {
        site.ArmCreate(std::move(object));
        return true;
    }
    site.Context().MoveOptions().ResetForCreation();
    const bool selectable = object->Selectable();
    if (selectable)
        PlaceNewObject(*object, site);
    site.SelectAll(false);
    TDrawObject* added = selectable ? site.InsertObject(std::move(object)) : site.AddObject(std::move(object));
    auto action = std::make_unique<TDOAddAction>(*added, site);
    action->SetCaption(kAddCaption);
    site.Context().Actions().Push(std::move(action));
    site.PivotsChanged();
    return true;
}

bool TDOCreatorDesigner::CreateObject(TEditSite& site, const QString& className)
{
    if (TLOCreator::IsClipboardPaste(className))
        return false;
    std::unique_ptr<TDrawObject> object = TLOCreator::CreateWithDefaults(className, site);
    if (!object)
        return false;
    const TCreationKind kind = TLOCreator::KindOf(className);
    return InsertNewObject(site, std::move(object), kind.Dialog, kind.Drag);
}

void RegisterCreatorDesigner(TDODesignerList& designers)
{
    designers.Add(std::make_unique<TDOCreatorDesigner>());
}
