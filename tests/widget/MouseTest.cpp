// The pointer as the window system's mouse messages, the wheel as line
// scrolls, and the drag loop that gets the pointer's events while it runs.
#include "framework/Platform.h"
#include "framework/Scroller.h"
#include "framework/qt/QtTestAccess.h"
#include "tests/widget/WidgetTestSupport.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QWheelEvent>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

class MouseTest : public ::testing::Test {
protected:
    TRecordingWindow Window;

    void SetUp() override
    {
        Window.Attr.ClassStyle = CS_DBLCLKS;
        ShowWindow(Window);
        Window.Clear();
    }

    QMouseEvent* Mouse(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons buttons,
                       Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QWidget& client = ClientOf(Window);
        return new QMouseEvent(type, QPointF(at), QPointF(client.mapToGlobal(at)), button, buttons, modifiers);
    }

    void Send(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons buttons,
              Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        std::unique_ptr<QMouseEvent> event(Mouse(type, at, button, buttons, modifiers));
        QCoreApplication::sendEvent(&ClientOf(Window), event.get());
    }

    void Wheel(int angle)
    {
        QWidget& client = ClientOf(Window);
        QWheelEvent event(QPointF(5, 5), QPointF(client.mapToGlobal(QPoint(5, 5))), QPoint(), QPoint(0, angle),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(&client, &event);
    }

    std::vector<unsigned> Messages(std::initializer_list<unsigned> kinds) const
    {
        std::vector<unsigned> out;
        for (const TLogged& m : Window.Only(kinds))
            out.push_back(m.Message);
        return out;
    }
};

TEST_F(MouseTest, ButtonsAndMovesCarryClientPointsAndKeyFlags)
{
    std::vector<bool> buttonDown;
    Window.OnMessage = [&buttonDown](const TLogged& m) {
        if (m.Message == WM_LBUTTONDOWN || m.Message == WM_LBUTTONUP)
            buttonDown.push_back(Platform::GetKeyState(1) < 0);  // VK_LBUTTON
    };
    Send(QEvent::MouseButtonPress, QPoint(12, 34), Qt::LeftButton, Qt::LeftButton, Qt::ShiftModifier);
    Send(QEvent::MouseMove, QPoint(-5, 300), Qt::NoButton, Qt::LeftButton, Qt::ControlModifier);
    Send(QEvent::MouseButtonRelease, QPoint(40, 41), Qt::LeftButton, Qt::NoButton);
    const auto log = Window.Only({WM_LBUTTONDOWN, WM_MOUSEMOVE, WM_LBUTTONUP});
    ASSERT_EQ(log.size(), 3u);
    EXPECT_EQ(log[0].Message, unsigned(WM_LBUTTONDOWN));
    EXPECT_EQ(log[0].WParam, unsigned(MK_LBUTTON | MK_SHIFT));
    EXPECT_EQ(log[0].LParam, intptr_t(MakeLParam(12, 34)));
    // A drag outside the client area still reports where the pointer is.
    EXPECT_EQ(log[1].WParam, unsigned(MK_LBUTTON | MK_CONTROL));
    EXPECT_EQ(LoWordSigned(log[1].LParam), -5);
    EXPECT_EQ(HiWordSigned(log[1].LParam), 300);
    EXPECT_EQ(log[2].WParam, 0u);
    EXPECT_EQ(buttonDown, (std::vector<bool>{true, false}));
}

TEST_F(MouseTest, ADoubleClickComesInTheWindowSystemsOrder)
{
    Send(QEvent::MouseButtonPress, QPoint(5, 5), Qt::LeftButton, Qt::LeftButton);
    Send(QEvent::MouseButtonRelease, QPoint(5, 5), Qt::LeftButton, Qt::NoButton);
    Send(QEvent::MouseButtonDblClick, QPoint(5, 5), Qt::LeftButton, Qt::LeftButton);
    Send(QEvent::MouseButtonRelease, QPoint(5, 5), Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(Messages({WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK}),
              (std::vector<unsigned>{WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP}));

    // A window that does not ask for double clicks gets a second press.
    Window.Attr.ClassStyle = 0;
    Window.Clear();
    Send(QEvent::MouseButtonDblClick, QPoint(5, 5), Qt::LeftButton, Qt::LeftButton);
    EXPECT_EQ(Messages({WM_LBUTTONDOWN, WM_LBUTTONDBLCLK}), (std::vector<unsigned>{WM_LBUTTONDOWN}));
}

TEST_F(MouseTest, TheRightButtonAndTheMenuKeyAskForTheContextMenu)
{
    Send(QEvent::MouseButtonPress, QPoint(7, 8), Qt::RightButton, Qt::RightButton);
    Send(QEvent::MouseButtonRelease, QPoint(7, 8), Qt::RightButton, Qt::NoButton);
    PressKey(Window, Qt::Key_Menu);
    const auto log = Window.Only({WM_RBUTTONDOWN, WM_RBUTTONUP, WM_CONTEXTMENU});
    ASSERT_EQ(log.size(), 4u);
    EXPECT_EQ(log[0].Message, unsigned(WM_RBUTTONDOWN));
    EXPECT_EQ(log[0].WParam, unsigned(MK_RBUTTON));
    EXPECT_EQ(log[2].Message, unsigned(WM_CONTEXTMENU));
    const QPoint screen = ClientOf(Window).mapToGlobal(QPoint(7, 8));
    EXPECT_EQ(log[2].LParam, intptr_t(MakeLParam(screen.x(), screen.y())));
    EXPECT_EQ(log[3].Message, unsigned(WM_CONTEXTMENU));
    EXPECT_EQ(LoWordSigned(log[3].LParam), -1);
    EXPECT_EQ(HiWordSigned(log[3].LParam), -1);
}

TEST_F(MouseTest, EachWheelNotchScrollsThreeLines)
{
    Wheel(-120);
    Wheel(60);  // half a notch waits for the other half
    Wheel(60);
    std::vector<unsigned> codes;
    for (const TLogged& m : Window.Only({WM_VSCROLL}))
        codes.push_back(unsigned(m.WParam & 0xFFFF));
    EXPECT_EQ(codes, (std::vector<unsigned>{SB_LINEDOWN, SB_LINEDOWN, SB_LINEDOWN, SB_ENDSCROLL, SB_LINEUP,
                                            SB_LINEUP, SB_LINEUP, SB_ENDSCROLL}));
}

TEST_F(MouseTest, TheDragLoopGetsThePointersEventsUntilTheButtonIsReleased)
{
    Window.Scroller = std::make_unique<TScroller>(&Window, 1, 1, 0, 0);
    std::vector<bool> capturedAtMove;
    Window.OnMessage = [&](const TLogged& m) {
        if (m.Message == WM_MOUSEMOVE)
            capturedAtMove.push_back(Window.HasCapture());
    };
    // The move and the release wait in the toolkit's queue; the press starts
    // the loop, which must deliver them.
    QWidget* client = &ClientOf(Window);
    QCoreApplication::postEvent(client, Mouse(QEvent::MouseMove, QPoint(50, 60), Qt::NoButton, Qt::LeftButton));
    QCoreApplication::postEvent(client, Mouse(QEvent::MouseButtonRelease, QPoint(51, 61), Qt::LeftButton, Qt::NoButton));
    Send(QEvent::MouseButtonPress, QPoint(10, 10), Qt::LeftButton, Qt::LeftButton);

    EXPECT_EQ(Messages({WM_LBUTTONDOWN, WM_LBUTTONUP}), (std::vector<unsigned>{WM_LBUTTONDOWN, WM_LBUTTONUP}));
    ASSERT_FALSE(capturedAtMove.empty());
    EXPECT_TRUE(capturedAtMove.front());
    EXPECT_FALSE(Window.HasCapture());
}

}  // namespace
