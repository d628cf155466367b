#include "editing/ui/draw_site.h"

#include "core/canvas/canvas.h"
#include "core/model/draw_object.h"
#include "editing/commands/nudge.h"
#include "editing/site/edit_context.h"

#include <QDropEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>

namespace {

Qt::CursorShape CursorShapeOf(TPivotCursor cursor)
{
    switch (cursor) {
    case TPivotCursor::SizeNWSE: return Qt::SizeFDiagCursor;
    case TPivotCursor::SizeWE: return Qt::SizeHorCursor;
    case TPivotCursor::SizeNESW: return Qt::SizeBDiagCursor;
    case TPivotCursor::SizeNS: return Qt::SizeVerCursor;
    case TPivotCursor::Rotate: return Qt::CrossCursor;
    case TPivotCursor::Arrow: break;
    }
    return Qt::ArrowCursor;
}

} // namespace

TDrawSite::TDrawSite(TEditContext& context, QWidget* parent) : QWidget(parent), site_(context)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    site_.SetDeviceResolution(logicalDpiY());
    site_.SetOnContentChanged([this] { ContentChanged(); });
    site_.SetOnGhostsChanged([this] { update(); });
    site_.SetOnPivotsChanged([this] { update(); });
    site_.SetOnModifyChanged([this](TDrawSiteModel* model) { Q_EMIT ModifiedChanged(model->Modified()); });
    Resized();
}

TDrawSite::~TDrawSite()
{
    site_.SetOnContentChanged(nullptr);
    site_.SetOnGhostsChanged(nullptr);
    site_.SetOnPivotsChanged(nullptr);
    site_.SetOnModifyChanged(nullptr);
}

void TDrawSite::SetScale(int scale)
{
    site_.Scaler().SetScale(std::max(scale, 1));
    Resized();
}

void TDrawSite::FitInto(QSize size)
{
    SetScale(site_.FitScale(size));
}

void TDrawSite::SetLogSize(int width, int height)
{
    site_.SetLogSize(width, height);
    Resized();
}

void TDrawSite::Resized()
{
    site_.Rescale();
    setFixedSize(site_.PixelSize().expandedTo(QSize(1, 1)));
    site_.PivotsChanged();
    ContentChanged();
}

QPoint TDrawSite::LogicalAt(QPoint widgetPoint) const
{
    return site_.DevToLog(widgetPoint);
}

QPoint TDrawSite::WidgetPointOf(QPoint logical) const
{
    return site_.LogToDev(logical);
}

void TDrawSite::ContentChanged()
{
    bufferDirty_ = true;
    update();
}

void TDrawSite::RenderBuffer()
{
    const QSize size = site_.PixelSize().expandedTo(QSize(1, 1));
    if (buffer_.size() != size)
        buffer_ = QImage(size, QImage::Format_RGB32);
    buffer_.fill(Qt::white);
    TCanvas canvas(&buffer_);
    site_.Paint(canvas);
    bufferDirty_ = false;
}

void TDrawSite::paintEvent(QPaintEvent*)
{
    if (bufferDirty_)
        RenderBuffer();
    QPainter painter(this);
    painter.drawImage(0, 0, buffer_);
    PaintPivots(painter);
    PaintGhosts(painter);
}

void TDrawSite::PaintPivots(QPainter& painter)
{
    if (site_.Dragging())
        return;
    const std::vector<TPivot>& pivots = site_.Pivots();
    if (!site_.PivotsVisible())
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (const TPivot& pivot : pivots) {
        const QRect r = pivot.Device.adjusted(0, 0, -1, -1);
        if (pivot.Kind == TPivotKind::Label) {
            painter.setPen(QPen(Qt::black, 0));
            painter.setBrush(pivot.Movable ? QBrush(Qt::black) : QBrush(Qt::white));
            painter.drawRect(r);
        } else {
            painter.setRenderHint(QPainter::Antialiasing, true);
            painter.setPen(QPen(Qt::white, 1));
            painter.setBrush(pivot.Kind == TPivotKind::Rotate ? QColor(0, 255, 0) : QColor(255, 0, 0));
            painter.drawEllipse(r);
            painter.setRenderHint(QPainter::Antialiasing, false);
        }
    }
    painter.restore();
}

void TDrawSite::PaintGhosts(QPainter& painter)
{
    TGhostList& ghosts = site_.Context().Ghosts();
    if (!site_.Dragging())
        return;
    painter.save();
    TCanvas canvas(&painter);
    site_.Scaler().ApplyMapping(canvas, site_.DeviceResolution());
    QPen pen(Qt::black, 0, Qt::DotLine);
    pen.setCosmetic(true);
    canvas.Painter().setPen(pen);
    canvas.Painter().setBrush(Qt::NoBrush);
    ghosts.Draw(canvas);
    painter.restore();
}

void TDrawSite::mousePressEvent(QMouseEvent* event)
{
    setFocus(Qt::MouseFocusReason);
    site_.Press(event->button(), LogicalAt(event->position().toPoint()), ShiftStateOf(event->modifiers()));
    update();
}

void TDrawSite::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint point = event->position().toPoint();
    if (site_.Dragging()) {
        AutoScroll(point);
        site_.MoveTo(LogicalAt(point), ShiftStateOf(event->modifiers()));
        return;
    }
    UpdateCursor(point);
}

void TDrawSite::mouseReleaseEvent(QMouseEvent* event)
{
    site_.Release(event->button(), LogicalAt(event->position().toPoint()), ShiftStateOf(event->modifiers()));
    UpdateCursor(event->position().toPoint());
    update();
    Q_EMIT Edited();
}

