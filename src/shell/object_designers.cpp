#include "shell/object_designers.h"

#include "core/frame/settings.h"
#include "document/data_fields.h"
#include "document/label_data.h"
#include "editing/site/edit_context.h"
#include "objects/ui/arranged_designers.h"
#include "objects/ui/background_designer.h"
#include "objects/ui/code_designers.h"
#include "objects/ui/creator_designer.h"
#include "objects/ui/date_designer.h"
#include "objects/ui/deco_string_designer.h"
#include "objects/ui/picture_designers.h"
#include "objects/ui/shape_designers.h"
#include "objects/ui/text_designers.h"

void RegisterObjectDesigners(TEditContext& context, std::function<TLabelData*()> document)
{
    RegisterShapeDesigners(context.Designers());
    RegisterCodeDesigners(context.Designers(), context.Actions());
    RegisterDecoStringDesigner(context.Designers());
    TPictureDesignerOptions pictureOptions;
    pictureOptions.AdvancedMode = &AdvancedMode;
    RegisterPictureDesigners(context.Designers(), context.Actions(), pictureOptions);
    RegisterTextDesigners(context.Designers(), &AdvancedMode, [document]() -> TDataFieldRecords {
        TLabelData* data = document ? document() : nullptr;
        if (!data)
            return {};
        return {&data->ProductInfo(), &data->CreatorInfoJ(), &data->CreatorInfoE()};
    });
    RegisterDateDesigner(context.Designers());
    // Backgrounds are never clicked: the background command edits them through this designer.
    RegisterBackgroundDesigner(context.Designers(), context.Actions());
    // After the picture designers, so that arranged images get their own dialog first.
    RegisterArrangedImageDesigners(context.Designers());
    RegisterCreatorDesigner(context.Designers());
}
