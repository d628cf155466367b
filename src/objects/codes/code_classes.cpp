#include "objects/codes/code_classes.h"

#include "core/stream/class_registry.h"
#include "objects/codes/jan_object.h"
#include "objects/codes/qr_std.h"

void RegisterCodeClasses()
{
    for (const TClassInfo* info :
         {&TLOJANCode::StaticClassInfo(), &TLOQRCode::StaticClassInfo(), &TLOQRStd::StaticClassInfo()})
        RegisterClass(*info);
}
