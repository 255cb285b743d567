#include "FrameworkProbes.h"

#include "framework/Font.h"
#include "framework/Platform.h"
#include "framework/headless/HeadlessMetrics.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

class HeadlessDesktopTest : public ::testing::Test {
protected:
    THeadlessDesktop Desktop;
    TProbeWindow Window;

    void SetUp() override
    {
        Window.Create();
        Window.SetFocus();
        Window.Seen.clear();
    }
};

// --- keyboard -----------------------------------------------------------------------------

struct TCharCase {
    unsigned Key;
    unsigned Modifiers;
    std::optional<unsigned> Char;
};

class KeyCharacterTest : public HeadlessDesktopTest, public ::testing::WithParamInterface<TCharCase> {};

TEST_P(KeyCharacterTest, AKeyTypesItsCharacterWithTheModifiers)
{
    const TCharCase& c = GetParam();
    Desktop.SendKey(c.Key, c.Modifiers);
    const std::vector<TSeen> chars = Window.SeenOf(WM_CHAR);
    if (c.Char) {
        ASSERT_EQ(chars.size(), 1u);
        EXPECT_EQ(chars[0].A, *c.Char);
    } else {
        EXPECT_TRUE(chars.empty());
    }
}

constexpr unsigned Shift = THeadlessDesktop::ModShift, Ctrl = THeadlessDesktop::ModCtrl, Alt = THeadlessDesktop::ModAlt;

INSTANTIATE_TEST_SUITE_P(Keys, KeyCharacterTest,
                         ::testing::Values(TCharCase{'A', 0, 'a'}, TCharCase{'A', Shift, 'A'}, TCharCase{'A', Ctrl, 1},
                                           TCharCase{'Z', Ctrl, 26}, TCharCase{'1', 0, '1'}, TCharCase{'1', Shift, '!'},
                                           TCharCase{VK_SPACE, 0, ' '}, TCharCase{VK_RETURN, 0, 13},
                                           TCharCase{VK_TAB, 0, 9}, TCharCase{VK_BACK, 0, 8},
                                           TCharCase{VK_LEFT, 0, std::nullopt}, TCharCase{VK_DELETE, 0, std::nullopt},
                                           TCharCase{VK_F1, 0, std::nullopt}, TCharCase{'A', Alt, std::nullopt}));

TEST_F(HeadlessDesktopTest, AKeyPressIsDownThenCharacterThenUp)
{
    Desktop.SendKey('Q');
    const std::vector<TSeen> expected = {{WM_KEYDOWN, 'Q', 1}, {WM_CHAR, 'q', 1}, {WM_KEYUP, 'Q', 1}};
    EXPECT_EQ(Window.Seen, expected);
}

TEST_F(HeadlessDesktopTest, AltMakesSystemKeys)
{
    Desktop.SendKey(VK_LEFT, Alt);
    ASSERT_EQ(Window.Seen.size(), 1u);  // the key up goes to the menu bar's handler, unrecorded
    EXPECT_EQ(Window.Seen[0], (TSeen{WM_SYSKEYDOWN, VK_LEFT, 1}));
}

TEST_F(HeadlessDesktopTest, ModifiersAreDownOnlyDuringTheKey)
{
    struct TStateProbe : TWindow {
        int16_t Ctrl = 0;
        void EvKeyDown(unsigned, unsigned, unsigned) override { Ctrl = GetKeyState(VK_CONTROL); }
    } window;
    window.Create();
    window.SetFocus();
    Desktop.SendKey(VK_HOME, Ctrl);
    EXPECT_LT(window.Ctrl, 0);
    EXPECT_GE(TWindow::GetKeyState(VK_CONTROL), 0);
}

TEST_F(HeadlessDesktopTest, EachInsertPressFlipsItsToggleBeforeTheKeyArrives)
{
    struct TInsertProbe : TWindow {
        std::vector<int> Toggles;
        void EvKeyDown(unsigned key, unsigned, unsigned) override
        {
            if (key == VK_INSERT)
                Toggles.push_back(GetKeyState(VK_INSERT) & 1);
        }
    } window;
    window.Create();
    window.SetFocus();
    Desktop.SendKey(VK_INSERT);
    Desktop.SendKey(VK_INSERT);
    Desktop.SendKey(VK_INSERT);
    EXPECT_EQ(window.Toggles, (std::vector<int>{1, 0, 1}));
}

