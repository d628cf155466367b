// The text object's properties, setters, assignment and the rules applied to older
// documents once they are read.
#include "text/object/text_object.h"

#include "core/canvas/units.h"
#include "core/frame/settings.h"
#include "core/persistent/string_list.h"
#include "graphics/color/color_fill.h"
#include "graphics/raster/stroke.h"
#include "text/distortion/coons_distortion.h"
#include "text/point_based_font.h"
#include "text/rotator.h"
#include "text/simple_text.h"

#include <QRegularExpression>
#include <QScopedValueRollback>
#include <array>

const TTypeInfo FieldTypeType{"TFieldType", {{ftProduct, "ftProduct"}, {ftCreatorJapanese, "ftCreatorJapanese"},
                                             {ftCreatorEnglish, "ftCreatorEnglish"}}};

LR_DEFINE_CLASS(TLOTextBase, TLORectBase, LR_ABSTRACT,
    prop::Integer("Version", &Self::Version, &Self::SetVersion),
    prop::Object("Text", &Self::Text, &Self::Text),
    prop::Object("Font", &Self::TextFont, &Self::TextFont),
    prop::Integer("Align", &Self::Align, &Self::SetAlign),
    prop::Boolean("Vertical", &Self::Vertical, &Self::SetVertical),
    prop::Integer("CharSpacing", &Self::CharSpacing, &Self::SetCharSpacing),
    prop::Integer("LineSpacing", &Self::LineSpacing, &Self::SetLineSpacing),
    prop::Integer("Angle", &Self::Angle, &Self::SetAngle),
    prop::Object("CoonsDistortion", &Self::CoonsDistortion, &Self::CoonsDistortion),
    prop::Integer("DistortionRatio", &Self::DistortionRatio, &Self::SetDistortionRatio),
    prop::Object("TextColor", &Self::TextColor, &Self::TextColor),
    prop::Boolean("Outline", &Self::Outline, &Self::SetOutline),
    prop::Object("OutlineColor", &Self::OutlineColor, &Self::OutlineColor),
    prop::Integer("OutLineWidth", &Self::OutLineWidth, &Self::SetOutLineWidth),
    prop::Integer("Shadow", &Self::Shadow, &Self::SetShadow).StoredIf(&Self::HasPresetShadow),
    prop::Integer("ShadowOffsetX", &Self::ShadowOffsetX, &Self::SetShadowOffsetX).StoredIf(&Self::HasCustomShadow),
    prop::Integer("ShadowOffsetY", &Self::ShadowOffsetY, &Self::SetShadowOffsetY).StoredIf(&Self::HasCustomShadow),
    prop::Object("ShadowColor", &Self::ShadowColor, &Self::ShadowColor),
    prop::Boolean("AutoSize", &Self::AutoSize, &Self::SetAutoSize),
    prop::Integer("Bulge", &Self::Bulge, &Self::SetBulge),
    prop::Integer("FieldNo", &Self::FieldNo, &Self::SetFieldNo),
    prop::Enumeration("FieldType", &Self::FieldType, &Self::SetFieldType, FieldTypeType),
    prop::Boolean("HanToZen", &Self::HanToZen, &Self::SetHanToZen),
    prop::Boolean("NumToKnj", &Self::NumToKnj, &Self::SetNumToKnj),
    prop::Boolean("MinusExc", &Self::MinusExc, &Self::SetMinusExc),
    prop::Integer("FeedAngle", &Self::FeedAngle, &Self::SetFeedAngle).Default(0),
    prop::Integer("DiagonalAlign", &Self::DiagonalAlign, &Self::SetDiagonalAlign).NotStored())

namespace {

constexpr std::array<TShadowOffset, kShadowPresetCount> kShadowPresets{{
    {0, 0}, {-7, -7}, {0, -7}, {7, -7}, {-7, 0}, {7, 0}, {-7, 7}, {0, 7}, {7, 7}}};

// Bulges of older circular layouts (Align 4 and 5).
constexpr int kAlignCircleOutside = 4;
constexpr int kAlignCircleInside = 5;

} // namespace

TShadowOffset ShadowPreset(int index)
{
    return index >= 0 && index < kShadowPresetCount ? kShadowPresets[std::size_t(index)] : TShadowOffset{};
}

bool AntiAliasDistortionText()
{
    return ReadBool(QString::fromLatin1(kAntiAliasDistortionTextKey), true);
}

TLOTextBase::TLOTextBase()
    : text_(std::make_unique<TSimpleText>()), distortion_(std::make_unique<TCoonsDistortion>()),
      textColor_(std::make_unique<TColorSpec>()), outlineColor_(std::make_unique<TColorSpec>()),
      shadowColor_(std::make_unique<TColorSpec>())
{
    text_->Font()->SetSize(24);
    text_->SetOnChange([this](TSimpleText*) { TextChanged(); });
    for (TColorSpec* spec : {textColor_.get(), outlineColor_.get(), shadowColor_.get()})
        spec->SetOnChange([this](TColorSpec*) { ColorChanged(); });
}

