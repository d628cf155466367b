#pragma once
// TDrawSiteModel: the host of a face's draw objects. It owns its objects in an ordered
// list whose order is the z-order (index 0 back-most), converts between logical units and
// device pixels through its scaler, keeps the modified flag, forwards the objects'
// notifications to its own listeners, and paints its objects onto the screen canvas or
// onto any foreign canvas. The editing surface (the draw site) grows from it.
#include "core/persistent/component.h"
#include "core/notify.h"
#include "core/canvas/scaler.h"

#include <functional>
#include <memory>
#include <vector>

class TDrawObject;

class TDrawSiteModel : public TComponent, public IBroadcasterAccess {
    LR_CLASS(TDrawSiteModel, TComponent)
public:
    TDrawSiteModel();
    ~TDrawSiteModel() override;

    // --- area and zoom -----------------------------------------------------------------
    int LogWidth() const { return logWidth_; }
    void SetLogWidth(int width) { SetLogSize(width, logHeight_); }
    int LogHeight() const { return logHeight_; }
    void SetLogHeight(int height) { SetLogSize(logWidth_, height); }
    void SetLogSize(int width, int height);
    TScaler& Scaler() { return scaler_; }
    const TScaler& Scaler() const { return scaler_; }
    // The scaler as the published sub-object "Scaler".
    TScaler* ScalerObject() { return &scaler_; }
    const TScaler* ScalerObject() const { return &scaler_; }
    // Re-derives the pixel size and every object's pixel bounds from the logical ones.
    void Rescale();
    // The area's size in device pixels.
    QSize PixelSize() const { return pixelSize_; }
    // The resolution the site converts with: its active canvas's, else the screen's.
    virtual int DeviceResolution() const;
    // The part of the area the user sees, in device pixels (all of it for a model).
    virtual QRect VisibleClientRect() const { return QRect(QPoint(0, 0), pixelSize_); }

    bool Border() const { return border_; }
    void SetBorder(bool border) { border_ = border; }
    // Background colour as 0x00BBGGRR; 0x1FFFFFFF leaves the background unpainted.
    int Color() const { return color_; }
    void SetColor(int color) { color_ = color; }

    // --- objects ----------------------------------------------------------------------
    int ObjectCount() const { return static_cast<int>(objects_.size()); }
    TDrawObject* Object(int index) const { return objects_.at(index).get(); }
    // The objects in z-order, as a copy that stays valid while objects move or leave.
    std::vector<TDrawObject*> Objects() const;
    int IndexOf(const TDrawObject* object) const;
    // Takes the object: places it, brings it to the front of its layer group, listens to
    // it and sets the modified flag.
    TDrawObject* AddObject(std::unique_ptr<TDrawObject> object);
    // Gives the object back to the caller.
    std::unique_ptr<TDrawObject> RemoveObject(TDrawObject* object);
    void MoveObject(TDrawObject* object, int index);
    // The front-most object whose own hit test accepts the logical point, or nullptr.
    TDrawObject* ObjectAt(QPoint logical) const;
    // The press routine for a press on an object (handleIndex -1) or on one of its handles,
    // at a point in the site's pixel coordinates. The model has no selection behaviour of
    // its own; the editing site decides what a press does.
    virtual void ObjectMouseDown(TDrawObject& object, Qt::MouseButton button, Qt::KeyboardModifiers modifiers,
                                 QPoint sitePixel, int handleIndex);
    // Sets the object's pixel bounds from its logical bounds (widened by one pixel to the
    // right and downwards).
    void PlaceObject(TDrawObject& object);
    void GetChildren(const std::function<void(TComponent& child)>& proc) const override;
    // Draw objects read from a stream join the site in stream order.
    void InsertStreamedChild(std::unique_ptr<TComponent> child) override;
    // After reading: pixel bounds from the logical size, or the logical size from the
    // pixel size when none was stored; the modified flag is cleared.
    void Loaded() override;

    // --- modified flag ----------------------------------------------------------------
    bool Modified() const { return modified_; }
    void SetModified(bool modified);
    void SetOnModifyChanged(std::function<void(TDrawSiteModel*)> handler) { onModifyChanged_ = std::move(handler); }

    // --- conversions (at DeviceResolution) -----------------------------------------------
    QPoint LogToDev(QPoint logical) const { return scaler_.LogToDev(DeviceResolution(), logical); }
    QPoint DevToLog(QPoint device) const { return scaler_.DevToLog(DeviceResolution(), device); }
    TRect LogToDevRect(const TRect& logical) const { return scaler_.LogToDevRect(DeviceResolution(), logical); }

    // --- painting ----------------------------------------------------------------------
    using PaintHandler = std::function<void(TDrawSiteModel* site, TCanvas& canvas)>;
    // Called with the canvas mapped to logical units: before the objects (face shape,
    // grid, guides) and after them.
    void SetOnPaint(PaintHandler handler) { onPaint_ = std::move(handler); }
    void SetOnPaintAfter(PaintHandler handler) { onPaintAfter_ = std::move(handler); }
    // Screen paint onto a canvas in device pixels with the site's origin: background,
    // OnPaint, each object's screen paint, OnPaintAfter, border.
    void Paint(TCanvas& canvas);
    // Renders the whole site onto a foreign canvas (export, preview, printing) at the
    // given device origin and zoom; scale and active canvas are restored even on failure.
    void DrawTo(TCanvas& canvas, QPoint origin, int scale);
    // The canvas being painted on, or nullptr.
    TCanvas* PaintCanvas() const { return paintCanvas_; }
    virtual void InvalidateObject(const TDrawObject&) {}

    IBroadcaster& Broadcaster() override { return *notify_; }
    TChangeNotify& Notifier() { return *notify_; }

protected:
    // Reacts to notifications of the site's objects and forwards them to its listeners.
    virtual void ObjectNotify(TObject* sender, const TNotifyId& id);
    // Draws one object during DrawTo (a site may skip objects or act after each).
    virtual void DrawObjectTo(TDrawObject& object, TCanvas& canvas);

private:
    friend class TDrawObject;
    // Takes the object off the list and gives up its ownership without destroying it; an
    // object being destroyed while on the site calls it from its destructor.
    void DetachObject(TDrawObject* object);
    void PaintAfter(TCanvas& canvas);

    int logWidth_ = 0;
    int logHeight_ = 0;
    QSize pixelSize_;
    TScaler scaler_;
    bool border_ = true;
    int color_ = static_cast<int>(0x80000005); // clWindow
    bool modified_ = false;
    std::vector<std::unique_ptr<TDrawObject>> objects_;
    TCanvas* paintCanvas_ = nullptr;
    std::function<void(TDrawSiteModel*)> onModifyChanged_;
    PaintHandler onPaint_;
    PaintHandler onPaintAfter_;
    std::unique_ptr<TChangeNotify> notify_;
    std::unique_ptr<TListener> listener_;
};
