#pragma once
// Z-order snapshots of a draw site: its objects front-most first.
#include <vector>

class TDrawObject;
class TDrawSiteModel;

using TZOrder = std::vector<TDrawObject*>;

// The site's objects, front-most first.
TZOrder ZOrder(const TDrawSiteModel& site);
// Restores a saved order: the listed objects that are still on the site take the saved
// order back to front, objects of a lower layer group always behind those of a higher
// one (a stable sort by layer group), and objects the snapshot does not know keep their
// place in front of the listed ones of their group. True when anything moved.
bool ApplyZOrder(TDrawSiteModel& site, const TZOrder& order);