void TDrawSite::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    site_.AbandonGhosts();
    // The property dialog comes from the designer registry; it records its own change.
    if (TDrawObject* object = site_.ObjectAt(LogicalAt(event->position().toPoint()))) {
        site_.Context().Edit(*object);
        ContentChanged();
        Q_EMIT Edited();
    }
}

void TDrawSite::KeyChanged(QKeyEvent* event, bool pressed)
{
    Qt::KeyboardModifiers modifiers = event->modifiers();
    const auto toggle = [&](Qt::KeyboardModifier modifier) {
        modifiers.setFlag(modifier, pressed);
    };
    switch (event->key()) {
    case Qt::Key_Shift: toggle(Qt::ShiftModifier); break;
    case Qt::Key_Control: toggle(Qt::ControlModifier); break;
    case Qt::Key_Alt: toggle(Qt::AltModifier); break;
    default: break;
    }
    site_.ShiftChanged(ShiftStateOf(modifiers));
}

void TDrawSite::keyPressEvent(QKeyEvent* event)
{
    if (site_.Dragging()) {
        KeyChanged(event, true);
        return;
    }
    if (Nudge(event))
        return;
    QWidget::keyPressEvent(event);
}

bool TDrawSite::Nudge(QKeyEvent* event)
{
    QPoint direction;
    switch (event->key()) {
    case Qt::Key_Left: direction = {-1, 0}; break;
    case Qt::Key_Right: direction = {1, 0}; break;
    case Qt::Key_Up: direction = {0, -1}; break;
    case Qt::Key_Down: direction = {0, 1}; break;
    default: return false;
    }
    const int pixels = event->modifiers().testFlag(Qt::ShiftModifier) ? 10 : 1;
    const QPoint step = LogicalAt(QPoint(pixels, pixels)) - LogicalAt(QPoint(0, 0));
    const QPoint offset(direction.x() * std::max(step.x(), 1), direction.y() * std::max(step.y(), 1));
    if (NudgeObjects(site_, offset)) {
        ContentChanged();
        Q_EMIT Edited();
    }
    return true;
}

void TDrawSite::SetDropHandler(DropTest accepts, DropHandler drop)
{
    dropTest_ = std::move(accepts);
    dropHandler_ = std::move(drop);
    setAcceptDrops(bool(dropHandler_));
}

void TDrawSite::dragEnterEvent(QDragEnterEvent* event)
{
    if (dropTest_ && event->mimeData() && dropTest_(*event->mimeData()))
        event->acceptProposedAction();
}

void TDrawSite::dragMoveEvent(QDragMoveEvent* event)
{
    if (dropTest_ && event->mimeData() && dropTest_(*event->mimeData()))
        event->acceptProposedAction();
}

void TDrawSite::dropEvent(QDropEvent* event)
{
    if (!dropHandler_ || !event->mimeData())
        return;
    site_.AbandonGhosts();
    if (dropHandler_(*event->mimeData(), LogicalAt(event->position().toPoint()))) {
        event->acceptProposedAction();
        ContentChanged();
        Q_EMIT Edited();
    }
}

void TDrawSite::keyReleaseEvent(QKeyEvent* event)
{
    if (site_.Dragging()) {
        KeyChanged(event, false);
        return;
    }
    QWidget::keyReleaseEvent(event);
}

void TDrawSite::focusOutEvent(QFocusEvent* event)
{
    site_.Cancel();
    update();
    QWidget::focusOutEvent(event);
}

void TDrawSite::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::ActivationChange && !isActiveWindow()) {
        site_.Cancel();
        update();
    }
    QWidget::changeEvent(event);
}

void TDrawSite::UpdateCursor(QPoint widgetPoint)
{
    if (site_.CreateArmed()) {
        setCursor(Qt::CrossCursor);
        return;
    }
    const int pivot = site_.PivotAt(widgetPoint);
    if (pivot >= 0) {
        setCursor(CursorShapeOf(site_.Pivots()[pivot].Cursor));
        return;
    }
    TDrawObject* object = site_.ObjectAt(LogicalAt(widgetPoint));
    setCursor(object && object->Movable() ? Qt::SizeAllCursor : Qt::ArrowCursor);
}

void TDrawSite::AutoScroll(QPoint point)
{
    QWidget* viewport = parentWidget();
    auto* area = viewport ? qobject_cast<QScrollArea*>(viewport->parentWidget()) : nullptr;
    if (!area)
        return;
    const QRect visible = visibleRegion().boundingRect();
    if (visible.isEmpty())
        return;
    QScrollBar* vertical = area->verticalScrollBar();
    QScrollBar* horizontal = area->horizontalScrollBar();
    bool scrolled = false;
    if (visible.top() > 0 && point.y() < visible.top()) {
        vertical->setValue(vertical->value() - vertical->singleStep());
        scrolled = true;
    } else if (point.y() > visible.bottom() && visible.bottom() < height() - 1) {
        vertical->setValue(vertical->value() + vertical->singleStep());
        scrolled = true;
    }
    if (visible.left() > 0 && point.x() < visible.left()) {
        horizontal->setValue(horizontal->value() - horizontal->singleStep());
        scrolled = true;
    } else if (point.x() > visible.right() && visible.right() < width() - 1) {
        horizontal->setValue(horizontal->value() + horizontal->singleStep());
        scrolled = true;
    }
    if (scrolled)
        update();
}
