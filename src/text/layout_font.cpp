#include "text/layout_font.h"

#include "core/canvas/units.h"
#include "platform/shift_jis.h"
#include "text/font_resolution.h"

#include <unicode/uchar.h>

#include <QPainter>
#include <QTransform>
#include <algorithm>
#include <cmath>
#include <map>
#include <tuple>

namespace {

// Largest em in layout units (10 m): sizes from documents stay in range of the arithmetic.
constexpr double kMaxEm = 100000;
// Glyph masks kept per font, and the largest side of one: bigger glyphs are painted as paths.
constexpr std::size_t kMaxGlyphMasks = 4096;
constexpr int kMaxGlyphMaskSide = 512;
// The slant of synthetic italic (about 12 degrees).
constexpr double kItalicSlant = 0.2126;

enum class Form { Horizontal, Upright, Sideways, UprightWhenVerticalForm };

Form VerticalForm(char32_t character)
{
    const char32_t units[2] = {character, 0};
    const QString text = QString::fromUcs4(units, 1);
    if (const auto bytes = EncodeShiftJIS(text))
        return bytes->size() >= 2 ? Form::Upright : Form::Sideways;
    switch (u_getIntPropertyValue(static_cast<UChar32>(character), UCHAR_VERTICAL_ORIENTATION)) {
    case U_VO_UPRIGHT:
    case U_VO_TRANSFORMED_UPRIGHT:
        return Form::Upright;
    case U_VO_TRANSFORMED_ROTATED:
        return Form::UprightWhenVerticalForm;
    default:
        return Form::Sideways;
    }
}

double EmOf(const TLayoutFontKey& key, const TFontFace* face)
{
    // The em is a whole number of units, as a device context rounds a font's height.
    const double units = std::round(std::abs(double(key.Size)) * kUnitsPerInch / 72);
    double em = 1;
    if (key.Size > 0) {
        em = units;
    } else if (key.Size < 0) {
        // A negative size is the cell height.
        const double cell = units;
        if (face) {
            const TFaceMetrics& m = face->Metrics();
            em = cell * m.UnitsPerEm / std::max(1, m.Ascender - m.Descender);
        } else {
            em = cell;
        }
    }
    return std::clamp(em, 1.0, kMaxEm);
}

int Round(double value)
{
    return RoundHalfAway(value);
}

} // namespace

std::shared_ptr<const TLayoutFont> TLayoutFont::Get(const TLayoutFontKey& key)
{
    using Key = std::tuple<QString, int, bool, bool, bool>;
    static std::map<Key, std::shared_ptr<const TLayoutFont>> prepared;
    const Key index{key.Name, key.Size, key.Bold, key.Italic, key.Vertical};
    auto found = prepared.find(index);
    if (found != prepared.end())
        return found->second;
    // A handful of fonts are in use at a time; the cache is emptied rather than grown
    // without end by documents with many sizes.
    if (prepared.size() >= 64)
        prepared.clear();
    auto font = std::make_shared<const TLayoutFont>(key);
    prepared.emplace(index, font);
    return font;
}

TLayoutFont::TLayoutFont(const TLayoutFontKey& key)
    : key_(key), face_(ResolveFace(key.Name)), fallback_(CharacterFallbackFace())
{
    em_ = EmOf(key_, face_.get());
    if (!face_) {
        cellHeight_ = std::max(1, Round(em_));
        ascent_ = Round(em_ * 0.8);
        underline_ = BarAt(ascent_ + 1, 1);
        strikeOut_ = BarAt(ascent_ * 3 / 4, 1);
        return;
    }
    const TFaceMetrics& m = face_->Metrics();
    const double scale = em_ / m.UnitsPerEm;
    ascent_ = Round(m.Ascender * scale);
    cellHeight_ = std::max(1, ascent_ + Round(-m.Descender * scale));
    externalLeading_ = std::max(0, Round(m.LineGap * scale));
    if (m.HasDecorationMetrics) {
        underline_ = BarAt(ascent_ - Round(m.UnderlinePosition * scale), Round(m.UnderlineThickness * scale));
        strikeOut_ = BarAt(ascent_ - Round(m.StrikeoutPosition * scale), Round(m.StrikeoutSize * scale));
    } else {
        underline_ = BarAt(ascent_ + externalLeading_, 1);
        strikeOut_ = BarAt(ascent_ * 3 / 4 + externalLeading_, 1);
    }
}

TLayoutFont::TBar TLayoutFont::BarAt(int offset, int thickness) const
{
    // Faces that put the underline at the descender would have it cut off below the cell.
    TBar bar;
    bar.Thickness = std::clamp(thickness, 1, cellHeight_);
    bar.Offset = std::clamp(offset, 0, cellHeight_ - bar.Thickness);
    return bar;
}

