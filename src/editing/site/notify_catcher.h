#pragma once
// TDSNotifyCatcher: listens to a draw site for forms and panels. Selection and movability
// changes are folded into one event each, fired at once or at the next idle moment; the
// catcher lets go of a site that closes.
#include "core/notify.h"

#include <functional>

class TDrawSiteModel;

class TDSNotifyCatcher {
public:
    // Runs a callback once the application is idle; the default posts it to the event loop.
    using PostToIdle = std::function<void(std::function<void()> callback)>;

    explicit TDSNotifyCatcher(PostToIdle postToIdle = {});
    TDSNotifyCatcher(const TDSNotifyCatcher&) = delete;
    TDSNotifyCatcher& operator=(const TDSNotifyCatcher&) = delete;
    ~TDSNotifyCatcher();

    TDrawSiteModel* DrawSite() const { return site_; }
    void SetDrawSite(TDrawSiteModel* site);

    bool WaitIdle = true;
    std::function<void()> OnSelectChanged;
    std::function<void()> OnMovableChanged;
    std::function<void()> OnDrawSiteAttached;
    std::function<void()> OnDrawSiteDetached;

private:
    void Notify(TObject* sender, const TNotifyId& id);
    void Schedule();
    void FirePending();

    PostToIdle postToIdle_;
    TDrawSiteModel* site_ = nullptr;
    TListener listener_;
    bool selectPending_ = false;
    bool movablePending_ = false;
    bool scheduled_ = false;
    // Shared with posted callbacks, so that a callback that runs after the catcher is gone
    // does nothing.
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};
