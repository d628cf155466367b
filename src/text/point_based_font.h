#pragma once
// TPointBasedFont: a font whose stored size is in points, so that text keeps its physical
// size at every resolution; its pixel Height is derived at the layout resolution (254 per
// inch) and never stored. The face name is kept as given: a name the system lacks is
// resolved for measuring and painting only.
#include "core/notify.h"
#include "core/persistent/color_type.h"
#include "core/persistent/persistent.h"
#include "text/layout_font.h"

#include <QString>
#include <functional>

enum TFontStyle { fsBold = 0, fsItalic = 1, fsUnderline = 2, fsStrikeOut = 3 };
// A set of TFontStyle members as bits (1 << member).
using TFontStyles = int;
inline constexpr TFontStyles FontStyleBit(TFontStyle style) { return 1 << style; }

enum TFontPitch { fpDefault = 0, fpVariable = 1, fpFixed = 2 };

extern const TTypeInfo FontStyleType;
extern const TTypeInfo FontStylesType;
extern const TTypeInfo FontPitchType;

// Character set numbers as documents store them.
inline constexpr int ANSI_CHARSET = 0;
inline constexpr int DEFAULT_CHARSET = 1;
inline constexpr int SYMBOL_CHARSET = 2;
inline constexpr int SHIFTJIS_CHARSET = 128;

class TPointBasedFont : public TPersistent {
    LR_CLASS(TPointBasedFont, TPersistent)
public:
    TPointBasedFont();

    int Charset() const { return charset_; }
    void SetCharset(int charset);
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    QString Name() const { return name_; }
    void SetName(const QString& name);
    // Points; a negative size is a cell height in points.
    int Size() const { return size_; }
    void SetSize(int points);
    TFontStyles Style() const { return style_; }
    void SetStyle(TFontStyles style);
    bool HasStyle(TFontStyle style) const { return style_ & FontStyleBit(style); }
    TFontPitch Pitch() const { return pitch_; }
    void SetPitch(TFontPitch pitch);

    // The height in layout units as a device context takes it: negative for an em height.
    int Height() const;
    void SetHeight(int height);

    // The font prepared for layout in the given writing direction (bold and italic
    // synthesised when the face has no such style).
    std::shared_ptr<const TLayoutFont> LayoutFont(bool vertical) const;

    // Called once after every change (Assign: once for all it copies).
    void SetOnChange(std::function<void()> onChange) { onChange_ = std::move(onChange); }

    void Assign(const TPersistent& source) override;

private:
    TChangeNotify notify_{this};
    int charset_ = SHIFTJIS_CHARSET;
    TColor color_ = clBlack;
    QString name_ = QStringLiteral("ＭＳ Ｐゴシック");
    int size_ = 12;
    TFontStyles style_ = 0;
    TFontPitch pitch_ = fpDefault;
    std::function<void()> onChange_;
};
