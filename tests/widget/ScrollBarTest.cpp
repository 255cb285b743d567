// Scroll bars in the window system's terms: the program's settings send
// nothing back; the user's actions arrive as scroll messages, each ended by
// SB_ENDSCROLL.
#include "framework/qt/QtTestAccess.h"
#include "tests/widget/WidgetTestSupport.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QScrollBar>

#include <gtest/gtest.h>

namespace {

class ScrollBarTest : public ::testing::Test {
protected:
    TRecordingWindow Window;
    QScrollBar* Bar = nullptr;

    void SetUp() override
    {
        Window.Attr.Style = WS_VSCROLL | WS_HSCROLL;
        ShowWindow(Window);
        Bar = QtTestAccess::ScrollBar(Window, SB_VERT);
        ASSERT_NE(Bar, nullptr);
        Window.SetScrollRange(SB_VERT, 0, 1000);
        Window.SetScrollPage(SB_VERT, 1);
        Window.SetScrollPos(SB_VERT, 10);
        Window.Clear();
    }

    void Release()
    {
        QMouseEvent release(QEvent::MouseButtonRelease, QPointF(2, 2), QPointF(2, 2), Qt::LeftButton, Qt::NoButton,
                            Qt::NoModifier);
        QCoreApplication::sendEvent(Bar, &release);
    }

    std::vector<std::pair<unsigned, unsigned>> Scrolls() const
    {
        std::vector<std::pair<unsigned, unsigned>> out;
        for (const TLogged& m : Window.Only({WM_VSCROLL, WM_HSCROLL}))
            out.emplace_back(unsigned(m.WParam & 0xFFFF), unsigned(m.WParam >> 16));
        return out;
    }
};

using TScrolls = std::vector<std::pair<unsigned, unsigned>>;

TEST_F(ScrollBarTest, TheProgramsSettingsMoveTheBarWithoutAMessage)
{
    Window.SetScrollRange(SB_VERT, 0, 32767);
    Window.SetScrollPos(SB_VERT, 20000);
    Window.SetScrollRange(SB_HORZ, 0, 0);
    EXPECT_TRUE(Window.Log.empty());
    EXPECT_EQ(Bar->value(), 20000);
    EXPECT_EQ(Bar->maximum(), 32767);
    EXPECT_EQ(Window.GetScrollPos(SB_VERT), 20000);
    EXPECT_FALSE(QtTestAccess::ScrollBar(Window, SB_HORZ)->isEnabled());  // an empty range
}

TEST_F(ScrollBarTest, ALineOrPageStepArrivesAndTheBarStaysWhereTheProgramPutsIt)
{
    Bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    Release();
    Bar->triggerAction(QAbstractSlider::SliderPageStepSub);
    Release();
    EXPECT_EQ(Scrolls(), (TScrolls{{SB_LINEDOWN, 0}, {SB_ENDSCROLL, 0}, {SB_PAGEUP, 0}, {SB_ENDSCROLL, 0}}));
    EXPECT_EQ(Bar->value(), 10);  // nobody moved it

    Window.OnMessage = [this](const TLogged& m) {
        if ((m.WParam & 0xFFFF) == SB_LINEDOWN)
            Window.SetScrollPos(SB_VERT, 11);
    };
    Bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(Bar->value(), 11);
}

TEST_F(ScrollBarTest, DraggingTheThumbTracksThenDropsThenEnds)
{
    Bar->setSliderDown(true);
    Bar->setSliderPosition(300);
    Bar->setSliderPosition(400);
    Release();
    Bar->setSliderDown(false);
    EXPECT_EQ(Scrolls(), (TScrolls{{SB_THUMBTRACK, 300}, {SB_THUMBTRACK, 400}, {SB_THUMBPOSITION, 400}, {SB_ENDSCROLL, 0}}));
}

// Rows drawn past the right edge and scrolled pixels stay in the client
// area: the bars beside it show only themselves.
TEST_F(ScrollBarTest, PaintingAndScrollingNeverReachTheBars)
{
    QWidget& client = ClientOf(Window);
    QWidget* container = Bar->parentWidget();
    QScrollBar* horizontal = QtTestAccess::ScrollBar(Window, SB_HORZ);
    ASSERT_NE(horizontal, nullptr);
    EXPECT_FALSE(client.geometry().intersects(Bar->geometry()));
    EXPECT_FALSE(client.geometry().intersects(horizontal->geometry()));
    Window.OnPaint = [](TDC& dc, const TRect& rect) {
        dc.FillRect({rect.left, rect.top, rect.right + 1000, rect.bottom + 1000}, MakeRGB(0, 0, 0));
    };
    Window.Invalidate();
    Window.UpdateWindow();
    Window.ScrollWindow(-40, -30);
    Window.UpdateWindow();
    Settle();
    const QImage whole = container->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(RgbAt(whole, client.x() + 5, client.y() + 5), 0u) << "the paint reached the client";
    for (QScrollBar* bar : {Bar, horizontal}) {
        const QImage alone = bar->grab().toImage().convertToFormat(QImage::Format_RGB32);
        EXPECT_EQ(whole.copy(bar->geometry()), alone) << (bar == Bar ? "vertical" : "horizontal");
    }
}

TEST_F(ScrollBarTest, AWindowSystemPageShortensTheBarsLastPosition)
{
    Window.SetScrollPage(SB_VERT, 100);
    EXPECT_EQ(Bar->maximum(), 901);
    EXPECT_EQ(Bar->pageStep(), 100);
}

}  // namespace
