#pragma once
// Painting a gradient into a rectangle: the kind chooses the rasteriser, the 128 x 128 result
// is stretched onto screens and smoothly resampled for printers.
#include "core/persistent/color_type.h"
#include "graphics/color/color_fill_types.h"

#include <memory>

class TCanvas;
class TGradFill;
struct TRect;

// The angle brought into (0, 360] by whole turns (360 stays 360, -90 becomes 270); 0 stays 0.
int NormalizeGradAngle(int angle);

// The rasteriser of a kind with its angle (normalised) and direction: the rim kinds and the
// clockwise cone run their palette reversed. Colours are not set yet.
std::unique_ptr<TGradFill> CreateGradFill(rgGradationKind kind, int angle);

// Paints the gradient of the colours (count at least 1; nothing is drawn without colours)
// into the logical rectangle. On a printer's canvas the gradient is resampled smoothly to
// the rectangle's device size (only the part inside the clip and the device is made) and
// drawn unscaled; elsewhere it is stretched. With invert the gradient is XORed onto the
// canvas. Not reentrant across threads' shared state: each thread has its own bitmaps.
void FillGradation(TCanvas& canvas, const TRect& rect, const TColor* colors, int count, bool invert, int angle,
                   rgGradationKind kind);
