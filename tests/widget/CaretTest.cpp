// The application's caret: hidden when made, shown at a hide count of 0,
// and drawn over the screen image, never into the back buffer.
#include "framework/DC.h"
#include "framework/qt/QtTestAccess.h"
#include "tests/widget/WidgetTestSupport.h"

#include <QApplication>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

class CaretTest : public ::testing::Test {
protected:
    TRecordingWindow Window;

    void SetUp() override
    {
        // A steady caret, so that a grab never meets it between blinks.
        QApplication::setCursorFlashTime(0);
        Window.OnPaint = [](TDC& dc, const TRect& rect) { dc.FillRect(rect, SysColor(COLOR_WINDOW)); };
        ShowWindow(Window);
        QtTestAccess::PaintedBackBuffer(Window);
    }
    void TearDown() override { QApplication::setCursorFlashTime(1000); }
};

TEST_F(CaretTest, TheHideCountDecidesWhetherTheCaretShows)
{
    Window.CreateCaret(8, 16);
    EXPECT_FALSE(QtTestAccess::CaretVisibleIn(Window));  // made hidden
    Window.ShowCaret();
    EXPECT_TRUE(QtTestAccess::CaretVisibleIn(Window));
    Window.ShowCaret();  // no count below 0
    Window.HideCaret();
    EXPECT_FALSE(QtTestAccess::CaretVisibleIn(Window));
    Window.HideCaret();
    Window.ShowCaret();
    EXPECT_FALSE(QtTestAccess::CaretVisibleIn(Window));
    Window.ShowCaret();
    EXPECT_TRUE(QtTestAccess::CaretVisibleIn(Window));
    Window.DestroyCaret();
    EXPECT_FALSE(QtTestAccess::CaretVisibleIn(Window));
}

TEST_F(CaretTest, TheCaretIsInvertedOverTheScreenAndNeverEntersTheBackBuffer)
{
    Window.CreateCaret(8, 16);
    Window.SetCaretPos(20, 30);
    Window.ShowCaret();
    EXPECT_EQ(QtTestAccess::CaretRect(), QRect(20, 30, 8, 16));

    const QImage shown = ClientOf(Window).grab().toImage();
    EXPECT_EQ(RgbAt(shown, 24, 38), 0x000000u);
    EXPECT_EQ(RgbAt(shown, 30, 38), 0xFFFFFFu);
    EXPECT_EQ(RgbAt(QtTestAccess::BackBuffer(Window), 24, 38), 0xFFFFFFu);

    Window.HideCaret();
    EXPECT_EQ(RgbAt(ClientOf(Window).grab().toImage(), 24, 38), 0xFFFFFFu);
    Window.DestroyCaret();
}

TEST_F(CaretTest, ACaretScrolledOutOfViewDrawsNothing)
{
    Window.CreateCaret(8, 16);
    Window.SetCaretPos(20, -400);
    Window.ShowCaret();
    const QImage shown = ClientOf(Window).grab().toImage();
    EXPECT_TRUE(SamePixels(shown, QtTestAccess::BackBuffer(Window), shown.rect()));
    Window.DestroyCaret();
}

TEST_F(CaretTest, AThinCaretIsAPixelOrTwoWide)
{
    Window.CreateCaret(0, 16);
    const QRect rect = QtTestAccess::CaretRect();
    EXPECT_GE(rect.width(), 1);
    EXPECT_LE(rect.width(), 2);
    EXPECT_EQ(rect.height(), 16);
    Window.DestroyCaret();
}

}  // namespace