TLOTextBase::~TLOTextBase()
{
    text_->SetOnChange({});
    for (TColorSpec* spec : {textColor_.get(), outlineColor_.get(), shadowColor_.get()})
        spec->SetOnChange({});
}

TStringList* TLOTextBase::Text() { return text_->Text(); }
const TStringList* TLOTextBase::Text() const { return text_->Text(); }
TPointBasedFont* TLOTextBase::TextFont() { return text_->Font(); }
const TPointBasedFont* TLOTextBase::TextFont() const { return text_->Font(); }
int TLOTextBase::Align() const { return text_->Align(); }
void TLOTextBase::SetAlign(int align) { text_->SetAlign(align); }
bool TLOTextBase::Vertical() const { return text_->Vertical(); }
int TLOTextBase::CharSpacing() const { return text_->CharSpacing(); }
void TLOTextBase::SetCharSpacing(int spacing) { text_->SetCharSpacing(spacing); }
int TLOTextBase::LineSpacing() const { return text_->LineSpacing(); }
void TLOTextBase::SetLineSpacing(int spacing) { text_->SetLineSpacing(spacing); }
int TLOTextBase::Angle() const { return text_->Angle(); }
void TLOTextBase::SetAngle(int angle) { text_->SetAngle(angle); }
int TLOTextBase::Bulge() const { return text_->Bulge(); }
bool TLOTextBase::HanToZen() const { return text_->HanToZen(); }
void TLOTextBase::SetHanToZen(bool convert) { text_->SetHanToZen(convert); }
bool TLOTextBase::NumToKnj() const { return text_->NumToKnj(); }
void TLOTextBase::SetNumToKnj(bool convert) { text_->SetNumToKnj(convert); }
bool TLOTextBase::MinusExc() const { return text_->MinusExc(); }
void TLOTextBase::SetMinusExc(bool keep) { text_->SetMinusExc(keep); }
int TLOTextBase::FeedAngle() const { return text_->FeedAngle(); }
void TLOTextBase::SetFeedAngle(int angle) { text_->SetFeedAngle(angle); }

void TLOTextBase::SetVertical(bool vertical)
{
    if (vertical == text_->Vertical())
        return;
    // A horizontal block turns into a vertical one of the same proportions about the
    // rotation centre.
    if (!IsLoading() && !assigning_) {
        const TRect r = BoundsRect();
        const QPoint c = RectCenter(r);
        const int w = RectWidth(r), h = RectHeight(r);
        const TRect turned(c.x() - h / 2, c.y() - w / 2, c.x() - h / 2 + h, c.y() - w / 2 + w);
        text_->BeginUpdate();
        text_->SetVertical(vertical);
        TLORectBase::SetBoundsRect(turned);
        text_->EndUpdate();
        return;
    }
    text_->SetVertical(vertical);
}

void TLOTextBase::SetBulge(int bulge)
{
    if (editing_ && bulge > -50 && bulge < 50) {
        bulge = 0;
        // A baseline dragged straight again sits on the chord it was bent over.
        const bool endsMoved = editStart_ + editEnd_ != 2 * editOriginalMid_;
        const QPoint centre = endsMoved ? editBulge_ : (editStart_ + editEnd_) / 2;
        TLORectBase::SetBoundsRect(CenterRectAt(BoundsRect(), centre));
    }
    text_->SetBulge(bulge);
}

void TLOTextBase::SetDistortionRatio(int ratio)
{
    if (ratio == distortionRatio_)
        return;
    distortionRatio_ = ratio;
    Modify();
}

void TLOTextBase::SetOutline(bool outline)
{
    if (outline == outline_)
        return;
    outline_ = outline;
    Modify();
}

void TLOTextBase::SetOutLineWidth(int width)
{
    if (width == outLineWidth_)
        return;
    outLineWidth_ = width;
    Modify();
}

int TLOTextBase::Shadow() const
{
    for (int index = 0; index < kShadowPresetCount; ++index)
        if (kShadowPresets[std::size_t(index)] == shadowOffset_)
            return index;
    return kCustomShadow;
}

void TLOTextBase::SetShadow(int preset)
{
    if (preset < 0 || preset >= kShadowPresetCount || kShadowPresets[std::size_t(preset)] == shadowOffset_)
        return;
    shadowOffset_ = kShadowPresets[std::size_t(preset)];
    Modify();
}

void TLOTextBase::SetShadowOffsetX(int percent)
{
    if (percent == shadowOffset_.X)
        return;
    shadowOffset_.X = percent;
    Modify();
}

void TLOTextBase::SetShadowOffsetY(int percent)
{
    if (percent == shadowOffset_.Y)
        return;
    shadowOffset_.Y = percent;
    Modify();
}

bool TLOTextBase::HasPresetShadow() const
{
    return Shadow() != kCustomShadow;
}

bool TLOTextBase::HasCustomShadow() const
{
    return !HasPresetShadow();
}

void TLOTextBase::SetAutoSize(bool autoSize)
{
    if (autoSize == autoSize_)
        return;
    autoSize_ = autoSize;
    if (!IsLoading() && !assigning_)
        ApplyAutoSize();
    Modify();
}

void TLOTextBase::SetFieldNo(int fieldNo)
{
    if (fieldNo == fieldNo_)
        return;
    fieldNo_ = fieldNo;
    Changed();
}

