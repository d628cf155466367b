#include "editing/site/notify_catcher.h"

#include "core/model/draw_site_model.h"

#include <QCoreApplication>
#include <QTimer>

TDSNotifyCatcher::TDSNotifyCatcher(PostToIdle postToIdle)
    : postToIdle_(std::move(postToIdle)), listener_([this](TObject* sender, const TNotifyId& id) { Notify(sender, id); })
{
    if (!postToIdle_)
        postToIdle_ = [](std::function<void()> callback) {
            QTimer::singleShot(0, QCoreApplication::instance(), std::move(callback));
        };
}

TDSNotifyCatcher::~TDSNotifyCatcher()
{
    *alive_ = false;
    if (site_)
        listener_.Detach(&site_->Broadcaster());
}

void TDSNotifyCatcher::SetDrawSite(TDrawSiteModel* site)
{
    if (site == site_)
        return;
    if (site_)
        listener_.Detach(&site_->Broadcaster());
    site_ = site;
    if (site_) {
        listener_.Attach(&site_->Broadcaster());
        if (OnDrawSiteAttached)
            OnDrawSiteAttached();
    } else if (OnDrawSiteDetached) {
        OnDrawSiteDetached();
    }
}

void TDSNotifyCatcher::Notify(TObject* sender, const TNotifyId& id)
{
    if (id == notify::BroadcasterClosing && sender == static_cast<TObject*>(site_)) {
        // The closing broadcaster detaches its listeners itself.
        site_ = nullptr;
        if (OnDrawSiteDetached)
            OnDrawSiteDetached();
        return;
    }
    if (id == notify::SelectChanged && OnSelectChanged)
        selectPending_ = true;
    else if (id == notify::MovableChanged && OnMovableChanged)
        movablePending_ = true;
    else
        return;
    if (WaitIdle)
        Schedule();
    else
        FirePending();
}

void TDSNotifyCatcher::Schedule()
{
    if (scheduled_)
        return;
    scheduled_ = true;
    postToIdle_([this, alive = alive_] {
        if (!*alive)
            return;
        scheduled_ = false;
        FirePending();
    });
}

void TDSNotifyCatcher::FirePending()
{
    if (std::exchange(selectPending_, false) && OnSelectChanged)
        OnSelectChanged();
    if (std::exchange(movablePending_, false) && OnMovableChanged)
        OnMovableChanged();
}
