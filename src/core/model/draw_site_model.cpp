#include "core/model/draw_site_model.h"

#include "core/canvas/canvas.h"
#include "core/persistent/color_type.h"
#include "core/model/draw_object.h"

#include <algorithm>

LR_DEFINE_CLASS(TDrawSiteModel, TComponent, LR_CREATABLE(TDrawSiteModel),
    prop::Integer("LogWidth", &Self::LogWidth, &Self::SetLogWidth).Default(0),
    prop::Integer("LogHeight", &Self::LogHeight, &Self::SetLogHeight).Default(0),
    prop::Object("Scaler", &Self::ScalerObject, &Self::ScalerObject),
    prop::Boolean("Border", &Self::Border, &Self::SetBorder).Default(true),
    prop::Integer("Color", &Self::Color, &Self::SetColor, &ColorType).Default(clWindow))


TDrawSiteModel::TDrawSiteModel()
    : notify_(std::make_unique<TChangeNotify>(this)),
      listener_(std::make_unique<TListener>([this](TObject* sender, const TNotifyId& id) { ObjectNotify(sender, id); }))
{
    scaler_.SetOnChange([this](TScaler*) { Rescale(); });
}

TDrawSiteModel::~TDrawSiteModel()
{
    // Objects are destroyed front to back, each after it has left the list.
    while (!objects_.empty())
        RemoveObject(objects_.back().get()).reset();
    listener_.reset();
    notify_.reset();
}

void TDrawSiteModel::SetLogSize(int width, int height)
{
    if (width == logWidth_ && height == logHeight_)
        return;
    logWidth_ = width;
    logHeight_ = height;
    Rescale();
}

void TDrawSiteModel::Rescale()
{
    if (IsLoading())
        return;
    const TRect area = LogToDevRect({0, 0, logWidth_, logHeight_});
    pixelSize_ = QSize(RectWidth(area), RectHeight(area));
    for (const auto& object : objects_)
        PlaceObject(*object);
}

int TDrawSiteModel::DeviceResolution() const
{
    return paintCanvas_ ? DeviceDPI(*paintCanvas_) : ScreenDPI();
}

std::vector<TDrawObject*> TDrawSiteModel::Objects() const
{
    std::vector<TDrawObject*> objects;
    objects.reserve(objects_.size());
    for (const auto& object : objects_)
        objects.push_back(object.get());
    return objects;
}

int TDrawSiteModel::IndexOf(const TDrawObject* object) const
{
    const auto found = std::find_if(objects_.begin(), objects_.end(),
                                    [object](const auto& owned) { return owned.get() == object; });
    return found == objects_.end() ? -1 : static_cast<int>(found - objects_.begin());
}

TDrawObject* TDrawSiteModel::AddObject(std::unique_ptr<TDrawObject> owned)
{
    TDrawObject* object = owned.get();
    objects_.push_back(std::move(owned));
    object->site_ = this;
    PlaceObject(*object);
    listener_->Attach(&object->Broadcaster());
    object->BringToFrontInGroup();
    SetModified(true);
    return object;
}

std::unique_ptr<TDrawObject> TDrawSiteModel::RemoveObject(TDrawObject* object)
{
    if (IndexOf(object) < 0)
        return nullptr;
    DetachObject(object);
    return std::unique_ptr<TDrawObject>(object);
}

void TDrawSiteModel::DetachObject(TDrawObject* object)
{
    const int index = IndexOf(object);
    if (index < 0)
        return;
    objects_[index].release();
    objects_.erase(objects_.begin() + index);
    object->site_ = nullptr;
    listener_->Detach(&object->Broadcaster());
    if (object->Selected())
        notify_->Notify(object, notify::SelectChanged);
}

void TDrawSiteModel::MoveObject(TDrawObject* object, int index)
{
    const int current = IndexOf(object);
    if (current < 0)
        return;
    index = std::clamp(index, 0, ObjectCount() - 1);
    std::unique_ptr<TDrawObject> moving = std::move(objects_[current]);
    objects_.erase(objects_.begin() + current);
    objects_.insert(objects_.begin() + index, std::move(moving));
    InvalidateObject(*object);
}

TDrawObject* TDrawSiteModel::ObjectAt(QPoint logical) const
{
    for (auto it = objects_.rbegin(); it != objects_.rend(); ++it)
        if ((*it)->HitTest(logical))
            return it->get();
    return nullptr;
}