void TLOTextBase::SetFieldType(TFieldType type)
{
    if (type == fieldType_)
        return;
    fieldType_ = type;
    Changed();
}

void TLOTextBase::SetDiagonalAlign(int align)
{
    if (align == 1 || align == 4)
        SetFeedAngle(45);
    else if (align == 2 || align == 3)
        SetFeedAngle(-45);
}

void TLOTextBase::SetFont(const TPointBasedFont& font)
{
    text_->Font()->Assign(font);
}

void TLOTextBase::SetShadowColor(const TColorSpec& color)
{
    shadowColor_->Assign(color);
}

void TLOTextBase::SetLineColor(const TColorSpec& color)
{
    textColor_->Assign(color);
}

bool TLOTextBase::IsDistorted() const
{
    return text_->Bulge() == 0 && !distortion_->IsEmpty();
}

int TLOTextBase::CellHeight() const
{
    return text_->LayoutFont()->CellHeight();
}

QPoint TLOTextBase::ShadowDisplacement() const
{
    const int h = CellHeight();
    return {MulDiv(h, shadowOffset_.X, 100), MulDiv(h, shadowOffset_.Y, 100)};
}

void TLOTextBase::SetBoundsRect(const TRect& rect)
{
    if (NormalizeRect(rect) == BoundsRect())
        return;
    DropOutlines();
    TLORectBase::SetBoundsRect(rect);
    Invalidate();
}

void TLOTextBase::DropOutlines()
{
    textOutline_.reset();
    renderOutline_.reset();
}

void TLOTextBase::Modify()
{
    DropOutlines();
    Changed();
    Invalidate();
}

void TLOTextBase::TextChanged()
{
    DropOutlines();
    if (!IsLoading() && !assigning_)
        ApplyAutoSize();
    Changed();
    Invalidate();
}

void TLOTextBase::ColorChanged()
{
    Changed();
    Invalidate();
}

void TLOTextBase::Loaded()
{
    TLORectBase::Loaded();
    {
        // The rules settle stored values; they do not refit the rectangle.
        const QScopedValueRollback<bool> settling(assigning_, true);
        ApplyLoadRules();
    }
    // A later read into this object starts again without a version.
    loadedVersion_ = 0;
}

void TLOTextBase::ApplyLoadRules()
{
    if (outline_ && outLineWidth_ == 0)
        outLineWidth_ = 1;
    const int align = text_->Align();
    const int h = CellHeight();
    text_->BeginUpdate();
    if (align == kAlignCircleOutside || align == kAlignCircleInside) {
        // Older circular layouts: a square on the shorter side, centred, shrunk by half a cell.
        const TRect r = BoundsRect();
        const int side = std::min(RectWidth(r), RectHeight(r));
        text_->SetBulge(align == kAlignCircleOutside ? (side - h) / 2 : (h - side) / 2);
        const TRect square = CenterRectAt(TRect(0, 0, side, side), RectCenter(r));
        TLORectBase::SetBoundsRect(square.Inflated(-(h / 2), -(h / 2)));
    }
    if (loadedVersion_ == 0 && text_->Bulge() != 0) {
        text_->SetAlign(taCenter);
        text_->SetCharSpacing(0);
        QStringList lines = text_->Text()->Lines();
        if (lines.size() > 1)
            text_->Text()->SetLines({lines.first()});
        if (text_->Vertical()) {
            const TRect r = BoundsRect();
            TLORectBase::SetBoundsRect(CenterRectAt(TRect(0, 0, RectWidth(r), RectWidth(r)), RectCenter(r)));
            text_->SetAngle(std::int64_t(text_->Angle()) - 90);
        }
    }
    text_->EndUpdate();
    DropOutlines();
}

void TLOTextBase::AssignTo(TPersistent& target) const
{
    TLORectBase::AssignTo(target);
    auto* text = dynamic_cast<TLOTextBase*>(&target);
    if (!text)
        return;
    const QScopedValueRollback<bool> assigning(text->assigning_, true);
    text->text_->BeginUpdate();
    text->text_->Assign(*text_);
    text->distortion_->Assign(*distortion_);
    text->SetDistortionRatio(distortionRatio_);
    text->textColor_->Assign(*textColor_);
    text->SetOutline(outline_);
    text->outlineColor_->Assign(*outlineColor_);
    text->SetOutLineWidth(outLineWidth_);
    text->SetShadowOffsetX(shadowOffset_.X);
    text->SetShadowOffsetY(shadowOffset_.Y);
    text->shadowColor_->Assign(*shadowColor_);
    text->SetAutoSize(autoSize_);
    text->SetFieldNo(fieldNo_);
    text->SetFieldType(fieldType_);
    text->text_->EndUpdate();
    text->DropOutlines();
    if (textOutline_) {
        text->textOutline_ = std::make_unique<TStroke>();
        text->textOutline_->Assign(*textOutline_);
    }
}

void TLOTextBase::SetPastedText(const QString& text)
{
    Text()->SetLines(text.split(QRegularExpression(QStringLiteral("\r\n|\n|\r"))));
}
