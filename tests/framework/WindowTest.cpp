#include "FrameworkProbes.h"

#include "framework/Platform.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

bool HasChild(const TWindow& parent, const TWindow* child)
{
    return std::find(parent.Children().begin(), parent.Children().end(), child) != parent.Children().end();
}

// --- the tree ---------------------------------------------------------------------------

TEST(WindowTreeTest, AWindowMadeWithAParentIsItsChild)
{
    TWindow parent;
    TWindow child(&parent);
    EXPECT_EQ(child.GetParent(), &parent);
    EXPECT_TRUE(HasChild(parent, &child));
}

TEST(WindowTreeTest, SetParentMovesTheWindow)
{
    TWindow first, second;
    TWindow child(&first);
    child.SetParent(&second);
    EXPECT_FALSE(HasChild(first, &child));
    EXPECT_TRUE(HasChild(second, &child));
    child.SetParent(nullptr);
    EXPECT_TRUE(second.Children().empty());
}

TEST(WindowTreeTest, AChildThatGoesLeavesItsParent)
{
    TWindow parent;
    { TWindow child(&parent); }
    EXPECT_TRUE(parent.Children().empty());
}

TEST(WindowTreeTest, AParentThatGoesLeavesItsChildrenWithoutParent)
{
    THeadlessDesktop desktop;
    TWindow child;
    {
        TWindow parent;
        child.SetParent(&parent);
        parent.Create();
        EXPECT_TRUE(child.IsCreated());
    }
    EXPECT_EQ(child.GetParent(), nullptr);
    EXPECT_FALSE(child.IsCreated());
}

TEST(WindowTreeTest, CreateMakesTheChildrenToo)
{
    THeadlessDesktop desktop;
    TWindow parent;
    TWindow child(&parent);
    TWindow grandchild(&child);
    parent.Create();
    EXPECT_TRUE(child.IsCreated());
    EXPECT_TRUE(grandchild.IsCreated());
}

TEST(WindowTreeTest, ServicesBeforeCreationAreHarmless)
{
    THeadlessDesktop desktop;
    TWindow window;
    window.Attr.X = 10;
    window.Attr.Y = 20;
    window.Attr.W = 300;
    window.Attr.H = 200;
    EXPECT_EQ(window.GetClientRect(), TRect{});
    EXPECT_EQ(window.GetWindowRect(), (TRect{10, 20, 310, 220}));
    EXPECT_EQ(window.GetClientDC(), nullptr);
    EXPECT_FALSE(window.HasFocus());
    EXPECT_EQ(window.GetScrollPos(SB_VERT), 0);
    window.PostMessage(WM_USER);
    EXPECT_EQ(desktop.QueuedCount(), 0u);
    window.SetWindowPos(1, 2, 3, 4);
    EXPECT_EQ(window.GetWindowRect(), (TRect{1, 2, 4, 6}));
    window.SetCaption("Caption");
    window.Create();
    EXPECT_EQ(desktop.Peer(window).Caption(), "Caption");
    EXPECT_EQ(window.GetWindowRect(), (TRect{1, 2, 4, 6}));
}

// --- message cracking ------------------------------------------------------------------------

struct TCrackCase {
    const char* Name;
    unsigned Message;
    uintptr_t WParam;
    intptr_t LParam;
    TSeen Expected;
};

class WindowProcTest : public ::testing::TestWithParam<TCrackCase> {};

TEST_P(WindowProcTest, HandsTheMessageToItsHandler)
{
    const TCrackCase& c = GetParam();
    TProbeWindow window;
    window.WindowProc(c.Message, c.WParam, c.LParam);
    ASSERT_EQ(window.Seen.size(), 1u) << c.Name;
    EXPECT_EQ(window.Seen[0], c.Expected) << c.Name;
}

constexpr intptr_t LP(int lo, int hi) { return intptr_t(MakeLParam(lo, hi)); }

