#pragma once
// The enumerations of colour specifications as streams name them.
#include "core/persistent/persistent.h"

enum TColorSpecKind { cskSolid = 0, cskBitmap = 1, cskGradation = 2 };

enum TBrushStyle { bsSolid = 0, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross, bsDiagCross };

enum rgGradationKind {
    rgkSimple = 0,
    rgkBoxToRim,
    rgkBoxToCenter,
    rgkCircleToRim,
    rgkCircleToCenter,
    rgkConeClockwise,
    rgkConeCounterClockwise,
};

// The gradient directions of earlier versions, read from older documents only.
enum rgGradationDir {
    rgdLeftToRight = 0,
    rgdRightToLeft,
    rgdTopToBottom,
    rgdBottomToTop,
    rgdLeftTopToRightBottom,
    rgdRightTopToLeftBottom,
    rgdRightBottomToLeftTop,
    rgdLeftBottomToRightTop,
    rgdCenterToRim,
    rgdRimToCenter,
};

extern const TTypeInfo ColorSpecKindType;
extern const TTypeInfo BrushStyleType;
extern const TTypeInfo GradationKindType;
extern const TTypeInfo GradationDirType;

// The kind and angle a legacy direction stands for; false for a value outside the list (the
// top bit of the value is ignored).
bool GradDirToKindAngle(int direction, rgGradationKind& kind, int& angle);
// The legacy direction of a kind and angle: the box kinds map to their directions, other
// kinds and unlisted angles to rgdLeftToRight.
rgGradationDir KindAngleToGradDir(rgGradationKind kind, int angle);
