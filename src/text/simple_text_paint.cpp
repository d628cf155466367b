// Painting a TSimpleText: the glyph outlines of every line placed straight, rotated about
// the rectangle's centre, or along the arc over the rectangle's chord.
#include "text/simple_text.h"

#include "core/canvas/canvas.h"
#include "graphics/raster/arc.h"
#include "graphics/raster/blend_rows.h"
#include "graphics/raster/stroke.h"
#include "text/point_based_font.h"
#include "text/rotator.h"

#include <QPolygonF>
#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>

namespace {

constexpr double kDegreesPerRadian = 180 / std::numbers::pi;
constexpr double kMaxArcRadius = 1e9;

// A decoration bar, corners clockwise on the page like the glyphs' outer contours, so that
// a winding fill keeps it filled where it crosses them.
void AddBar(QPainterPath& path, const TRect& bar, const TRotator& rotator)
{
    const QPoint corners[4] = {{bar.Left, bar.Top}, {bar.Right, bar.Top}, {bar.Right, bar.Bottom}, {bar.Left, bar.Bottom}};
    QPolygonF quad;
    for (QPoint corner : corners)
        quad << QPointF(rotator.Rotate(corner));
    quad << quad.first();
    path.addPolygon(quad);
    path.closeSubpath();
}

// Blends glyph masks in one solid colour into a 24- or 32-bit image (B, G, R bytes),
// clipped to the image.
class TMaskBlender {
public:
    TMaskBlender(QImage& target, const QColor& colour) : target_(target), bytesPerPixel_(target.depth() / 8)
    {
        pixel_[0] = std::uint8_t(colour.blue());
        pixel_[1] = std::uint8_t(colour.green());
        pixel_[2] = std::uint8_t(colour.red());
        pixel_[3] = 0xFF;
    }

    void Blend(QPoint at, const QImage& mask)
    {
        static const TBlendLevels levels(100);
        const QRect area = QRect(at, mask.size()).intersected(target_.rect());
        // One row of the colour, as long as the widest mask so far.
        while (colourRow_.size() < std::size_t(area.width()) * bytesPerPixel_)
            colourRow_.insert(colourRow_.end(), pixel_, pixel_ + bytesPerPixel_);
        std::uint8_t* bits = target_.bits();
        for (int y = area.top(); y <= area.bottom(); ++y) {
            std::uint8_t* row = bits + y * target_.bytesPerLine() + area.left() * bytesPerPixel_;
            const std::uint8_t* coverage = mask.constScanLine(y - at.y()) + (area.left() - at.x());
            BlendRow(row, colourRow_.data(), coverage, area.width(), bytesPerPixel_, levels);
        }
    }

private:
    QImage& target_;
    int bytesPerPixel_;
    std::uint8_t pixel_[4];
    std::vector<std::uint8_t> colourRow_;
};

// The image a canvas paints on when glyph masks can be blended into it directly: a 24- or
// 32-bit image without clipping, painted over at full opacity.
QImage* DirectTarget(TCanvas& canvas)
{
    QImage* image = canvas.ReadableImage();
    const QPainter& painter = canvas.Painter();
    if (!image || painter.hasClipping() || painter.compositionMode() != QPainter::CompositionMode_SourceOver ||
        painter.opacity() != 1)
        return nullptr;
    const QImage::Format format = image->format();
    return format == QImage::Format_BGR888 || format == QImage::Format_RGB32 ? image : nullptr;
}

} // namespace

void TSimpleText::PlaceStraight(const TRect& r, std::vector<TGlyphPlacement>& placements) const
{
    const TRotator rotator(angle_, RectCenter(r));
    for (const TLineBox& box : LineBoxes(r, EffectiveAlign())) {
        if (box.Line->IsEmpty())
            continue;
        // Spread over the line's own extent: this places CharSpacing and justification.
        TCharLayout placed = *box.Line;
        placed.Layout(vertical_ ? RectHeight(box.Rect) : RectWidth(box.Rect), taEven, charSpacing_);
        const QPoint centre = RectCenter(box.Rect);
        const QPoint turnedCentre = rotator.Rotate(centre);
        for (std::size_t j = 0; j < placed.Chars.size(); ++j) {
            if (placed.Chars[j] == U'\t')
                continue;
            const int position = placed.Placement.Positions[j];
            const QPoint reference = vertical_ ? QPoint(box.Rect.Right, box.Rect.Top + position)
                                               : QPoint(box.Rect.Left + position, box.Rect.Top);
            QPointF at = reference;
            if (angle_ != 0) {
                // The offset from the line's centre turned about the turned centre.
                const QPointF offset = QTransform().rotate(angle_).map(QPointF(reference - centre));
                at = QPointF(turnedCentre) + QPointF(std::floor(offset.x()), std::floor(offset.y()));
            }
            placements.push_back({placed.Chars[j], at, double(angle_)});
        }
    }
}

