// Keys as the window system's messages: virtual key codes, WM_CHAR bytes,
// the Insert toggle and the key state seen while a key is handled.
#include "framework/Platform.h"
#include "framework/qt/QtTestAccess.h"
#include "tests/widget/WidgetTestSupport.h"

#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

class KeyboardTest : public ::testing::Test {
protected:
    TRecordingWindow Window;

    void SetUp() override
    {
        ShowWindow(Window);
        Window.SetFocus();
        Settle();
        Window.Clear();
    }

    // The WM_CHAR codes a press sends.
    std::vector<unsigned> CharsOf(int key, Qt::KeyboardModifiers modifiers, const QString& text)
    {
        Window.Clear();
        SendKey(Window, QEvent::KeyPress, key, modifiers, text);
        std::vector<unsigned> codes;
        for (const TLogged& m : Window.Only({WM_CHAR}))
            codes.push_back(unsigned(m.WParam));
        return codes;
    }
};

TEST_F(KeyboardTest, TheTableKeysArriveWithTheirVirtualKeyCodesAndARepeatCountOfOne)
{
    const std::pair<int, unsigned> keys[] = {
        {Qt::Key_Backspace, 8}, {Qt::Key_Tab, 9},    {Qt::Key_Return, 13}, {Qt::Key_Enter, 13},
        {Qt::Key_PageUp, 33},   {Qt::Key_PageDown, 34}, {Qt::Key_End, 35}, {Qt::Key_Home, 36},
        {Qt::Key_Left, 37},     {Qt::Key_Up, 38},     {Qt::Key_Right, 39}, {Qt::Key_Down, 40},
        {Qt::Key_Insert, 45},   {Qt::Key_Delete, 46}, {Qt::Key_A, 'A'},    {Qt::Key_Z, 'Z'},
        {Qt::Key_0, '0'},       {Qt::Key_9, '9'},     {Qt::Key_F1, 112},   {Qt::Key_F12, 123},
        {Qt::Key_Escape, 27},   {Qt::Key_Space, 32},  {Qt::Key_Shift, 16}, {Qt::Key_Control, 17},
        {Qt::Key_Menu, 93},
    };
    for (const auto& [key, vk] : keys) {
        Window.Clear();
        PressKey(Window, key);
        const auto downs = Window.Only({WM_KEYDOWN});
        const auto ups = Window.Only({WM_KEYUP});
        ASSERT_EQ(downs.size(), 1u) << vk;
        ASSERT_EQ(ups.size(), 1u) << vk;
        EXPECT_EQ(downs[0].WParam, vk);
        EXPECT_EQ(ups[0].WParam, vk);
        EXPECT_EQ(LoWordSigned(downs[0].LParam), 1);
    }
}

TEST_F(KeyboardTest, AltMakesSystemKeysThatTypeNothing)
{
    PressKey(Window, Qt::Key_Alt, Qt::AltModifier);
    PressKey(Window, Qt::Key_X, Qt::AltModifier, QStringLiteral("x"));
    const auto keys = Window.Only({WM_KEYDOWN, WM_SYSKEYDOWN, WM_SYSKEYUP, WM_CHAR});
    ASSERT_EQ(keys.size(), 4u);
    EXPECT_EQ(keys[0].Message, unsigned(WM_SYSKEYDOWN));
    EXPECT_EQ(keys[0].WParam, unsigned(VK_MENU));
    EXPECT_EQ(keys[2].Message, unsigned(WM_SYSKEYDOWN));
    EXPECT_EQ(keys[2].WParam, unsigned('X'));
    EXPECT_TRUE(keys[2].LParam & (1 << 29));  // the context bit: Alt is down
}

