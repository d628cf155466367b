#include "editing/site/edit_site.h"

#include "core/canvas/units.h"
#include "core/model/draw_object.h"
#include "editing/ghosts/select_ghost.h"
#include "editing/site/edit_context.h"

#include <algorithm>

LR_DEFINE_CLASS(TEditSite, TDrawSiteModel, LR_ABSTRACT)

TShiftState ShiftStateOf(Qt::KeyboardModifiers modifiers)
{
    TShiftState shift = 0;
    if (modifiers & Qt::ShiftModifier)
        shift |= ssShift;
    if (modifiers & Qt::AltModifier)
        shift |= ssAlt;
    if (modifiers & Qt::ControlModifier)
        shift |= ssCtrl;
    return shift;
}

TEditSite::TEditSite(TEditContext& context) : context_(context) {}

TEditSite::~TEditSite()
{
    TGhostList& ghosts = context_.Ghosts();
    if (ghosts.Owner() == this) {
        ghosts.SetOwner(nullptr, nullptr);
        ghosts.Abort();
    }
    pressed_.Reset(nullptr);
}

int TEditSite::DeviceResolution() const
{
    return deviceResolution_ > 0 ? deviceResolution_ : TDrawSiteModel::DeviceResolution();
}

QRect TEditSite::VisibleClientRect() const
{
    return visibleRect_.isValid() ? visibleRect_ : TDrawSiteModel::VisibleClientRect();
}

int TEditSite::FitScale(QSize device, bool fitHeight, bool fitWidth) const
{
    TScaler atFull(100, Scaler().UnitDPI());
    const TRect full = atFull.LogToDevRect(DeviceResolution(), {0, 0, LogWidth(), LogHeight()});
    const int width = RectWidth(full);
    const int height = RectHeight(full);
    if (width <= 0 || height <= 0 || (!fitWidth && !fitHeight))
        return 100;
    const int byWidth = MulDiv(100, device.width(), width);
    const int byHeight = MulDiv(100, device.height(), height);
    int scale = fitWidth && fitHeight ? std::min(byWidth, byHeight) : fitWidth ? byWidth : byHeight;
    return std::max(scale, 1);
}

// --- objects and selection -----------------------------------------------------------------

std::vector<TDrawObject*> TEditSite::GetObjects(bool selectedOnly) const
{
    std::vector<TDrawObject*> list;
    const std::vector<TDrawObject*> objects = Objects();
    for (auto it = objects.rbegin(); it != objects.rend(); ++it)
        if (!selectedOnly || (*it)->Selected())
            list.push_back(*it);
    return list;
}

void TEditSite::SelectAll(bool selected)
{
    for (TDrawObject* object : Objects())
        if (selected || object->Selected())
            object->SetSelected(selected);
}

void TEditSite::SelectInRect(const TRect& device)
{
    for (TDrawObject* object : Objects())
        if (RectInside(TRect::FromQRect(object->PixelBounds()), device))
            object->SetSelected(true);
}

void TEditSite::ReplaceContent(std::vector<std::unique_ptr<TDrawObject>> objects)
{
    AbandonGhosts();
    context_.Actions().Clear();
    pressed_.Reset(nullptr);
    FreePivots();
    while (ObjectCount() > 0)
        RemoveObject(Object(ObjectCount() - 1));
    for (auto& object : objects)
        AddObject(std::move(object));
    SetModified(false);
}

TDrawObject* TEditSite::InsertObject(std::unique_ptr<TDrawObject> object)
{
    TDrawObject* added = AddObject(std::move(object));
    added->SetSelected(true);
    return added;
}

// --- handles -------------------------------------------------------------------------------

const std::vector<TPivot>& TEditSite::Pivots()
{
    UpdatePivots();
    return pivots_;
}

void TEditSite::AddPivot(TDrawObject& object, int index, TPivotKind kind, QPoint logical, TPivotCursor cursor)
{
    TPivot pivot;
    pivot.Object = &object;
    pivot.Index = index;
    pivot.Kind = kind;
    pivot.Movable = object.Movable();
    pivot.Cursor = pivot.Movable ? cursor : TPivotCursor::Arrow;
    pivot.Logical = logical;
    const QPoint device = LogToDev(logical);
    const int size = pivot.Size();
    pivot.Device = QRect(device - QPoint(size / 2, size / 2), QSize(size, size));
    pivots_.push_back(pivot);
}

