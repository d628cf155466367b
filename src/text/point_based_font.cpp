#include "text/point_based_font.h"

#include "core/canvas/units.h"

const TTypeInfo FontStyleType{
    "TFontStyle", {{fsBold, "fsBold"}, {fsItalic, "fsItalic"}, {fsUnderline, "fsUnderline"}, {fsStrikeOut, "fsStrikeOut"}}};
const TTypeInfo FontStylesType{"TFontStyles", {}, false, &FontStyleType};
const TTypeInfo FontPitchType{"TFontPitch", {{fpDefault, "fpDefault"}, {fpVariable, "fpVariable"}, {fpFixed, "fpFixed"}}};

LR_DEFINE_CLASS(TPointBasedFont, TPersistent, LR_CREATABLE(TPointBasedFont),
    prop::Integer("Charset", &Self::Charset, &Self::SetCharset, &FontCharsetType),
    prop::Integer("Color", &Self::Color, &Self::SetColor, &ColorType),
    prop::Integer("Height", &Self::Height, &Self::SetHeight).NotStored(),
    prop::String("Name", &Self::Name, &Self::SetName),
    prop::Enumeration("Pitch", &Self::Pitch, &Self::SetPitch, FontPitchType).NotStored(),
    prop::Integer("Size", &Self::Size, &Self::SetSize),
    prop::Set("Style", &Self::Style, &Self::SetStyle, FontStylesType).Default(0))

namespace {

template <class T>
bool Store(T& field, const T& value)
{
    if (field == value)
        return false;
    field = value;
    return true;
}

} // namespace

void TPointBasedFont::Changed()
{
    if (onChange_)
        onChange_();
}

void TPointBasedFont::SetCharset(int charset)
{
    if (Store(charset_, charset))
        Changed();
}

void TPointBasedFont::SetColor(TColor color)
{
    if (Store(color_, color))
        Changed();
}

void TPointBasedFont::SetName(const QString& name)
{
    if (Store(name_, name))
        Changed();
}

void TPointBasedFont::SetSize(int points)
{
    if (Store(size_, points))
        Changed();
}

void TPointBasedFont::SetStyle(TFontStyles style)
{
    if (Store(style_, style & 0xF))
        Changed();
}

void TPointBasedFont::SetPitch(TFontPitch pitch)
{
    if (Store(pitch_, pitch))
        Changed();
}

int TPointBasedFont::Height() const
{
    return -MulDiv(size_, kUnitsPerInch, 72);
}

void TPointBasedFont::SetHeight(int height)
{
    SetSize(-MulDiv(height, 72, kUnitsPerInch));
}

std::shared_ptr<const TLayoutFont> TPointBasedFont::LayoutFont(bool vertical) const
{
    return TLayoutFont::Get({name_, size_, HasStyle(fsBold), HasStyle(fsItalic), vertical});
}

void TPointBasedFont::Assign(const TPersistent& source)
{
    const auto* font = dynamic_cast<const TPointBasedFont*>(&source);
    if (!font) {
        TPersistent::Assign(source);
        return;
    }
    bool changed = Store(charset_, font->charset_);
    changed |= Store(color_, font->color_);
    changed |= Store(name_, font->name_);
    changed |= Store(size_, font->size_);
    changed |= Store(style_, font->style_);
    changed |= Store(pitch_, font->pitch_);
    if (changed)
        Changed();
}
