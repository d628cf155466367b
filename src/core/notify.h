#pragma once
// Change notification: broadcasters deliver (sender, notification id) pairs to the
// listeners attached to them, in attach order, synchronously. TChangeNotify folds any
// number of changes inside an update bracket into one ObjectChanged.
#include "core/persistent/object.h"

#include <QUuid>
#include <functional>
#include <vector>

using TNotifyId = QUuid;

namespace notify {
// The content of the sender changed (sent by TChangeNotify).
inline const TNotifyId ObjectChanged{0x1153AE63, 0x523C, 0x11D3, 0xAD, 0x37, 0x00, 0x50, 0x04, 0x63, 0x09, 0x8A};
// A draw object's selected state changed, or a selected object left its draw site.
inline const TNotifyId SelectChanged{0xB423E361, 0x44C6, 0x11D3, 0xAD, 0x13, 0x00, 0x50, 0x04, 0x63, 0x09, 0x8A};
// A draw object's Movable property changed.
inline const TNotifyId MovableChanged{0xB45F6E91, 0x458A, 0x11D3, 0xAD, 0x15, 0x00, 0x50, 0x04, 0x63, 0x09, 0x8A};
// A label object's DontPrint property changed.
inline const TNotifyId DontPrintChanged{0xB45F6E92, 0x458A, 0x11D3, 0xAD, 0x15, 0x00, 0x50, 0x04, 0x63, 0x09, 0x8A};
// A broadcaster is being destroyed; the sender is its owner.
inline const TNotifyId BroadcasterClosing{0xFF0E0940, 0x2D29, 0x11D3, 0xAC, 0xCC, 0x00, 0x50, 0x04, 0x63, 0x09, 0x8A};
} // namespace notify

class IListener;

// {D945C5B0-29DA-11D3-ACA5-00500463098A}
class IBroadcaster {
public:
    virtual void AttachListener(IListener* listener) = 0;
    virtual void DetachListener(IListener* listener) = 0;

protected:
    ~IBroadcaster() = default;
};

// {D945C5B1-29DA-11D3-ACA5-00500463098A}
class IListener {
public:
    virtual void Notify(TObject* sender, const TNotifyId& id) = 0;
    virtual void Attached(IBroadcaster* broadcaster) = 0;
    virtual void Detached(IBroadcaster* broadcaster) = 0;

protected:
    ~IListener() = default;
};

// Answered by objects that own a broadcaster, so that panels and owners can listen to them.
class IBroadcasterAccess {
public:
    virtual IBroadcaster& Broadcaster() = 0;

protected:
    ~IBroadcasterAccess() = default;
};

class TBroadcaster : public IBroadcaster {
public:
    explicit TBroadcaster(TObject* owner) : owner_(owner) {}
    TBroadcaster(const TBroadcaster&) = delete;
    TBroadcaster& operator=(const TBroadcaster&) = delete;
    // Closes the broadcaster (see Close); a failure is reported through the error display.
    virtual ~TBroadcaster();

    void AttachListener(IListener* listener) override;
    void DetachListener(IListener* listener) override;

    // Calls every listener in list order with (sender, id).
    void Notify(TObject* sender, const TNotifyId& id);

    // Announces BroadcasterClosing with the owner as sender, then detaches every listener.
    // Raises "fall into infinity loop." when a listener does not leave the list.
    void Close();

    TObject* Owner() const { return owner_; }
    const std::vector<IListener*>& Listeners() const { return listeners_; }

private:
    TObject* owner_;
    std::vector<IListener*> listeners_;
    bool closed_ = false;
};

class TListener : public IListener {
public:
    using Callback = std::function<void(TObject* sender, const TNotifyId& id)>;

    explicit TListener(Callback callback = {}) : callback_(std::move(callback)) {}
    TListener(const TListener&) = delete;
    TListener& operator=(const TListener&) = delete;
    // Detaches from every broadcaster (see DetachAll); a failure is reported through the
    // error display.
    virtual ~TListener();

    void Notify(TObject* sender, const TNotifyId& id) override;
    void Attached(IBroadcaster* broadcaster) override;
    void Detached(IBroadcaster* broadcaster) override;

    // Connects or disconnects both sides with one call.
    void Attach(IBroadcaster* broadcaster) { Attached(broadcaster); }
    void Detach(IBroadcaster* broadcaster) { Detached(broadcaster); }

    // Detaches from the first broadcaster until none is left. Raises "fall into infinity
    // loop." when a broadcaster does not release the listener.
    void DetachAll();

    void SetCallback(Callback callback) { callback_ = std::move(callback); }
    const std::vector<IBroadcaster*>& Broadcasters() const { return broadcasters_; }

private:
    Callback callback_;
    std::vector<IBroadcaster*> broadcasters_;
};

class TChangeNotify : public TBroadcaster {
public:
    explicit TChangeNotify(TObject* owner) : TBroadcaster(owner) {}

    void BeginUpdate();
    void EndUpdate();
    void Changed();
    // Stores value into field and announces the change, only when the value differs.
    template <class T>
    void Store(T& field, const T& value)
    {
        if (field == value)
            return;
        field = value;
        Changed();
    }

    int UpdateCount() const { return updateCount_; }
    void SetOnChange(std::function<void(TChangeNotify*)> onChange) { onChange_ = std::move(onChange); }

private:
    int updateCount_ = 0;
    bool pending_ = false;
    std::function<void(TChangeNotify*)> onChange_;
};

// Keeps a change notifier's update bracket open for a scope.
class TUpdateBracket {
public:
    explicit TUpdateBracket(TChangeNotify& notify) : notify_(notify) { notify_.BeginUpdate(); }
    ~TUpdateBracket() noexcept(false) { notify_.EndUpdate(); }
    TUpdateBracket(const TUpdateBracket&) = delete;
    TUpdateBracket& operator=(const TUpdateBracket&) = delete;

private:
    TChangeNotify& notify_;
};