void TSimpleText::AddBars(QPainterPath& path, const TRect& r) const
{
    const auto font = LayoutFont();
    const TRotator rotator(angle_, RectCenter(r));
    for (TFontStyle style : {fsUnderline, fsStrikeOut}) {
        if (!font_->HasStyle(style))
            continue;
        const TLayoutFont::TBar bar = style == fsUnderline ? font->Underline() : font->StrikeOut();
        for (const TLineBox& box : LineBoxes(r, EffectiveAlign())) {
            if (box.Line->IsEmpty())
                continue;
            const TRect& b = box.Rect;
            AddBar(path,
                   vertical_ ? TRect(b.Right - bar.Offset - bar.Thickness, b.Top, b.Right - bar.Offset, b.Bottom)
                             : TRect(b.Left, b.Top + bar.Offset, b.Right, b.Top + bar.Offset + bar.Thickness),
                   rotator);
        }
    }
}

bool TSimpleText::PlaceOnArc(const TRect& r, std::vector<TGlyphPlacement>& placements) const
{
    const auto font = LayoutFont();
    const int h = font->CellHeight();
    const TRotator rotator(angle_, RectCenter(r));
    const QPoint mid = RectCenter(r);
    const QPoint from = rotator.Rotate(vertical_ ? QPoint(mid.x(), r.Top) : QPoint(r.Left, mid.y()));
    const QPoint to = rotator.Rotate(vertical_ ? QPoint(mid.x(), r.Bottom) : QPoint(r.Right, mid.y()));
    // A bulge so flat against its chord that the circle's radius would leave the integer
    // range is drawn straight.
    const double chord = std::hypot(double(to.x()) - from.x(), double(to.y()) - from.y());
    if (chord * chord / (8.0 * std::abs(double(bulge_))) + std::abs(double(bulge_)) / 2 > kMaxArcRadius)
        return false;
    TArcRecord arc;
    if (!ArcFromChord(from, to, bulge_, arc))
        return false;

    const bool positive = bulge_ > 0;
    const double q = positive ? arc.StartAngle : arc.EndAngle;
    const double span = std::fmod(arc.EndAngle - arc.StartAngle + 4 * std::numbers::pi, 2 * std::numbers::pi);
    const int alignment = EffectiveAlign();
    // Outer radius of the first line's cells: the arc runs through their middle.
    double radius = double(arc.Radius) + h / 2;
    // Horizontal glyphs stand on the radius; vertical columns run along the tangent.
    const double turn = (positive ? 90 : -90) - (vertical_ ? 90 : 0);

    for (const TCharLayout& line : Layouts()) {
        // Lines further in keep at least one unit inside their cells, so that no divisor
        // is 0 and no glyph is mirrored through the centre.
        const double outer = std::max(radius, double(h) + 1);
        const double inner = outer - h;
        const double middle = outer - h / 2.0;
        const double natural = (line.Placement.InkEnd - line.Placement.InkStart) / inner;
        double g = natural;
        double start = q;
        switch (alignment) {
        case taCenter: start = positive ? q + (span - g) / 2 : q - (span - g) / 2; break;
        case taRight: start = positive ? q + span - g : q - span + g; break;
        case taEven: g = span; break;
        default: break;
        }
        const std::size_t k = line.Chars.size();
        const double gap = k > 1 ? (g - natural) / double(k - 1) : 0;
        for (std::size_t j = 0; j < k; ++j) {
            if (line.Chars[j] == U'\t')
                continue;
            const TABC& abc = line.ABC[j];
            const double u = abc.A + double(line.Placement.Positions[j]) - line.Placement.InkStart + abc.B / 2.0;
            const double along = j * gap + u / inner;
            const double theta = positive ? start + along : start - along;
            const double degrees = theta * kDegreesPerRadian + turn;
            // The glyph's cell is centred on the point of the middle circle.
            const QPointF cellCentre = vertical_ ? QPointF(-h / 2.0, abc.A + abc.B / 2.0)
                                                 : QPointF(abc.A + abc.B / 2.0, h / 2.0);
            const QPointF onCircle(arc.CenterX + middle * std::cos(theta), arc.CenterY + middle * std::sin(theta));
            placements.push_back({line.Chars[j], onCircle - QTransform().rotate(degrees).map(cellCentre), degrees});
        }
        radius -= double(h) + lineSpacing_;
    }
    return true;
}

