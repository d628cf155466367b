#include "objects/shapes/shape_classes.h"

#include "core/stream/class_registry.h"
#include "objects/shapes/curve_shape.h"
#include "objects/shapes/deco_line.h"
#include "objects/shapes/rect_shape.h"

void RegisterShapeClasses()
{
    for (const TClassInfo* info : {&TLORect::StaticClassInfo(), &TLOCircle::StaticClassInfo(), &TLOLine::StaticClassInfo(),
                                   &TLOCurve::StaticClassInfo(), &TLODecoLine::StaticClassInfo()})
        RegisterClass(*info);
}
