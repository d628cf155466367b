#pragma once
// Aligning several objects to the union of their bounds, and moving objects against the
// face shape, to the face centre or turning them towards it. Each is one undo step.
#include "core/canvas/rect.h"

#include <QRegion>
#include <vector>

class TDrawObject;
class TEditSite;

enum class TAlignment { Left, Right, Top, Bottom, HorzCenter, VertCenter, HorzSpace, VertSpace };

// The offsets that align the rectangles (in the same order): edges or centres to the union,
// or equal gaps between them ordered by their centres. Rectangles that share a centre with
// an earlier one stay where they are.
std::vector<QPoint> AlignmentOffsets(const std::vector<TRect>& bounds, TAlignment alignment);
// Whether the selection holds at least two label objects to align.
bool CanAlign(TEditSite& site);
// Aligns the label objects among the selection ("位置揃え"); needs at least two.
bool AlignObjects(TEditSite& site, TAlignment alignment);

enum class TAdjustPosition { Left, Right, Top, Bottom, VertCenter, HorzCenter, Perpendicular, Tangent };

// Whether any object is selected to adjust.
bool CanAdjustPosition(TEditSite& site);
// Adjusts every selected object ("位置合わせ") against the face region in logical units.
bool AdjustPosition(TEditSite& site, TAdjustPosition adjustment, const QRegion& face);
