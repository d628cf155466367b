#include "core/face/face_object.h"

#include "core/canvas/canvas.h"
#include "core/model/designer_registry.h"
#include "core/model/draw_site_model.h"
#include "core/face/face_site.h"

#include <algorithm>
#include <cmath>

LR_DEFINE_CLASS(TLOFace, TLORectBase, LR_CREATABLE(TLOFace))

namespace {

// Point size of the information text at zoom 100; it shrinks as the zoom grows so that
// it keeps its size on the screen.
constexpr int kInfoTextPoints = 12;

// A pen of a width in logical units that, as a device-context pen does, never comes out
// thinner than one device pixel; width 0 is always one pixel wide.
QPen LogicalPen(const TCanvas& canvas, QColor color, int width, Qt::PenStyle style)
{
    const bool thin = width == 0 || width * std::abs(canvas.Mapping().m11()) < 1;
    QPen pen(color, thin ? 0 : width, style);
    pen.setCosmetic(thin);
    return pen;
}

} // namespace

void TLOFace::SetFaceInfo(const TFaceInfo& info)
{
    if (!editable_ && IsOnDrawSite())
        return;
    info_ = info;
    TLORectBase::SetBoundsRect(info_.OuterRect());
    Invalidate();
}

void TLOFace::SetFaceSelected(bool selected)
{
    const bool changed = selected != faceSelected_;
    faceSelected_ = selected;
    if (selected && exclusive_ && Site())
        for (TDrawObject* object : Site()->Objects())
            if (auto* other = dynamic_cast<TLOFace*>(object); other && other != this)
                other->SetFaceSelected(false);
    if (changed)
        Invalidate();
}

void TLOFace::SetExclusive(bool exclusive)
{
    if (exclusive == exclusive_)
        return;
    exclusive_ = exclusive;
    Invalidate();
}

void TLOFace::SetShowInfo(bool show)
{
    if (show == showInfo_)
        return;
    showInfo_ = show;
    Invalidate();
}

void TLOFace::SetFaceColor(TColor color)
{
    if (color == faceColor_)
        return;
    faceColor_ = color;
    Invalidate();
}

void TLOFace::Paint(TCanvas& canvas)
{
    QPainter& painter = canvas.Painter();
    painter.setBrush(ToQColor(faceSelected_ ? faceColor_ : clWhite));
    painter.setPen(LogicalPen(canvas, ToQColor(clBlack), 1, Qt::SolidLine));
    info_.DrawFace(canvas, false, false);
    // The trim lines are lines only: filling them again would paint over the solid
    // outline of the hole inside them.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(LogicalPen(canvas, ToQColor(clBlack), 0, Qt::DotLine));
    info_.DrawTrimLines(canvas, false);
    if (showInfo_) {
        const int scale = Site() ? Site()->Scaler().Scale() : 100;
        canvas.SetFontPointSize(std::max(1, kInfoTextPoints * 100 / std::max(1, scale)));
        painter.setPen(ToQColor(clBlue));
        const TRect rect = BoundsRect();
        painter.drawText(QRectF(rect.Left, rect.Top, RectWidth(rect), RectHeight(rect)),
                         Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip,
                         QString::number(FaceIndex(*this)) + QStringLiteral(" [") + info_.FacePurpose() +
                             QLatin1Char(']'));
    }
}

bool TLOFace::HitTest(QPoint logical) const
{
    return info_.CreateRegion(nullptr, true).contains(logical);
}

void TLOFace::SetBoundsRect(const TRect& rect)
{
    if (!editable_ && IsOnDrawSite())
        return;
    info_.SetOuterRect(NormalizeRect(rect));
    TLORectBase::SetBoundsRect(rect);
}

void TLOFace::Resize(int width, int height)
{
    SetBoundsRect({Left(), Top(), Left() + width, Top() + height});
}

void TLOFace::DrawOutline(TCanvas& canvas)
{
    TCanvasSaver saver(canvas, true);
    info_.DrawFace(canvas, false, false);
}

void TLOFace::CreatePivots()
{
    if (editable_)
        TLORectBase::CreatePivots();
}

void TLOFace::AddGhost(int handleIndex)
{
    if (handleIndex != -1) {
        TLORectBase::AddGhost(handleIndex);
        return;
    }
    if (IDesignerRegistry* registry = DesignerRegistry())
        registry->AddSimpleMoveGhost(*this);
}

void TLOFace::MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint local)
{
    const bool before = faceSelected_;
    if (button == Qt::LeftButton)
        SetFaceSelected(exclusive_ || !faceSelected_);
    TLORectBase::MouseDown(button, modifiers, local);
    if (faceSelected_ != before && onFaceClick_)
        onFaceClick_(this);
}

void TLOFace::AssignTo(TPersistent& target) const
{
    TLORectBase::AssignTo(target);
    if (auto* face = dynamic_cast<TLOFace*>(&target)) {
        face->info_ = info_;
        face->SetExclusive(exclusive_);
        face->editable_ = editable_;
        face->Invalidate();
    }
}
