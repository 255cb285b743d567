#include "FrameworkProbes.h"

#include "framework/Scroller.h"

#include <gtest/gtest.h>

namespace {

// A window of 200 x 100 pixels scrolled in cells of 10 x 20: a page is 20
// columns and 5 rows.
class ScrollerTest : public ::testing::Test {
protected:
    THeadlessDesktop Desktop;
    TProbeWindow Window;
    TScroller* Scroller = nullptr;

    void SetUp() override
    {
        Window.Attr.Style = WS_HSCROLL | WS_VSCROLL;
        Window.Scroller = std::make_unique<TScroller>(&Window, 10, 20, 50, 1000);
        Scroller = Window.Scroller.get();
        Window.Create();
        Desktop.Resize(Window, 200, 100);
        Peer().ClearLogs();
    }

    THeadlessPeer& Peer() { return Desktop.Peer(Window); }
    bool InvalidatedWhole()
    {
        for (const TInvalidation& i : Peer().Invalidations())
            if (i.Whole)
                return true;
        return false;
    }
    void MoveTo(long x, long y)
    {
        Scroller->ScrollTo(x, y);
        Peer().ClearLogs();
    }
};

TEST_F(ScrollerTest, PageSizeComesFromTheClientArea)
{
    EXPECT_EQ(Scroller->XPage, 20);
    EXPECT_EQ(Scroller->YPage, 5);
}

TEST_F(ScrollerTest, MinimisingKeepsThePageSize)
{
    Desktop.Resize(Window, 0, 0, SIZE_MINIMIZED);
    EXPECT_EQ(Scroller->XPage, 20);
    EXPECT_EQ(Scroller->YPage, 5);
}

TEST_F(ScrollerTest, SizingGivesTheBarsTheirRanges)
{
    EXPECT_EQ(Peer().ScrollBar(SB_HORZ).Max, 50);
    EXPECT_EQ(Peer().ScrollBar(SB_VERT).Max, 1000);
}

struct TClampCase {
    long X, Y;
    long ExpectedX, ExpectedY;
};

class ScrollToClampTest : public ScrollerTest, public ::testing::WithParamInterface<TClampCase> {};

TEST_P(ScrollToClampTest, ClampsIntoTheRanges)
{
    const TClampCase& c = GetParam();
    MoveTo(25, 500);
    Scroller->ScrollTo(c.X, c.Y);
    EXPECT_EQ(Scroller->XPos, c.ExpectedX);
    EXPECT_EQ(Scroller->YPos, c.ExpectedY);
    EXPECT_EQ(Peer().ScrollBar(SB_HORZ).Pos, c.ExpectedX);
    EXPECT_EQ(Peer().ScrollBar(SB_VERT).Pos, c.ExpectedY);
}

INSTANTIATE_TEST_SUITE_P(Targets, ScrollToClampTest,
                         ::testing::Values(TClampCase{-5, -7, 0, 0}, TClampCase{60, 2000, 50, 1000},
                                           TClampCase{10, 20, 10, 20}, TClampCase{50, 1000, 50, 1000},
                                           TClampCase{-1, 1001, 0, 1000}));

TEST_F(ScrollerTest, NothingHappensWhenNothingChanges)
{
    for (const auto& [start, asked] : {std::pair{TPoint{25, 500}, TPoint{25, 500}},
                                       std::pair{TPoint{50, 1000}, TPoint{70, 1200}},  // clamped onto the same place
                                       std::pair{TPoint{0, 0}, TPoint{-3, -9}}}) {
        MoveTo(start.x, start.y);
        Scroller->ScrollTo(asked.x, asked.y);
        EXPECT_TRUE(Peer().Scrolls().empty());
        EXPECT_TRUE(Peer().Invalidations().empty());
        EXPECT_EQ(Peer().PaintCount(), 0);
    }
}

struct TMoveCase {
    long Dx, Dy;  // in cells, from (25, 500)
    bool Scrolls; // else the whole window is invalidated
};

class ScrollMoveTest : public ScrollerTest, public ::testing::WithParamInterface<TMoveCase> {};

TEST_P(ScrollMoveTest, SmallMovesScrollTheContentsAndLargeOnesRepaintAll)
{
    const TMoveCase& c = GetParam();
    MoveTo(25, 500);
    Scroller->ScrollBy(c.Dx, c.Dy);
    if (c.Scrolls) {
        // Contents move the other way, by the pixel distance.
        ASSERT_EQ(Peer().Scrolls().size(), 1u);
        EXPECT_EQ(Peer().Scrolls()[0], (TSize{int(-c.Dx * 10), int(-c.Dy * 20)}));
        EXPECT_FALSE(InvalidatedWhole());
    } else {
        EXPECT_TRUE(Peer().Scrolls().empty());
        EXPECT_TRUE(InvalidatedWhole());
    }
    // The window is brought up to date at once.
    EXPECT_EQ(Peer().PaintCount(), 1);
    EXPECT_FALSE(Peer().HasInvalidArea());
}

INSTANTIATE_TEST_SUITE_P(Moves, ScrollMoveTest,
                         ::testing::Values(TMoveCase{0, 1, true}, TMoveCase{0, -4, true}, TMoveCase{19, 4, true},
                                           TMoveCase{-19, -4, true}, TMoveCase{0, 5, false}, TMoveCase{0, -5, false},
                                           TMoveCase{20, 0, false}, TMoveCase{-20, 1, false}, TMoveCase{1, 300, false}));

TEST_F(ScrollerTest, PositionIsStoredBeforeThePaint)
{
    struct TPaintProbe : TWindow {
        long PaintedRow = -1;
        void Paint(TDC&, bool, TRect&) override { PaintedRow = Scroller->YPos; }
    } window;
    window.Scroller = std::make_unique<TScroller>(&window, 10, 20, 0, 100);
    window.Create();
    Desktop.Resize(window, 200, 100);
    window.Scroller->ScrollTo(0, 2);
    EXPECT_EQ(window.PaintedRow, 2);
}

TEST_F(ScrollerTest, SetRangeClampsThePositionAndScrolls)
{
    MoveTo(40, 900);
    Scroller->SetRange(30, 100);
    EXPECT_EQ(Scroller->XPos, 30);
    EXPECT_EQ(Scroller->YPos, 100);
    EXPECT_EQ(Peer().ScrollBar(SB_VERT).Max, 100);
    EXPECT_EQ(Peer().ScrollBar(SB_VERT).Pos, 100);
    EXPECT_TRUE(InvalidatedWhole());
    EXPECT_EQ(Peer().PaintCount(), 1);
}

TEST_F(ScrollerTest, SetRangeWithinThePositionLeavesTheView)
{
    MoveTo(10, 20);
    Scroller->SetRange(200, 5000);
    EXPECT_EQ(Scroller->YPos, 20);
    EXPECT_EQ(Peer().PaintCount(), 0);
}

TEST_F(ScrollerTest, BarRangesAreCutTo32767)
{
    Scroller->SetRange(40000, 100000);
    EXPECT_EQ(Peer().ScrollBar(SB_HORZ).Max, 32767);
    EXPECT_EQ(Peer().ScrollBar(SB_VERT).Max, 32767);
}

// --- the bar's 0 ... 32767 ---------------------------------------------------------

TEST_F(ScrollerTest, SmallRangesMapOneToOne)
{
    Scroller->SetRange(50, 32767);
    for (long pos : {0L, 1L, 1234L, 32766L, 32767L}) {
        EXPECT_EQ(Scroller->YScrollValue(pos), pos);
        EXPECT_EQ(Scroller->YRangeValue(int(pos)), pos);
    }
}

TEST_F(ScrollerTest, LargeRangesMapProportionally)
{
    Scroller->SetRange(50, 100000);
    EXPECT_EQ(Scroller->YRangeValue(0), 0);
    EXPECT_EQ(Scroller->YRangeValue(32767), 100000);
    EXPECT_EQ(Scroller->YScrollValue(0), 0);
    EXPECT_EQ(Scroller->YScrollValue(100000), 32767);
    // The middle of the bar is the middle of the document.
    EXPECT_NEAR(Scroller->YRangeValue(32767 / 2), 50000, 3);
    EXPECT_NEAR(Scroller->YScrollValue(50000), 32767 / 2, 1);
    // Going to the bar and back lands within one bar step.
    for (long row : {1L, 777L, 49999L, 99998L})
        EXPECT_NEAR(Scroller->YRangeValue(Scroller->YScrollValue(row)), row, 100000 / 32767 + 1);
}

TEST_F(ScrollerTest, LargeRangeMappingRoundsToTheNearest)
{
    Scroller->SetRange(50, 100000);
    // 16384 * 100000 / 32767 = 50001.5..., 50000 * 32767 / 100000 = 16383.5
    EXPECT_EQ(Scroller->YRangeValue(16384), 50002);
    EXPECT_EQ(Scroller->YScrollValue(50000), 16384);
    EXPECT_EQ(Scroller->YRangeValue(1), 3);  // 3.05...
    EXPECT_EQ(Scroller->YScrollValue(2), 1);  // 0.65...
}

TEST_F(ScrollerTest, DraggingTheThumbOfALargeRangeScrollsToTheMappedRow)
{
    Scroller->SetRange(50, 100000);
    Window.WindowProc(WM_VSCROLL, SB_THUMBTRACK | (16384u << 16), 0);
    EXPECT_NEAR(Scroller->YPos, 50000, 3);
    EXPECT_EQ(Peer().ScrollBar(SB_VERT).Pos, 16384);
    Window.WindowProc(WM_VSCROLL, SB_THUMBPOSITION | (32767u << 16), 0);
    EXPECT_EQ(Scroller->YPos, 100000);
}

TEST_F(ScrollerTest, ThumbTrackingFollowsTrackMode)
{
    Scroller->TrackMode = false;
    Scroller->VScroll(SB_THUMBTRACK, 300);
    EXPECT_EQ(Scroller->YPos, 0);
    Scroller->VScroll(SB_THUMBPOSITION, 300);
    EXPECT_EQ(Scroller->YPos, 300);
}

struct TCodeCase {
    unsigned Code;
    int Thumb;
    long Expected;  // from 25 columns, 500 rows
};

class ScrollCodeTest : public ScrollerTest, public ::testing::WithParamInterface<TCodeCase> {};

TEST_P(ScrollCodeTest, VerticalCodesMoveByRows)
{
    const TCodeCase& c = GetParam();
    MoveTo(25, 500);
    Window.WindowProc(WM_VSCROLL, c.Code | (unsigned(c.Thumb) << 16), 0);
    EXPECT_EQ(Scroller->YPos, c.Expected);
    EXPECT_EQ(Scroller->XPos, 25);
}

INSTANTIATE_TEST_SUITE_P(Codes, ScrollCodeTest,
                         ::testing::Values(TCodeCase{SB_LINEUP, 0, 499}, TCodeCase{SB_LINEDOWN, 0, 501},
                                           TCodeCase{SB_PAGEUP, 0, 495}, TCodeCase{SB_PAGEDOWN, 0, 505},
                                           TCodeCase{SB_TOP, 0, 0}, TCodeCase{SB_BOTTOM, 0, 1000},
                                           TCodeCase{SB_THUMBPOSITION, 321, 321}, TCodeCase{SB_THUMBTRACK, 77, 77},
                                           TCodeCase{SB_ENDSCROLL, 0, 500}));

TEST_F(ScrollerTest, HorizontalCodesMoveByColumns)
{
    MoveTo(25, 500);
    const std::pair<unsigned, long> steps[] = {{SB_LINERIGHT, 26}, {SB_PAGELEFT, 6}, {SB_PAGELEFT, 0},
                                               {SB_RIGHT, 50},     {SB_LINELEFT, 49}, {SB_LEFT, 0}};
    for (const auto& [code, expected] : steps) {
        Window.WindowProc(WM_HSCROLL, code, 0);
        EXPECT_EQ(Scroller->XPos, expected) << "code " << code;
        EXPECT_EQ(Scroller->YPos, 500);
    }
}

TEST_F(ScrollerTest, LinesFollowXLineAndYLine)
{
    Scroller->XLine = 3;
    Scroller->YLine = 7;
    Scroller->HScroll(SB_LINERIGHT, 0);
    Scroller->VScroll(SB_LINEDOWN, 0);
    EXPECT_EQ(Scroller->XPos, 3);
    EXPECT_EQ(Scroller->YPos, 7);
}

TEST_F(ScrollerTest, AWindowNotYetCreatedOnlyStoresThePosition)
{
    TWindow window;
    TScroller scroller(&window, 10, 20, 5, 5);
    scroller.ScrollTo(9, 3);
    EXPECT_EQ(scroller.XPos, 5);
    EXPECT_EQ(scroller.YPos, 3);
}

}  // namespace
