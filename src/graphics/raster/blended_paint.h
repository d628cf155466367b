#pragma once
// The blended paint path of draw objects: the object is painted into a 24-bit colour image
// and, separately, its coverage into an 8-bit alpha map; both are then mixed into the
// canvas's pixels with the object's ratio.
class TCanvas;
class TDrawObject;

// Paints the object blended onto a canvas whose pixels can be read back. Returns false when
// the canvas has no readable image (the caller then paints plainly).
bool PaintBlended(TDrawObject& object, TCanvas& canvas, int ratio);

// Makes PaintBlended the blended paint path of every draw object. Called once at start-up.
void InstallBlendedPaint();
