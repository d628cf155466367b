#include "core/notify.h"

#include "core/error.h"
#include "core/messages.h"

#include <algorithm>

namespace {

const QString kInfiniteLoop = QStringLiteral("fall into infinity loop.");

template <class T>
bool Contains(const std::vector<T*>& list, T* item)
{
    return std::find(list.begin(), list.end(), item) != list.end();
}

template <class T>
void Remove(std::vector<T*>& list, T* item)
{
    list.erase(std::remove(list.begin(), list.end(), item), list.end());
}

} // namespace

TBroadcaster::~TBroadcaster()
{
    try {
        Close();
    } catch (const std::exception& error) {
        ShowError(error);
    }
}

void TBroadcaster::AttachListener(IListener* listener)
{
    if (!listener || Contains(listeners_, listener))
        return;
    listeners_.push_back(listener);
    listener->Attached(this);
}

void TBroadcaster::DetachListener(IListener* listener)
{
    if (!Contains(listeners_, listener))
        return;
    Remove(listeners_, listener);
    listener->Detached(this);
}

void TBroadcaster::Notify(TObject* sender, const TNotifyId& id)
{
    // A listener may detach itself (or others) while being told; walk a snapshot and skip
    // those that left in the meantime.
    const std::vector<IListener*> snapshot = listeners_;
    for (IListener* listener : snapshot)
        if (Contains(listeners_, listener))
            listener->Notify(sender, id);
}

void TBroadcaster::Close()
{
    if (closed_)
        return;
    closed_ = true;
    Notify(owner_, notify::BroadcasterClosing);
    while (!listeners_.empty()) {
        const auto count = listeners_.size();
        listeners_.front()->Detached(this);
        if (listeners_.size() == count) {
            listeners_.clear();
            throw EAppError(kInfiniteLoop);
        }
    }
}

TListener::~TListener()
{
    try {
        DetachAll();
    } catch (const std::exception& error) {
        ShowError(error);
    }
}

void TListener::Notify(TObject* sender, const TNotifyId& id)
{
    if (callback_)
        callback_(sender, id);
}

void TListener::Attached(IBroadcaster* broadcaster)
{
    if (!broadcaster || Contains(broadcasters_, broadcaster))
        return;
    broadcasters_.push_back(broadcaster);
    broadcaster->AttachListener(this);
}

void TListener::Detached(IBroadcaster* broadcaster)
{
    if (!Contains(broadcasters_, broadcaster))
        return;
    Remove(broadcasters_, broadcaster);
    broadcaster->DetachListener(this);
}

void TListener::DetachAll()
{
    while (!broadcasters_.empty()) {
        const auto count = broadcasters_.size();
        // The broadcaster releases the listener and calls back Detached.
        broadcasters_.front()->DetachListener(this);
        if (broadcasters_.size() == count) {
            broadcasters_.clear();
            throw EAppError(kInfiniteLoop);
        }
    }
}

void TChangeNotify::BeginUpdate()
{
    if (updateCount_ == 0)
        pending_ = false;
    ++updateCount_;
}

void TChangeNotify::EndUpdate()
{
    if (updateCount_ == 0)
        return;
    --updateCount_;
    if (updateCount_ == 0 && pending_) {
        pending_ = false;
        Notify(Owner(), notify::ObjectChanged);
        if (onChange_)
            onChange_(this);
    }
}

void TChangeNotify::Changed()
{
    BeginUpdate();
    pending_ = true;
    EndUpdate();
}
