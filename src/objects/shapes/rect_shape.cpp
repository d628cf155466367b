#include "objects/shapes/rect_shape.h"

#include "core/canvas/canvas.h"
#include "core/stream/reader.h"
#include "graphics/color/color_fill.h"
#include "objects/rotated_resize.h"
#include "objects/shapes/shape_region.h"

#include <QImage>
#include <algorithm>

LR_DEFINE_CLASS(TLORect, TLORectBase, LR_CREATABLE(TLORect),
    prop::Integer("FrameWidth", &Self::FrameWidth, &Self::SetFrameWidth),
    prop::Object("FrameColor", &Self::FrameColorSpec, &Self::FrameColorSpec),
    prop::Object("FillColor", &Self::FillColorSpec, &Self::FillColorSpec),
    prop::Boolean("FillInside", &Self::FillInside, &Self::SetFillInside),
    prop::Integer("Angle", &Self::Angle, &Self::SetAngle),
    prop::Boolean("RoundRect", &Self::RoundRect, &Self::SetRoundRect))

LR_DEFINE_CLASS(TLOCircle, TLORect, LR_CREATABLE(TLOCircle))

namespace {

// The logical path of a stroke, with no device mapping in between.
QPainterPath LogicalPath(const TStroke& stroke)
{
    QImage pixel(1, 1, QImage::Format_RGB32);
    TCanvas canvas(&pixel);
    return stroke.MakePath(canvas);
}

// A rectangle's four corners turned about the rotator's centre, as a closed polygon.
QPolygonF TurnedRect(const TRect& rect, const TRotator& rotator)
{
    QPolygonF polygon;
    for (QPoint corner : {rect.TopLeft(), QPoint(rect.Right, rect.Top), rect.BottomRight(), QPoint(rect.Left, rect.Bottom)})
        polygon << rotator.Rotate(corner);
    polygon << polygon.first();
    return polygon;
}

} // namespace

TLORect::TLORect() : frameColor_(std::make_unique<TColorSpec>()), fillColor_(std::make_unique<TColorSpec>())
{
    Listener().Attach(&frameColor_->Broadcaster());
    Listener().Attach(&fillColor_->Broadcaster());
}

TLORect::~TLORect()
{
    Listener().DetachAll();
}

void TLORect::PropertyChanged()
{
    Changed();
    Invalidate();
}

void TLORect::SetFrameWidth(int width)
{
    if (width == frameWidth_)
        return;
    frameWidth_ = width;
    PropertyChanged();
}

void TLORect::SetFillInside(bool fill)
{
    if (fill == fillInside_)
        return;
    fillInside_ = fill;
    PropertyChanged();
}

void TLORect::SetAngle(int angle)
{
    if (angle == angle_)
        return;
    angle_ = angle;
    rotator_.SetAngle(angle);
    DropOutline();
    PropertyChanged();
}

void TLORect::SetRoundRect(bool round)
{
    if (round == roundRect_)
        return;
    roundRect_ = round;
    DropOutline();
    PropertyChanged();
}

void TLORect::SetLineColor(const TColorSpec& color)
{
    frameColor_->Assign(color);
}

void TLORect::SetFillColor(const TColorSpec& color)
{
    fillColor_->Assign(color);
}

void TLORect::Notify(TObject* sender, const TNotifyId& id)
{
    if ((sender == frameColor_.get() || sender == fillColor_.get()) && id == notify::ObjectChanged)
        PropertyChanged();
}

void TLORect::SetBoundsRect(const TRect& rect)
{
    const TRect before = BoundsRect();
    TLORectBase::SetBoundsRect(rect);
    if (BoundsRect() == before)
        return;
    rotator_.SetCentre(RectCenter(BoundsRect()));
    DropOutline();
}

void TLORect::DropOutline()
{
    outline_.reset();
    outlinePath_ = QPainterPath();
}

void TLORect::BuildOutline(TStroke& stroke) const
{
    const TRect rect = BoundsRect();
    if (roundRect_)
        stroke.SetRoundRect(rect, std::min(RectWidth(rect), RectHeight(rect)) / 3);
    else
        stroke.SetRect(rect);
}

const TStroke& TLORect::Outline() const
{
    if (!outline_) {
        outline_ = std::make_unique<TStroke>();
        BuildOutline(*outline_);
        rotator_.TransformStroke(*outline_);
        outlinePath_ = LogicalPath(*outline_);
        outlinePath_.setFillRule(Qt::WindingFill);
    }
    return *outline_;
}

const QPainterPath& TLORect::OutlinePath() const
{
    Outline();
    return outlinePath_;
}

