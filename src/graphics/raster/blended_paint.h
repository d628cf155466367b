#pragma once
// The blended paint path of draw objects: the object is painted into a 24-bit colour image
// and, separately, its coverage into an 8-bit alpha map; both are then mixed into the
// canvas's pixels with the object's ratio.
class TCanvas;
class TDrawObject;

// Paints the object blended onto the canvas. A canvas whose pixels can be read back is
// blended in place; on any other (a PDF or print device) the colour image, its coverage and
// the ratio are composed off-screen into an image with an alpha channel that is drawn over
// what lies below, so that both kinds of output show the same soft edges. Returns true.
bool PaintBlended(TDrawObject& object, TCanvas& canvas, int ratio);

// Makes PaintBlended the blended paint path of every draw object. Called once at start-up.
void InstallBlendedPaint();
