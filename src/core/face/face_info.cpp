#include "core/face/face_info.h"

#include "core/canvas/canvas.h"
#include "core/face/outline.h"

#include <iterator>

LR_DEFINE_CLASS(TFaceInfo, TPersistent, LR_CREATABLE(TFaceInfo),
    prop::Integer("CutCenterWidth", &Self::CutCenterWidth, &Self::SetCutCenterWidth).Default(410),
    prop::Integer("CutCenterHeight", &Self::CutCenterHeight, &Self::SetCutCenterHeight).Default(410),
    prop::Enumeration("FaceShape", &Self::FaceShape, &Self::SetFaceShape, FaceShapeType).Default(fsRect),
    prop::String("FacePurpose", &Self::FacePurpose, &Self::SetFacePurpose),
    prop::Integer("FaceMargin", &Self::FaceMargin, &Self::SetFaceMargin).Default(0),
    prop::Enumeration("CenterShape", &Self::CenterShape, &Self::SetCenterShape, CenterShapeType).Default(csEllipse),
    prop::Integer("RoundSize", &Self::RoundSize, &Self::SetRoundSize).Default(100))

namespace {

// Length of each arm of the centre cross, from the centre.
constexpr int kCrossArm = 50;

TOutlineKind FaceOutline(TFaceShape shape)
{
    switch (shape) {
    case fsDoughnut:
    case fsEllipse:
        return TOutlineKind::Ellipse;
    case fsRoundRect:
    case fsRectCD:
        return TOutlineKind::RoundRect;
    case fsBarrelCD:
        return TOutlineKind::Barrel;
    case fsRect:
        break;
    }
    return TOutlineKind::Rectangle;
}

TOutlineKind HoleOutline(TCenterShape shape)
{
    return shape == csBarrel ? TOutlineKind::Barrel : TOutlineKind::Ellipse;
}

TRect ToDevice(const TCanvas& canvas, const TRect& rect)
{
    const QPoint a = canvas.LogicalToDevice(rect.TopLeft());
    const QPoint b = canvas.LogicalToDevice(rect.BottomRight());
    return {a.x(), a.y(), b.x(), b.y()};
}

} // namespace

TFaceInfo::TFaceInfo(const TFaceInfo& other) : TPersistent()
{
    other.AssignTo(*this);
}

TFaceInfo& TFaceInfo::operator=(const TFaceInfo& other)
{
    if (this != &other)
        other.AssignTo(*this);
    return *this;
}

void TFaceInfo::SetCutCenterSize(int size)
{
    cutCenterWidth_ = size;
    cutCenterHeight_ = size;
}

TRect TFaceInfo::OuterRect() const
{
    return faceRect_.Inflated(faceMargin_, faceMargin_);
}

void TFaceInfo::SetOuterRect(const TRect& outer)
{
    faceRect_ = outer.Inflated(-faceMargin_, -faceMargin_);
}

TRect TFaceInfo::HoleRect() const
{
    const int left = faceRect_.Left + (RectWidth(faceRect_) - cutCenterWidth_) / 2;
    const int top = faceRect_.Top + (RectHeight(faceRect_) - cutCenterHeight_) / 2;
    return {left, top, left + cutCenterWidth_, top + cutCenterHeight_};
}

TRect TFaceInfo::InnerHoleRect() const
{
    return HoleRect().Inflated(-faceMargin_, -faceMargin_);
}

bool TFaceInfo::HasHole() const
{
    return faceShape_ == fsDoughnut || faceShape_ == fsRectCD || faceShape_ == fsBarrelCD;
}

bool TFaceInfo::IsRounded() const
{
    return faceShape_ == fsRoundRect || faceShape_ == fsRectCD;
}

void TFaceInfo::SetLegacyType(int type)
{
    struct Legacy {
        TFaceShape Shape;
        const char* Purpose;
    };
    static constexpr Legacy kTypes[] = {
        {fsRect, ""},         {fsDoughnut, "CD"},       {fsRect, "CDCover"}, {fsRect, "CDCaseTray"},
        {fsRect, "MOSquare"}, {fsRect, "MOSquare"},     {fsEllipse, ""},     {fsRoundRect, ""},
    };
    if (type < 0 || type >= static_cast<int>(std::size(kTypes)))
        return;
    faceShape_ = kTypes[type].Shape;
    facePurpose_ = QString::fromLatin1(kTypes[type].Purpose);
}