bool TSimpleText::Place(const TRect& r, std::vector<TGlyphPlacement>& placements) const
{
    if (bulge_ != 0 && PlaceOnArc(r, placements))
        return true;
    // An arc that cannot be built over the chord leaves the text straight.
    PlaceStraight(r, placements);
    return false;
}

std::vector<TSimpleText::TGlyphPlacement> TSimpleText::GlyphPlacements(const TRect& r) const
{
    std::vector<TGlyphPlacement> placements;
    Place(r, placements);
    return placements;
}

QPainterPath TSimpleText::TextPath(const TRect& r, bool withDecoration) const
{
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    const auto font = LayoutFont();
    std::vector<TGlyphPlacement> placements;
    const bool onArc = Place(r, placements);
    for (const TGlyphPlacement& placement : placements) {
        const QPainterPath& outline = font->Glyph(placement.Char).Outline;
        if (outline.isEmpty())
            continue;
        QTransform place;
        place.translate(placement.At.x(), placement.At.y());
        place.rotate(placement.Degrees);
        path.addPath(place.map(outline));
    }
    if (withDecoration && !onArc)
        AddBars(path, r);
    return path;
}

void TSimpleText::DrawText(TCanvas& canvas, const TRect& r, bool withDecoration) const
{
    const QColor colour = ToQColor(displayColor_ != clNone ? displayColor_ : font_->Color());
    if (!colour.isValid())
        return;
    const auto font = LayoutFont();
    std::vector<TGlyphPlacement> placements;
    const bool onArc = Place(r, placements);
    QPainter& painter = canvas.Painter();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    // Upright glyphs on a plain image under a mapping without rotation are blended from the
    // font's glyph masks at a quarter-pixel phase; the others are filled as paths, one glyph
    // at a time (one path for the whole text would be far slower to fill).
    const QTransform world = painter.worldTransform();
    QImage* direct = world.type() <= QTransform::TxScale ? DirectTarget(canvas) : nullptr;
    std::optional<TMaskBlender> blender;
    if (direct)
        blender.emplace(*direct, colour);
    for (const TGlyphPlacement& placement : placements) {
        if (direct && placement.Degrees == 0) {
            const QPointF device = world.map(placement.At);
            const QPoint pixel(int(std::floor(device.x())), int(std::floor(device.y())));
            const int phaseX = std::min(3, int((device.x() - pixel.x()) * 4));
            const int phaseY = std::min(3, int((device.y() - pixel.y()) * 4));
            if (const auto* mask = font->GlyphMask(placement.Char, world.m11(), world.m22(), phaseX, phaseY)) {
                blender->Blend(pixel + mask->Offset, mask->Mask);
                continue;
            }
        }
        const QPainterPath& outline = font->Glyph(placement.Char).Outline;
        if (outline.isEmpty())
            continue;
        painter.save();
        painter.translate(placement.At);
        painter.rotate(placement.Degrees);
        painter.fillPath(outline, colour);
        painter.restore();
    }
    if (withDecoration && !onArc) {
        QPainterPath bars;
        bars.setFillRule(Qt::WindingFill);
        AddBars(bars, r);
        painter.fillPath(bars, colour);
    }
    painter.restore();
}

void TSimpleText::TextToPath(TStroke& stroke, const TRect& r, bool withDecoration) const
{
    stroke.AddPath(TextPath(r, withDecoration));
}
