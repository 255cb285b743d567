// Gadget windows on Qt: images drawn on the window's device context with
// the desktop's colours, the pointer leaving the window, and tool tips the
// window names for the point under the pointer.
#include "framework/ButtonGadget.h"
#include "framework/ControlBar.h"
#include "framework/Frame.h"
#include "framework/Platform.h"
#include "framework/qt/QtTestAccess.h"
#include "tests/widget/WidgetTestSupport.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QPalette>
#include <QToolTip>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

TEST(QtDibTest, ImagesTakeTheDesktopsColoursAndLeaveTransparentPixels)
{
    TRecordingWindow window;
    ShowWindow(window, 40, 30);
    TDib dib(3, 1, {MakeRGB(255, 0, 0), SysColor(COLOR_BTNFACE), 0});
    dib.SetIndex(1, 0, 1);
    dib.SetIndex(2, 0, 2);
    dib.SetTransparentIndex(2);
    {
        std::unique_ptr<TDC> dc = window.GetClientDC();
        dc->FillRect({0, 0, 40, 30}, MakeRGB(0, 0, 255));
        dc->DrawDib(10, 5, dib, {0, 0, 3, 1});
        dc->DrawDib(20, 5, dib, {1, 0, 2, 1});  // a part of the image
    }
    const QImage image = QtTestAccess::BackBuffer(window);
    const unsigned face = QGuiApplication::palette().color(QPalette::Button).rgb() & 0xFFFFFF;
    EXPECT_EQ(RgbAt(image, 10, 5), 0xFF0000u);
    EXPECT_EQ(RgbAt(image, 11, 5), face);
    EXPECT_EQ(RgbAt(image, 12, 5), 0x0000FFu);  // transparent: the blue stays
    EXPECT_EQ(RgbAt(image, 20, 5), face);
    EXPECT_EQ(RgbAt(image, 21, 5), 0x0000FFu);
    EXPECT_EQ(RgbAt(image, 10, 6), 0x0000FFu);
}

TEST(QtDibTest, LockKeysAreOffWithoutAnXServer)
{
    // The offscreen platform has no keyboard extension to ask.
    EXPECT_EQ(Platform::GetKeyState(VK_CAPITAL) & 1, 0);
    EXPECT_EQ(Platform::GetKeyState(VK_NUMLOCK) & 1, 0);
}

class TTipFrame : public TDecoratedFrame {
public:
    explicit TTipFrame(TWindow* client) : TDecoratedFrame(nullptr, "Frame", client, true) {}
    std::string LoadHint(unsigned id) const override { return id == 5 ? "Five\nThe fifth" : ""; }
};

class QtGadgetWindowTest : public ::testing::Test {
protected:
    TRecordingWindow* Client = new TRecordingWindow;
    TTipFrame Frame{Client};
    TControlBar Bar{nullptr};
    TButtonGadget* Button = nullptr;

    void SetUp() override
    {
        Button = &static_cast<TButtonGadget&>(
            Bar.Insert(std::make_unique<TButtonGadget>(TDib(16, 16, {MakeRGB(0, 0, 0)}), 5)));
        Frame.Insert(Bar, TDecoratedFrame::TLocation::Top);
        ShowWindow(Frame, 300, 200);
    }
    void TearDown() override { delete Client; }
};

TEST_F(QtGadgetWindowTest, TheToolkitsToolTipEventShowsTheGadgetsTip)
{
    QWidget& bar = ClientOf(Bar);
    const QPoint on(Button->GetBounds().left + 3, Button->GetBounds().top + 3);
    QHelpEvent help(QEvent::ToolTip, on, bar.mapToGlobal(on));
    QCoreApplication::sendEvent(&bar, &help);
    EXPECT_EQ(QToolTip::text(), QStringLiteral("The fifth"));
    QToolTip::hideText();
}

TEST_F(QtGadgetWindowTest, LeavingTheWidgetReachesTheWindowAsMouseLeave)
{
    Bar.SetHintMode(TGadgetWindow::EnterHints);
    TMessageBar hints(nullptr);
    Frame.SetHintWindow(&hints);
    const TPoint on{Button->GetBounds().left + 3, Button->GetBounds().top + 3};
    DispatchMsg(TMsg{&Bar, WM_MOUSEMOVE, 0, intptr_t(MakeLParam(on.x, on.y))});
    EXPECT_EQ(Bar.GadgetUnderMouse(), Button);
    EXPECT_EQ(hints.ShownText(), "Five");
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(&ClientOf(Bar), &leave);
    EXPECT_EQ(Bar.GadgetUnderMouse(), nullptr);
    EXPECT_EQ(hints.ShownText(), "");
    Frame.SetHintWindow(nullptr);
}

TEST_F(QtGadgetWindowTest, MappedImagesFollowADarkColourScheme)
{
    // Face light grey with a black square in the middle, as the glyphs are.
    TDib glyph(16, 16, {MakeRGB(192, 192, 192), MakeRGB(0, 0, 0)});
    for (int y = 6; y < 10; ++y)
        for (int x = 6; x < 10; ++x)
            glyph.SetIndex(x, y, 1);
    glyph.MapUIColors(TDib::MapFace | TDib::MapText);
    auto& button = static_cast<TButtonGadget&>(Bar.Insert(std::make_unique<TButtonGadget>(glyph, 6)));
    button.SetEnabled(true);
    const QPalette light = QGuiApplication::palette();
    QPalette dark = light;
    dark.setColor(QPalette::Button, QColor(0x30, 0x30, 0x30));
    dark.setColor(QPalette::ButtonText, QColor(0xE0, 0xE0, 0xE0));
    QGuiApplication::setPalette(dark);
    Bar.Invalidate();
    const QImage image = QtTestAccess::PaintedBackBuffer(Bar);
    QGuiApplication::setPalette(light);

    const TRect inner = button.GetInnerRect();
    const int x = inner.left + (inner.Width() - 16) / 2, y = inner.top + (inner.Height() - 16) / 2;
    EXPECT_EQ(RgbAt(image, x + 1, y + 1), 0x303030u);  // the face
    EXPECT_EQ(RgbAt(image, x + 7, y + 7), 0xE0E0E0u);  // the drawing, in the text colour
}

}  // namespace