TEST_F(HeadlessDesktopTest, TypeTextSendsCharactersAndEnterForNewlines)
{
    Desktop.TypeText("a\tb\n");
    const std::vector<TSeen> chars = Window.SeenOf(WM_CHAR);
    ASSERT_EQ(chars.size(), 4u);
    EXPECT_EQ(chars[0].A, unsigned('a'));
    EXPECT_EQ(chars[1].A, unsigned('\t'));
    EXPECT_EQ(chars[2].A, unsigned('b'));
    EXPECT_EQ(chars[3].A, 13u);
    EXPECT_EQ(Window.SeenOf(WM_KEYDOWN).size(), 1u);  // the Enter key
}

// --- focus and caret ---------------------------------------------------------------------

TEST_F(HeadlessDesktopTest, MovingTheFocusTellsBothWindows)
{
    TProbeWindow other;
    other.Create();
    other.SetFocus();
    EXPECT_EQ(Window.Seen, std::vector<TSeen>{{WM_KILLFOCUS}});
    EXPECT_EQ(other.SeenOf(WM_SETFOCUS).size(), 1u);
    EXPECT_EQ(Desktop.Focus(), &other);
    other.SetFocus();
    EXPECT_EQ(other.SeenOf(WM_SETFOCUS).size(), 1u);  // no news
}

TEST_F(HeadlessDesktopTest, TheCaretCountsItsHidesAsTheWindowSystemDoes)
{
    const THeadlessCaret& caret = Desktop.Caret();
    Window.CreateCaret(0, 16);
    EXPECT_TRUE(caret.Exists());
    EXPECT_FALSE(caret.Visible());  // made hidden
    Window.ShowCaret();
    EXPECT_TRUE(caret.Visible());
    Window.ShowCaret();
    Window.HideCaret();
    EXPECT_FALSE(caret.Visible());  // a show while visible does not count
    Window.HideCaret();
    Window.ShowCaret();
    EXPECT_FALSE(caret.Visible());
    EXPECT_EQ(caret.HideCount(), 1);
    Window.ShowCaret();
    Window.SetCaretPos(30, 45);
    EXPECT_TRUE(caret.Visible());
    EXPECT_EQ(caret.Pos(), (TPoint{30, 45}));
    EXPECT_EQ(caret.Width(), 0);
    EXPECT_EQ(caret.Height(), 16);
}

TEST_F(HeadlessDesktopTest, OnlyTheOwnerCanShowOrDestroyTheCaret)
{
    TWindow other;
    other.Create();
    Window.CreateCaret(8, 16);
    other.ShowCaret();
    other.DestroyCaret();
    EXPECT_TRUE(Desktop.Caret().Exists());
    EXPECT_FALSE(Desktop.Caret().Visible());
    other.CreateCaret(9, 16);  // one caret: the new one replaces it
    EXPECT_EQ(Desktop.Caret().Owner(), &other);
    EXPECT_EQ(Desktop.Caret().Width(), 9);
}

TEST_F(HeadlessDesktopTest, AWindowThatGoesTakesItsFocusCaptureAndCaret)
{
    {
        TWindow gone;
        gone.Create();
        gone.SetFocus();
        gone.SetCapture();
        gone.CreateCaret(1, 1);
    }
    EXPECT_EQ(Desktop.Focus(), nullptr);
    EXPECT_EQ(Desktop.Capture(), nullptr);
    EXPECT_FALSE(Desktop.Caret().Exists());
}

// --- geometry ----------------------------------------------------------------------------

TEST_F(HeadlessDesktopTest, ResizingSendsTheNewSize)
{
    Desktop.Resize(Window, 640, 480);
    EXPECT_EQ(Window.Seen, std::vector<TSeen>({{WM_SIZE, SIZE_RESTORED, 0, {640, 480}}}));
    EXPECT_EQ(Window.GetClientRect(), (TRect{0, 0, 640, 480}));
}