TEST_F(KeyboardTest, TypedTextBecomesWindowsBytesAndControlKeysTheirCodes)
{
    using V = std::vector<unsigned>;
    EXPECT_EQ(CharsOf(Qt::Key_A, Qt::NoModifier, QStringLiteral("a")), V{'a'});
    EXPECT_EQ(CharsOf(Qt::Key_A, Qt::ShiftModifier, QStringLiteral("A")), V{'A'});
    EXPECT_EQ(CharsOf(Qt::Key_Space, Qt::NoModifier, QStringLiteral(" ")), V{' '});
    EXPECT_EQ(CharsOf(Qt::Key_unknown, Qt::NoModifier, QStringLiteral("€")), V{0x80});
    EXPECT_EQ(CharsOf(Qt::Key_Adiaeresis, Qt::ShiftModifier, QStringLiteral("Ä")), V{0xC4});
    EXPECT_EQ(CharsOf(Qt::Key_A, Qt::ControlModifier, QStringLiteral("\x01")), V{1});
    EXPECT_EQ(CharsOf(Qt::Key_Z, Qt::ControlModifier, QString()), V{26});
    EXPECT_EQ(CharsOf(Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r")), V{13});
    EXPECT_EQ(CharsOf(Qt::Key_Enter, Qt::KeypadModifier, QStringLiteral("\r")), V{13});
    EXPECT_EQ(CharsOf(Qt::Key_Backspace, Qt::NoModifier, QStringLiteral("\b")), V{8});
    EXPECT_EQ(CharsOf(Qt::Key_Tab, Qt::NoModifier, QStringLiteral("\t")), V{9});
    EXPECT_EQ(CharsOf(Qt::Key_Escape, Qt::NoModifier, QStringLiteral("\x1b")), V{27});
    // Keys that type nothing on the window system, whatever text they carry.
    EXPECT_EQ(CharsOf(Qt::Key_Delete, Qt::NoModifier, QStringLiteral("\x7f")), V{});
    EXPECT_EQ(CharsOf(Qt::Key_Left, Qt::NoModifier, QString()), V{});
    EXPECT_EQ(CharsOf(Qt::Key_F3, Qt::NoModifier, QString()), V{});
    EXPECT_EQ(CharsOf(Qt::Key_Semicolon, Qt::ControlModifier, QStringLiteral(";")), V{});
    // A character without a Windows byte is not sent.
    EXPECT_EQ(CharsOf(Qt::Key_unknown, Qt::NoModifier, QStringLiteral("ł")), V{});
}

TEST_F(KeyboardTest, ComposedTextArrivesAsCharacters)
{
    QInputMethodEvent compose(QString(), {});
    compose.setCommitString(QStringLiteral("é€ł"));
    QCoreApplication::sendEvent(&ClientOf(Window), &compose);
    std::vector<unsigned> codes;
    for (const TLogged& m : Window.Only({WM_CHAR}))
        codes.push_back(unsigned(m.WParam));
    EXPECT_EQ(codes, (std::vector<unsigned>{0xE9, 0x80}));
}

TEST_F(KeyboardTest, TheCharacterFollowsItsKeyDown)
{
    PressKey(Window, Qt::Key_B, Qt::NoModifier, QStringLiteral("b"));
    const auto keys = Window.Only({WM_KEYDOWN, WM_CHAR, WM_KEYUP});
    ASSERT_EQ(keys.size(), 3u);
    EXPECT_EQ(keys[0].Message, unsigned(WM_KEYDOWN));
    EXPECT_EQ(keys[1].Message, unsigned(WM_CHAR));
    EXPECT_EQ(keys[1].WParam, unsigned('b'));
    EXPECT_EQ(keys[2].Message, unsigned(WM_KEYUP));
}

TEST_F(KeyboardTest, TabReachesTheWindowEvenWithAnotherFocusableWidgetBeside)
{
    auto* edit = new QLineEdit(QtTestAccess::TopLevelWidget(Window));
    edit->show();
    Window.SetFocus();
    Settle();
    PressKey(Window, Qt::Key_Tab, Qt::NoModifier, QStringLiteral("\t"));
    PressKey(Window, Qt::Key_Backtab, Qt::ShiftModifier);
    const auto downs = Window.Only({WM_KEYDOWN});
    ASSERT_EQ(downs.size(), 2u);
    EXPECT_EQ(downs[0].WParam, unsigned(VK_TAB));
    EXPECT_EQ(downs[1].WParam, unsigned(VK_TAB));
    EXPECT_TRUE(Window.HasFocus());
    EXPECT_EQ(Window.Only({WM_KILLFOCUS}).size(), 0u);
}

TEST_F(KeyboardTest, InsertFlipsItsToggleBeforeTheWindowSeesTheKey)
{
    std::vector<int> toggles;
    Window.OnMessage = [&toggles](const TLogged& m) {
        if (m.Message == WM_KEYDOWN && m.WParam == VK_INSERT)
            toggles.push_back(Platform::GetKeyState(VK_INSERT) & 1);
    };
    const int before = Platform::GetKeyState(VK_INSERT) & 1;
    PressKey(Window, Qt::Key_Insert);
    PressKey(Window, Qt::Key_Insert);
    ASSERT_EQ(toggles.size(), 2u);
    EXPECT_EQ(toggles[0], 1 - before);
    EXPECT_EQ(toggles[1], before);
}

TEST_F(KeyboardTest, TheKeyStateIsThatOfTheKeyBeingHandled)
{
    std::vector<bool> ctrl, shift, keyDown;
    Window.OnMessage = [&](const TLogged& m) {
        if (m.Message != WM_KEYDOWN)
            return;
        ctrl.push_back(Platform::GetKeyState(VK_CONTROL) < 0);
        shift.push_back(Platform::GetKeyState(VK_SHIFT) < 0);
        keyDown.push_back(Platform::GetKeyState(int(m.WParam)) < 0);
    };
    PressKey(Window, Qt::Key_Left, Qt::ControlModifier);
    PressKey(Window, Qt::Key_Left, Qt::ShiftModifier);
    EXPECT_EQ(ctrl, (std::vector<bool>{true, false}));
    EXPECT_EQ(shift, (std::vector<bool>{false, true}));
    EXPECT_EQ(keyDown, (std::vector<bool>{true, true}));
    EXPECT_GE(Platform::GetKeyState(VK_LEFT), 0);  // released again
}

TEST_F(KeyboardTest, FocusComesAndGoesAsMessages)
{
    auto* edit = new QLineEdit(QtTestAccess::TopLevelWidget(Window));
    edit->show();
    edit->setFocus();
    Settle();
    EXPECT_FALSE(Window.HasFocus());
    EXPECT_EQ(Window.Only({WM_KILLFOCUS}).size(), 1u);
    Window.SetFocus();
    Settle();
    EXPECT_TRUE(Window.HasFocus());
    EXPECT_EQ(Window.Only({WM_SETFOCUS}).size(), 1u);
}

}  // namespace
