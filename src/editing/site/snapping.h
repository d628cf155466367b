#pragma once
// Snapping to the grid and the guides of a face: per axis the grid offset, unless a guide
// within the tolerance is strictly nearer; no snapping while Alt is held.
#include "editing/site/edit_context.h"

class TGrid;
class TGuide;

// Tolerance of the snapping, in device pixels at the current zoom.
inline constexpr int kSnapPixels = 10;

// The grid offset of one coordinate: the nearest grid line (floor division, so that points
// below 0 snap like any others), kNoSnap for a pitch of 0 or less.
int GridOffset(int pitch, int p);
// The offset to the grid and guides for a point; tolerance in logical units.
TSnapOffset GridGuideOffset(const TGrid& grid, const TGuide& guide, int tolerance, QPoint p);
// The editor's snapping rule over a grid and guides that outlive it.
TEditContext::SnapRule GridGuideSnapRule(const TGrid& grid, const TGuide& guide);
