#pragma once
// What the editor draws over a face's objects, with the canvas in logical units and the
// origin at the face's outer top-left: the outline and hole (inverted, with the centre
// cross when the face has a hole), the grid, the guides, a frame around the whole area and
// the trim lines.
#include "core/canvas/rect.h"

class TCanvas;
class TFaceInfo;
class TGrid;
class TGuide;

void PaintFaceOverlay(TCanvas& canvas, const TRect& area, const TFaceInfo* face, const TGrid* grid, const TGuide* guide);
