#include "core/model/draw_object.h"

#include "core/model/designer_registry.h"
#include "core/model/draw_site_model.h"
#include "core/error.h"
#include "core/messages.h"
#include "core/model/object_interfaces.h"
#include "core/canvas/offscreen.h"

#include <QScopedValueRollback>
#include <algorithm>

LR_DEFINE_CLASS(TDrawObject, TComponent, LR_ABSTRACT,
    prop::Integer("Left", &Self::PixelLeft, &Self::SetPixelLeft).NotStored(),
    prop::Integer("Top", &Self::PixelTop, &Self::SetPixelTop).NotStored(),
    prop::Integer("Width", &Self::PixelWidth, &Self::SetPixelWidth).NotStored(),
    prop::Integer("Height", &Self::PixelHeight, &Self::SetPixelHeight).NotStored(),
    prop::Integer("Cursor", &Self::Cursor, &Self::SetCursor).Default(0),
    prop::String("Hint", &Self::Hint, &Self::SetHint),
    prop::Boolean("Border", &Self::Border, &Self::SetBorder),
    prop::Component("PopupMenu", &Self::PopupMenu, &Self::SetPopupMenu),
    prop::Boolean("Movable", &Self::Movable, &Self::SetMovable).Default(true),
    prop::Boolean("Selectable", &Self::Selectable, &Self::SetSelectable).Default(true),
    prop::Integer("LayerGroup", &Self::LayerGroup, &Self::SetLayerGroup),
    prop::Method("OnModify", &Self::OnModifyHandler),
    prop::Object("Appendix", &Self::Appendix, &Self::Appendix))

namespace {
TDrawObject::BlendedPainter blendedPainter = nullptr;
} // namespace

TDrawObject::TDrawObject()
    : appendix_(std::make_unique<TStringList>()), notify_(std::make_unique<TChangeNotify>(this)),
      listener_(std::make_unique<TListener>([this](TObject* sender, const TNotifyId& id) { Notify(sender, id); }))
{
    notify_->SetOnChange([this](TChangeNotify*) { Modified(); });
    appendix_->SetOnChange([this] { Changed(); });
}

TDrawObject::~TDrawObject()
{
    // Leave the site first, so that nothing reaches the object through it while it closes.
    if (site_)
        site_->DetachObject(this);
    listener_.reset();
    notify_.reset();
}

void TDrawObject::SetBorder(bool border)
{
    if (border == border_)
        return;
    border_ = border;
    Changed();
    Invalidate();
}

void TDrawObject::SetSelectable(bool selectable)
{
    if (selectable == selectable_)
        return;
    if (!selectable && selected_)
        SetSelected(false);
    selectable_ = selectable;
}

TCanvas* TDrawObject::ActiveCanvas() const
{
    if (activeCanvas_)
        return activeCanvas_;
    return site_ ? site_->PaintCanvas() : nullptr;
}

void TDrawObject::Paint(TCanvas&)
{
}

bool TDrawObject::NeedsBlendedPaint() const
{
    const auto* blendable = dynamic_cast<const IBlendable*>(this);
    return blendable && (blendable->BlendRatio() != 100 || blendable->BlendShade());
}

void TDrawObject::PaintContent(TCanvas& canvas)
{
    if (NeedsBlendedPaint() && blendedPainter) {
        const auto* blendable = dynamic_cast<const IBlendable*>(this);
        if (blendedPainter(*this, canvas, blendable ? blendable->BlendRatio() : 100))
            return;
    }
    Paint(canvas);
}

void TDrawObject::PaintMask(TCanvas& mask)
{
    if (QImage* image = mask.ReadableImage())
        image->fill(255);
}

QImage TDrawObject::RenderImage(TCanvas& target)
{
    const auto offscreen = CreateOffscreen(target, GetBounds(), QImage::Format_BGR888, kOffscreenInflate, false);
    if (!offscreen)
        return {};
    Paint(offscreen->Canvas());
    ResetToPixels(offscreen->Canvas());
    return offscreen->TakeImage();
}

void TDrawObject::Notify(TObject*, const TNotifyId&)
{
}

void TDrawObject::SetSelected(bool selected)
{
    if (selected && !selectable_)
        return;
    if (selected == selected_)
        return;
    selected_ = selected;
    notify_->Notify(this, notify::SelectChanged);
}

