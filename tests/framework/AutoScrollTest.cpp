#include "FrameworkProbes.h"

#include "framework/Platform.h"
#include "framework/Scroller.h"

#include <gtest/gtest.h>

namespace {

// A window of 200 x 100 pixels in cells of 10 x 20 (pages of 20 columns and
// 5 rows), scrolled to column 25, row 500 of 50 x 1000.
class AutoScrollTest : public ::testing::Test {
protected:
    THeadlessDesktop Desktop;
    TProbeWindow Window;
    TScroller* Scroller = nullptr;

    void SetUp() override
    {
        Window.Scroller = std::make_unique<TScroller>(&Window, 10, 20, 50, 1000);
        Scroller = Window.Scroller.get();
        Window.Create();
        Desktop.Resize(Window, 200, 100);
        Scroller->ScrollTo(25, 500);
        Window.Seen.clear();
    }

    void PointAt(TPoint client) { Desktop.SetCursorPos(Window.ClientToScreen(client)); }
};

struct TPointerCase {
    TPoint Client;  // where the pointer is
    long Dx, Dy;    // the step it causes
};

class AutoScrollDistanceTest : public AutoScrollTest, public ::testing::WithParamInterface<TPointerCase> {};

TEST_P(AutoScrollDistanceTest, ScrollsByATenthOfTheDistanceWithinOneToAPage)
{
    const TPointerCase& c = GetParam();
    PointAt(c.Client);
    const bool moved = Scroller->AutoScroll();
    EXPECT_EQ(moved, c.Dx != 0 || c.Dy != 0);
    EXPECT_EQ(Scroller->XPos, 25 + c.Dx);
    EXPECT_EQ(Scroller->YPos, 500 + c.Dy);
}

INSTANTIATE_TEST_SUITE_P(Pointers, AutoScrollDistanceTest,
                         ::testing::Values(TPointerCase{{100, 50}, 0, 0},     // inside
                                           TPointerCase{{0, 0}, 0, 0},
                                           TPointerCase{{199, 99}, 0, 0},
                                           TPointerCase{{100, -1}, 0, -1},   // just above: at least one
                                           TPointerCase{{100, -35}, 0, -3},
                                           TPointerCase{{100, -500}, 0, -5}, // at most a page
                                           TPointerCase{{100, 100}, 0, 1},   // just below
                                           TPointerCase{{100, 144}, 0, 4},
                                           TPointerCase{{-25, 50}, -2, 0},
                                           TPointerCase{{299, 50}, 10, 0},
                                           TPointerCase{{2000, 50}, 20, 0},
                                           TPointerCase{{-25, -35}, -2, -3}));

TEST_F(AutoScrollTest, ReportsNoMoveAtTheEndOfTheRange)
{
    Scroller->ScrollTo(0, 0);
    PointAt({-50, -50});
    EXPECT_FALSE(Scroller->AutoScroll());
    EXPECT_EQ(Scroller->YPos, 0);
}

// --- the capture loop -----------------------------------------------------------------

TEST_F(AutoScrollTest, TheLoopDispatchesUntilTheButtonIsReleased)
{
    Desktop.PostMouseMove(Window, {40, 60});
    Desktop.PostMouseUp(Window, {40, 60});
    Desktop.PostMouseMove(Window, {50, 60});  // after the release: dispatched all the same
    Desktop.MouseDown(Window, {10, 20});

    const std::vector<TSeen> expected = {{WM_LBUTTONDOWN, MK_LBUTTON, 0, {10, 20}},
                                         {WM_MOUSEMOVE, MK_LBUTTON, 0, {40, 60}},
                                         {WM_LBUTTONUP, 0, 0, {40, 60}},
                                         {WM_MOUSEMOVE, 0, 0, {50, 60}}};
    EXPECT_EQ(Window.Seen, expected);
    EXPECT_EQ(Desktop.Capture(), nullptr);
    EXPECT_FALSE(Scroller->IsAutoScrolling());
}

TEST_F(AutoScrollTest, TheLoopHoldsTheCaptureWhileItRuns)
{
    struct TCaptureProbe : TProbeWindow {
        bool HadCapture = false;
        void EvMouseMove(unsigned, const TPoint&) override { HadCapture = HasCapture(); }
    } window;
    window.Scroller = std::make_unique<TScroller>(&window, 10, 20, 0, 0);
    window.Create();
    Desktop.PostMouseMove(window, {5, 5});
    Desktop.MouseDown(window, {1, 1});
    EXPECT_TRUE(window.HadCapture);
    EXPECT_FALSE(window.HasCapture());
}

TEST_F(AutoScrollTest, AMoveWithTheButtonUpEndsTheLoop)
{
    Desktop.Post(TMsg{&Window, WM_MOUSEMOVE, 0, intptr_t(MakeLParam(30, 30))});
    Desktop.MouseDown(Window, {10, 20});
    // No release was needed to end it.
    EXPECT_TRUE(Window.SeenOf(WM_LBUTTONUP).empty());
    EXPECT_EQ(Desktop.Capture(), nullptr);
}

TEST_F(AutoScrollTest, TheLoopEndsWhenTheInputRunsDry)
{
    Desktop.MouseDown(Window, {10, 20});
    // The headless desktop lets the button go where the pointer is.
    const std::vector<TSeen> ups = Window.SeenOf(WM_LBUTTONUP);
    ASSERT_EQ(ups.size(), 1u);
    EXPECT_EQ(ups[0].Point, (TPoint{10, 20}));
    EXPECT_EQ(Desktop.Capture(), nullptr);
}

TEST_F(AutoScrollTest, WhileThePointerIsOutsideEachPassScrollsAndTheWindowSeesTheMove)
{
    Desktop.SetQuietWaits(2);
    Desktop.PostMouseMove(Window, {100, -25});  // above: two rows a pass
    Desktop.MouseDown(Window, {100, 10});

    // One pass after the move, one for each quiet wait; then the release.
    EXPECT_EQ(Scroller->YPos, 500 - 3 * 2);
    const std::vector<TSeen> moves = Window.SeenOf(WM_MOUSEMOVE);
    ASSERT_EQ(moves.size(), 4u);
    for (const TSeen& move : moves) {
        EXPECT_EQ(move.A, unsigned(MK_LBUTTON));
        EXPECT_EQ(move.Point, (TPoint{100, -25}));
    }
    EXPECT_EQ(Window.SeenOf(WM_LBUTTONUP).size(), 1u);
}

// A mouse reports moves far faster than anyone reads rows: the passes keep
// their own pace, each by the distance rule (here one row).
TEST_F(AutoScrollTest, PassesKeepTheirPaceHoweverFastThePointerReports)
{
    Desktop.StreamPointerMoves(200, 5);  // a second of moves
    Desktop.PostMouseMove(Window, {100, 105});
    Desktop.MouseDown(Window, {100, 10});
    EXPECT_EQ(Desktop.Clock(), 1000);
    EXPECT_EQ(Scroller->YPos, 500 + 1 + 1000 / TScroller::AutoScrollPace);
    EXPECT_GE(Window.SeenOf(WM_MOUSEMOVE).size(), 200u);
}

TEST_F(AutoScrollTest, NoMoveIsMadeUpWhenTheViewCannotScroll)
{
    Scroller->ScrollTo(25, 0);
    Desktop.SetQuietWaits(3);
    Desktop.PostMouseMove(Window, {100, -25});
    Desktop.MouseDown(Window, {100, 10});
    EXPECT_EQ(Window.SeenOf(WM_MOUSEMOVE).size(), 1u);  // only the real one
}

TEST_F(AutoScrollTest, ShiftAndCtrlGoWithTheMadeUpMoves)
{
    Desktop.Keyboard().SetDown(VK_SHIFT, true);
    Desktop.SetQuietWaits(1);
    Desktop.PostMouseMove(Window, {100, 150});
    Desktop.MouseDown(Window, {100, 10});
    const std::vector<TSeen> moves = Window.SeenOf(WM_MOUSEMOVE);
    ASSERT_FALSE(moves.empty());
    EXPECT_EQ(moves.back().A, unsigned(MK_LBUTTON | MK_SHIFT));
}

TEST_F(AutoScrollTest, WithoutAutomaticModeTheButtonDoesNotCapture)
{
    Scroller->AutoMode = false;
    Desktop.MouseDown(Window, {10, 20});
    EXPECT_TRUE(Window.SeenOf(WM_LBUTTONUP).empty());
    EXPECT_EQ(Desktop.Capture(), nullptr);
}

TEST_F(AutoScrollTest, ASecondButtonDownDuringTheLoopDoesNotStartAnother)
{
    struct TNestProbe : TProbeWindow {
        int NestedLoops = 0;
        void EvLButtonDown(unsigned mods, const TPoint& p) override
        {
            if (Scroller->IsAutoScrolling())
                ++NestedLoops;
            TProbeWindow::EvLButtonDown(mods, p);
        }
    } window;
    window.Scroller = std::make_unique<TScroller>(&window, 10, 20, 0, 0);
    window.Create();
    Desktop.Post(TMsg{&window, WM_LBUTTONDOWN, MK_LBUTTON, intptr_t(MakeLParam(3, 3))});
    Desktop.PostMouseMove(window, {6, 6});
    Desktop.PostMouseUp(window, {6, 6});
    Desktop.MouseDown(window, {1, 1});
    EXPECT_EQ(window.NestedLoops, 1);
    // The inner button-down returned at once, so the outer loop saw the rest.
    EXPECT_EQ(window.SeenOf(WM_LBUTTONUP).size(), 1u);
    EXPECT_EQ(Desktop.QueuedCount(), 0u);
}

}  // namespace
