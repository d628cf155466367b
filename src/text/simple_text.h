#pragma once
// TSimpleText: lines of text with a font and layout settings, laid out character by
// character inside a target rectangle and painted straight, rotated or along a circular
// arc (Bulge), horizontally or in Japanese vertical columns (right to left). Lengths are
// layout units (0.1 mm); a font of 10 points is about 35 units high.
//
// Published, in stream order: Text, Font, Align, Vertical, CharSpacing, LineSpacing, Bulge,
// Angle, HanToZen, NumToKnj, MinusExc, FeedAngle (the only one with a default, 0).
// Setters compare, store and fire one change; changes inside BeginUpdate/EndUpdate fire
// once when the outermost bracket ends.
#include "core/canvas/rect.h"
#include "core/notify.h"
#include "core/persistent/color_type.h"
#include "core/persistent/persistent.h"
#include "text/char_layout.h"

#include <QPainterPath>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class TCanvas;
class TPointBasedFont;
class TStringList;
class TStroke;

// The line shown for a text without lines.
inline constexpr char16_t kEmptyTextPlaceholder[] = u"未入力項目";

class TSimpleText : public TPersistent {
    LR_CLASS(TSimpleText, TPersistent)
public:
    TSimpleText();
    ~TSimpleText() override;

    // The lines as entered; editing them drops the layouts and the converted lines.
    TStringList* Text() { return text_.get(); }
    const TStringList* Text() const { return text_.get(); }
    TPointBasedFont* Font() { return font_.get(); }
    const TPointBasedFont* Font() const { return font_.get(); }
    // taLeft, taCenter, taRight, taEven; other stored values are laid out as taLeft.
    int Align() const { return align_; }
    void SetAlign(int align);
    bool Vertical() const { return vertical_; }
    void SetVertical(bool vertical);
    int CharSpacing() const { return charSpacing_; }
    void SetCharSpacing(int spacing);
    int LineSpacing() const { return lineSpacing_; }
    void SetLineSpacing(int spacing);
    // Signed height of the arc the lines follow; 0 = straight.
    int Bulge() const { return bulge_; }
    void SetBulge(int bulge);
    // Degrees clockwise, normalised into 0 .. 359.
    int Angle() const { return angle_; }
    void SetAngle(std::int64_t angle);
    bool HanToZen() const { return hanToZen_; }
    void SetHanToZen(bool convert);
    bool NumToKnj() const { return numToKnj_; }
    void SetNumToKnj(bool convert);
    bool MinusExc() const { return minusExc_; }
    void SetMinusExc(bool keep);
    // Slant of the paragraph in degrees (-45 shifts each following line forward).
    int FeedAngle() const { return feedAngle_; }
    void SetFeedAngle(int angle);

    void BeginUpdate();
    void EndUpdate();
    void SetOnChange(std::function<void(TSimpleText*)> onChange) { onChange_ = std::move(onChange); }

    // The colour painted with instead of the font's (clNone: the font's colour).
    TColor DisplayColor() const { return displayColor_; }
    void SetDisplayColor(TColor color) { displayColor_ = color; }

    // The lines to show: the placeholder for a text without lines, converted by HanToZen
    // (keeping "-" with MinusExc) and then NumToKnj when asked.
    const QStringList& DisplayLines() const;
    // One measured line per display line, left-aligned with CharSpacing.
    const std::vector<TCharLayout>& Layouts() const;
    // The font prepared for the writing direction.
    std::shared_ptr<const TLayoutFont> LayoutFont() const;

    // The rectangle the text covers inside r (even distribution counts as left when sizing).
    TRect TextBounds(const TRect& r, bool forSizing) const;
    // Paints the text in its colour: straight, rotated (Angle) or along the arc (Bulge).
    void DrawText(TCanvas& canvas, const TRect& r, bool withDecoration) const;
    // Appends the text's outline to the stroke (winding fill), as DrawText would paint it.
    void TextToPath(TStroke& stroke, const TRect& r, bool withDecoration) const;
    // The glyph outlines and the decoration bars DrawText fills, in layout units.
    QPainterPath TextPath(const TRect& r, bool withDecoration) const;

    // Where each drawn character goes: its outline (TLayoutFont::Glyph) turned clockwise by
    // Degrees about its reference point, which is moved to At. Tabs are not drawn.
    struct TGlyphPlacement {
        char32_t Char = 0;
        QPointF At;
        double Degrees = 0;
    };
    // The placements of DrawText: along the arc when Bulge is set and the arc can be built
    // over the rectangle's chord, else straight or rotated.
    std::vector<TGlyphPlacement> GlyphPlacements(const TRect& r) const;

    void Assign(const TPersistent& source) override;

private:
    // One line placed in the target rectangle: its measured characters and its rectangle
    // (ink extent along the line, the cell across it).
    struct TLineBox {
        const TCharLayout* Line = nullptr;
        TRect Rect;
    };
    std::vector<TLineBox> LineBoxes(const TRect& r, int alignment) const;
    // Fills the placements; true when they follow the arc.
    bool Place(const TRect& r, std::vector<TGlyphPlacement>& placements) const;
    bool PlaceOnArc(const TRect& r, std::vector<TGlyphPlacement>& placements) const;
    void PlaceStraight(const TRect& r, std::vector<TGlyphPlacement>& placements) const;
    void AddBars(QPainterPath& path, const TRect& r) const;
    int EffectiveAlign() const;

    void LayoutChanged();
    void LinesChanged();

    std::unique_ptr<TStringList> text_;
    std::unique_ptr<TPointBasedFont> font_;
    int align_ = taLeft;
    bool vertical_ = false;
    int charSpacing_ = 0;
    int lineSpacing_ = 0;
    int bulge_ = 0;
    int angle_ = 0;
    bool hanToZen_ = false;
    bool numToKnj_ = false;
    bool minusExc_ = false;
    int feedAngle_ = 0;
    TColor displayColor_ = clNone;

    std::function<void(TSimpleText*)> onChange_;
    TChangeNotify notify_{this};
    mutable std::optional<QStringList> displayLines_;
    mutable std::vector<TCharLayout> layouts_;
};
