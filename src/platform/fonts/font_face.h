#pragma once
// One font face opened for measuring and outlining: HarfBuzz picks glyphs and advances
// (one character shaped alone, horizontally or top to bottom with the face's vertical
// forms), FreeType gives unhinted outlines, optionally emboldened. Values are in font
// units (UnitsPerEm per em); outlines have y growing downwards from the baseline.
// Faces are shared and immutable to their users; use them from one thread.
#include "platform/fonts/font_catalog.h"

#include <QPainterPath>
#include <cstdint>
#include <memory>

// Vertical metrics and decoration positions from the face's tables, in font units with y
// growing upwards from the baseline (so Descender is usually negative).
struct TFaceMetrics {
    int UnitsPerEm = 1000;
    int Ascender = 800;  // hhea, or OS/2 typographic when hhea has zero
    int Descender = -200;
    int LineGap = 0;
    bool HasDecorationMetrics = false; // the post and OS/2 tables gave the values below
    int UnderlinePosition = 0;         // top of the underline
    int UnderlineThickness = 0;
    int StrikeoutPosition = 0;         // top of the strike-out bar
    int StrikeoutSize = 0;
};

// The character sets a face reports, as numbered in documents.
enum class TFaceCharset { Ansi = 0, Symbol = 2, ShiftJis = 128 };

// One character shaped alone.
struct TShapedGlyph {
    std::uint32_t Glyph = 0; // 0 when the face has no glyph for the character
    int Advance = 0;         // along the writing direction, positive
    int XOffset = 0;         // from the pen to the glyph's origin, y upwards (top-to-bottom
    int YOffset = 0;         // shaping places the vertical origin at the pen)
};

class TFontFace {
public:
    // The face in the file, shared with earlier callers; nullptr when the file cannot be read
    // as a font.
    static std::shared_ptr<const TFontFace> Open(const TFontFileRef& file);

    ~TFontFace();
    TFontFace(const TFontFace&) = delete;
    TFontFace& operator=(const TFontFace&) = delete;

    const TFontFileRef& File() const { return file_; }
    const TFaceMetrics& Metrics() const { return metrics_; }
    TFaceCharset Charset() const { return charset_; }
    // A face can be set vertically when it has vertical forms (a 'vert' substitution) or
    // vertical metrics (a 'vhea' table).
    bool HasVerticalVariant() const { return hasVertical_; }

    // The glyph and advance of one character, horizontally or top to bottom (with the
    // 'vert' forms and vertical advances).
    TShapedGlyph Shape(char32_t character, bool topToBottom) const;
    // The unhinted outline of a glyph with y growing downwards; emboldened by
    // EmboldenStrength when asked. Empty for a glyph without contours.
    QPainterPath Outline(std::uint32_t glyph, bool embolden) const;
    // How much synthetic bold widens ink and advance: one 24th of the em.
    int EmboldenStrength() const { return metrics_.UnitsPerEm / 24; }

private:
    struct Handles;
    explicit TFontFace(const TFontFileRef& file, std::unique_ptr<Handles> handles);

    TFontFileRef file_;
    std::unique_ptr<Handles> handles_;
    TFaceMetrics metrics_;
    TFaceCharset charset_ = TFaceCharset::Ansi;
    bool hasVertical_ = false;
};
