#include "FrameworkProbes.h"

#include "framework/Platform.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

TEST(ApplicationTest, CurrentIsTheLiveApplication)
{
    THeadlessDesktop desktop;
    EXPECT_EQ(TApplication::Current(), nullptr);
    {
        TProbeApp app;
        EXPECT_EQ(TApplication::Current(), &app);
    }
    EXPECT_EQ(TApplication::Current(), nullptr);
}

struct TCmdLineCase {
    std::vector<std::string> Args;
    const char* Line;
};

class CommandLineTest : public ::testing::TestWithParam<TCmdLineCase> {};

TEST_P(CommandLineTest, JoinsTheArgumentsAfterTheProgramName)
{
    THeadlessDesktop desktop;
    TProbeApp app(GetParam().Args);
    EXPECT_EQ(app.GetCmdLine(), GetParam().Line);
}

INSTANTIATE_TEST_SUITE_P(Lines, CommandLineTest,
                         ::testing::Values(TCmdLineCase{{}, ""}, TCmdLineCase{{"a.txt"}, "a.txt"},
                                           TCmdLineCase{{"-p", "my", "file.txt"}, "-p my file.txt"},
                                           TCmdLineCase{{"\"C:\\a b.txt\""}, "\"C:\\a b.txt\""}));

TEST(ApplicationTest, InitInstanceCreatesAndShowsADefaultMainWindow)
{
    THeadlessDesktop desktop;
    TProbeApp app;
    app.CmdShow = SW_SHOWMAXIMIZED;
    app.InitInstance();
    ASSERT_NE(app.GetMainWindow(), nullptr);
    EXPECT_EQ(app.GetMainWindow()->GetCaption(), "Probe");
    EXPECT_EQ(desktop.Peer(*app.GetMainWindow()).ShowState(), SW_SHOWMAXIMIZED);
}

// An application whose start posts what its main window then handles.
class TStartingApp : public TProbeApp {
public:
    std::vector<TMsg> ToPost;
    void InitInstance() override
    {
        TProbeApp::InitInstance();
        for (const TMsg& msg : ToPost)
            GetMainWindow()->PostMessage(msg.Message, msg.WParam, msg.LParam);
    }
    intptr_t EvAppMessage(const TMsg& msg) override
    {
        Platform::QuitMessageLoop(int(msg.WParam));
        return TProbeApp::EvAppMessage(msg);
    }
};

TEST(ApplicationRunTest, RunsTheLoopUntilQuitAndReturnsItsCode)
{
    THeadlessDesktop desktop;
    TStartingApp app;
    app.ToPost = {TMsg{nullptr, WM_USER + 1, 7, 0}, TMsg{nullptr, WM_USER + 2, 9, 0}};
    EXPECT_EQ(app.Run(), 7);
    EXPECT_EQ(app.AppMessages.size(), 1u);  // the loop stopped at the quit
    EXPECT_EQ(app.GetMainWindow(), nullptr);
}

TEST(ApplicationRunTest, ClosingTheMainWindowEndsTheRun)
{
    THeadlessDesktop desktop;
    TStartingApp app;
    app.ToPost = {TMsg{nullptr, WM_CLOSE, 0, 0}};
    EXPECT_EQ(app.Run(), 0);
    EXPECT_EQ(desktop.QuitCode(), 0);
    EXPECT_EQ(app.GetMainWindow(), nullptr);
}

TEST(ApplicationRunTest, IdleProcessingRunsWhenTheQueueIsEmpty)
{
    THeadlessDesktop desktop;
    TStartingApp app;
    EXPECT_EQ(app.Run(), 0);
    EXPECT_GE(app.IdleCalls, 1);
}

TEST(ApplicationRunTest, TheLoopPaintsWhatIsInvalid)
{
    THeadlessDesktop desktop;
    struct TPaintingApp : TStartingApp {
        int Paints = 0;
        struct TClient : TWindow {
            int* Count = nullptr;
            void Paint(TDC&, bool, TRect&) override { ++*Count; }
        } Client;
        void InitMainWindow() override
        {
            Client.Count = &Paints;
            SetMainWindow(std::make_unique<TFrameWindow>(nullptr, "Paint", &Client));
        }
    } app;
    app.Run();
    EXPECT_EQ(app.Paints, 0);  // nothing was invalid
    app.InitInstance();
    app.Client.Invalidate();
    desktop.RunMessageLoop(app);
    EXPECT_EQ(app.Paints, 1);
    app.DestroyMainWindow();
}

// --- errors that escape handlers -----------------------------------------------------------

struct TThrowingWindow : TWindow {
    void EvKeyDown(unsigned, unsigned, unsigned) override { throw std::runtime_error("Unable to get font metrics"); }
};

TEST(ApplicationErrorTest, AnEscapedErrorIsShownAndTheProgramGoesOn)
{
    THeadlessDesktop desktop;
    TProbeApp app;
    app.InitInstance();
    TThrowingWindow window;
    EXPECT_NO_THROW(DispatchMsg(TMsg{&window, WM_KEYDOWN, 'A', 1}));
    EXPECT_EQ(app.Errors, std::vector<std::string>{"Unable to get font metrics"});
    ASSERT_EQ(desktop.Dialogs().MessageBoxes().size(), 1u);
    const THeadlessMessageBox& box = desktop.Dialogs().MessageBoxes()[0];
    EXPECT_EQ(box.Text, "Unable to get font metrics");
    EXPECT_EQ(box.Caption, "Probe");
    EXPECT_EQ(box.Owner, app.GetMainWindow());
    EXPECT_TRUE(box.Flags & MB_ICONSTOP);
}

TEST(ApplicationErrorTest, WithoutAnApplicationTheErrorPropagates)
{
    THeadlessDesktop desktop;
    TThrowingWindow window;
    EXPECT_THROW(DispatchMsg(TMsg{&window, WM_KEYDOWN, 'A', 1}), std::runtime_error);
}

}  // namespace
