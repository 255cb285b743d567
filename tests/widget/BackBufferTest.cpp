// The retained back buffer: client contexts draw into it at once, painting
// is clipped to the invalid region, scrolling moves its pixels.
#include "framework/DC.h"
#include "framework/qt/QtTestAccess.h"
#include "tests/widget/WidgetTestSupport.h"

#include <QWidget>

#include <gtest/gtest.h>

namespace {

constexpr unsigned White = 0xFFFFFF;
constexpr TColor Red = MakeRGB(255, 0, 0);
constexpr TColor Blue = MakeRGB(0, 0, 255);

class BackBufferTest : public ::testing::Test {
protected:
    TRecordingWindow Window;

    void SetUp() override
    {
        // Painting fills what it is asked to paint with white.
        Window.OnPaint = [](TDC& dc, const TRect& rect) { dc.FillRect(rect, SysColor(COLOR_WINDOW)); };
        ShowWindow(Window);
        QtTestAccess::PaintedBackBuffer(Window);
    }

    void Fill(const TRect& rect, TColor colour)
    {
        auto dc = Window.GetClientDC();
        dc->FillRect(rect, colour);
    }
};

TEST_F(BackBufferTest, ClientContextShowsAnInversionAtOnceAndASecondOneRestoresThePixels)
{
    Fill(TRect{0, 0, 40, 20}, Red);
    const QImage before = QtTestAccess::BackBuffer(Window);

    Window.GetClientDC()->InvertRect(TRect{10, 5, 60, 15});
    const QImage inverted = QtTestAccess::BackBuffer(Window);
    EXPECT_EQ(RgbAt(inverted, 12, 7), 0x00FFFFu);  // red turned cyan
    EXPECT_EQ(RgbAt(inverted, 50, 7), 0x000000u);  // white turned black
    EXPECT_EQ(RgbAt(inverted, 70, 7), White);      // outside the rectangle
    // The screen follows without a paint of the window.
    const size_t paints = Window.PaintRects.size();
    const QImage shown = ClientOf(Window).grab().toImage();
    EXPECT_EQ(RgbAt(shown, 50, 7), 0x000000u);
    EXPECT_EQ(Window.PaintRects.size(), paints);

    Window.GetClientDC()->InvertRect(TRect{10, 5, 60, 15});
    const QImage restored = QtTestAccess::BackBuffer(Window);
    EXPECT_TRUE(SamePixels(before, restored, restored.rect()));
}

TEST_F(BackBufferTest, PaintingReachesOnlyTheInvalidRegionAndGetsItsBoundingRectangle)
{
    Window.OnPaint = [](TDC& dc, const TRect& rect) { dc.FillRect(rect, Blue); };
    Window.InvalidateRect(TRect{0, 0, 10, 10});
    Window.InvalidateRect(TRect{30, 30, 40, 40});
    const QImage image = QtTestAccess::PaintedBackBuffer(Window);

    ASSERT_FALSE(Window.PaintRects.empty());
    EXPECT_EQ(Window.PaintRects.back(), (TRect{0, 0, 40, 40}));
    EXPECT_EQ(RgbAt(image, 5, 5), 0x0000FFu);
    EXPECT_EQ(RgbAt(image, 35, 35), 0x0000FFu);
    EXPECT_EQ(RgbAt(image, 20, 20), White);  // inside the bounding box, outside the region
}

TEST_F(BackBufferTest, ScrollWindowMovesThePixelsAndInvalidatesTheUncoveredStrip)
{
    Fill(TRect{0, 10, 320, 20}, Red);
    Window.PaintRects.clear();
    Window.ScrollWindow(0, 5);
    const QImage moved = QtTestAccess::BackBuffer(Window);
    EXPECT_EQ(RgbAt(moved, 100, 12), White);
    EXPECT_EQ(RgbAt(moved, 100, 16), 0xFF0000u);
    EXPECT_EQ(RgbAt(moved, 100, 24), 0xFF0000u);
    EXPECT_EQ(RgbAt(moved, 100, 26), White);

    QtTestAccess::PaintedBackBuffer(Window);
    ASSERT_EQ(Window.PaintRects.size(), 1u);
    EXPECT_EQ(Window.PaintRects.front(), (TRect{0, 0, 320, 5}));
}

TEST_F(BackBufferTest, ScrollingSidewaysAndUpMovesAPendingInvalidRegionWithThePixels)
{
    Fill(TRect{100, 100, 110, 110}, Red);
    Window.InvalidateRect(TRect{200, 50, 210, 60});
    Window.ScrollWindow(-20, -30);
    Window.OnPaint = [](TDC& dc, const TRect& rect) { dc.FillRect(rect, Blue); };
    const QImage image = QtTestAccess::PaintedBackBuffer(Window);

    EXPECT_EQ(RgbAt(image, 85, 75), 0xFF0000u);   // the red square moved up and left
    EXPECT_EQ(RgbAt(image, 185, 25), 0x0000FFu);  // the pending rectangle moved with it
    EXPECT_EQ(RgbAt(image, 205, 55), White);      // its old place is not repainted
    EXPECT_EQ(RgbAt(image, 310, 100), 0x0000FFu); // the strip uncovered on the right
    EXPECT_EQ(RgbAt(image, 100, 190), 0x0000FFu); // and at the bottom
}

TEST_F(BackBufferTest, ResizingKeepsTheSharedPixelsAndAsksForAPaintOfEverything)
{
    Fill(TRect{0, 0, 20, 20}, Red);
    Window.PaintRects.clear();
    Window.OnPaint = nullptr;
    QtTestAccess::TopLevelWidget(Window)->resize(400, 260);
    Settle();

    const auto sizes = Window.Only({WM_SIZE});
    ASSERT_FALSE(sizes.empty());
    EXPECT_EQ(sizes.back().LParam, intptr_t(MakeLParam(400, 260)));
    const TRect client = Window.GetClientRect();
    EXPECT_EQ(client, (TRect{0, 0, 400, 260}));
    ASSERT_FALSE(Window.PaintRects.empty());
    EXPECT_EQ(Window.PaintRects.back(), client);
    const QImage image = QtTestAccess::BackBuffer(Window);
    EXPECT_EQ(image.size(), QSize(400, 260));
    EXPECT_EQ(RgbAt(image, 10, 10), 0xFF0000u);
}

}  // namespace
