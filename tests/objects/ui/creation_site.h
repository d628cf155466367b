#pragma once
// The editing site the creation tests place new objects on: 1200 x 1000 units at 254 dpi,
// all of it visible.
#include "editing/site/edit_site.h"

inline void SetUpCreationSite(TEditSite& site)
{
    site.SetDeviceResolution(254);
    site.Scaler().SetUnitDPI(254);
    site.SetLogSize(1200, 1000);
    site.SetVisibleClientRect(QRect(0, 0, 1200, 1000));
}