QPainterPath TLORect::FrameBand(int width) const
{
    if (roundRect_)
        return WidenPath(OutlinePath(), width, Qt::SquareCap, Qt::MiterJoin);
    // The band is centred on the edge: W div 2 outside at left and top, the rest outside at
    // right and bottom, and the inner edge the same way round.
    const TRect rect = BoundsRect();
    const int half = width / 2;
    const int rest = width - half;
    const TRect outer{rect.Left - half, rect.Top - half, rect.Right + rest, rect.Bottom + rest};
    const TRect inner{rect.Left + rest, rect.Top + rest, rect.Right - half, rect.Bottom - half};
    QPainterPath band;
    band.setFillRule(Qt::OddEvenFill);
    band.addPolygon(TurnedRect(outer, rotator_));
    // A band as wide as the rectangle or wider leaves no hole: it is the whole rectangle.
    if (!inner.IsEmpty())
        band.addPolygon(TurnedRect(inner, rotator_));
    return band;
}

bool TLORect::InteriorShows() const
{
    const TRect rect = BoundsRect();
    return fillInside_ && frameWidth_ < RectWidth(rect) && frameWidth_ < RectHeight(rect);
}

TRect TLORect::GetBounds() const
{
    if (frameWidth_ <= 0)
        return PathBounds(OutlinePath());
    return PathBounds(WidenPath(OutlinePath(), frameWidth_, Qt::SquareCap, Qt::MiterJoin));
}

void TLORect::Paint(TCanvas& canvas)
{
    // Hairlines stay visible at every zoom on the site's own screen; print, export and
    // previews get the frame at its true width.
    int width = frameWidth_;
    if (frameWidth_ > 0 && IsOwnScreenPaint(*this))
        width = std::max(width, ScreenPixelsInUnits(*this, 2, width));
    if (InteriorShows()) {
        TClipSaver clip(canvas);
        IntersectClipPath(canvas, OutlinePath());
        fillColor_->Fill(canvas, GetBounds());
    }
    if (frameWidth_ > 0) {
        const QPainterPath band = FrameBand(width);
        TClipSaver clip(canvas);
        IntersectClipPath(canvas, band);
        frameColor_->Fill(canvas, UnionRect(GetBounds(), PathBounds(band)));
    }
}

void TLORect::PaintMask(TCanvas& mask)
{
    if (frameWidth_ > 0)
        FillMask(mask, FrameBand(frameWidth_));
    if (InteriorShows())
        FillMask(mask, OutlinePath());
}

bool TLORect::HitTest(QPoint logical) const
{
    const int width = frameWidth_ + ScreenPixelsInUnits(*this, 1, 3);
    const bool filled = fillInside_ || frameWidth_ == 0;
    const QPainterPath& path = OutlinePath();
    return HitsPixel(logical, [&](QPainter& painter) {
        painter.setPen(QPen(Qt::black, width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        painter.setBrush(filled ? QBrush(Qt::black) : QBrush(Qt::NoBrush));
        painter.drawPath(path);
    });
}

void TLORect::Resize(int width, int height)
{
    const TRect rect = BoundsRect();
    QSize size;
    if (angle_ % 360 == 0) {
        size = QSize(std::max(0, width - frameWidth_), std::max(0, height - frameWidth_));
    } else {
        const TRect bounds = GetBounds();
        size = ScaleTurnedSize({RectWidth(rect), RectHeight(rect)}, angle_, {width, height},
                               {RectWidth(bounds), RectHeight(bounds)});
    }
    SetBoundsRect({rect.Left, rect.Top, rect.Left + size.width(), rect.Top + size.height()});
}

void TLORect::DrawOutline(TCanvas& canvas)
{
    const_cast<TStroke&>(Outline()).Draw(canvas);
}

void TLORect::DefineProperties(TFiler& filer)
{
    TLORectBase::DefineProperties(filer);
    // Older documents name the rounded corners "Round"; it is read, never written.
    filer.DefineProperty("Round", [this](TReader& reader) { SetRoundRect(reader.ReadBoolean()); }, nullptr, false);
}

void TLORect::AssignTo(TPersistent& target) const
{
    TLORectBase::AssignTo(target);
    auto* rect = dynamic_cast<TLORect*>(&target);
    if (!rect)
        return;
    rect->SetFrameWidth(frameWidth_);
    rect->SetLineColor(*frameColor_);
    rect->SetFillColor(*fillColor_);
    rect->SetFillInside(fillInside_);
    rect->SetAngle(angle_);
    rect->SetRoundRect(roundRect_);
}

void TLOCircle::BuildOutline(TStroke& stroke) const
{
    stroke.SetEllipse(BoundsRect());
}

QPainterPath TLOCircle::FrameBand(int) const
{
    // The ellipse's frame keeps its stored width everywhere.
    return WidenPath(OutlinePath(), FrameWidth(), Qt::FlatCap, Qt::MiterJoin);
}
