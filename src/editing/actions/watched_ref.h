#pragma once
// A reference to an object that owns a broadcaster, forgotten as soon as the object
// announces that it closes, so that actions and ghosts never reach a freed object.
#include "core/notify.h"

#include <functional>

template <class T>
class TWatchedRef {
public:
    // onChanged runs on every ObjectChanged the object announces about itself.
    explicit TWatchedRef(T* object = nullptr, std::function<void()> onChanged = {})
        : onChanged_(std::move(onChanged)), listener_([this](TObject* sender, const TNotifyId& id) { Notify(sender, id); })
    {
        Reset(object);
    }
    TWatchedRef(const TWatchedRef&) = delete;
    TWatchedRef& operator=(const TWatchedRef&) = delete;

    T* Get() const { return object_; }
    T* operator->() const { return object_; }
    explicit operator bool() const { return object_ != nullptr; }

    void Reset(T* object)
    {
        if (object_)
            listener_.Detach(&object_->Broadcaster());
        object_ = object;
        if (object_)
            listener_.Attach(&object_->Broadcaster());
    }

private:
    void Notify(TObject* sender, const TNotifyId& id)
    {
        if (sender != static_cast<TObject*>(object_))
            return;
        if (id == notify::BroadcasterClosing) {
            // The closing broadcaster detaches every listener itself once it has told them.
            object_ = nullptr;
        } else if (id == notify::ObjectChanged && onChanged_) {
            onChanged_();
        }
    }

    T* object_ = nullptr;
    std::function<void()> onChanged_;
    TListener listener_;
};
