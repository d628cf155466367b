#include "objects/ui/deco_string_designer.h"

#include "objects/deco/deco_string.h"
#include "objects/deco/image_font.h"
#include "objects/ui/deco_string_dialog.h"
#include "objects/ui/property_edit.h"

namespace {

class TDODecoStringEditor : public TDODesigner {
public:
    TEditOutcome Edit(TDrawObject& object) override
    {
        // An object not on a site yet is being created: the dialog shows it as new and fits
        // it to its text.
        return EditWithDialog<TLODecoString, TfrmDecoString>(object, !object.IsOnDrawSite(),
                                                             TImageFontStore::DefaultFolder());
    }
};

} // namespace

void RegisterDecoStringDesigner(TDODesignerList& designers)
{
    designers.Add(std::make_unique<TDODecoStringEditor>());
}
