#include "core/face/face_shape.h"

const TTypeInfo FaceShapeType{
    "TFaceShape",
    {{fsRect, "fsRect"}, {fsDoughnut, "fsDoughnut"}, {fsEllipse, "fsEllipse"}, {fsRoundRect, "fsRoundRect"},
     {fsRectCD, "fsRectCD"}, {fsBarrelCD, "fsBarrelCD"}}};

const TTypeInfo CenterShapeType{"TCenterShape", {{csEllipse, "csEllipse"}, {csBarrel, "csBarrel"}}};

QStringList FaceShapeDisplayNames()
{
    return QStringLiteral("角ラベル,CDラベル,丸ラベル,角丸ラベル,名刺CDラベル,樽CDラベル").split(QLatin1Char(','));
}
