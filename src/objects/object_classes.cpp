#include "objects/object_classes.h"

#include "graphics/graphics_classes.h"
#include "objects/backgrounds/background_classes.h"
#include "objects/codes/code_classes.h"
#include "objects/groups/group_classes.h"
#include "objects/pictures/picture_classes.h"
#include "objects/shapes/shape_classes.h"
#include "text/text_classes.h"

void RegisterLabelObjectClasses()
{
    RegisterGraphicsClasses();
    RegisterTextClasses();
    RegisterPictureClasses();
    RegisterBackgroundClasses();
    RegisterShapeClasses();
    RegisterCodeClasses();
    RegisterGroupClasses();
}
