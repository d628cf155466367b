#include "objects/codes/jan_object.h"

#include "core/model/draw_site_model.h"
#include "graphics/color/color_fill.h"
#include "objects/codes/jan_code.h"
#include "objects/codes/rotated_rect.h"
#include "text/point_based_font.h"

LR_DEFINE_CLASS(TLOJANCode, TLORectBase, LR_CREATABLE(TLOJANCode),
    prop::Integer("Angle", &Self::Angle, &Self::SetAngle),
    prop::String("JANCode", &Self::JANCode, &Self::SetJANCode),
    prop::Object("Font", &Self::FontObject, &Self::FontObject),
    prop::Boolean("ShowNumber", &Self::ShowNumber, &Self::SetShowNumber),
    prop::Boolean("ShowFrame", &Self::ShowFrame, &Self::SetShowFrame))

TLOJANCode::TLOJANCode()
    : font_(std::make_unique<TPointBasedFont>()), textColor_(std::make_unique<TColorSpec>())
{
    textColor_->SetColor(font_->Color());
    font_->SetOnChange([this] {
        // The colour specification follows a font coloured directly (a stream, an assign).
        if (textColor_->Color() != font_->Color())
            textColor_->SetColor(font_->Color());
        Recompute(true);
    });
    SetBoundsRect({0, 0, 300, 100});
}

TLOJANCode::~TLOJANCode() = default;

void TLOJANCode::Recompute(bool geometry)
{
    if (geometry)
        if (TDrawSiteModel* site = Site())
            site->PlaceObject(*this);
    Changed();
    Invalidate();
}

void TLOJANCode::SetAngle(int angle)
{
    if (angle == angle_)
        return;
    angle_ = angle;
    rotator_.SetAngle(angle);
    Recompute(true);
}

void TLOJANCode::SetJANCode(const QString& code)
{
    if (code == code_)
        return;
    code_ = code;
    Recompute(false);
}

void TLOJANCode::SetFont(const TPointBasedFont& font)
{
    font_->Assign(font);
}

void TLOJANCode::SetShowNumber(bool show)
{
    if (show == showNumber_)
        return;
    showNumber_ = show;
    Recompute(false);
}

void TLOJANCode::SetShowFrame(bool show)
{
    if (show == showFrame_)
        return;
    showFrame_ = show;
    Recompute(false);
}

void TLOJANCode::SetLineColor(const TColorSpec& color)
{
    textColor_->Assign(color);
    font_->SetColor(textColor_->Color());
}

void TLOJANCode::Paint(TCanvas& canvas)
{
    DrawJANCode(canvas, code_, BoundsRect(), showFrame_, showNumber_, angle_, *font_);
}

bool TLOJANCode::HitTest(QPoint logical) const
{
    return RotatedRectContains(BoundsRect(), angle_, logical);
}

TRect TLOJANCode::GetBounds() const
{
    return RotatedRectBounds(BoundsRect(), angle_);
}

void TLOJANCode::DrawOutline(TCanvas& canvas)
{
    DrawRotatedRectOutline(canvas, BoundsRect(), angle_);
}

void TLOJANCode::SetBoundsRect(const TRect& rect)
{
    TLORectBase::SetBoundsRect(rect);
    rotator_.SetCentre(RotationCentre(BoundsRect()));
}

void TLOJANCode::Resize(int width, int height)
{
    SetBoundsRect(RotatedResize(BoundsRect(), angle_, width, height));
}

void TLOJANCode::AssignTo(TPersistent& target) const
{
    TLORectBase::AssignTo(target);
    if (auto* code = dynamic_cast<TLOJANCode*>(&target)) {
        code->SetAngle(angle_);
        code->SetJANCode(code_);
        code->SetFont(*font_);
        code->SetShowNumber(showNumber_);
        code->SetShowFrame(showFrame_);
        code->textColor_->Assign(*textColor_);
    }
}
