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

TPointBasedFont::TPointBasedFont()
{
    notify_.SetOnChange([this](TChangeNotify*) {
        if (onChange_)
            onChange_();
    });
}

void TPointBasedFont::SetCharset(int charset)
{
    notify_.Store(charset_, charset);
}

void TPointBasedFont::SetColor(TColor color)
{
    notify_.Store(color_, color);
}

void TPointBasedFont::SetName(const QString& name)
{
    notify_.Store(name_, name);
}

void TPointBasedFont::SetSize(int points)
{
    notify_.Store(size_, points);
}

void TPointBasedFont::SetStyle(TFontStyles style)
{
    notify_.Store(style_, style & 0xF);
}

void TPointBasedFont::SetPitch(TFontPitch pitch)
{
    notify_.Store(pitch_, pitch);
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
    TUpdateBracket bracket(notify_);
    notify_.Store(charset_, font->charset_);
    notify_.Store(color_, font->color_);
    notify_.Store(name_, font->name_);
    notify_.Store(size_, font->size_);
    notify_.Store(style_, font->style_);
    notify_.Store(pitch_, font->pitch_);
}
