#include "shell/object_designers.h"

#include "editing/site/edit_context.h"
#include "objects/ui/arranged_designers.h"
#include "objects/ui/code_designers.h"
#include "objects/ui/picture_designers.h"
#include "objects/ui/shape_designers.h"

void RegisterObjectDesigners(TEditContext& context)
{
    RegisterShapeDesigners(context.Designers());
    RegisterCodeDesigners(context.Designers(), context.Actions());
    RegisterPictureDesigners(context.Designers(), context.Actions());
    // After the picture designers, so that arranged images get their own dialog first.
    RegisterArrangedImageDesigners(context.Designers());
}
