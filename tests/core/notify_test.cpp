#include "core/error.h"
#include "core/messages.h"
#include "core/notify.h"

#include <gtest/gtest.h>

namespace {

struct Recorder {
    std::vector<std::pair<TObject*, TNotifyId>> received;
    TListener listener{[this](TObject* sender, const TNotifyId& id) { received.emplace_back(sender, id); }};
};

// A listener that never lets go of its broadcasters.
class StubbornListener : public IListener {
public:
    void Notify(TObject*, const TNotifyId&) override {}
    void Attached(IBroadcaster*) override {}
    void Detached(IBroadcaster*) override {}
};

class Owner : public TObject {};

} // namespace

TEST(Broadcaster, AttachTwiceKeepsOneEntry)
{
    Owner owner;
    TBroadcaster broadcaster(&owner);
    Recorder recorder;
    recorder.listener.Attach(&broadcaster);
    broadcaster.AttachListener(&recorder.listener);
    recorder.listener.Attach(&broadcaster);
    EXPECT_EQ(broadcaster.Listeners().size(), 1u);
    EXPECT_EQ(recorder.listener.Broadcasters().size(), 1u);
    broadcaster.Notify(&owner, notify::SelectChanged);
    ASSERT_EQ(recorder.received.size(), 1u);
    EXPECT_EQ(recorder.received[0].second, notify::SelectChanged);
    broadcaster.DetachListener(&recorder.listener);
    EXPECT_TRUE(recorder.listener.Broadcasters().empty());
}

TEST(ChangeNotify, BracketFoldsChangesIntoOne)
{
    Owner owner;
    TChangeNotify notify(&owner);
    Recorder recorder;
    recorder.listener.Attach(&notify);
    int onChange = 0;
    notify.SetOnChange([&](TChangeNotify*) { ++onChange; });

    notify.BeginUpdate();
    notify.Changed();
    notify.Changed();
    notify.BeginUpdate(); // nested bracket adds nothing
    notify.Changed();
    notify.EndUpdate();
    EXPECT_TRUE(recorder.received.empty());
    notify.EndUpdate();
    ASSERT_EQ(recorder.received.size(), 1u);
    EXPECT_EQ(recorder.received[0].first, &owner);
    EXPECT_EQ(recorder.received[0].second, notify::ObjectChanged);
    EXPECT_EQ(onChange, 1);

    notify.Changed(); // outside a bracket: at once
    EXPECT_EQ(recorder.received.size(), 2u);
    notify.BeginUpdate(); // a bracket without changes reports nothing
    notify.EndUpdate();
    EXPECT_EQ(recorder.received.size(), 2u);
}

TEST(Broadcaster, DestructionAnnouncesClosingAndDetaches)
{
    Owner owner;
    Recorder recorder;
    {
        TBroadcaster broadcaster(&owner);
        recorder.listener.Attach(&broadcaster);
    }
    ASSERT_EQ(recorder.received.size(), 1u);
    EXPECT_EQ(recorder.received[0].first, &owner);
    EXPECT_EQ(recorder.received[0].second, notify::BroadcasterClosing);
    EXPECT_TRUE(recorder.listener.Broadcasters().empty());
}

TEST(Listener, DestructionDetachesFromEveryBroadcaster)
{
    Owner owner;
    TBroadcaster a(&owner), b(&owner);
    {
        TListener listener;
        listener.Attach(&a);
        listener.Attach(&b);
    }
    EXPECT_TRUE(a.Listeners().empty());
    EXPECT_TRUE(b.Listeners().empty());
}

TEST(Broadcaster, PartnerThatDoesNotLeaveRaisesInfiniteLoop)
{
    Owner owner;
    TBroadcaster broadcaster(&owner);
    StubbornListener stubborn;
    broadcaster.AttachListener(&stubborn);
    try {
        broadcaster.Close();
        FAIL() << "no error";
    } catch (const EAppError& error) {
        EXPECT_EQ(error.Message(), QStringLiteral("fall into infinity loop."));
    }
}

TEST(Listener, BroadcasterThatDoesNotReleaseRaisesInfiniteLoop)
{
    class StubbornBroadcaster : public IBroadcaster {
    public:
        void AttachListener(IListener*) override {}
        void DetachListener(IListener*) override {}
    } stubborn;
    TListener listener;
    listener.Attach(&stubborn);
    EXPECT_THROW(listener.DetachAll(), EAppError);
}
