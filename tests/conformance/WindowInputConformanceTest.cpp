// What the editor relies on from the window system's caret, mouse capture,
// key state and scroll bars, the same on every platform layer.
#include "tests/conformance/LayerUnderTest.h"

#include "framework/Scroller.h"
#include "framework/Window.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

class TRecorder : public TWindow {
public:
    explicit TRecorder(uint32_t style = 0) : TWindow(nullptr, "conformance")
    {
        Attr.Style = style;
        Attr.W = 300;
        Attr.H = 200;
    }

    struct TKey {
        unsigned Message;
        unsigned Key;
        bool ShiftDown;       // GetKeyState(VK_SHIFT) < 0 as the key arrives
        int16_t InsertState;  // GetKeyState(VK_INSERT)
        friend bool operator==(const TKey&, const TKey&) = default;
    };
    std::vector<TKey> Keys;
    std::vector<unsigned> ScrollCodes;

    intptr_t WindowProc(unsigned message, uintptr_t wParam, intptr_t lParam) override
    {
        if (message == WM_KEYDOWN || message == WM_KEYUP)
            Keys.push_back({message, unsigned(wParam), GetKeyState(VK_SHIFT) < 0, GetKeyState(VK_INSERT)});
        if (message == WM_VSCROLL)
            ScrollCodes.push_back(unsigned(wParam & 0xFFFF));
        return TWindow::WindowProc(message, wParam, lParam);
    }
};

class WindowInputConformance : public testing::Test {
protected:
    TLayerUnderTest Layer;
    TRecorder A, B;

    void SetUp() override
    {
        Layer.ShowTopLevel(A);
        Layer.ShowTopLevel(B);
    }
};

// One caret for the application: created hidden, shown when its hide count
// is back at 0, and only its owner's calls count.
TEST_F(WindowInputConformance, OnlyTheCaretsOwnerShowsHidesMovesAndDestroysIt)
{
    A.CreateCaret(0, 16);
    EXPECT_FALSE(Layer.CaretShownIn(A)) << "created hidden";
    A.ShowCaret();
    EXPECT_TRUE(Layer.CaretShownIn(A));
    A.HideCaret();
    A.HideCaret();
    A.ShowCaret();
    EXPECT_FALSE(Layer.CaretShownIn(A)) << "each hide needs its show";
    A.ShowCaret();
    A.ShowCaret();  // not below 0
    EXPECT_TRUE(Layer.CaretShownIn(A));
    A.HideCaret();
    EXPECT_FALSE(Layer.CaretShownIn(A));
    A.ShowCaret();

    B.HideCaret();
    B.DestroyCaret();
    EXPECT_TRUE(Layer.CaretShownIn(A)) << "another window's calls do nothing";
    EXPECT_FALSE(Layer.CaretShownIn(B));

    A.SetCaretPos(30, 40);
    EXPECT_EQ(Layer.CaretPos(), (TPoint{30, 40}));
    A.ScrollWindow(-10, 5);
    EXPECT_EQ(Layer.CaretPos(), (TPoint{20, 45})) << "the caret moves with the contents";

    A.DestroyCaret();
    EXPECT_FALSE(Layer.CaretShownIn(A));
    A.ShowCaret();
    EXPECT_FALSE(Layer.CaretShownIn(A)) << "gone until created again";

    B.CreateCaret(8, 16);
    B.ShowCaret();
    EXPECT_TRUE(Layer.CaretShownIn(B));
    EXPECT_FALSE(Layer.CaretShownIn(A));
    A.DestroyCaret();
    EXPECT_TRUE(Layer.CaretShownIn(B));
    B.DestroyCaret();
}

TEST_F(WindowInputConformance, OneWindowHoldsTheCapture)
{
    A.SetCapture();
    EXPECT_TRUE(A.HasCapture());
    EXPECT_FALSE(B.HasCapture());
    B.SetCapture();
    EXPECT_TRUE(B.HasCapture());
    EXPECT_FALSE(A.HasCapture());
    B.ReleaseCapture();
    EXPECT_FALSE(A.HasCapture());
    EXPECT_FALSE(B.HasCapture());
}

// A key's state is down while it is held, as its messages arrive; Insert's
// toggle flips at each press, before the press is dispatched.
TEST_F(WindowInputConformance, KeyStateFollowsTheKeysAsTheirMessagesArrive)
{
    const int16_t insertBefore = TWindow::GetKeyState(VK_INSERT) & 1;
    Layer.UserKey(A, VK_SHIFT, true);
    Layer.UserKey(A, 'A', true);
    EXPECT_LT(TWindow::GetKeyState(VK_SHIFT), 0);
    Layer.UserKey(A, 'A', false);
    Layer.UserKey(A, VK_SHIFT, false);
    EXPECT_GE(TWindow::GetKeyState(VK_SHIFT), 0);
    Layer.UserKey(A, VK_INSERT, true);
    Layer.UserKey(A, VK_INSERT, false);
    EXPECT_EQ(TWindow::GetKeyState(VK_INSERT) & 1, insertBefore ^ 1);

    const int16_t down = int16_t(0x8000);
    const int16_t flipped = int16_t(insertBefore ^ 1);
    const std::vector<TRecorder::TKey> expected{
        {WM_KEYDOWN, VK_SHIFT, true, insertBefore},
        {WM_KEYDOWN, 'A', true, insertBefore},
        {WM_KEYUP, 'A', true, insertBefore},
        {WM_KEYUP, VK_SHIFT, false, insertBefore},
        {WM_KEYDOWN, VK_INSERT, false, int16_t(down | flipped)},
        {WM_KEYUP, VK_INSERT, false, flipped},
    };
    EXPECT_EQ(A.Keys, expected);
}

// Every action on a bar ends with SB_ENDSCROLL (the editor measures its
// ranges then); a range beyond what a bar counts maps onto 0 ... 32767.
TEST_F(WindowInputConformance, ScrollBarActionsReachTheScrollerAndEndWithEndScroll)
{
    TRecorder window(WS_VSCROLL);
    window.Scroller = std::make_unique<TScroller>(&window, 10, 20, 0, 100000);
    Layer.ShowTopLevel(window);
    window.Scroller->SetPageSize();
    window.Scroller->SetRange(0, 100000);

    Layer.UserScroll(window, SB_VERT, SB_LINEDOWN);
    EXPECT_EQ(window.Scroller->YPos, 1);
    EXPECT_EQ(window.ScrollCodes, (std::vector<unsigned>{SB_LINEDOWN, SB_ENDSCROLL}));
    Layer.UserScroll(window, SB_VERT, SB_PAGEDOWN);
    EXPECT_EQ(window.Scroller->YPos, 1 + window.Scroller->YPage);

    window.ScrollCodes.clear();
    Layer.UserScroll(window, SB_VERT, SB_THUMBPOSITION, 16383);
    EXPECT_NEAR(double(window.Scroller->YPos), 50000.0, 5.0);
    EXPECT_EQ(window.GetScrollPos(SB_VERT), 16383);
    ASSERT_FALSE(window.ScrollCodes.empty());
    EXPECT_EQ(window.ScrollCodes.front(), unsigned(SB_THUMBTRACK));
    EXPECT_EQ(window.ScrollCodes.back(), unsigned(SB_ENDSCROLL));
}

}  // namespace