void TDrawSiteModel::ObjectMouseDown(TDrawObject&, Qt::MouseButton, Qt::KeyboardModifiers, QPoint, int)
{
}

void TDrawSiteModel::PlaceObject(TDrawObject& object)
{
    const TRect device = LogToDevRect(object.GetBounds());
    object.SetPixelBounds(QRect(device.Left, device.Top, RectWidth(device) + 1, RectHeight(device) + 1));
}

void TDrawSiteModel::InsertStreamedChild(std::unique_ptr<TComponent> child)
{
    auto* object = dynamic_cast<TDrawObject*>(child.get());
    if (!object) {
        TComponent::InsertStreamedChild(std::move(child));
        return;
    }
    // Children arrive in z-order: each goes to the front as it is read.
    child.release();
    objects_.emplace_back(object);
    object->site_ = this;
    listener_->Attach(&object->Broadcaster());
}

void TDrawSiteModel::Loaded()
{
    TComponent::Loaded();
    if (logWidth_ != 0 || logHeight_ != 0) {
        Rescale();
    } else {
        const QPoint size = DevToLog(QPoint(pixelSize_.width(), pixelSize_.height()));
        logWidth_ = size.x();
        logHeight_ = size.y();
    }
    SetModified(false);
}

void TDrawSiteModel::GetChildren(const std::function<void(TComponent&)>& proc) const
{
    for (const auto& object : objects_)
        proc(*object);
}

void TDrawSiteModel::SetModified(bool modified)
{
    if (modified == modified_)
        return;
    modified_ = modified;
    if (onModifyChanged_)
        onModifyChanged_(this);
}

void TDrawSiteModel::ObjectNotify(TObject* sender, const TNotifyId& id)
{
    notify_->Notify(sender, id);
}

void TDrawSiteModel::Paint(TCanvas& canvas)
{
    TCanvas* previous = std::exchange(paintCanvas_, &canvas);
    try {
        QPainter& painter = canvas.Painter();
        if (color_ != clNone)
            painter.fillRect(QRect(QPoint(0, 0), pixelSize_), ToQColor(color_));
        if (onPaint_) {
            TCanvasSaver saver(canvas, true);
            scaler_.ApplyMapping(canvas);
            onPaint_(this, canvas);
        }
        const QRect clip = canvas.HasClip() ? canvas.ClipRegion().boundingRect() : QRect(QPoint(0, 0), pixelSize_);
        for (TDrawObject* object : Objects())
            if (object->PixelBounds().intersects(clip))
                object->PaintOnSite(canvas);
        PaintAfter(canvas);
    } catch (...) {
        paintCanvas_ = previous;
        throw;
    }
    paintCanvas_ = previous;
}

void TDrawSiteModel::PaintAfter(TCanvas& canvas)
{
    if (onPaintAfter_) {
        TCanvasSaver saver(canvas, true);
        scaler_.ApplyMapping(canvas);
        onPaintAfter_(this, canvas);
    }
    if (border_) {
        TCanvasSaver saver(canvas, true);
        ResetToPixels(canvas);
        QPainter& painter = canvas.Painter();
        painter.setPen(QPen(Qt::black, 0));
        painter.setBrush(Qt::NoBrush);
        painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
        painter.drawRect(QRect(QPoint(0, 0), pixelSize_).adjusted(0, 0, -1, -1));
    }
}

void TDrawSiteModel::DrawTo(TCanvas& canvas, QPoint origin, int scale)
{
    TCanvas* previous = std::exchange(paintCanvas_, &canvas);
    const int savedScale = scaler_.Scale();
    const auto restore = [&] {
        paintCanvas_ = previous;
        scaler_.SetScale(savedScale);
    };
    try {
        TCanvasSaver saver(canvas, true);
        canvas.SetViewportOrg(canvas.ViewportOrg() + origin);
        scaler_.SetScale(scale);
        scaler_.ApplyMapping(canvas);
        if (onPaint_)
            onPaint_(this, canvas);
        for (TDrawObject* object : Objects())
            DrawObjectTo(*object, canvas);
        if (onPaintAfter_)
            onPaintAfter_(this, canvas);
    } catch (...) {
        restore();
        throw;
    }
    restore();
}

void TDrawSiteModel::DrawObjectTo(TDrawObject& object, TCanvas& canvas)
{
    object.PaintTo(canvas);
}