TEST(HeadlessFrameTest, TheFrameLaysOutItsBarsAndClient)
{
    THeadlessDesktop desktop;
    TProbeWindow client, top, bottom;
    top.Attr.H = 30;
    bottom.Attr.H = 22;
    TProbeFrame frame(nullptr, "Frame", &client, false);
    frame.Insert(top, TDecoratedFrame::TLocation::Top);
    frame.Insert(bottom, TDecoratedFrame::TLocation::Bottom);
    frame.Attr.W = 400;
    frame.Attr.H = 300;
    frame.Create();

    EXPECT_EQ(desktop.Peer(top).Bounds(), (TRect{0, 0, 400, 30}));
    EXPECT_EQ(desktop.Peer(bottom).Bounds(), (TRect{0, 278, 400, 300}));
    EXPECT_EQ(desktop.Peer(client).Bounds(), (TRect{0, 30, 400, 278}));
    EXPECT_EQ(client.SeenOf(WM_SIZE).back(), (TSeen{WM_SIZE, SIZE_RESTORED, 0, {400, 248}}));

    desktop.Resize(frame, 500, 400);
    EXPECT_EQ(client.SeenOf(WM_SIZE).back(), (TSeen{WM_SIZE, SIZE_RESTORED, 0, {500, 348}}));
    EXPECT_EQ(desktop.Peer(bottom).Bounds(), (TRect{0, 378, 500, 400}));

    // A client point is on the screen where the frame and the bar put it.
    EXPECT_EQ(client.ClientToScreen({1, 2}), (TPoint{frame.Attr.X + 1, frame.Attr.Y + 32}));
    EXPECT_EQ(client.ScreenToClient(client.ClientToScreen({-7, 9})), (TPoint{-7, 9}));
}

// --- painting ----------------------------------------------------------------------------

TEST_F(HeadlessDesktopTest, UpdateWindowPaintsTheUnionOfWhatIsInvalid)
{
    Desktop.Resize(Window, 200, 100);
    THeadlessPeer& peer = Desktop.Peer(Window);
    peer.ClearLogs();
    Window.UpdateWindow();
    EXPECT_EQ(peer.PaintCount(), 0);

    Window.InvalidateRect({10, 10, 20, 20}, false);
    Window.InvalidateRect({50, 5, 60, 15}, false);
    Window.InvalidateRect({150, 90, 300, 300}, false);  // clipped to the client area
    Window.UpdateWindow();
    ASSERT_EQ(peer.PaintCount(), 1);
    EXPECT_EQ(peer.Drawing()[0].Rect, (TRect{10, 5, 200, 100}));
    EXPECT_FALSE(peer.HasInvalidArea());
    ASSERT_EQ(peer.Invalidations().size(), 3u);
    EXPECT_FALSE(peer.Invalidations()[0].Whole);
    Window.UpdateWindow();
    EXPECT_EQ(peer.PaintCount(), 1);
}

TEST_F(HeadlessDesktopTest, ScrollingTheContentsInvalidatesWhatIsUncovered)
{
    Desktop.Resize(Window, 200, 100);
    THeadlessPeer& peer = Desktop.Peer(Window);
    peer.ClearLogs();
    Window.ScrollWindow(0, -20);
    EXPECT_EQ(peer.Scrolls(), (std::vector<TSize>{{0, -20}}));
    EXPECT_EQ(peer.InvalidArea(), (TRect{0, 80, 200, 100}));
    Window.ScrollWindow(30, 0);
    // The strip waiting for paint moved along, and the left edge came in.
    EXPECT_EQ(peer.InvalidArea(), (TRect{0, 0, 200, 100}));
}

TEST_F(HeadlessDesktopTest, ClientAndPaintContextsRecordIntoTheWindowsLog)
{
    struct TPainter : TWindow {
        void Paint(TDC& dc, bool, TRect&) override { dc.FillRect({0, 0, 5, 5}, MakeRGB(1, 2, 3)); }
    } window;
    window.Create();
    window.GetClientDC()->InvertRect({1, 2, 3, 4});
    window.Invalidate();
    window.UpdateWindow();
    const TDrawLog& log = Desktop.Peer(window).Drawing();
    ASSERT_EQ(log.size(), 3u);
    EXPECT_EQ(log[0].Kind, TDrawCall::TKind::InvertRect);
    EXPECT_FALSE(log[0].Painting);
    EXPECT_EQ(log[1].Kind, TDrawCall::TKind::BeginPaint);
    EXPECT_EQ(log[2].Kind, TDrawCall::TKind::FillRect);
    EXPECT_TRUE(log[2].Painting);
    EXPECT_EQ(log[2].Colour, MakeRGB(1, 2, 3));
}

