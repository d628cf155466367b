#include "shell/object_designers.h"

#include "core/frame/settings.h"
#include "editing/site/edit_context.h"
#include "objects/ui/arranged_designers.h"
#include "objects/ui/background_designer.h"
#include "objects/ui/code_designers.h"
#include "objects/ui/creator_designer.h"
#include "objects/ui/date_designer.h"
#include "objects/ui/picture_designers.h"
#include "objects/ui/shape_designers.h"
#include "objects/ui/text_designers.h"

void RegisterObjectDesigners(TEditContext& context)
{
    RegisterShapeDesigners(context.Designers());
    RegisterCodeDesigners(context.Designers(), context.Actions());
    TPictureDesignerOptions pictureOptions;
    pictureOptions.AdvancedMode = &AdvancedMode;
    RegisterPictureDesigners(context.Designers(), context.Actions(), pictureOptions);
    RegisterTextDesigners(context.Designers(), &AdvancedMode);
    RegisterDateDesigner(context.Designers());
    // Backgrounds are never clicked: the background command edits them through this designer.
    RegisterBackgroundDesigner(context.Designers(), context.Actions());
    // After the picture designers, so that arranged images get their own dialog first.
    RegisterArrangedImageDesigners(context.Designers());
    RegisterCreatorDesigner(context.Designers());
}
