#pragma once
// Counting the change notifications an object sends while a test acts on it.
#include "core/notify.h"

#include <functional>

namespace testsupport {

// How many times source announced id about itself while action ran; notifications that
// source only forwards from its parts are not counted.
template <class Source>
int NotificationsDuring(Source& source, const std::function<void()>& action, const TNotifyId& id = notify::ObjectChanged)
{
    int count = 0;
    TListener listener([&](TObject* sender, const TNotifyId& sent) {
        if (sender == &source && sent == id)
            ++count;
    });
    listener.Attach(&source.Broadcaster());
    action();
    return count;
}

} // namespace testsupport
