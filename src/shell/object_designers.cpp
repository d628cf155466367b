#include "shell/object_designers.h"

#include "editing/site/edit_context.h"
#include "objects/ui/picture_designers.h"

void RegisterObjectDesigners(TEditContext& context)
{
    RegisterPictureDesigners(context.Designers(), context.Actions());
}