struct TTextCase {
    const char* Text;
    int X, TabDistance, TabOrigin;
    int Width;  // with characters 6 pixels wide
};

class TabbedTextTest : public ::testing::TestWithParam<TTextCase> {};

TEST_P(TabbedTextTest, TabsAdvanceToTheNextStopRightOfThePen)
{
    THeadlessDesktop desktop;
    TWindow window;
    window.Create();
    const TTextCase& c = GetParam();
    const TFont font("Courier New", 10);
    std::unique_ptr<TDC> dc = window.GetClientDC();
    dc->SelectFont(font);
    EXPECT_EQ(dc->TabbedTextOut(c.X, 0, c.Text, c.TabDistance, c.TabOrigin), c.Width) << c.Text;
    const TDrawCall& text = desktop.Peer(window).Drawing().back();
    EXPECT_EQ(text.Text, c.Text);
    EXPECT_EQ(text.TabDistance, c.TabDistance);
    EXPECT_EQ(text.TabOrigin, c.TabOrigin);
}

INSTANTIATE_TEST_SUITE_P(Texts, TabbedTextTest,
                         ::testing::Values(TTextCase{"abc", 0, 48, 0, 18}, TTextCase{"ab\tc", 0, 48, 0, 54},
                                           TTextCase{"\t", 0, 48, 0, 48},            // strictly right
                                           TTextCase{"a\t", 48, 48, 0, 48},          // from 54 to 96
                                           TTextCase{"\t", 10, 48, 4, 42},           // stops count from the origin
                                           TTextCase{"\t\t", 0, 24, 0, 48}, TTextCase{"", 7, 48, 0, 0}));

// --- fonts --------------------------------------------------------------------------------

struct TWidthCase {
    int Height, Width;
};

class FontWidthTest : public ::testing::TestWithParam<TWidthCase> {};

TEST_P(FontWidthTest, EveryCharacterIsSixTenthsOfTheHeight)
{
    THeadlessDesktop desktop;
    const TFont font("Courier New", GetParam().Height);
    for (unsigned char ch : {'i', 'W', '\t', '\xE9'}) {
        int width = -1;
        ASSERT_TRUE(font.GetCharWidth(ch, width));
        EXPECT_EQ(width, GetParam().Width);
    }
}

INSTANTIATE_TEST_SUITE_P(Heights, FontWidthTest,
                         ::testing::Values(TWidthCase{16, 10}, TWidthCase{10, 6}, TWidthCase{13, 8}, TWidthCase{3, 2},
                                           TWidthCase{2, 1}, TWidthCase{1, 1}, TWidthCase{0, 1}));

TEST(FontTest, MeasuringCanBeMadeToFailForAFace)
{
    THeadlessDesktop desktop;
    desktop.FailFontMetrics("Courier New");
    int width = 0;
    EXPECT_FALSE(TFont("courier new", 16).GetCharWidth('a', width));
    EXPECT_TRUE(TFont("Terminal", 16).GetCharWidth('a', width));
    desktop.FailFontMetrics("COURIER NEW", false);
    EXPECT_TRUE(TFont("Courier New", 16).GetCharWidth('a', width));
}

TEST(FontTest, TheScreenHas96DotsPerInch)
{
    EXPECT_EQ(ScreenLogPixelsY(), 96);
    EXPECT_EQ(Platform::ScreenLogPixelsY(), 96);
}

struct TFaceCase {
    const char* Face;
    TCodePage Page;
};

class CodePageTest : public ::testing::TestWithParam<TFaceCase> {};

TEST_P(CodePageTest, TerminalStandsForTheOemFont)
{
    EXPECT_EQ(CodePageOfFace(GetParam().Face), GetParam().Page);
    EXPECT_EQ(TFont(GetParam().Face, 12).CodePage(), GetParam().Page);
}

