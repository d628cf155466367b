#pragma once
// Placing the characters of one line: their A/B/C widths, pen positions along the line,
// and the ink extent, under one of four alignments.
#include "text/layout_font.h"

#include <QString>
#include <vector>

using TABCArray = std::vector<TABC>;

enum TTextAlign { taLeft = 0, taCenter = 1, taRight = 2, taEven = 3 };

// Pen positions of the characters and the line's ink extent.
struct TCharPlacement {
    std::vector<int> Positions;
    int InkStart = 0;
    int InkEnd = 0;
};

// Places characters of the given widths in an available width: left, centre and right
// alignment add the spacing after every character and shift the line; even distribution
// (taEven) ignores the spacing and spreads the free width over the gaps so that the ink
// spans exactly 0 .. width (one character stays at the start). Alignments outside 0..3 are
// laid out as left. Sums are taken in 64 bits and kept within 32-bit range.
TCharPlacement LayoutChars(const TABCArray& widths, int width, int alignment, int spacing);

// One measured line: its text and characters, their widths, the current placement and the
// line height (the font's cell height).
struct TCharLayout {
    QString Text;
    std::vector<char32_t> Chars;
    TABCArray ABC;
    TCharPlacement Placement;
    int Height = 0;

    bool IsEmpty() const { return Chars.empty(); }
    int InkWidth() const { return Placement.InkEnd - Placement.InkStart; }
    // Re-places the characters (LayoutChars on this line's widths).
    void Layout(int width, int alignment, int spacing) { Placement = LayoutChars(ABC, width, alignment, spacing); }
};

// Measures a line in the font: every character alone; a tab is as wide as the advance of
// "0" times the positions left to the next stop (stops every 8 characters) and has no ink.
// The placement is left-aligned with the spacing.
TCharLayout MeasureLine(const TLayoutFont& font, const QString& text, int spacing);