INSTANTIATE_TEST_SUITE_P(
    Messages, WindowProcTest,
    ::testing::Values(
        TCrackCase{"key down", WM_KEYDOWN, 'A', LP(3, 0x1E), {WM_KEYDOWN, 'A', 3}},
        TCrackCase{"key up", WM_KEYUP, VK_NEXT, LP(1, 0xC000), {WM_KEYUP, VK_NEXT, 1}},
        TCrackCase{"system key", WM_SYSKEYDOWN, VK_LEFT, LP(1, 0x2000), {WM_SYSKEYDOWN, VK_LEFT, 1}},
        TCrackCase{"character", WM_CHAR, 0xE9, LP(2, 0), {WM_CHAR, 0xE9, 2}},
        TCrackCase{"character keeps 8 bits", WM_CHAR, 0x1E9, LP(1, 0), {WM_CHAR, 0xE9, 1}},
        TCrackCase{"move", WM_MOUSEMOVE, MK_LBUTTON | MK_SHIFT, LP(-5, 7), {WM_MOUSEMOVE, MK_LBUTTON | MK_SHIFT, 0, {-5, 7}}},
        TCrackCase{"button down", WM_LBUTTONDOWN, MK_LBUTTON | MK_CONTROL, LP(30, -2), {WM_LBUTTONDOWN, MK_LBUTTON | MK_CONTROL, 0, {30, -2}}},
        TCrackCase{"button up", WM_LBUTTONUP, 0, LP(4, 5), {WM_LBUTTONUP, 0, 0, {4, 5}}},
        TCrackCase{"double click", WM_LBUTTONDBLCLK, MK_LBUTTON, LP(9, 8), {WM_LBUTTONDBLCLK, MK_LBUTTON, 0, {9, 8}}},
        TCrackCase{"right button", WM_RBUTTONDOWN, MK_RBUTTON, LP(1, 2), {WM_RBUTTONDOWN, MK_RBUTTON, 0, {1, 2}}},
        TCrackCase{"context menu", WM_CONTEXTMENU, 0, LP(700, 500), {WM_CONTEXTMENU, 0, 0, {700, 500}}},
        TCrackCase{"menu key", WM_CONTEXTMENU, 0, LP(-1, -1), {WM_CONTEXTMENU, 0, 0, {-1, -1}}},
        TCrackCase{"size", WM_SIZE, SIZE_MAXIMIZED, LP(40000, 480), {WM_SIZE, SIZE_MAXIMIZED, 0, {40000, 480}}},
        TCrackCase{"vertical scroll", WM_VSCROLL, SB_THUMBTRACK | (32767u << 16), 0, {WM_VSCROLL, SB_THUMBTRACK, 32767}},
        TCrackCase{"horizontal scroll", WM_HSCROLL, SB_PAGEDOWN, 0, {WM_HSCROLL, SB_PAGEDOWN, 0}},
        TCrackCase{"focus gained", WM_SETFOCUS, 0, 0, {WM_SETFOCUS}},
        TCrackCase{"focus lost", WM_KILLFOCUS, 0, 0, {WM_KILLFOCUS}}));

TEST(WindowProcDropTest, DroppedFilesReachTheirHandler)
{
    TProbeWindow window;
    TDropInfo drop{{"a.txt", "b.txt", "c.txt"}, {3, 4}};
    window.WindowProc(WM_DROPFILES, reinterpret_cast<uintptr_t>(&drop), 0);
    ASSERT_EQ(window.Seen.size(), 1u);
    EXPECT_EQ(window.Seen[0], (TSeen{WM_DROPFILES, 3, 0, {3, 4}}));
}

TEST(WindowProcDropTest, SendMessageSkipsThePreProcessing)
{
    THeadlessDesktop desktop;
    TProbeApp app;
    TProbeWindow client;
    auto frame = std::make_unique<TFrameWindow>(nullptr, "Frame", &client);
    frame->SetAccelerators(TAcceleratorTable{0, {{VK_F3, false, false, false, 77}}});
    app.SetMainWindow(std::move(frame));
    app.InitInstance();
    client.SendMessage(WM_KEYDOWN, VK_F3, 1);
    EXPECT_EQ(client.SeenOf(WM_KEYDOWN).size(), 1u);
    app.DestroyMainWindow();
}

// --- closing and captions ------------------------------------------------------------------

class MainWindowTest : public ::testing::Test {
protected:
    THeadlessDesktop Desktop;
    TProbeWindow Client;
    TProbeWindow Inner{&Client};
    TProbeApp App;
    TProbeFrame* Frame = nullptr;

