#pragma once
// The designers of handles and ghosts for lines, rectangles, arcs and text, registered in
// that order, so that text is asked first, then arcs, rectangles and lines.
#include "core/canvas/rect.h"
#include "editing/site/pivot.h"

#include <vector>

class TDODesignerList;

void RegisterGhostDesigners(TDODesignerList& list);

struct TPivotPlace {
    int Index;
    TPivotKind Kind;
    QPoint Logical;
    TPivotCursor Cursor;
    friend bool operator==(const TPivotPlace&, const TPivotPlace&) = default;
};

// The eight handles of a rectangle, turned by the angle about its centre; a turned
// rectangle carries rotation handles (index 8) at positions 2 and 5.
std::vector<TPivotPlace> RectPivotLayout(const TRect& rect, int angle, bool rotatable);
