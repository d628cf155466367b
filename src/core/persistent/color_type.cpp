#include "core/persistent/color_type.h"

#include <QGuiApplication>
#include <QPalette>

namespace {
// System colours are 0x80000000 plus their index.
constexpr std::int64_t kSystem = static_cast<std::int32_t>(0x80000000u);
} // namespace

const TTypeInfo ColorType{
    "TColor",
    {
        {0x000000, "clBlack"}, {0x000080, "clMaroon"}, {0x008000, "clGreen"}, {0x008080, "clOlive"},
        {0x800000, "clNavy"}, {0x800080, "clPurple"}, {0x808000, "clTeal"}, {0x808080, "clGray"},
        {0xC0C0C0, "clSilver"}, {0x0000FF, "clRed"}, {0x00FF00, "clLime"}, {0x00FFFF, "clYellow"},
        {0xFF0000, "clBlue"}, {0xFF00FF, "clFuchsia"}, {0xFFFF00, "clAqua"}, {0xFFFFFF, "clWhite"},
        {kSystem + 0, "clScrollBar"}, {kSystem + 1, "clBackground"},
        {kSystem + 2, "clActiveCaption"}, {kSystem + 3, "clInactiveCaption"},
        {kSystem + 4, "clMenu"}, {kSystem + 5, "clWindow"},
        {kSystem + 6, "clWindowFrame"}, {kSystem + 7, "clMenuText"},
        {kSystem + 8, "clWindowText"}, {kSystem + 9, "clCaptionText"},
        {kSystem + 10, "clActiveBorder"}, {kSystem + 11, "clInactiveBorder"},
        {kSystem + 12, "clAppWorkSpace"}, {kSystem + 13, "clHighlight"},
        {kSystem + 14, "clHighlightText"}, {kSystem + 15, "clBtnFace"},
        {kSystem + 16, "clBtnShadow"}, {kSystem + 17, "clGrayText"},
        {kSystem + 18, "clBtnText"}, {kSystem + 19, "clInactiveCaptionText"},
        {kSystem + 20, "clBtnHighlight"}, {kSystem + 21, "cl3DDkShadow"},
        {kSystem + 22, "cl3DLight"}, {kSystem + 23, "clInfoText"},
        {kSystem + 24, "clInfoBk"}, {0x1FFFFFFF, "clNone"},
    },
};

const TTypeInfo FontCharsetType{
    "TFontCharset",
    {
        {0, "ANSI_CHARSET"}, {1, "DEFAULT_CHARSET"}, {2, "SYMBOL_CHARSET"}, {77, "MAC_CHARSET"},
        {128, "SHIFTJIS_CHARSET"}, {129, "HANGEUL_CHARSET"}, {130, "JOHAB_CHARSET"}, {134, "GB2312_CHARSET"},
        {136, "CHINESEBIG5_CHARSET"}, {161, "GREEK_CHARSET"}, {162, "TURKISH_CHARSET"}, {177, "HEBREW_CHARSET"},
        {178, "ARABIC_CHARSET"}, {186, "BALTIC_CHARSET"}, {204, "RUSSIAN_CHARSET"}, {222, "THAI_CHARSET"},
        {238, "EASTEUROPE_CHARSET"},
    },
};

QColor ToQColor(TColor color)
{
    if (color == clNone)
        return {};
    if (color >= 0)
        return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
    const QPalette palette = QGuiApplication::palette();
    switch (color & 0xFF) {
    case 5: // clWindow
        return palette.color(QPalette::Base);
    case 8: // clWindowText
    case 7: // clMenuText
        return palette.color(QPalette::Text);
    case 13: // clHighlight
        return palette.color(QPalette::Highlight);
    case 14: // clHighlightText
        return palette.color(QPalette::HighlightedText);
    case 17: // clGrayText
        return palette.color(QPalette::Disabled, QPalette::Text);
    case 18: // clBtnText
        return palette.color(QPalette::ButtonText);
    case 23: // clInfoText
        return palette.color(QPalette::ToolTipText);
    case 24: // clInfoBk
        return palette.color(QPalette::ToolTipBase);
    default:
        return palette.color(QPalette::Button);
    }
}
