#include "shape_test_support.h"

#include "core/persistent/component.h"
#include "core/stream/component_stream.h"
#include "graphics/graphics_classes.h"
#include "objects/shapes/shape_classes.h"


void RegisterShapeTestClasses()
{
    RegisterGraphicsClasses();
    RegisterShapeClasses();
}

TUnitCanvas::TUnitCanvas(const TRect& area)
    : area_(area), image_(CreateBitmap({RectWidth(area), RectHeight(area)}, QImage::Format_RGB32, 254))
{
    canvas_ = std::make_unique<TMemoryCanvas>(image_, 254);
    canvas_->SetWindowOrg(area.TopLeft());
}

unsigned TUnitCanvas::At(int x, int y) const
{
    return image_.pixel(x - area_.Left, y - area_.Top) & 0xFFFFFF;
}

int TUnitCanvas::PaintedInRow(int y, int left, int right) const
{
    int count = 0;
    for (int x = left; x < right; ++x)
        count += At(x, y) != 0xFFFFFF;
    return count;
}

int TUnitCanvas::PaintedCount() const
{
    int count = 0;
    for (int y = area_.Top; y < area_.Bottom; ++y)
        count += PaintedInRow(y, area_.Left, area_.Right);
    return count;
}

QByteArray StreamBytes(const TComponent& object)
{
    return ComponentBytes(object);
}

std::unique_ptr<TComponent> ReadBack(const QByteArray& bytes)
{
    return ReadComponentBytes(bytes);
}
