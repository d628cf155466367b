#include "text/object/shade_text.h"

#include "core/canvas/canvas.h"
#include "core/canvas/units.h"
#include "graphics/color/color_fill.h"
#include "graphics/raster/gaussian_blur.h"
#include "text/simple_text.h"

#include <QScopedValueRollback>
#include <cstdlib>

LR_DEFINE_CLASS(TLOShadeText, TLOWizardText, LR_ABSTRACT,
    prop::Boolean("ShadeShadowEnable", &Self::ShadeShadowEnable, &Self::SetShadeShadowEnable).Default(false),
    prop::Integer("ShadeShadowSize", &Self::ShadeShadowSize, &Self::SetShadeShadowSize).Default(0),
    prop::Boolean("ShadeShadowBold", &Self::ShadeShadowBold, &Self::SetShadeShadowBold).Default(false))

LR_DEFINE_CLASS(TLOText, TLOShadeText, LR_CREATABLE(TLOText))

namespace {

// How far the bold soft shadow is thickened, layout units.
constexpr int kBoldShift = 10;

} // namespace

void TLOShadeText::SetShadeShadowEnable(bool enable)
{
    if (enable == shadeShadowEnable_)
        return;
    shadeShadowEnable_ = enable;
    Modify();
}

void TLOShadeText::SetShadeShadowSize(int size)
{
    if (size == shadeShadowSize_)
        return;
    shadeShadowSize_ = size;
    Modify();
}

void TLOShadeText::SetShadeShadowBold(bool bold)
{
    if (bold == shadeShadowBold_)
        return;
    shadeShadowBold_ = bold;
    Modify();
}

QPoint TLOShadeText::ShadowDisplacement() const
{
    QPoint d = TLOTextBase::ShadowDisplacement();
    // Offsets (0, 0) are no shadow, soft or not: nothing is moved out then.
    if (!shadeShadowEnable_ || (ShadowOffsetX() == 0 && ShadowOffsetY() == 0))
        return d;
    const int e = MulDiv(CellHeight(), 10, 100);
    if (ShadowOffsetX() > 0)
        d.rx() += e;
    else if (ShadowOffsetX() < 0)
        d.rx() -= e;
    d.ry() += ShadowOffsetY() < 0 ? -e : e;
    return d;
}

int TLOShadeText::BlurRadius(const TCanvas& canvas) const
{
    const int tenth = CellHeight() / 10;
    return std::abs(canvas.LogicalToDevice(QPoint(tenth, 0)).x() - canvas.LogicalToDevice(QPoint(0, 0)).x());
}

void TLOShadeText::Paint(TCanvas& canvas)
{
    // The colour image of a soft shadow is the shadow's colour wherever the blurred coverage
    // reaches; painted plainly (no coverage to go with it) the shadow stays hard.
    if (shadeShadowEnable_ && RenderingImage() && !ShadowDisplacement().isNull())
        canvas.Painter().fillRect(GetBounds().ToQRect(), ToQColor(ShadowColor()->Color()));
    TLOTextBase::Paint(canvas);
}

bool TLOShadeText::NeedsBlendedPaint() const
{
    return shadeShadowEnable_ || TLOTextBase::NeedsBlendedPaint();
}

void TLOShadeText::PaintMask(TCanvas& mask)
{
    const QPoint d = ShadowDisplacement();
    if (!d.isNull()) {
        ShiftOrigin(mask, d);
        PaintShapeMask(mask, false);
        if (shadeShadowEnable_) {
            if (shadeShadowBold_)
                for (const QPoint shift : {QPoint(kBoldShift, 0), QPoint(-kBoldShift, 0), QPoint(0, kBoldShift), QPoint(0, -kBoldShift)}) {
                    ShiftOrigin(mask, shift);
                    PaintShapeMask(mask, false);
                    ShiftOrigin(mask, -shift);
                }
            if (QImage* image = mask.ReadableImage()) {
                const double radius = BlurRadius(mask);
                GaussianBlur(*image, image->rect(), radius, radius);
            }
        }
        ShiftOrigin(mask, -d);
    }
    PaintShapeMask(mask, true);
    DropOutlines();
}

void TLOShadeText::AssignTo(TPersistent& target) const
{
    TLOWizardText::AssignTo(target);
    if (auto* text = dynamic_cast<TLOShadeText*>(&target)) {
        text->Layout().BeginUpdate();
        text->SetShadeShadowEnable(shadeShadowEnable_);
        text->SetShadeShadowSize(shadeShadowSize_);
        text->SetShadeShadowBold(shadeShadowBold_);
        text->Layout().EndUpdate();
    }
}
