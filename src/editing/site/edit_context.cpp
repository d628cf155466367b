#include "editing/site/edit_context.h"

#include "core/model/draw_object.h"
#include "editing/clipboard/clipboard.h"
#include "editing/designers/ghost_designers.h"
#include "editing/designers/paste_designer.h"
#include "editing/ghosts/move_ghost.h"
#include "editing/site/edit_site.h"

#include <algorithm>
#include <vector>

namespace {
// The living contexts, newest last: the newest answers the model's designer requests.
std::vector<TEditContext*>& LivingContexts()
{
    static std::vector<TEditContext*> contexts;
    return contexts;
}
// The registry that was installed before the first context, put back after the last.
IDesignerRegistry*& OutsideRegistry()
{
    static IDesignerRegistry* registry = nullptr;
    return registry;
}
} // namespace

TEditContext::TEditContext()
{
    // Asked last: the object types' own designers may make pasted objects themselves.
    designers_.Add(std::make_unique<TDOPasteDesigner>());
    RegisterGhostDesigners(designers_);
    if (LivingContexts().empty())
        OutsideRegistry() = DesignerRegistry();
    LivingContexts().push_back(this);
    SetDesignerRegistry(this);
}

TEditContext::~TEditContext()
{
    ghosts_.SetOwner(nullptr, nullptr);
    ghosts_.Clear();
    actions_.Clear();
    auto& living = LivingContexts();
    living.erase(std::remove(living.begin(), living.end(), this), living.end());
    if (DesignerRegistry() == this)
        SetDesignerRegistry(living.empty() ? OutsideRegistry() : living.back());
}

IClipboard& TEditContext::Clipboard() const
{
    return clipboard_ ? *clipboard_ : SystemClipboard();
}

TSnapOffset TEditContext::SnapOffset(TEditSite& site, QPoint logical) const
{
    if (!snapRule_)
        return {};
    return snapRule_(site, logical, ghosts_.LastShift());
}

void TEditContext::CreatePivots(TDrawObject& object)
{
    if (auto* site = dynamic_cast<TEditSite*>(object.Site()))
        site->Context().Designers().CreatePivots(*site, object);
}

void TEditContext::AddGhost(TDrawObject& object, int handleIndex)
{
    if (auto* site = dynamic_cast<TEditSite*>(object.Site()))
        site->Context().Designers().AddGhost(*site, object, handleIndex);
}

void TEditContext::AddSimpleMoveGhost(TDrawObject& object)
{
    if (auto* site = dynamic_cast<TEditSite*>(object.Site()))
        site->Context().Ghosts().Add(std::make_unique<TSimpleMoveGhost>(object));
}

bool TEditContext::Edit(TDrawObject& object)
{
    auto* site = dynamic_cast<TEditSite*>(object.Site());
    const bool edited = (site ? site->Context().Designers() : designers_).Edit(object) == TEditOutcome::Confirmed;
    if (edited && site)
        site->PivotsChanged();
    return edited;
}