void TEditSite::UpdatePivots()
{
    if (!pivotsDirty_ || capturing_)
        return;
    pivots_.clear();
    const std::vector<TDrawObject*> selected = GetObjects(true);
    for (TDrawObject* object : selected)
        object->CreatePivots();
    if (selected.size() > 1)
        for (TPivot& pivot : pivots_)
            pivot.Cursor = TPivotCursor::Arrow;
    pivotsDirty_ = false;
    pivotsVisible_ = true;
    if (onPivotsChanged_)
        onPivotsChanged_();
}

bool TEditSite::HidePivots()
{
    const bool shown = pivotsVisible_ && !pivots_.empty();
    pivotsVisible_ = false;
    pivotsDirty_ = true;
    if (shown && onPivotsChanged_)
        onPivotsChanged_();
    return shown;
}

void TEditSite::FreePivots()
{
    const bool any = !pivots_.empty();
    pivots_.clear();
    pivotsVisible_ = false;
    pivotsDirty_ = true;
    if (any && onPivotsChanged_)
        onPivotsChanged_();
}

void TEditSite::PivotsChanged()
{
    pivotsDirty_ = true;
    if (onPivotsChanged_)
        onPivotsChanged_();
}

int TEditSite::PivotAt(QPoint device)
{
    if (Dragging())
        return -1;
    const std::vector<TPivot>& pivots = Pivots();
    if (!pivotsVisible_)
        return -1;
    for (int index = static_cast<int>(pivots.size()) - 1; index >= 0; --index)
        if (pivots[index].Device.contains(device))
            return index;
    return -1;
}

void TEditSite::ObjectNotify(TObject* sender, const TNotifyId& id)
{
    if (id == notify::SelectChanged || id == notify::MovableChanged || id == notify::ObjectChanged)
        pivotsDirty_ = true;
    if (id == notify::ObjectChanged && onContentChanged_)
        onContentChanged_();
    if (id != notify::ObjectChanged && onPivotsChanged_)
        onPivotsChanged_();
    TDrawSiteModel::ObjectNotify(sender, id);
}

void TEditSite::InvalidateObject(const TDrawObject&)
{
    if (onContentChanged_)
        onContentChanged_();
}

// --- gestures ------------------------------------------------------------------------------

bool TEditSite::Dragging() const
{
    const TGhostList& ghosts = context_.Ghosts();
    return ghosts.Active() && ghosts.Owner() == this;
}

void TEditSite::Press(Qt::MouseButton button, QPoint logical, TShiftState shift)
{
    if (armed_ && button == Qt::LeftButton) {
        BeginCreate(std::move(armed_), logical, shift);
        return;
    }
    const int pivot = PivotAt(LogToDev(logical));
    if (pivot >= 0) {
        const TPivot record = pivots_[pivot];
        PressObject(*record.Object, button, logical, shift, record.Index);
        return;
    }
    if (TDrawObject* object = ObjectAt(logical)) {
        PressObject(*object, button, logical, shift, -1);
        return;
    }
    PressSite(button, logical, shift);
}

void TEditSite::PressObject(TDrawObject& object, Qt::MouseButton button, QPoint logical, TShiftState shift,
                            int handleIndex)
{
    if (object.Selected()) {
        if (shift & ssShift)
            toggleOnClick_ = true;
    } else {
        if (!(shift & ssShift))
            SelectAll(false);
        object.SetSelected(true);
    }
    if (button != Qt::LeftButton)
        return;
    pressed_.Reset(&object);
    capturing_ = true;
    TGhostList& ghosts = context_.Ghosts();
    if (!ghosts.Active() && ghosts.Count() == 0) {
        const std::vector<TDrawObject*> selected = GetObjects(true);
        for (TDrawObject* target : selected)
            if (target->Movable())
                target->AddGhost(selected.size() == 1 ? handleIndex : -1);
    }
    PressSite(button, logical, shift);
}