INSTANTIATE_TEST_SUITE_P(Faces, CodePageTest,
                         ::testing::Values(TFaceCase{"Terminal", TCodePage::Oem437}, TFaceCase{"TERMINAL", TCodePage::Oem437},
                                           TFaceCase{"terminal", TCodePage::Oem437},
                                           TFaceCase{"Terminal ", TCodePage::Windows1252},
                                           TFaceCase{"Term", TCodePage::Windows1252},
                                           TFaceCase{"Courier New", TCodePage::Windows1252},
                                           TFaceCase{"", TCodePage::Windows1252}));

// --- dialogs --------------------------------------------------------------------------------

TEST(HeadlessDialogTest, MessageBoxesAnswerWithTheirFirstButtonUnlessScripted)
{
    THeadlessDesktop desktop;
    EXPECT_EQ(MessageBox(nullptr, "a", "c", MB_OK), IDOK);
    EXPECT_EQ(MessageBox(nullptr, "b", "c", MB_YESNOCANCEL | MB_ICONQUESTION), IDYES);
    desktop.Dialogs().AnswerMessageBox(IDNO);
    desktop.Dialogs().AnswerMessageBox(IDCANCEL);
    EXPECT_EQ(MessageBox(nullptr, "d", "c", MB_YESNOCANCEL), IDNO);
    EXPECT_EQ(MessageBox(nullptr, "e", "c", MB_YESNOCANCEL), IDCANCEL);
    EXPECT_EQ(MessageBox(nullptr, "f", "c", MB_OKCANCEL), IDOK);

    const std::vector<THeadlessMessageBox>& boxes = desktop.Dialogs().MessageBoxes();
    ASSERT_EQ(boxes.size(), 5u);
    EXPECT_EQ(boxes[1].Text, "b");
    EXPECT_EQ(boxes[1].Caption, "c");
    EXPECT_EQ(boxes[1].Flags, unsigned(MB_YESNOCANCEL | MB_ICONQUESTION));
    EXPECT_EQ(boxes[2].Answer, IDNO);
}

struct TFileCase {
    const char* Chosen;
    const char* DefExt;
    const char* Result;
};

class FileDialogTest : public ::testing::TestWithParam<TFileCase> {};

TEST_P(FileDialogTest, OkGivesTheChosenPathWithTheDefaultExtension)
{
    THeadlessDesktop desktop;
    desktop.Dialogs().ChooseFile(GetParam().Chosen);
    TOpenSaveData data;
    data.DefExt = GetParam().DefExt;
    EXPECT_TRUE(RunFileSaveDialog(nullptr, data));
    EXPECT_EQ(data.FileName, GetParam().Result);
    EXPECT_EQ(data.Error, 0u);
}

INSTANTIATE_TEST_SUITE_P(Paths, FileDialogTest,
                         ::testing::Values(TFileCase{"/tmp/a", "txt", "/tmp/a.txt"}, TFileCase{"/tmp/a.log", "txt", "/tmp/a.log"},
                                           TFileCase{"/tmp/d.d/a", "txt", "/tmp/d.d/a.txt"}, TFileCase{"/tmp/a", "", "/tmp/a"}));

TEST(HeadlessDialogTest, FileDialogsAreCancelledUnlessScripted)
{
    THeadlessDesktop desktop;
    TOpenSaveData data;
    data.FileName = "kept.txt";
    EXPECT_FALSE(RunFileOpenDialog(nullptr, data));
    EXPECT_EQ(data.FileName, "kept.txt");
    desktop.Dialogs().FailFileDialog(0x3003);
    EXPECT_FALSE(RunFileOpenDialog(nullptr, data));
    EXPECT_EQ(data.Error, 0x3003u);
    desktop.Dialogs().CancelFileDialog();
    EXPECT_FALSE(RunFileOpenDialog(nullptr, data));
    EXPECT_EQ(data.Error, 0u);

    const std::vector<THeadlessFileDialog>& dialogs = desktop.Dialogs().FileDialogs();
    ASSERT_EQ(dialogs.size(), 3u);
    EXPECT_FALSE(dialogs[0].Save);
    EXPECT_EQ(dialogs[0].Data.FileName, "kept.txt");
}

// --- queue and mouse --------------------------------------------------------------------------