QRegion TFaceInfo::CreateRegion(const TCanvas* canvas, bool withHole) const
{
    TRect outer = OuterRect();
    QSize corner(roundSize_, roundSize_);
    TRect hole = InnerHoleRect();
    if (canvas) {
        outer = ToDevice(*canvas, outer);
        hole = ToDevice(*canvas, hole);
        const QPoint size = canvas->LogicalToDevice({roundSize_, roundSize_}) - canvas->LogicalToDevice({0, 0});
        corner = QSize(size.x(), size.y());
    }
    QRegion region = OutlineRegion(FaceOutline(faceShape_), outer, corner);
    if (withHole && HasHole())
        region -= OutlineRegion(HoleOutline(centerShape_), hole);
    return region;
}

void TFaceInfo::DrawOutlines(TCanvas& canvas, const TRect& outline, const TRect* hole, QPoint shift) const
{
    QPainter& painter = canvas.Painter();
    const QSize corner(roundSize_, roundSize_);
    painter.drawPath(OutlinePath(FaceOutline(faceShape_), outline.Translated(shift.x(), shift.y()), corner));
    if (hole)
        painter.drawPath(OutlinePath(HoleOutline(centerShape_), hole->Translated(shift.x(), shift.y())));
}

void TFaceInfo::DrawFace(TCanvas& canvas, bool atOrigin, bool withCross) const
{
    const TRect outer = OuterRect();
    const QPoint shift = atOrigin ? -outer.TopLeft() : QPoint();
    const TRect innerHole = InnerHoleRect();
    DrawOutlines(canvas, outer, HasHole() ? &innerHole : nullptr, shift);
    if (withCross) {
        const QPoint centre = RectCenter(innerHole) + shift;
        QPainter& painter = canvas.Painter();
        painter.drawLine(centre - QPoint(kCrossArm, 0), centre + QPoint(kCrossArm, 0));
        painter.drawLine(centre - QPoint(0, kCrossArm), centre + QPoint(0, kCrossArm));
    }
}

void TFaceInfo::DrawTrimLines(TCanvas& canvas, bool atOrigin) const
{
    if (faceMargin_ == 0)
        return;
    const QPoint shift = atOrigin ? -OuterRect().TopLeft() : QPoint();
    const TRect hole = HoleRect();
    DrawOutlines(canvas, faceRect_, HasHole() ? &hole : nullptr, shift);
}

void TFaceInfo::DrawHole(TCanvas& canvas) const
{
    if (HasHole())
        canvas.Painter().drawPath(OutlinePath(HoleOutline(centerShape_), InnerHoleRect()));
}

void TFaceInfo::AssignTo(TPersistent& target) const
{
    auto* info = dynamic_cast<TFaceInfo*>(&target);
    if (!info) {
        TPersistent::AssignTo(target);
        return;
    }
    info->faceRect_ = faceRect_;
    info->cutCenterWidth_ = cutCenterWidth_;
    info->cutCenterHeight_ = cutCenterHeight_;
    info->faceShape_ = faceShape_;
    info->facePurpose_ = facePurpose_;
    info->faceMargin_ = faceMargin_;
    info->centerShape_ = centerShape_;
    info->roundSize_ = roundSize_;
}

bool operator==(const TFaceInfo& a, const TFaceInfo& b)
{
    return a.faceRect_ == b.faceRect_ && a.cutCenterWidth_ == b.cutCenterWidth_ &&
           a.cutCenterHeight_ == b.cutCenterHeight_ && a.faceShape_ == b.faceShape_ &&
           a.facePurpose_ == b.facePurpose_ && a.faceMargin_ == b.faceMargin_ && a.centerShape_ == b.centerShape_ &&
           a.roundSize_ == b.roundSize_;
}
