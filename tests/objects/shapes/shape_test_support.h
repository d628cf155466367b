#pragma once
// Helpers of the shape and line tests: a white canvas at one logical unit per pixel with a
// chosen logical origin, the stream bytes of an object and the object read back from them.
#include "core/canvas/memory_canvas.h"
#include "core/canvas/rect.h"

#include <QByteArray>
#include <QImage>
#include <memory>

class TComponent;

// Registers the graphics and shape classes (once per test program).
void RegisterShapeTestClasses();

// A white 24-bit picture covering the logical area, with a canvas on it mapped so that one
// logical unit is one pixel and the area's top-left is pixel (0, 0).
class TUnitCanvas {
public:
    explicit TUnitCanvas(const TRect& area);
    TCanvas& Canvas() { return *canvas_; }
    // The pixel at a logical point, as 0xRRGGBB.
    unsigned At(int x, int y) const;
    // Number of pixels in the logical row [left, right) that are not white.
    int PaintedInRow(int y, int left, int right) const;
    int PaintedCount() const;

private:
    TRect area_;
    QImage image_;
    std::unique_ptr<TMemoryCanvas> canvas_;
};

QByteArray StreamBytes(const TComponent& object);
std::unique_ptr<TComponent> ReadBack(const QByteArray& bytes);
