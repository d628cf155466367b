#pragma once
// TEditSite: the editing controller of a draw site. It takes presses, moves and releases
// at logical points with the Shift/Alt/Ctrl set (the site widget translates its mouse and
// key events), keeps the selection and the handles, and starts, feeds and finishes the
// ghosts of a drag. It knows no widget: the widget listens to its change callbacks and
// paints objects, handles and ghosts.
#include "core/model/draw_site_model.h"
#include "editing/actions/watched_ref.h"
#include "editing/site/pivot.h"
#include "editing/site/shift_state.h"

#include <functional>
#include <memory>
#include <vector>

class TEditContext;

class TEditSite : public TDrawSiteModel {
    LR_CLASS(TEditSite, TDrawSiteModel)
public:
    explicit TEditSite(TEditContext& context);
    ~TEditSite() override;

    TEditContext& Context() const { return context_; }

    // A fixed device resolution for conversions (0: the canvas's or the screen's).
    void SetDeviceResolution(int dpi) { deviceResolution_ = dpi; }
    int DeviceResolution() const override;
    void SetVisibleClientRect(const QRect& rect) { visibleRect_ = rect; }
    // The zoom that fits the area into a device size: the smaller of the width and height
    // fits when both are asked for; 100 for an empty area or with neither, at least 1.
    int FitScale(QSize device, bool fitHeight = true, bool fitWidth = true) const;
    QRect VisibleClientRect() const override;

    // --- objects and selection ---------------------------------------------------------
    // The site's objects, front-most first, optionally only the selected ones.
    std::vector<TDrawObject*> GetObjects(bool selectedOnly) const;
    void SelectAll(bool selected);
    // Selects every object whose device bounds lie wholly inside the device rectangle.
    void SelectInRect(const TRect& device);
    // Puts another face's objects on the site: any drag is abandoned, the undo list is
    // cleared (its actions belong to the old content) and the modified flag is cleared.
    void ReplaceContent(std::vector<std::unique_ptr<TDrawObject>> objects);
    // Adds an object made by the creation tool or a paste: placed, selected.
    TDrawObject* InsertObject(std::unique_ptr<TDrawObject> object);

    // --- handles ------------------------------------------------------------------------
    // The current handles, rebuilt first when they are dirty and no drag holds the mouse.
    const std::vector<TPivot>& Pivots();
    bool PivotsVisible() const { return pivotsVisible_; }
    bool PivotsDirty() const { return pivotsDirty_; }
    // Called by designers while the handles are rebuilt.
    void AddPivot(TDrawObject& object, int index, TPivotKind kind, QPoint logical, TPivotCursor cursor);
    void UpdatePivots();
    // Hides the handles; true when any was shown.
    bool HidePivots();
    void FreePivots();
    // Marks the handles dirty (selection, movability or geometry changed).
    void PivotsChanged();
    // The handle under a device point, or -1.
    int PivotAt(QPoint device);

    // --- gestures -----------------------------------------------------------------------
    // A press at a logical point: on a handle, an object or the site itself.
    void Press(Qt::MouseButton button, QPoint logical, TShiftState shift);
    void PressObject(TDrawObject& object, Qt::MouseButton button, QPoint logical, TShiftState shift, int handleIndex);
    void PressSite(Qt::MouseButton button, QPoint logical, TShiftState shift);
    void MoveTo(QPoint logical, TShiftState shift);
    // The final point, then the click, then the ghosts' commit, then the handles.
    void Release(Qt::MouseButton button, QPoint logical, TShiftState shift);
    // Shift, Alt or Ctrl pressed or released during a drag.
    void ShiftChanged(TShiftState shift);
    // Focus or capture lost: the drag ends without a commit.
    void Cancel();
    // Ends any drag and drops ghosts added but not started (edit commands run first).
    void AbandonGhosts();
    // Starts placing a new object by a drag at the point (the creation tool).
    bool BeginCreate(std::unique_ptr<TDrawObject> object, QPoint logical, TShiftState shift);
    // Holds a new object until the next left press on the site starts its creation drag
    // there (the creation commands of lines and shapes); ending the ghosts drops it.
    void ArmCreate(std::unique_ptr<TDrawObject> object);
    bool CreateArmed() const { return armed_ != nullptr; }
    bool Capturing() const { return capturing_; }
    bool Dragging() const;
    TDrawObject* PressedObject() const { return pressed_.Get(); }

    // The snap offset of the editing context's rule at a logical point.
    TSnapOffset SnapOffset(QPoint logical);
    // A logical point moved by the snap offset on each axis that has one.
    QPoint Snap(QPoint logical);

    void ObjectMouseDown(TDrawObject& object, Qt::MouseButton button, Qt::KeyboardModifiers modifiers,
                         QPoint sitePixel, int handleIndex) override;

    // --- listeners of the widget ----------------------------------------------------------
    void SetOnGhostsChanged(std::function<void()> handler) { onGhostsChanged_ = std::move(handler); }
    void SetOnPivotsChanged(std::function<void()> handler) { onPivotsChanged_ = std::move(handler); }
    void SetOnClearGhost(std::function<void()> handler) { onClearGhost_ = std::move(handler); }
    void SetOnObjectClick(std::function<void(TDrawObject&)> handler) { onObjectClick_ = std::move(handler); }
    // Any object's look changed (painted content, order, presence).
    void SetOnContentChanged(std::function<void()> handler) { onContentChanged_ = std::move(handler); }
    void InvalidateObject(const TDrawObject& object) override;
    // Called by the ghost list when its feedback changed.
    void GhostsChanged();

protected:
    void ObjectNotify(TObject* sender, const TNotifyId& id) override;

private:
    void StartGhosts(QPoint logical, TShiftState shift);
    void Click();

    TEditContext& context_;
    int deviceResolution_ = 0;
    QRect visibleRect_;
    std::vector<TPivot> pivots_;
    bool pivotsDirty_ = true;
    bool pivotsVisible_ = false;
    bool capturing_ = false;
    bool toggleOnClick_ = false;
    TWatchedRef<TDrawObject> pressed_;
    std::unique_ptr<TDrawObject> armed_;
    std::function<void()> onGhostsChanged_;
    std::function<void()> onPivotsChanged_;
    std::function<void()> onClearGhost_;
    std::function<void(TDrawObject&)> onObjectClick_;
    std::function<void()> onContentChanged_;
};

// Qt's keyboard modifiers as the editing set.
TShiftState ShiftStateOf(Qt::KeyboardModifiers modifiers);
