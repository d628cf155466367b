#include "objects/ui/code_designers.h"

#include "editing/actions/object_actions.h"
#include "editing/designers/designer_list.h"
#include "objects/ui/jan_code_dialog.h"
#include "objects/ui/qr_code_dialog.h"

namespace {

// Opens the dialog and, on OK, applies it inside one change action.
template <class Dialog, class Object>
bool EditWith(Object& object, bool isNew, TActionList* actions, QWidget* parent)
{
    Dialog dialog(object, isNew, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    auto action = std::make_unique<TDOChangeAction>(object);
    action->SetCaption(QStringLiteral("設定変更"));
    dialog.ApplyTo(object);
    if (actions)
        TDOChangeAction::Finish(std::move(action), *actions);
    return true;
}

template <class Object, bool (*EditFunction)(Object&, bool, TActionList*, QWidget*)>
class TCodeEditor : public TDODesigner {
public:
    explicit TCodeEditor(TActionList& actions) : actions_(actions) {}

    TEditOutcome Edit(TDrawObject& object) override
    {
        auto* code = dynamic_cast<Object*>(&object);
        if (!code)
            return TEditOutcome::NotMine;
        // An object not on a site yet is being created: the dialog shows it as new, and its
        // change records nothing (the addition is the one undo step).
        return EditFunction(*code, !object.IsOnDrawSite(), &actions_, nullptr) ? TEditOutcome::Confirmed
                                                                                : TEditOutcome::Cancelled;
    }

private:
    TActionList& actions_;
};

using TDOJANCodeEditor = TCodeEditor<TLOJANCode, &EditJANCode>;
using TDOQRCodeEditor = TCodeEditor<TLOQRStd, &EditQRCode>;

} // namespace

bool EditJANCode(TLOJANCode& code, bool isNew, TActionList* actions, QWidget* parent)
{
    return EditWith<TfrmJANCodeProperty>(code, isNew, actions, parent);
}

bool EditQRCode(TLOQRStd& code, bool isNew, TActionList* actions, QWidget* parent)
{
    return EditWith<TfrmQRCodeProperty>(code, isNew, actions, parent);
}

void RegisterCodeDesigners(TDODesignerList& designers, TActionList& actions)
{
    designers.Add(std::make_unique<TDOJANCodeEditor>(actions));
    designers.Add(std::make_unique<TDOQRCodeEditor>(actions));
}
