// The posted-message queue and the loops around it: coalescing, the paced
// pump, the timed wait, idle processing and quitting.
#include "framework/Application.h"
#include "framework/Platform.h"
#include "framework/qt/QtTestAccess.h"
#include "tests/widget/WidgetTestSupport.h"

#include <QTimer>

#include <optional>

#include <gtest/gtest.h>

namespace {

constexpr unsigned Note = WM_USER + 7;

class MessageLoopTest : public ::testing::Test {
protected:
    TRecordingWindow Window;

    void SetUp() override
    {
        ShowWindow(Window);
        Window.Clear();
    }

    size_t Notes() const { return Window.Only({Note}).size(); }
};

TEST_F(MessageLoopTest, AMessageIdenticalToOneStillWaitingIsNotQueuedTwice)
{
    Window.PostMessage(Note, 1, 2);
    Window.PostMessage(Note, 1, 2);
    Window.PostMessage(Note, 1, 3);
    Window.PostMessage(WM_ENTERIDLE);
    Window.PostMessage(WM_ENTERIDLE);
    EXPECT_EQ(Notes(), 0u);  // never inside PostMessage
    Settle();
    EXPECT_EQ(Notes(), 2u);
    EXPECT_EQ(Window.Only({WM_ENTERIDLE}).size(), 1u);
    Window.PostMessage(Note, 1, 2);  // no longer waiting: queued again
    Settle();
    EXPECT_EQ(Notes(), 3u);
}

TEST_F(MessageLoopTest, TheQueueIsDispatchedByThePumpTheTimedWaitAndQtsOwnLoop)
{
    Window.PostMessage(Note);
    Platform::WaitAndDispatch(50);
    EXPECT_EQ(Notes(), 1u);

    Window.PostMessage(Note);
    QTimer::singleShot(30, [] {});  // the pump looks again once its pace allows
    Platform::WaitAndDispatch(50);
    Platform::PumpWaitingMessages();
    Settle();
    EXPECT_EQ(Notes(), 2u);
}

TEST_F(MessageLoopTest, PostedMessagesOfADestroyedWindowAreDropped)
{
    // A window made anew in the same place must not get the old one's message.
    std::optional<TRecordingWindow> other;
    other.emplace();
    const TWindow* place = &*other;
    ShowWindow(*other);
    other->PostMessage(Note);
    other.reset();
    other.emplace();
    ASSERT_EQ(&*other, place);
    ShowWindow(*other);  // lets the queue run
    Window.PostMessage(Note);
    Settle();
    EXPECT_EQ(Notes(), 1u);  // the queue still runs
    EXPECT_TRUE(other->Only({Note}).empty());
}

// Idle processing runs each time the loop is about to wait, with a count
// that grows while it asks for more.
class TIdleApp : public TApplication {
public:
    TIdleApp() : TApplication("Idle", TestArgc(), TestArgv()) {}
    bool IdleAction(long idleCount) override
    {
        Counts.push_back(idleCount);
        if (Counts.size() == 4)
            Platform::QuitMessageLoop(5);
        const bool more = idleCount < 2;
        if (!more)
            QTimer::singleShot(1, [] {});  // an event that ends the wait
        return more;
    }
    std::vector<long> Counts;
};

TEST(MessageLoopIdleTest, IdleActionRunsWhileItAsksForMoreThenTheLoopWaits)
{
    TIdleApp app;
    EXPECT_EQ(Platform::RunMessageLoop(app), 5);
    ASSERT_GE(app.Counts.size(), 4u);
    EXPECT_EQ(app.Counts[0], 0);
    EXPECT_EQ(app.Counts[1], 1);
    EXPECT_EQ(app.Counts[2], 2);
    EXPECT_EQ(app.Counts[3], 0);  // a new idle period starts from 0
}

TEST(MessageLoopIdleTest, AQuitAskedForBeforeTheLoopEndsItAtOnce)
{
    TIdleApp app;
    Platform::QuitMessageLoop(3);
    EXPECT_EQ(Platform::RunMessageLoop(app), 3);
    EXPECT_TRUE(app.Counts.empty());
}

}  // namespace
