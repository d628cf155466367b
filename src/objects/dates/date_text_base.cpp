#include "objects/dates/date_text_base.h"

#include "core/canvas/canvas.h"
#include "core/persistent/string_list.h"
#include "text/point_based_font.h"
#include "text/simple_text.h"

LR_DEFINE_CLASS(TDateTextBase, TLORectBase, LR_ABSTRACT,
    prop::Object("Text", &Self::Text, &Self::Text),
    prop::Object("Font", &Self::Font, &Self::Font),
    prop::Integer("Align", &Self::Align, &Self::SetAlign),
    prop::Boolean("Vertical", &Self::Vertical, &Self::SetVertical),
    prop::Integer("CharSpacing", &Self::CharSpacing, &Self::SetCharSpacing),
    prop::Integer("LineSpacing", &Self::LineSpacing, &Self::SetLineSpacing),
    prop::Integer("Angle", &Self::Angle, &Self::SetAngle),
    prop::Boolean("AutoSize", &Self::AutoSize, &Self::SetAutoSize).Default(0))

TDateTextBase::TDateTextBase() : text_(std::make_unique<TSimpleText>())
{
    text_->SetOnChange([this](TSimpleText*) { TextChanged(); });
}

TDateTextBase::~TDateTextBase() = default;

TStringList* TDateTextBase::Text() { return text_->Text(); }
const TStringList* TDateTextBase::Text() const { return text_->Text(); }
TPointBasedFont* TDateTextBase::Font() { return text_->Font(); }
const TPointBasedFont* TDateTextBase::Font() const { return text_->Font(); }
int TDateTextBase::Align() const { return text_->Align(); }
void TDateTextBase::SetAlign(int align) { text_->SetAlign(align); }
bool TDateTextBase::Vertical() const { return text_->Vertical(); }
void TDateTextBase::SetVertical(bool vertical) { text_->SetVertical(vertical); }
int TDateTextBase::CharSpacing() const { return text_->CharSpacing(); }
void TDateTextBase::SetCharSpacing(int spacing) { text_->SetCharSpacing(spacing); }
int TDateTextBase::LineSpacing() const { return text_->LineSpacing(); }
void TDateTextBase::SetLineSpacing(int spacing) { text_->SetLineSpacing(spacing); }
int TDateTextBase::Angle() const { return text_->Angle(); }
void TDateTextBase::SetAngle(int angle) { text_->SetAngle(angle); }

void TDateTextBase::SetAutoSize(bool autoSize)
{
    if (autoSize == autoSize_)
        return;
    autoSize_ = autoSize;
    if (autoSize_)
        FitToText();
    Changed();
}

void TDateTextBase::FitToText()
{
    const TRect rect = BoundsRect();
    const TRect text = text_->TextBounds(rect, true);
    SetBoundsRect({rect.Left, rect.Top, rect.Left + RectWidth(text), rect.Top + RectHeight(text)});
}

void TDateTextBase::TextChanged()
{
    if (autoSize_ && !IsLoading())
        FitToText();
    Changed();
    Invalidate();
}

void TDateTextBase::Paint(TCanvas& canvas)
{
    text_->DrawText(canvas, BoundsRect(), true);
}

void TDateTextBase::Resize(int width, int height)
{
    SetBoundsRect({Left(), Top(), Left() + width, Top() + height});
}

void TDateTextBase::DrawOutline(TCanvas& canvas)
{
    canvas.Painter().drawRect(BoundsRect().ToQRect());
}

void TDateTextBase::AssignTo(TPersistent& target) const
{
    TLORectBase::AssignTo(target);
    if (auto* text = dynamic_cast<TDateTextBase*>(&target)) {
        text->text_->Assign(*text_);
        text->autoSize_ = autoSize_;
    }
}
