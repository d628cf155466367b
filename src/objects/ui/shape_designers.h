#pragma once
// The property-dialog designers of rectangles and ellipses, lines and arcs, and decorative
// lines, each opening its dialog on a double click and writing the result back as one
// undoable change.
class TDODesignerList;

void RegisterShapeDesigners(TDODesignerList& list);
