#pragma once
// A face prepared at one size for laying out and outlining text in layout units (254 per
// inch, one unit = 0.1 mm), horizontally or in vertical columns. Each character is measured
// alone (no shaping across characters) into A/B/C widths along the writing direction and an
// outline placed relative to the character's reference point:
// - horizontal writing: the top-left corner of the character cell (the pen at the cell top);
// - vertical writing: the right edge of the column at the pen, the column reaching
//   CellHeight to the left. Characters that are double-byte in Shift-JIS stand upright with
//   their vertical forms and advances; single-byte ones lie on their side, turned 90 degrees
//   clockwise; others follow their Unicode vertical orientation.
#include "platform/fonts/font_face.h"

#include <QHash>
#include <QImage>
#include <QPainterPath>
#include <QString>
#include <map>
#include <memory>
#include <optional>
#include <tuple>

// Space before the ink, ink width and space after, along the writing direction.
struct TABC {
    int A = 0;
    int B = 0;
    int C = 0;

    int Advance() const { return A + B + C; }
    friend bool operator==(const TABC&, const TABC&) = default;
};

// What to prepare: the face name as documents store it, the size in points (negative: the
// cell height in points; 0 is measured as the smallest em of one unit), synthetic styles and
// the writing direction.
struct TLayoutFontKey {
    QString Name;
    int Size = 10;
    bool Bold = false;
    bool Italic = false;
    bool Vertical = false;

    friend bool operator==(const TLayoutFontKey&, const TLayoutFontKey&) = default;
};

// One measured character.
struct TCharGlyph {
    TABC Widths;
    QPainterPath Outline; // layout units, winding fill, relative to the reference point
};

class TLayoutFont {
public:
    // The prepared font for the key, shared with earlier callers.
    static std::shared_ptr<const TLayoutFont> Get(const TLayoutFontKey& key);

    explicit TLayoutFont(const TLayoutFontKey& key);

    const TLayoutFontKey& Key() const { return key_; }
    // The face measured with (nullptr when no outline face is installed).
    const TFontFace* Face() const { return face_.get(); }
    double Em() const { return em_; }

    // Cell metrics from the face's ascender and descender, in layout units.
    int CellHeight() const { return cellHeight_; }
    int Ascent() const { return ascent_; }
    int ExternalLeading() const { return externalLeading_; }

    // Decoration bars: offset of the bar's top from the cell top and its thickness, kept
    // inside the cell.
    struct TBar {
        int Offset = 0;
        int Thickness = 1;
    };
    TBar Underline() const { return underline_; }
    TBar StrikeOut() const { return strikeOut_; }

    // The character measured alone; cached.
    const TCharGlyph& Glyph(char32_t character) const;

    // A character's coverage as an 8-bit greyscale anti-aliased mask at a device scale, with
    // its reference point a quarter-pixel phase (0..3 each way) right of and below the
    // device pixel it is drawn at; Offset is the mask's top-left from that pixel. Cached;
    // nullptr for glyphs without ink or too large to keep as masks (paint those as paths).
    struct TGlyphMask {
        QImage Mask; // Format_Grayscale8, 255 = covered
        QPoint Offset;
    };
    const TGlyphMask* GlyphMask(char32_t character, double scaleX, double scaleY, int phaseX, int phaseY) const;

private:
    TCharGlyph Measure(char32_t character) const;
    TBar BarAt(int offset, int thickness) const;

    TLayoutFontKey key_;
    std::shared_ptr<const TFontFace> face_;
    std::shared_ptr<const TFontFace> fallback_;
    double em_ = 1;
    int cellHeight_ = 1;
    int ascent_ = 1;
    int externalLeading_ = 0;
    TBar underline_;
    TBar strikeOut_;
    mutable QHash<char32_t, TCharGlyph> glyphs_;
    using TMaskKey = std::tuple<char32_t, double, double, int, int>;
    mutable std::map<TMaskKey, std::optional<TGlyphMask>> masks_;
};
