#include "editing/site/notify_catcher.h"

#include "editing_fixture.h"

namespace {

class NotifyCatcherTest : public EditingTest {
protected:
    std::vector<std::function<void()>> posted;
    TDSNotifyCatcher catcher{[this](std::function<void()> callback) { posted.push_back(std::move(callback)); }};
    int selects = 0;
    int movables = 0;

    void SetUp() override
    {
        catcher.OnSelectChanged = [this] { ++selects; };
        catcher.OnMovableChanged = [this] { ++movables; };
        catcher.SetDrawSite(&site);
    }
    void RunIdle()
    {
        auto callbacks = std::move(posted);
        posted.clear();
        for (auto& callback : callbacks)
            callback();
    }
};

TEST_F(NotifyCatcherTest, FoldsNotificationsIntoOneEventEachAtIdle)
{
    TTestRect* a = Add<TTestRect>(TRect(0, 0, 10, 10));
    TTestRect* b = Add<TTestRect>(TRect(20, 0, 30, 10));
    site.SelectAll(true);
    a->SetMovable(false);
    b->SetMovable(false);
    EXPECT_EQ(selects, 0);
    EXPECT_EQ(posted.size(), 1u);
    RunIdle();
    EXPECT_EQ(selects, 1);
    EXPECT_EQ(movables, 1);
    RunIdle();
    EXPECT_EQ(selects, 1);
}

TEST_F(NotifyCatcherTest, FiresAtOnceWithoutWaitingAndLetsGoOfAClosingSite)
{
    catcher.WaitIdle = false;
    Add<TTestRect>(TRect(0, 0, 10, 10))->SetSelected(true);
    EXPECT_EQ(selects, 1);
    bool detached = false;
    catcher.OnDrawSiteDetached = [&] { detached = true; };
    {
        TEditSite other(context);
        catcher.SetDrawSite(&other);
    }
    EXPECT_TRUE(detached);
    EXPECT_EQ(catcher.DrawSite(), nullptr);
}

TEST_F(NotifyCatcherTest, AnIdleCallbackAfterTheCatcherIsGoneDoesNothing)
{
    auto own = std::make_unique<TDSNotifyCatcher>([this](std::function<void()> callback) { posted.push_back(std::move(callback)); });
    int ownSelects = 0;
    own->OnSelectChanged = [&] { ++ownSelects; };
    own->SetDrawSite(&site);
    Add<TTestRect>(TRect(0, 0, 10, 10))->SetSelected(true);
    own.reset();
    RunIdle();
    EXPECT_EQ(ownSelects, 0);
    EXPECT_EQ(selects, 1);
}

} // namespace

namespace {

TEST(EditContextTest, TheNewestLivingContextAnswersTheModel)
{
    IDesignerRegistry* outside = DesignerRegistry();
    auto first = std::make_unique<TEditContext>();
    auto second = std::make_unique<TEditContext>();
    EXPECT_EQ(DesignerRegistry(), second.get());
    first.reset(); // out of order: the second keeps answering
    EXPECT_EQ(DesignerRegistry(), second.get());
    auto third = std::make_unique<TEditContext>();
    third.reset();
    EXPECT_EQ(DesignerRegistry(), second.get());
    second.reset();
    EXPECT_EQ(DesignerRegistry(), outside);
}

} // namespace
