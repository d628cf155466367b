#include "objects/pictures/picture_classes.h"

#include "core/stream/class_registry.h"
#include "objects/pictures/alpha_mask.h"
#include "objects/pictures/wizard_image.h"

void RegisterPictureClasses()
{
    for (const TClassInfo* info :
         {&TLOImage::StaticClassInfo(), &TLOWizardImage::StaticClassInfo(), &TLOAlphaMask::StaticClassInfo()})
        RegisterClass(*info);
}
