#include "graphics/color/color_fill_types.h"

#include <array>

const TTypeInfo ColorSpecKindType{"TColorSpecKind", {{cskSolid, "cskSolid"}, {cskBitmap, "cskBitmap"},
                                                     {cskGradation, "cskGradation"}}};

const TTypeInfo BrushStyleType{"TBrushStyle",
                               {{bsSolid, "bsSolid"},
                                {bsClear, "bsClear"},
                                {bsHorizontal, "bsHorizontal"},
                                {bsVertical, "bsVertical"},
                                {bsFDiagonal, "bsFDiagonal"},
                                {bsBDiagonal, "bsBDiagonal"},
                                {bsCross, "bsCross"},
                                {bsDiagCross, "bsDiagCross"}}};

const TTypeInfo GradationKindType{"rgGradationKind",
                                  {{rgkSimple, "rgkSimple"},
                                   {rgkBoxToRim, "rgkBoxToRim"},
                                   {rgkBoxToCenter, "rgkBoxToCenter"},
                                   {rgkCircleToRim, "rgkCircleToRim"},
                                   {rgkCircleToCenter, "rgkCircleToCenter"},
                                   {rgkConeClockwise, "rgkConeClockwise"},
                                   {rgkConeCounterClockwise, "rgkConeCounterClockwise"}}};

const TTypeInfo GradationDirType{"rgGradationDir",
                                 {{rgdLeftToRight, "rgdLeftToRight"},
                                  {rgdRightToLeft, "rgdRightToLeft"},
                                  {rgdTopToBottom, "rgdTopToBottom"},
                                  {rgdBottomToTop, "rgdBottomToTop"},
                                  {rgdLeftTopToRightBottom, "rgdLeftTopToRightBottom"},
                                  {rgdRightTopToLeftBottom, "rgdRightTopToLeftBottom"},
                                  {rgdRightBottomToLeftTop, "rgdRightBottomToLeftTop"},
                                  {rgdLeftBottomToRightTop, "rgdLeftBottomToRightTop"},
                                  {rgdCenterToRim, "rgdCenterToRim"},
                                  {rgdRimToCenter, "rgdRimToCenter"}}};

namespace {

struct DirectionEntry {
    rgGradationKind kind;
    int angle;
};

// Indexed by rgGradationDir.
constexpr std::array<DirectionEntry, 10> kDirections{{
    {rgkSimple, 270},
    {rgkSimple, 90},
    {rgkSimple, 0},
    {rgkSimple, 180},
    {rgkSimple, 315},
    {rgkSimple, 45},
    {rgkSimple, 135},
    {rgkSimple, 225},
    {rgkBoxToRim, 0},
    {rgkBoxToCenter, 0},
}};

} // namespace

bool GradDirToKindAngle(int direction, rgGradationKind& kind, int& angle)
{
    const int index = direction & 0x7F;
    if (index >= int(kDirections.size()))
        return false;
    kind = kDirections[std::size_t(index)].kind;
    angle = kDirections[std::size_t(index)].angle;
    return true;
}

rgGradationDir KindAngleToGradDir(rgGradationKind kind, int angle)
{
    if (kind == rgkBoxToRim)
        return rgdCenterToRim;
    if (kind == rgkBoxToCenter)
        return rgdRimToCenter;
    if (kind != rgkSimple)
        return rgdLeftToRight;
    for (std::size_t i = 0; i < 8; ++i)
        if (kDirections[i].angle == angle)
            return rgGradationDir(i);
    return rgdLeftToRight;
}
