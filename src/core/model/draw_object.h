#pragma once
// TDrawObject: everything that can be placed on a label face. An object keeps its real
// geometry in logical units, paints itself in logical coordinates onto whatever canvas it
// is given, and lives as an entry in the ordered child list of its draw site, where the
// child order is the z-order (index 0 back-most). Its pixel bounds on the site are derived
// from its logical bounds and the site's scaler.
#include "core/persistent/component.h"
#include "core/notify.h"
#include "core/canvas/rect.h"
#include "core/persistent/string_list.h"

#include <QImage>
#include <functional>
#include <memory>

class TCanvas;
class TDrawSiteModel;

class TDrawObject : public TComponent, public IBroadcasterAccess {
    LR_CLASS(TDrawObject, TComponent)
public:
    TDrawObject();
    ~TDrawObject() override;

    // --- published --------------------------------------------------------------------
    int Cursor() const { return cursor_; }
    void SetCursor(int cursor) { cursor_ = cursor; }
    QString Hint() const { return hint_; }
    void SetHint(const QString& hint) { hint_ = hint; }
    bool Border() const { return border_; }
    void SetBorder(bool border);
    TComponent* PopupMenu() const { return popupMenu_; }
    void SetPopupMenu(TComponent* menu) { popupMenu_ = menu; }
    bool Movable() const { return movable_; }
    bool Selectable() const { return selectable_; }
    void SetSelectable(bool selectable);
    int LayerGroup() const { return layerGroup_; }
    void SetLayerGroup(int group) { layerGroup_ = group; }
    TStringList* Appendix() { return appendix_.get(); }
    const TStringList* Appendix() const { return appendix_.get(); }
    // Called after every change of the object (sender = the object).
    void SetOnModify(std::function<void(TDrawObject*)> onModify) { onModify_ = std::move(onModify); }
    QString OnModifyHandler() const { return {}; }

    // Pixel bounds on the draw site (published for position only; never stored).
    QRect PixelBounds() const { return pixelBounds_; }
    void SetPixelBounds(const QRect& bounds) { pixelBounds_ = bounds; }
    int PixelLeft() const { return pixelBounds_.left(); }
    int PixelTop() const { return pixelBounds_.top(); }
    int PixelWidth() const { return pixelBounds_.width(); }
    int PixelHeight() const { return pixelBounds_.height(); }
    void SetPixelLeft(int) {}
    void SetPixelTop(int) {}
    void SetPixelWidth(int) {}
    void SetPixelHeight(int) {}

    // --- state ---------------------------------------------------------------------------
    bool Selected() const { return selected_; }
    bool PaintingFailed() const { return paintingFailed_; }
    bool IsPaintingCopy() const { return paintingCopy_; }
    TDrawSiteModel* Site() const { return site_; }
    bool IsOnDrawSite() const { return site_ != nullptr; }
    // The canvas the object is drawing on: the foreign canvas during PaintTo, else the
    // canvas of its site's current paint (nullptr outside painting).
    TCanvas* ActiveCanvas() const;

    TChangeNotify& Notifier() { return *notify_; }
    IBroadcaster& Broadcaster() override { return *notify_; }
    TListener& Listener() { return *listener_; }

    // --- virtual operations, in slot order -----------------------------------------------
    // The object's own drawing, in logical units of the canvas.
    virtual void Paint(TCanvas& canvas);
    virtual bool NeedsBlendedPaint() const;
    // Paints through the blended path when the object asks for it (on canvases whose pixels
    // cannot be read back the path draws a composed image), else through Paint.
    virtual void PaintContent(TCanvas& canvas);
    // Paints the object's coverage into an 8-bit alpha map whose canvas is mapped to
    // logical units; the default makes the whole map opaque (255).
    virtual void PaintMask(TCanvas& mask);
    // The object painted into a 24-bit bitmap covering the visible part of its bounds on
    // the target canvas (5 pixels more on every side), its mapping reset to pixels.
    virtual QImage RenderImage(TCanvas& target);
    // Reacts to notifications of sub-objects the object listens to.
    virtual void Notify(TObject* sender, const TNotifyId& id);
    virtual bool HitTest(QPoint logical) const = 0;
    // The enclosing rectangle of everything the object paints.
    virtual TRect GetBounds() const = 0;
    virtual void CreatePivots() = 0;
    virtual void AddGhost(int handleIndex) = 0;
    // Refused when the object is not Selectable; deselecting always succeeds.
    virtual void SetSelected(bool selected);
    virtual void SetMovable(bool movable);
    // Reports a change (once per update bracket) to listeners and the modification handler.
    virtual void Changed();
    // Draws the object onto a foreign canvas already mapped to logical units.
    virtual void PaintTo(TCanvas& canvas);

    // --- operations -------------------------------------------------------------------------
    // Screen paint on the site's canvas (device pixels, site origin): the failure marker
    // after an earlier paint error, the border, then the content in logical units. A paint
    // error is shown once and leaves the object showing the failure marker.
    void PaintOnSite(TCanvas& siteCanvas);
    void BringToFrontInGroup();
    void SendToBackInGroup();
    // Copies the source inside one update bracket: one ObjectChanged however much changes.
    void Assign(const TPersistent& source) override;
    // Asks the site to repaint the object.
    void Invalidate();
    // A mouse press on the object (not the second press of a double-click), at a point in
    // the object's own pixel coordinates: on a draw site, the site's press routine runs
    // with this object and handle index -1 at the point in the site's pixel coordinates.
    virtual void MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint local);

    // The blended paint path, installed by the graphics engine: returns false when it did
    // not run, and the object is then painted plainly.
    using BlendedPainter = bool (*)(TDrawObject& object, TCanvas& canvas, int ratio);
    static void SetBlendedPainter(BlendedPainter painter);

    void AssignTo(TPersistent& target) const override;

protected:
    // The paint that PaintTo and the screen path share, with the canvas made the
    // object's active canvas.
    void PaintWithActiveCanvas(TCanvas& canvas);

private:
    // Moves the object to the front (or the back) of the objects of its layer group.
    void MoveWithinLayerGroup(bool toFront);

    friend class TDrawSiteModel;
    void Modified();

    int cursor_ = 0;
    QString hint_;
    bool border_ = false;
    TComponent* popupMenu_ = nullptr;
    bool movable_ = true;
    bool selectable_ = true;
    int layerGroup_ = 0;
    std::unique_ptr<TStringList> appendix_;
    std::function<void(TDrawObject*)> onModify_;

    QRect pixelBounds_;
    bool selected_ = false;
    bool paintingFailed_ = false;
    bool paintingCopy_ = false;
    TCanvas* activeCanvas_ = nullptr;
    TDrawSiteModel* site_ = nullptr;
    std::unique_ptr<TChangeNotify> notify_;
    std::unique_ptr<TListener> listener_;
};
