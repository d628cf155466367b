#include "print_test_objects.h"

#include "core/canvas/canvas.h"
#include "core/error.h"
#include "core/persistent/color_type.h"
#include "core/stream/class_registry.h"
#include "printing/pipeline/soft_edge.h"

LR_DEFINE_CLASS(TPrintTestBox, TLORectBase, LR_CREATABLE(TPrintTestBox),
    prop::Integer("Colour", &Self::Colour, &Self::SetColour, &ColorType))
LR_DEFINE_CLASS(TPrintTestBroken, TPrintTestBox, LR_CREATABLE(TPrintTestBroken))
LR_DEFINE_CLASS(TPrintTestBackground, TPrintTestBox, LR_CREATABLE(TPrintTestBackground))
LR_DEFINE_CLASS(TPrintTestSoftEdge, TPrintTestBox, LR_CREATABLE(TPrintTestSoftEdge))

void TPrintTestBox::Paint(TCanvas& canvas)
{
    canvas.Painter().fillRect(BoundsRect().ToQRect(), ToQColor(colour_));
}

void TPrintTestBroken::Paint(TCanvas& canvas)
{
    if (IsPrinterCanvas(canvas))
        throw EAppError(QStringLiteral("この図形は印刷できません"));
    TPrintTestBox::Paint(canvas);
}

TPrintTestSoftEdge::TPrintTestSoftEdge(const QImage& mask) : white_(mask.size(), QImage::Format_ARGB32)
{
    for (int y = 0; y < mask.height(); ++y)
        for (int x = 0; x < mask.width(); ++x)
            white_.setPixel(x, y, qRgba(255, 255, 255, mask.constScanLine(y)[x]));
    SetBoundsRect({0, 0, mask.width(), mask.height()});
    SetLayerGroup(100);
}

void TPrintTestSoftEdge::Paint(TCanvas& canvas)
{
    canvas.Painter().drawImage(BoundsRect().ToQRect(), white_);
}

void RegisterPrintTestObjects()
{
    RegisterClass(TPrintTestBox::StaticClassInfo());
    RegisterClass(TPrintTestBroken::StaticClassInfo());
    RegisterClass(TPrintTestBackground::StaticClassInfo());
    RegisterClass(TPrintTestSoftEdge::StaticClassInfo());
    SetSoftEdgeFactory([](const QImage& mask) { return std::make_unique<TPrintTestSoftEdge>(mask); });
}
