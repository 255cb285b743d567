// Scroll ranges from the rows near the screen, the scroll bars, and the
// window size figures.
#include "tests/support/EditorFixture.h"

namespace {

class Scrolling : public TEditorFixture {};

TEST_F(Scrolling, WindowSizeFigures)
{
    SizeInCells(30, 12);
    EXPECT_EQ(Edit->WindowCols, 30);
    EXPECT_EQ(Edit->WindowRows, 13);
    Desktop.Resize(*Edit, 2 * Edit->LeftMargin - 5, 3);
    EXPECT_LE(Edit->WindowCols, 0);
    Load("a window narrower than its margins\n");
    Edit->SetWordWrap(true);
    Type("still works");
    EXPECT_EQ(Text(), "still worksa window narrower than its margins\n");
}

TEST_F(Scrolling, VerticalRangeFollowsTheRowCount)
{
    std::string text;
    for (int i = 0; i < 100; ++i)
        text += "x\n";
    Load(text);
    SizeInCells(20, 10);
    EXPECT_EQ(Edit->Scroller->YRange, 100 - Edit->WindowRows + 2);
    Load("x\n");
    EXPECT_EQ(Edit->Scroller->YRange, 1);
}

TEST_F(Scrolling, HorizontalRangeLooksOnlyAtRowsOnScreen)
{
    std::string text;
    for (int i = 0; i < 50; ++i)
        text += "short\n";
    text += std::string(100, 'w') + "\n";
    Load(text);
    SizeInCells(20, 10);
    EXPECT_EQ(Edit->Scroller->XRange, 0);
    Edit->SetCaret(50, 0);
    Key(VK_DOWN);  // the key release updates the ranges
    EXPECT_EQ(Edit->Scroller->XRange, 101 - 20);
}

// Keys that bring the caret into view leave it inside the window, even when
// the rows that make the view wider come on screen with the same move.
TEST_F(Scrolling, TheCaretBroughtIntoViewIsInsideTheWindow)
{
    std::string text;
    for (int i = 0; i < 49; ++i)
        text += "row " + std::to_string(i) + "\n";
    text += std::string(2281, 'w') + "\n";
    struct TCase {
        const char* Name;
        void (*Act)(THeadlessDesktop&, THugeEdit&);
    };
    const TCase cases[] = {
        {"Ctrl+End", [](THeadlessDesktop& d, THugeEdit&) { d.SendKey(VK_END, THeadlessDesktop::ModCtrl); }},
        {"the wheel, then Ctrl+End",
         [](THeadlessDesktop& d, THugeEdit& e) {
             for (int i = 0; i < 3; ++i)
                 e.SendMessage(WM_VSCROLL, SB_LINEDOWN);
             e.SendMessage(WM_VSCROLL, SB_ENDSCROLL);
             d.SendKey(VK_END, THeadlessDesktop::ModCtrl);
         }},
        {"Ctrl+End with the last row on screen",
         [](THeadlessDesktop& d, THugeEdit& e) {
             e.SendMessage(WM_VSCROLL, SB_BOTTOM);
             d.SendKey(VK_END, THeadlessDesktop::ModCtrl);
         }},
        {"End on the last row, then Ctrl+Home and Ctrl+End",
         [](THeadlessDesktop& d, THugeEdit& e) {
             d.SendKey(VK_END, THeadlessDesktop::ModCtrl);
             d.SendKey(VK_HOME, THeadlessDesktop::ModCtrl);
             d.SendKey(VK_END, THeadlessDesktop::ModCtrl);
         }},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        MakeEditor();
        Desktop.Resize(*Edit, 900, 20 * Edit->LineHeight);
        Load(text);
        c.Act(Desktop, *Edit);
        const TRect client = Edit->GetClientRect();
        const TPoint caret = Desktop.CaretState().Pos();
        EXPECT_EQ(Caret(), (TPos{49, 2281}));
        EXPECT_GE(caret.x, client.left);
        EXPECT_LE(caret.x, client.right - Edit->CharWidth);
        EXPECT_GE(caret.y, client.top);
        EXPECT_LE(caret.y, client.bottom - Edit->LineHeight);
        EXPECT_LE(Edit->Scroller->XPos, Edit->Scroller->XRange);
    }
}

TEST_F(Scrolling, ScrollBarsMoveTheViewNotTheCaret)
{
    std::string text;
    for (int i = 0; i < 100; ++i)
        text += "row\n";
    Load(text);
    SizeInCells(20, 10);
    Edit->SendMessage(WM_VSCROLL, SB_PAGEDOWN);
    EXPECT_EQ(Edit->Scroller->YPos, Edit->Scroller->YPage);
    EXPECT_EQ(Caret(), (TPos{0, 0}));
    Edit->SendMessage(WM_VSCROLL, SB_LINEDOWN);
    EXPECT_EQ(Edit->Scroller->YPos, Edit->Scroller->YPage + 1);
    Edit->SendMessage(WM_VSCROLL, SB_BOTTOM);
    EXPECT_EQ(Edit->Scroller->YPos, Edit->Scroller->YRange);
    EXPECT_EQ(Peer().ScrollBar(SB_VERT).Page, 1);
}

TEST_F(Scrolling, LargeDocumentsMapOntoTheBar)
{
    std::string text;
    text.reserve(200000);
    for (int i = 0; i < 100000; ++i)
        text += "r\n";
    Load(text);
    SizeInCells(20, 10);
    const TScrollBarState& bar = Peer().ScrollBar(SB_VERT);
    EXPECT_EQ(bar.Max, 32767);
    Edit->SendMessage(WM_VSCROLL, SB_THUMBTRACK | (16383u << 16));
    EXPECT_NEAR(double(Edit->Scroller->YPos), 50000.0, 100.0);
    Edit->SendMessage(WM_VSCROLL, SB_THUMBPOSITION | (32767u << 16));
    EXPECT_EQ(Edit->Scroller->YPos, Edit->Scroller->YRange);
    EXPECT_EQ(Peer().ScrollBar(SB_VERT).Pos, 32767);
}

TEST_F(Scrolling, FocusOwnsTheCaretAndInsertTogglesItsShape)
{
    EXPECT_TRUE(Desktop.Caret().Exists());
    EXPECT_EQ(Desktop.Caret().Width(), 0);
    EXPECT_EQ(Desktop.Caret().Height(), Edit->FontHeight);
    Key(VK_INSERT);
    EXPECT_TRUE(Edit->Overwrite);
    EXPECT_EQ(Desktop.Caret().Width(), Edit->CharWidth);
    Key(VK_INSERT);
    EXPECT_FALSE(Edit->Overwrite);
    EXPECT_EQ(Desktop.Caret().Width(), 0);
    Edit->SendMessage(WM_KILLFOCUS);
    EXPECT_FALSE(Desktop.Caret().Exists());
}

}  // namespace