TEST_F(HeadlessDesktopTest, PumpingDispatchesWhatIsPostedMeanwhile)
{
    struct TRelay : TWindow {
        std::vector<unsigned> Got;
        intptr_t WindowProc(unsigned message, uintptr_t w, intptr_t l) override
        {
            if (message < WM_USER)
                return 0;
            Got.push_back(message);
            if (message < WM_USER + 3)
                PostMessage(message + 1);
            return 0;
        }
    } window;
    window.Create();
    window.PostMessage(WM_USER);
    EXPECT_TRUE(window.Got.empty());  // never inside PostMessage
    Desktop.PumpWaitingMessages();
    EXPECT_EQ(window.Got, (std::vector<unsigned>{WM_USER, WM_USER + 1, WM_USER + 2, WM_USER + 3}));
    EXPECT_EQ(Desktop.QueuedCount(), 0u);
}

TEST_F(HeadlessDesktopTest, ADoubleClickNeedsTheClassStyle)
{
    Desktop.DoubleClick(Window, {5, 6});
    EXPECT_EQ(Window.SeenOf(WM_LBUTTONDOWN).size(), 2u);
    EXPECT_TRUE(Window.SeenOf(WM_LBUTTONDBLCLK).empty());

    TProbeWindow clicks;
    clicks.Attr.ClassStyle = CS_DBLCLKS;
    clicks.Create();
    Desktop.DoubleClick(clicks, {5, 6});
    EXPECT_EQ(clicks.SeenOf(WM_LBUTTONDOWN).size(), 1u);
    ASSERT_EQ(clicks.SeenOf(WM_LBUTTONDBLCLK).size(), 1u);
    EXPECT_EQ(clicks.SeenOf(WM_LBUTTONDBLCLK)[0], (TSeen{WM_LBUTTONDBLCLK, MK_LBUTTON, 0, {5, 6}}));
}

TEST_F(HeadlessDesktopTest, ARightClickAsksForTheContextMenuAtTheScreenPoint)
{
    Desktop.RightClick(Window, {5, 6});
    ASSERT_EQ(Window.SeenOf(WM_RBUTTONDOWN).size(), 1u);
    EXPECT_EQ(Window.SeenOf(WM_RBUTTONDOWN)[0].A, unsigned(MK_RBUTTON));
    ASSERT_EQ(Window.SeenOf(WM_CONTEXTMENU).size(), 1u);
    EXPECT_EQ(Window.SeenOf(WM_CONTEXTMENU)[0].Point, Window.ClientToScreen({5, 6}));
    Desktop.ContextMenuKey();
    EXPECT_EQ(Window.SeenOf(WM_CONTEXTMENU).back().Point, (TPoint{-1, -1}));
}

TEST_F(HeadlessDesktopTest, MouseInputGoesToTheCaptureInItsCoordinates)
{
    TProbeWindow other;
    other.Attr.X = 300;
    other.Create();
    Window.SetCapture();
    Desktop.MouseMove(other, {1, 1});
    EXPECT_TRUE(other.SeenOf(WM_MOUSEMOVE).empty());
    ASSERT_EQ(Window.SeenOf(WM_MOUSEMOVE).size(), 1u);
    EXPECT_EQ(Window.SeenOf(WM_MOUSEMOVE)[0].Point, Window.ScreenToClient(other.ClientToScreen({1, 1})));
    EXPECT_EQ(Desktop.CursorPos(), other.ClientToScreen({1, 1}));
}

TEST(HeadlessDropTest, FilesGoToTheNearestWindowThatAcceptsThem)
{
    THeadlessDesktop desktop;
    TProbeWindow client;
    TProbeFrame frame(nullptr, "Frame", &client, false);
    frame.Attr.ExStyle = WS_EX_ACCEPTFILES;
    frame.Create();
    desktop.DropFiles(client, {"a.txt", "b.txt"}, {3, 4});
    EXPECT_TRUE(client.SeenOf(WM_DROPFILES).empty());
    ASSERT_EQ(frame.SeenOf(WM_DROPFILES).size(), 1u);
    EXPECT_EQ(frame.SeenOf(WM_DROPFILES)[0].A, 2u);
    EXPECT_EQ(frame.SeenOf(WM_DROPFILES)[0].Point, frame.ScreenToClient(client.ClientToScreen({3, 4})));
}

}  // namespace
