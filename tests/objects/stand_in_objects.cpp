#include "stand_in_objects.h"

#include "core/canvas/canvas.h"
#include "core/persistent/color_type.h"
#include "core/stream/class_registry.h"

LR_DEFINE_CLASS(TStandInBox, TLORectBase, LR_CREATABLE(TStandInBox),
    prop::Integer("Colour", &Self::Colour, &Self::SetColour, &ColorType),
    prop::Integer("Angle", &Self::Angle, &Self::SetAngle).Default(0))

TStandInBox::TStandInBox(TRect rect, int colour, int angle) : colour_(colour)
{
    SetAngle(angle);
    SetBoundsRect(rect);
}

TRect TStandInBox::GetBounds() const
{
    const TRect r = BoundsRect();
    if (!Turned())
        return r;
    const int cx2 = r.Left + r.Right;
    const int cy2 = r.Top + r.Bottom;
    const int w = RectWidth(r);
    const int h = RectHeight(r);
    return {(cx2 - h) / 2, (cy2 - w) / 2, (cx2 - h) / 2 + h, (cy2 - w) / 2 + w};
}

void TStandInBox::Resize(int width, int height)
{
    const TRect bounds = GetBounds();
    const int w = Turned() ? height : width;
    const int h = Turned() ? width : height;
    // The centre of the new turned box, with the top-left corner kept.
    const int cx2 = 2 * bounds.Left + width;
    const int cy2 = 2 * bounds.Top + height;
    SetBoundsRect({(cx2 - w) / 2, (cy2 - h) / 2, (cx2 - w) / 2 + w, (cy2 - h) / 2 + h});
}

void TStandInBox::Paint(TCanvas& canvas)
{
    canvas.Painter().fillRect(GetBounds().ToQRect(), ToQColor(colour_));
}

void TStandInBox::AssignTo(TPersistent& target) const
{
    TLORectBase::AssignTo(target);
    if (auto* box = dynamic_cast<TStandInBox*>(&target)) {
        box->colour_ = colour_;
        box->angle_ = angle_;
    }
}

void RegisterStandInObjects()
{
    RegisterClass(TStandInBox::StaticClassInfo());
}