void TDrawObject::SetMovable(bool movable)
{
    if (movable == movable_)
        return;
    movable_ = movable;
    notify_->Notify(this, notify::MovableChanged);
}

void TDrawObject::Changed()
{
    notify_->Changed();
}

void TDrawObject::Modified()
{
    if (site_)
        site_->SetModified(true);
    if (onModify_)
        onModify_(this);
}

void TDrawObject::PaintWithActiveCanvas(TCanvas& canvas)
{
    const QScopedValueRollback<TCanvas*> active(activeCanvas_, &canvas);
    PaintContent(canvas);
}

void TDrawObject::PaintTo(TCanvas& canvas)
{
    const TRect bounds = GetBounds();
    if (!canvas.RectVisible(bounds))
        return;
    TCanvasSaver saver(canvas, true);
    const QScopedValueRollback<bool> copying(paintingCopy_, true);
    canvas.IntersectClipRect(bounds);
    PaintWithActiveCanvas(canvas);
}

void TDrawObject::PaintOnSite(TCanvas& siteCanvas)
{
    QPainter& painter = siteCanvas.Painter();
    const QRect bounds = pixelBounds_;
    TCanvasSaver saver(siteCanvas, true);
    if (paintingFailed_) {
        painter.setPen(QPen(Qt::red, 1));
        painter.setBrush(QBrush(Qt::red, Qt::DiagCrossPattern));
        painter.drawRect(bounds.adjusted(0, 0, -1, -1));
        QFont font(QStringLiteral("System"));
        siteCanvas.SetFont(font);
        siteCanvas.SetFontPointSize(12);
        painter.drawText(bounds.topLeft() + QPoint(1, 1 + QFontMetrics(siteCanvas.Font()).ascent()),
                         QStringLiteral("描画に失敗しました"));
        return;
    }
    paintingFailed_ = true;
    try {
        if (border_) {
            painter.setPen(QPen(QColor(0, 0, 255), 1));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(bounds.adjusted(0, 0, -1, -1));
        }
        if (site_)
            site_->Scaler().ApplyMapping(siteCanvas);
        PaintWithActiveCanvas(siteCanvas);
        paintingFailed_ = false;
    } catch (const std::exception& error) {
        Invalidate();
        ShowError(error);
    }
}

void TDrawObject::BringToFrontInGroup()
{
    MoveWithinLayerGroup(true);
}

void TDrawObject::SendToBackInGroup()
{
    MoveWithinLayerGroup(false);
}

void TDrawObject::MoveWithinLayerGroup(bool toFront)
{
    if (!site_)
        return;
    std::vector<TDrawObject*> others = site_->Objects();
    const auto self = std::find(others.begin(), others.end(), this);
    const auto current = static_cast<int>(self - others.begin());
    others.erase(self);
    int target = 0;
    if (toFront) {
        // Just behind the back-most object of a higher group, else the front-most position.
        const auto higher = std::find_if(others.begin(), others.end(),
                                         [this](const TDrawObject* other) { return other->layerGroup_ > layerGroup_; });
        target = static_cast<int>(higher - others.begin());
    } else {
        // Just in front of the front-most object of a lower group, else the back-most position.
        const auto lower = std::find_if(others.rbegin(), others.rend(),
                                        [this](const TDrawObject* other) { return other->layerGroup_ < layerGroup_; });
        target = static_cast<int>(others.rend() - lower);
    }
    if (target == current)
        return;
    site_->MoveObject(this, target);
    Changed();
}

void TDrawObject::Assign(const TPersistent& source)
{
    if (dynamic_cast<const TDrawObject*>(&source)) {
        TUpdateBracket bracket(*notify_);
        source.AssignTo(*this);
        return;
    }
    TComponent::Assign(source);
}

void TDrawObject::AssignTo(TPersistent& target) const
{
    auto* object = dynamic_cast<TDrawObject*>(&target);
    if (!object) {
        TComponent::AssignTo(target);
        return;
    }
    object->SetBorder(border_);
    object->SetSelected(selected_);
    object->appendix_->Assign(*appendix_);
}

void TDrawObject::Invalidate()
{
    if (site_)
        site_->InvalidateObject(*this);
}

void TDrawObject::MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint local)
{
    if (site_)
        site_->ObjectMouseDown(*this, button, modifiers, local + pixelBounds_.topLeft(), -1);
}

void TDrawObject::SetBlendedPainter(BlendedPainter painter)
{
    blendedPainter = painter;
}
