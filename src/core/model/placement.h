#pragma once
// Placement of objects that are inserted, pasted or moved between faces.
#include "core/canvas/rect.h"

#include <vector>

class TDrawObject;
class TDrawSiteModel;

// Moves each object so that the centre of its bounds lies at least 10 units (1 mm) inside
// the area.
void KeepInside(const std::vector<TDrawObject*>& objects, const TRect& area);

// Maps each object's bounds from one rectangle onto another (nothing when they are equal
// or the first has no width or no height).
void ScaleObjects(const std::vector<TDrawObject*>& objects, const TRect& from, const TRect& to);

// Fits a new object onto the site (proportionally when it keeps its aspect) and centres it
// on the visible part of the site.
void PlaceNewObject(TDrawObject& object, const TDrawSiteModel& site);
