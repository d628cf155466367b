#include "objects/deco/deco_string.h"

#include "core/canvas/memory_canvas.h"
#include "core/canvas/units.h"
#include "core/model/draw_site_model.h"
#include "graphics/picture/graphic.h"
#include "graphics/raster/map_rect_to_quad.h"
#include "text/char_layout.h"

#include <QPolygon>
#include <algorithm>

LR_DEFINE_CLASS(TLODecoString, TLORectBase, LR_CREATABLE(TLODecoString),
    prop::String("Text", &Self::Text, &Self::SetText),
    prop::Integer("FontNo", &Self::FontNo, &Self::SetFontNo),
    prop::Integer("Align", &Self::Align, &Self::SetAlign),
    prop::Integer("Angle", &Self::Angle, &Self::SetAngle))

TLODecoString::TLODecoString()
{
    font_.Notifier().SetOnChange([this](TChangeNotify*) { ContentChanged(); });
}

void TLODecoString::ContentChanged()
{
    rotated_ = QImage();
    Changed();
    Invalidate();
}

void TLODecoString::SetText(const QString& text)
{
    if (text == text_)
        return;
    text_ = text;
    ContentChanged();
}

void TLODecoString::SetAlign(int align)
{
    if (align == align_)
        return;
    align_ = align;
    ContentChanged();
}

void TLODecoString::SetAngle(int angle)
{
    const int normal = ((angle % 360) + 360) % 360;
    if (normal == angle_)
        return;
    angle_ = normal;
    if (TDrawSiteModel* site = Site())
        site->PlaceObject(*this);
    ContentChanged();
}

void TLODecoString::SetBoundsRect(const TRect& rect)
{
    // One change for the rectangle and the glyph height that follows it.
    TUpdateBracket bracket(Notifier());
    rotated_ = QImage();
    TLORectBase::SetBoundsRect(rect);
    font_.SetHeight(Height());
}

std::array<QPoint, 4> TLODecoString::Corners() const
{
    const TRect r = BoundsRect();
    const QPoint centre = RectCenter(r);
    return {RotatePoint({r.Left, r.Top}, angle_, centre), RotatePoint({r.Right, r.Top}, angle_, centre),
            RotatePoint({r.Right, r.Bottom}, angle_, centre), RotatePoint({r.Left, r.Bottom}, angle_, centre)};
}

TRect TLODecoString::GetBounds() const
{
    if (angle_ == 0)
        return BoundsRect();
    const std::array<QPoint, 4> corners = Corners();
    TRect bounds{corners[0].x(), corners[0].y(), corners[0].x(), corners[0].y()};
    for (const QPoint& p : corners) {
        bounds.Left = std::min(bounds.Left, p.x());
        bounds.Top = std::min(bounds.Top, p.y());
        bounds.Right = std::max(bounds.Right, p.x());
        bounds.Bottom = std::max(bounds.Bottom, p.y());
    }
    return bounds;
}

bool TLODecoString::HitTest(QPoint logical) const
{
    const TRect r = BoundsRect();
    return r.Contains(angle_ == 0 ? logical : RotatePoint(logical, 360 - angle_, RectCenter(r)));
}

void TLODecoString::DrawOutline(TCanvas& canvas)
{
    const std::array<QPoint, 4> corners = Corners();
    canvas.Painter().drawPolygon(QPolygon({corners[0], corners[1], corners[2], corners[3]}));
}

void TLODecoString::Resize(int width, int height)
{
    const TRect bounds = GetBounds();
    const TRect r = BoundsRect();
    int w = width;
    int h = height;
    if (angle_ != 0) {
        w = RectWidth(bounds) ? MulDiv(RectWidth(r), width, RectWidth(bounds)) : RectWidth(r);
        h = RectHeight(bounds) ? MulDiv(RectHeight(r), height, RectHeight(bounds)) : RectHeight(r);
    }
    SetBoundsRect({r.Left, r.Top, r.Left + w, r.Top + h});
    const TRect moved = GetBounds();
    if (moved.Left != bounds.Left || moved.Top != bounds.Top)
        SetBoundsRect(BoundsRect().Translated(bounds.Left - moved.Left, bounds.Top - moved.Top));
}

std::vector<int> TLODecoString::CharPositions(int width) const
{
    TABCArray widths;
    widths.reserve(text_.size());
    for (const QChar c : text_) {
        TABC abc;
        abc.B = font_.GlyphSize(c).width();
        widths.push_back(abc);
    }
    return LayoutChars(widths, width, align_, 0).Positions;
}

void TLODecoString::DrawInto(TCanvas& canvas, const TRect& rect) const
{
    const std::vector<int> positions = CharPositions(RectWidth(rect));
    for (qsizetype index = 0; index < text_.size() && index < qsizetype(positions.size()); ++index)
        font_.DrawChar(canvas, rect.Left + positions[index], rect.Top, text_[index]);
}

const QImage& TLODecoString::Rotated() const
{
    if (!rotated_.isNull())
        return rotated_;
    const QSize size(std::max(Width(), 1), std::max(Height(), 1));
    QImage flat(size, QImage::Format_BGR888);
    flat.fill(QColor::fromRgb(kImageFontTransparent));
    {
        TMemoryCanvas canvas(flat, 254);
        DrawInto(canvas, TRect(0, 0, size.width(), size.height()));
    }
    QImage turned;
    RotateBitmap(flat, turned, angle_, static_cast<TColor>(kImageFontTransparent), size);
    rotated_ = WithImageFontTransparency(turned);
    return rotated_;
}

void TLODecoString::Paint(TCanvas& canvas)
{
    if (angle_ == 0) {
        DrawInto(canvas, BoundsRect());
        return;
    }
    DrawImageStretched(canvas, GetBounds(), Rotated());
}

void TLODecoString::FitToText()
{
    font_.SetHeight(100);
    const QSize measured = font_.Measure(text_);
    SetBoundsRect({0, 0, measured.width(), 100});
}

void TLODecoString::Loaded()
{
    TLORectBase::Loaded();
    TImageFontStore::Shared();
}

void TLODecoString::AssignTo(TPersistent& target) const
{
    TLORectBase::AssignTo(target);
    if (auto* deco = dynamic_cast<TLODecoString*>(&target)) {
        deco->SetText(text_);
        deco->font_.Assign(font_);
        deco->SetAngle(angle_);
        deco->SetAlign(align_);
    }
}