    void SetUp() override
    {
        auto frame = std::make_unique<TProbeFrame>(nullptr, "Vantor", &Client, true);
        Frame = frame.get();
        App.SetMainWindow(std::move(frame));
        App.InitInstance();
    }
};

TEST_F(MainWindowTest, CloseAsksEveryWindowAndClosesTheMainWindow)
{
    Inner.AllowClose = false;
    DispatchMsg(TMsg{Frame, WM_CLOSE});
    ASSERT_NE(App.GetMainWindow(), nullptr);
    EXPECT_FALSE(Desktop.QuitCode().has_value());

    Inner.AllowClose = true;
    DispatchMsg(TMsg{Frame, WM_CLOSE});
    EXPECT_EQ(App.GetMainWindow(), nullptr);
    EXPECT_EQ(Desktop.QuitCode(), 0);
}

TEST_F(MainWindowTest, CloseToAnotherWindowDoesNothing)
{
    DispatchMsg(TMsg{&Client, WM_CLOSE});
    EXPECT_NE(App.GetMainWindow(), nullptr);
    EXPECT_TRUE(Client.IsCreated());
}

TEST_F(MainWindowTest, AQueuedCloseForAWindowThatWentIsDropped)
{
    Client.PostMessage(WM_USER + 5);
    Frame->PostMessage(WM_CLOSE);
    Frame->PostMessage(WM_USER + 1);
    Desktop.PumpWaitingMessages();
    EXPECT_EQ(App.GetMainWindow(), nullptr);
    EXPECT_TRUE(App.AppMessages.empty());  // the message after the close went with the frame
}

TEST_F(MainWindowTest, DocumentTitlesGoUpToTheFrame)
{
    EXPECT_TRUE(Inner.SetDocTitle("a.txt", 0));
    EXPECT_EQ(Frame->GetCaption(), "a.txt - Vantor");
    EXPECT_EQ(Desktop.Peer(*Frame).Caption(), "a.txt - Vantor");
    Client.SetDocTitle("", 0);
    EXPECT_EQ(Frame->GetCaption(), " - Vantor");
}

TEST(DocTitleTest, AWindowWithoutParentTakesNoTitle)
{
    TWindow window;
    EXPECT_FALSE(window.SetDocTitle("a.txt", 0));
}

struct TAppMessageCase {
    unsigned Message;
    bool ToApplication;
};

class MainFrameMessageTest : public MainWindowTest, public ::testing::WithParamInterface<TAppMessageCase> {};

TEST_P(MainFrameMessageTest, UserMessagesAndDropsGoToTheApplication)
{
    const TAppMessageCase& c = GetParam();
    TDropInfo drop{{"a.txt"}, {}};
    const auto wParam = c.Message == WM_DROPFILES ? reinterpret_cast<uintptr_t>(&drop) : 17;
    const intptr_t result = DispatchMsg(TMsg{Frame, c.Message, wParam, 5});
    ASSERT_EQ(App.AppMessages.size(), c.ToApplication ? 1u : 0u);
    if (c.ToApplication) {
        EXPECT_EQ(result, 42);
        EXPECT_EQ(App.AppMessages[0].Message, c.Message);
        EXPECT_EQ(App.AppMessages[0].WParam, wParam);
        EXPECT_EQ(App.AppMessages[0].LParam, 5);
        EXPECT_TRUE(Frame->SeenOf(WM_DROPFILES).empty());
    }
}

INSTANTIATE_TEST_SUITE_P(Messages, MainFrameMessageTest,
                         ::testing::Values(TAppMessageCase{WM_USER, true}, TAppMessageCase{WM_USER + 1, true},
                                           TAppMessageCase{WM_DROPFILES, true}, TAppMessageCase{WM_USER - 1, false},
                                           TAppMessageCase{WM_ENTERIDLE, false}));

TEST_F(MainWindowTest, UserMessagesToOtherWindowsStayThere)
{
    TProbeFrame other(nullptr, "Other", nullptr, false);
    DispatchMsg(TMsg{&other, WM_USER + 1});
    DispatchMsg(TMsg{&Client, WM_USER + 1});
    EXPECT_TRUE(App.AppMessages.empty());
}

}  // namespace