void TEditSite::PressSite(Qt::MouseButton button, QPoint logical, TShiftState shift)
{
    if (button != Qt::LeftButton) {
        SelectAll(false);
        return;
    }
    capturing_ = true;
    TGhostList& ghosts = context_.Ghosts();
    if (!ghosts.Active() && ghosts.Count() == 0) {
        TDrawObject* hit = ObjectAt(logical);
        if (!hit || !hit->Selectable()) {
            if (!(shift & ssShift))
                SelectAll(false);
            ghosts.Add(std::make_unique<TSelectGhost>());
        }
    }
    if (ghosts.Count() > 0 && !ghosts.Active())
        StartGhosts(logical, shift);
    else
        UpdatePivots();
}

void TEditSite::StartGhosts(QPoint logical, TShiftState shift)
{
    HidePivots();
    TGhostList& ghosts = context_.Ghosts();
    ghosts.SetOwner(this, [this] {
        if (onClearGhost_)
            onClearGhost_();
    });
    ghosts.Start(*this, {0, 0, LogWidth(), LogHeight()}, logical, shift);
}

void TEditSite::MoveTo(QPoint logical, TShiftState shift)
{
    if (Dragging())
        context_.Ghosts().Feed(shift, logical);
}

void TEditSite::Release(Qt::MouseButton button, QPoint logical, TShiftState shift)
{
    if (button != Qt::LeftButton)
        return;
    TGhostList& ghosts = context_.Ghosts();
    const bool dragging = Dragging();
    if (dragging)
        ghosts.Feed(shift, logical);
    Click();
    if (dragging)
        ghosts.Finish();
    capturing_ = false;
    UpdatePivots();
    pressed_.Reset(nullptr);
}

void TEditSite::Click()
{
    TDrawObject* pressed = pressed_.Get();
    if (pressed) {
        if (toggleOnClick_ && !(Dragging() && context_.Ghosts().Moved()))
            pressed->SetSelected(false);
        if (onObjectClick_)
            onObjectClick_(*pressed);
    }
    toggleOnClick_ = false;
}

void TEditSite::ShiftChanged(TShiftState shift)
{
    if (Dragging())
        context_.Ghosts().Feed(shift, context_.Ghosts().LastPoint());
}

void TEditSite::Cancel()
{
    AbandonGhosts();
    capturing_ = false;
    toggleOnClick_ = false;
    pressed_.Reset(nullptr);
    UpdatePivots();
}

void TEditSite::AbandonGhosts()
{
    armed_.reset();
    TGhostList& ghosts = context_.Ghosts();
    if (ghosts.Count() > 0 && (ghosts.Owner() == this || !ghosts.Active()))
        ghosts.Abort();
}

void TEditSite::ArmCreate(std::unique_ptr<TDrawObject> object)
{
    AbandonGhosts();
    context_.MoveOptions().ResetForCreation();
    armed_ = std::move(object);
}

bool TEditSite::BeginCreate(std::unique_ptr<TDrawObject> object, QPoint logical, TShiftState shift)
{
    AbandonGhosts();
    context_.MoveOptions().ResetForCreation();
    if (!context_.Designers().AddCreateGhost(*this, object))
        return false;
    capturing_ = true;
    StartGhosts(logical, shift);
    return true;
}

TSnapOffset TEditSite::SnapOffset(QPoint logical)
{
    return context_.SnapOffset(*this, logical);
}

QPoint TEditSite::Snap(QPoint logical)
{
    const TSnapOffset offset = SnapOffset(logical);
    return logical + QPoint(offset.dx == kNoSnap ? 0 : offset.dx, offset.dy == kNoSnap ? 0 : offset.dy);
}

void TEditSite::ObjectMouseDown(TDrawObject& object, Qt::MouseButton button, Qt::KeyboardModifiers modifiers,
                                QPoint sitePixel, int handleIndex)
{
    PressObject(object, button, DevToLog(sitePixel), ShiftStateOf(modifiers), handleIndex);
}

void TEditSite::GhostsChanged()
{
    if (onGhostsChanged_)
        onGhostsChanged_();
}
