// The editor's context menu: what it holds, where it opens and what a
// choice does (its states: tests/app/ContextMenuRouteTest.cpp).
#include "tests/support/EditorFixture.h"

#include "framework/Clipboard.h"
#include "framework/PopupMenu.h"
#include "view/CommandIds.h"

#include <utility>
#include <vector>

namespace {

using namespace std::string_literals;

class ContextMenu : public TEditorFixture {
protected:
    const THeadlessPopupMenu& Shown() { return Desktop.Dialogs().PopupMenus().back(); }
};

TEST_F(ContextMenu, TheKeyboardOpensItAtTheCaretKeptInsideTheClientArea)
{
    std::string text;
    for (int i = 0; i < 60; ++i)
        text += std::string(size_t(i), 'x') + "\n";
    Load(text);
    const TRect client = Edit->GetClientRect();
    const int lm = Edit->LeftMargin, tm = Edit->TopMargin, cw = Edit->CharWidth, lh = Edit->LineHeight;
    struct {
        const char* name;
        TRowIndex row, col;
        int scrollX, scrollY;  // in cells, after the caret is placed
        TPoint expected;       // client coordinates
    } cases[] = {
        {"visible", 5, 3, 0, 0, {lm + 3 * cw, tm + 5 * lh}},
        {"above the view", 1, 0, 0, 20, {lm, client.top}},
        {"below the view", 45, 2, 0, 5, {lm + 2 * cw, client.bottom}},
        {"right of the view", 55, 50, 0, 50, {client.right, tm + 5 * lh}},
        {"left of the view", 52, 1, 10, 50, {client.left, tm + 2 * lh}},
    };
    for (const auto& c : cases) {
        Edit->SetCaret(c.row, c.col);
        // The horizontal range follows the rows in view.
        Edit->Scroller->ScrollTo(0, c.scrollY);
        Edit->UpdateScrollRange();
        Edit->Scroller->ScrollTo(c.scrollX, c.scrollY);
        ASSERT_EQ(Edit->Scroller->XPos, c.scrollX) << c.name;
        ASSERT_EQ(Edit->Scroller->YPos, c.scrollY) << c.name;
        Desktop.ContextMenuKey();
        EXPECT_EQ(Shown().Point, Edit->ClientToScreen(c.expected)) << c.name;
        EXPECT_EQ(Shown().Owner, Edit.get()) << c.name;
        EXPECT_EQ(Shown().Flags, unsigned(TPM_RIGHTBUTTON)) << c.name;
    }
}

TEST_F(ContextMenu, ARightClickOpensTheWindowsOwnMenuAtTheMouse)
{
    Load("abc\n");
    const TPopupMenu* menu = Edit->GetContextMenu();
    ASSERT_NE(menu, nullptr);
    for (TPoint p : {TPoint{5, 7}, TPoint{60, 30}}) {
        Desktop.RightClick(*Edit, p);
        EXPECT_EQ(Shown().Point, Edit->ClientToScreen(p));
        EXPECT_EQ(Shown().Items.size(), menu->GetItems().size());
    }
    EXPECT_EQ(Edit->GetContextMenu(), menu);
}

// The edit commands in the Edit menu's order; "Cut" alone has no mnemonic,
// so the key C chooses Copy here.
TEST_F(ContextMenu, OffersTheEditCommandsInOrder)
{
    Load("abc\n");
    Desktop.ContextMenuKey();
    std::vector<std::pair<std::string, unsigned>> shown;
    for (const TMenuItem& item : Shown().Items)
        shown.emplace_back(item.Text, item.Kind == TMenuItem::TKind::Separator ? 0u : item.Id);
    const std::vector<std::pair<std::string, unsigned>> expected{
        {"&Undo", CM_EDITUNDO},     {"&Redo", CM_EDITREDO}, {"", 0},
        {"Cut", CM_EDITCUT},        {"&Copy", CM_EDITCOPY}, {"&Paste", CM_EDITPASTE},
        {"&Delete", CM_EDITDELETE}, {"", 0},                {"&Word Wrap", CM_WORDWRAP},
    };
    EXPECT_EQ(shown, expected);
}

TEST_F(ContextMenu, TheChosenCommandReachesTheEditorAsAMessage)
{
    Load("abc def\n");
    Edit->SetSelection(0, 3, 0, 0);
    Desktop.Dialogs().ChoosePopupItem(CM_EDITCUT);
    Desktop.ContextMenuKey();
    EXPECT_EQ(Text(), "abc def\n");
    Desktop.PumpWaitingMessages();
    EXPECT_EQ(Text(), " def\n");
    EXPECT_EQ(GetClipboardText(), "abc\0"s);
}

}  // namespace
