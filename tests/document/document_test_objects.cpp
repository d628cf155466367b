#include "document_test_objects.h"

#include "core/canvas/canvas.h"
#include "core/persistent/color_type.h"
#include "core/stream/class_registry.h"

LR_DEFINE_CLASS(TTestBox, TLORectBase, LR_CREATABLE(TTestBox),
    prop::Integer("Colour", &Self::Colour, &Self::SetColour, &ColorType))
LR_DEFINE_CLASS(TTestDate, TTestBox, LR_CREATABLE(TTestDate),
    prop::Integer("Flag", &Self::Flag, &Self::SetFlag).Default(0))
LR_DEFINE_CLASS(TTestBackground, TTestBox, LR_CREATABLE(TTestBackground),
    prop::Boolean("Empty", &Self::Empty, &Self::SetEmpty))

std::vector<int>& TTestBox::PaintedColours()
{
    static std::vector<int> colours;
    return colours;
}

void TTestBox::Paint(TCanvas& canvas)
{
    PaintedColours().push_back(colour_);
    canvas.Painter().fillRect(BoundsRect().ToQRect(), ToQColor(colour_));
}

void RegisterDocumentTestObjects()
{
    RegisterClass(TTestBox::StaticClassInfo());
    RegisterClass(TTestDate::StaticClassInfo());
    RegisterClass(TTestBackground::StaticClassInfo());
}