const TCharGlyph& TLayoutFont::Glyph(char32_t character) const
{
    auto found = glyphs_.find(character);
    if (found == glyphs_.end())
        found = glyphs_.insert(character, Measure(character));
    return *found;
}

TCharGlyph TLayoutFont::Measure(char32_t character) const
{
    TCharGlyph result;
    Form form = key_.Vertical ? VerticalForm(character) : Form::Horizontal;
    const TFontFace* face = face_.get();
    TShapedGlyph horizontal = face ? face->Shape(character, false) : TShapedGlyph{};
    if (horizontal.Glyph == 0 && fallback_ && fallback_.get() != face) {
        const TShapedGlyph other = fallback_->Shape(character, false);
        if (other.Glyph != 0) {
            face = fallback_.get();
            horizontal = other;
        }
    }
    if (!face)
        return result;

    const bool topToBottom = form == Form::Upright || form == Form::UprightWhenVerticalForm;
    TShapedGlyph shaped = topToBottom ? face->Shape(character, true) : horizontal;
    if (form == Form::UprightWhenVerticalForm && shaped.Glyph == horizontal.Glyph) {
        form = Form::Sideways;
        shaped = horizontal;
    }

    const double scale = em_ / face->Metrics().UnitsPerEm;
    const int strength = key_.Bold ? face->EmboldenStrength() : 0;
    QPainterPath outline = face->Outline(shaped.Glyph, key_.Bold);
    if (key_.Italic)
        outline = QTransform(1, 0, -kItalicSlant, 1, 0, 0).map(outline);

    // Font units (y down, origin on the baseline) to layout units at the reference point.
    QTransform place;
    if (topToBottom) {
        // Column centre at half the cell left of the right edge; the pen is the vertical
        // origin, which shaping reports as the offset of the glyph's own origin.
        place.translate(-cellHeight_ / 2.0, 0);
        place.scale(scale, scale);
        place.translate(shaped.XOffset, -shaped.YOffset);
    } else {
        if (form == Form::Sideways)
            place.rotate(90); // turned clockwise: the cell's top lies along the right edge
        place.translate(0, ascent_);
        place.scale(scale, scale);
        place.translate(shaped.XOffset, -shaped.YOffset);
    }
    result.Outline = place.map(outline);
    result.Outline.setFillRule(Qt::WindingFill);

    const int advance = Round((shaped.Advance + strength) * scale);
    if (!result.Outline.isEmpty()) {
        const QRectF ink = result.Outline.controlPointRect();
        const bool alongY = form != Form::Horizontal;
        const double start = alongY ? ink.top() : ink.left();
        const double extent = alongY ? ink.height() : ink.width();
        result.Widths.A = Round(start);
        result.Widths.B = Round(extent);
    }
    result.Widths.C = advance - result.Widths.A - result.Widths.B;
    return result;
}

const TLayoutFont::TGlyphMask* TLayoutFont::GlyphMask(char32_t character, double scaleX, double scaleY, int phaseX,
                                                      int phaseY) const
{
    const TMaskKey key{character, scaleX, scaleY, phaseX, phaseY};
    auto found = masks_.find(key);
    if (found != masks_.end())
        return found->second ? &*found->second : nullptr;
    if (masks_.size() >= kMaxGlyphMasks)
        masks_.clear();

    std::optional<TGlyphMask> made;
    const QPainterPath outline =
        QTransform(scaleX, 0, 0, scaleY, phaseX / 4.0, phaseY / 4.0).map(Glyph(character).Outline);
    const QRectF bounds = outline.boundingRect();
    if (!outline.isEmpty() && bounds.width() < kMaxGlyphMaskSide && bounds.height() < kMaxGlyphMaskSide) {
        // One pixel of room on every side for the anti-aliased edge; white on black, so
        // that each byte is the coverage.
        const QPoint offset(int(std::floor(bounds.left())) - 1, int(std::floor(bounds.top())) - 1);
        const QSize size(int(std::ceil(bounds.right())) + 2 - offset.x(), int(std::ceil(bounds.bottom())) + 2 - offset.y());
        TGlyphMask glyph{QImage(size, QImage::Format_Grayscale8), offset};
        glyph.Mask.fill(0);
        QPainter painter(&glyph.Mask);
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.translate(-offset);
        painter.fillPath(outline, Qt::white);
        painter.end();
        made = std::move(glyph);
    }
    found = masks_.emplace(key, std::move(made)).first;
    return found->second ? &*found->second : nullptr;
}
