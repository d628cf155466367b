#pragma once
// The outline shapes of a label face and of its centre hole, their stream type
// information and the names the user sees for them.
#include "core/persistent/persistent.h"

#include <QStringList>

enum TFaceShape : int {
    fsRect = 0,
    fsDoughnut = 1,
    fsEllipse = 2,
    fsRoundRect = 3,
    fsRectCD = 4,
    fsBarrelCD = 5,
};

enum TCenterShape : int {
    csEllipse = 0,
    csBarrel = 1,
};

extern const TTypeInfo FaceShapeType;
extern const TTypeInfo CenterShapeType;

// The display names of the face shapes, in enumeration order.
QStringList FaceShapeDisplayNames();
