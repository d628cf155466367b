#include "objects/ui/property_edit.h"

#include "core/model/draw_object.h"
#include "editing/actions/object_actions.h"
#include "editing/site/edit_context.h"
#include "editing/site/edit_site.h"

void ApplyPropertyEdit(TDrawObject& object, const std::function<void()>& writeBack)
{
    auto* site = dynamic_cast<TEditSite*>(object.Site());
    if (!site) {
        writeBack();
        return;
    }
    auto action = std::make_unique<TDOChangeAction>(object);
    action->SetCaption(QStringLiteral("設定変更"));
    try {
        writeBack();
    } catch (...) {
        action->RestoreBefore();
        throw;
    }
    TDOChangeAction::Finish(std::move(action), site->Context().Actions());
}
